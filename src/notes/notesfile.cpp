#include "notesfile.h"

#include "cp1252.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace notesfile {

ReadResult read(const QString& path)
{
    ReadResult r;
    if (path.isEmpty())
        return r;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return r;
    if (!f.isSequential() && f.size() > largestSize) {
        r.status = ReadResult::TooLarge;
        return r;
    }
    // A device or pipe has no size (and /dev/zero no end): read one byte past the
    // limit to tell whether it is too long.
    const QByteArray bytes = f.isSequential() ? f.read(largestSize + 1) : f.readAll();
    if (f.error() != QFileDevice::NoError)
        return r;
    if (bytes.size() > largestSize) {
        r.status = ReadResult::TooLarge;
        return r;
    }
    r.text = cp1252::decode(bytes);
    r.status = ReadResult::Read;
    return r;
}

QString write(const QString& path, const QString& text)
{
    QByteArray bytes = cp1252::encode(text);
    bytes.append("\r\n");
    return writeWhole(path, bytes);
}

QString writeWhole(const QString& path, const QByteArray& bytes)
{
    if (path.isEmpty())
        return QStringLiteral("No file name was given.");
    const QFileInfo target(path);
    if (target.isDir())
        return QStringLiteral("It is a folder.");
    if (target.exists() && !(target.permissions() & QFileDevice::WriteOwner))
        return QStringLiteral("The file is read-only.");
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return f.errorString();
    if (f.write(bytes) != bytes.size()) {
        const QString why = f.errorString();
        f.cancelWriting();
        return why;
    }
    if (!f.commit())
        return f.errorString();
    return {};
}

} // namespace notesfile
