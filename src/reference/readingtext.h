// The long static texts of the reading pages, read from the program's resources.
// They are stored with LF line ends; a text box counts a line break as CR LF.
#pragma once

#include <QHash>
#include <QString>

namespace readingtext {
// The text with every LF turned into CR LF.
QString withCrLf(const QString& text);
// The resource's text (UTF-8), line ends as CR LF; empty when it cannot be read.
QString load(const QString& resource);
// "name=text" lines, one passage each; a line without '=' is skipped.
QHash<QString, QString> namedLines(const QString& text);
} // namespace readingtext
