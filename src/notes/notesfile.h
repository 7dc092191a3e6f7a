// Notes files: plain Windows-1252 text, one byte a character, read whole, and
// written as the notes followed by one CR LF.
#pragma once

#include <QByteArray>
#include <QString>

namespace notesfile {

// The largest notes file Open Notes reads; anything longer is refused whole.
inline constexpr qint64 largestSize = 16 * 1024 * 1024;

struct ReadResult {
    enum Status { Read, Failed, TooLarge };
    Status status = Failed;
    QString text; // the whole file, when status is Read
};

// Every byte of the file becomes one character; a missing, unreadable or
// over-long file leaves text empty and says why in status.
ReadResult read(const QString& path);

// Writes text plus CR LF; returns the reason it failed, or an empty string.
QString write(const QString& path, const QString& text);

// The one way the program writes a file: to a temporary file that is renamed over
// the target only when all of it was written, so a failure never leaves the target
// truncated. A file without its owner's write permission is left alone even where
// the system would let us replace it. Returns the reason it failed, or an empty string.
QString writeWhole(const QString& path, const QByteArray& bytes);

} // namespace notesfile
