// The controls the reference windows are built of, with the settings they share:
// buttons in the System bold face, read-only boxes that the Tab key passes over,
// labels with their own colours, and plain window backgrounds.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class TextBox;
class QLabel;
class QPushButton;
class QWidget;

namespace pagecontrols {
// A button with a System bold caption; its access key comes from the '&' in the caption.
QPushButton* button(QWidget* parent, const QString& name, const QString& caption, QRect geometry);
// A read-only text box, reached by the mouse only: the Tab key passes over it.
TextBox* readingBox(QWidget* parent, const QString& name, QRect geometry);
// A label with a filled background; its text wraps within its box and starts at the top.
QLabel* label(QWidget* parent, const QString& name, const QString& text, QRect geometry,
              const QColor& background, const QColor& textColour, const QFont& font,
              Qt::Alignment alignment);
// Fills a window's client area with a colour and leaves its controls' colours alone.
void setBackground(QWidget* window, const QColor& colour);
} // namespace pagecontrols
