// The design's fixed colours and fonts, in one place.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QWidget;

namespace colors {
inline const QColor teal(0, 128, 128);
inline const QColor navy(0, 0, 128);
inline const QColor darkRed(128, 0, 0);
inline const QColor lightGrey(192, 192, 192);
inline const QColor white(255, 255, 255);
inline const QColor blue(0, 0, 255);
} // namespace colors

namespace fonts {
// "System" and "MS Sans Serif" are Windows bitmap faces; Liberation Sans stands in
// for both, and fontconfig maps "Times New Roman" to the metric-compatible Liberation Serif.
QFont font(const QString& designFace, double points, int weight, bool italic = false);
inline QFont systemBold() { return font(QStringLiteral("System"), 9.75, 700); }
inline QFont timesBold() { return font(QStringLiteral("Times New Roman"), 12, 700); }
inline QFont sansBold() { return font(QStringLiteral("MS Sans Serif"), 9.75, 700); }
inline QFont sans() { return font(QStringLiteral("MS Sans Serif"), 9.75, 400); }
// The default font of controls that name none.
inline QFont defaultFont() { return font(QStringLiteral("MS Sans Serif"), 8.25, 400); }
} // namespace fonts

// Sets a widget's background and text colours (background filled); buttons inside
// keep the ordinary button face.
void setColors(QWidget* w, const QColor& background, const QColor& text);
void setTextColor(QWidget* w, const QColor& text);
