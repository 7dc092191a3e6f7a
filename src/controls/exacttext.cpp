#include "exacttext.h"

#include <QMimeData>

namespace exacttext {

namespace {
constexpr char16_t controlPictures = 0x2400; // U+2400 + code shows a C0 control
constexpr char16_t deletePicture = 0x2421;
} // namespace

QChar displayChar(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x20 && u != u'\t')
        return QChar(char16_t(controlPictures + u));
    if (u == 0x7F)
        return QChar(deletePicture);
    return c;
}

QChar modelChar(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= controlPictures && u < controlPictures + 0x20)
        return QChar(char16_t(u - controlPictures));
    if (u == deletePicture)
        return QChar(char16_t(0x7F));
    return c;
}

QString toDisplay(const QString& model)
{
    QString out;
    out.reserve(model.size());
    const qsizetype n = model.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = model.at(i);
        if (c == u'\r' && i + 1 < n && model.at(i + 1) == u'\n') {
            out.append(u'\n');
            ++i;
        } else {
            out.append(displayChar(c));
        }
    }
    return out;
}

QString paragraphToModel(QStringView paragraph)
{
    QString out;
    out.reserve(paragraph.size());
    for (QChar c : paragraph)
        out.append(modelChar(c));
    return out;
}

QString fromDisplay(QStringView display)
{
    QString out;
    out.reserve(display.size() + display.size() / 32);
    for (QChar c : display) {
        if (c == u'\n' || c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            out.append(u"\r\n");
        else
            out.append(modelChar(c));
    }
    return out;
}

QString fromForeign(QStringView text)
{
    QString out;
    out.reserve(text.size() + text.size() / 16);
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\n' && (i == 0 || text[i - 1] != u'\r'))
            out.append(u'\r');
        out.append(text[i]);
    }
    return out;
}

namespace {
const QString exactMimeType = QStringLiteral("application/x-quillmere-exact-text");
} // namespace

QMimeData* toMime(const QString& text)
{
    auto* data = new QMimeData;
    data->setText(text);
    data->setData(exactMimeType, text.toUtf8());
    return data;
}

QString fromMime(const QMimeData& data)
{
    if (data.hasFormat(exactMimeType))
        return QString::fromUtf8(data.data(exactMimeType));
    return data.hasText() ? fromForeign(data.text()) : QString();
}

qsizetype toDisplayOffset(QStringView model, qsizetype offset)
{
    offset = qBound<qsizetype>(0, offset, model.size());
    qsizetype pairs = 0;
    for (qsizetype i = 0; i + 1 < offset; ++i) {
        if (model[i] == u'\r' && model[i + 1] == u'\n') {
            ++pairs;
            ++i;
        }
    }
    // Between a CR and its LF: stay at the end of the paragraph.
    if (offset > 0 && offset < model.size() && model[offset - 1] == u'\r' && model[offset] == u'\n')
        return offset - 1 - pairs;
    return offset - pairs;
}

} // namespace exacttext
