#include "style.h"

#include <QPalette>
#include <QWidget>

QFont fonts::font(const QString& designFace, double points, int weight, bool italic)
{
    QFont f;
    if (designFace == QLatin1String("System") || designFace == QLatin1String("MS Sans Serif"))
        f.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    else
        f.setFamilies({designFace, QStringLiteral("Liberation Serif")});
    f.setPointSizeF(points);
    f.setWeight(QFont::Weight(weight));
    f.setItalic(italic);
    return f;
}

void setColors(QWidget* w, const QColor& background, const QColor& text)
{
    QPalette p = w->palette();
    for (auto role : {QPalette::Window, QPalette::Base})
        p.setColor(role, background);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(role, text);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void setTextColor(QWidget* w, const QColor& text)
{
    QPalette p = w->palette();
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(role, text);
    w->setPalette(p);
}
