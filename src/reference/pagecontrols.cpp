#include "pagecontrols.h"

#include "controls/style.h"
#include "controls/textbox.h"

#include <QLabel>
#include <QPalette>
#include <QPushButton>

namespace pagecontrols {

QPushButton* button(QWidget* parent, const QString& name, const QString& caption, QRect geometry)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setGeometry(geometry);
    b->setFont(fonts::systemBold());
    return b;
}

TextBox* readingBox(QWidget* parent, const QString& name, QRect geometry)
{
    auto* box = new TextBox(parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    box->setLocked(true);
    box->setFocusPolicy(Qt::ClickFocus);
    return box;
}

QLabel* label(QWidget* parent, const QString& name, const QString& text, QRect geometry,
              const QColor& background, const QColor& textColour, const QFont& font,
              Qt::Alignment alignment)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setGeometry(geometry);
    l->setWordWrap(true);
    l->setAlignment(alignment | Qt::AlignTop);
    l->setTextFormat(Qt::PlainText);
    l->setFont(font);
    setColors(l, background, textColour);
    return l;
}

void setBackground(QWidget* window, const QColor& colour)
{
    QPalette p = window->palette();
    p.setColor(QPalette::Window, colour);
    window->setPalette(p);
    window->setAutoFillBackground(true);
}

} // namespace pagecontrols
