// The notes' 8-bit character set, Windows-1252: bytes to characters and back.
// Qt's own codecs are not used: they depend on ICU and put 0x1A, not '?', for a
// character they cannot encode.
#pragma once

#include <QByteArray>
#include <QString>

namespace cp1252 {

// The character of one byte; every byte has one (0x81, 0x8D, 0x8F, 0x90 and 0x9D
// stand for the C1 controls of the same number).
QChar toChar(unsigned char byte);
// The byte of a character, or -1 when the set has none for it.
int toByte(QChar c);
inline bool canEncode(QChar c) { return toByte(c) >= 0; }

QString decode(QByteArrayView bytes);
// What cannot be encoded becomes '?'; a surrogate pair is one such character.
QByteArray encode(QStringView text);
// The text as it will be stored: every character outside the set replaced by '?'.
QString narrow(QStringView text);

} // namespace cp1252
