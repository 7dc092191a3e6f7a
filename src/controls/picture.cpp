#include "picture.h"

#include <QHash>
#include <QIcon>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

Picture::Picture(QWidget* parent)
    : QLabel(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

QPixmap Picture::render(const QString& resource, QSize size)
{
    QSvgRenderer svg(resource);
    QPixmap pm(size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    svg.render(&p);
    return pm;
}

QIcon Picture::icon(const QString& resource)
{
    // Every window carries the same icon: draw it once.
    static QHash<QString, QIcon> drawn;
    auto it = drawn.find(resource);
    if (it == drawn.end()) {
        QIcon icon;
        for (int s : {16, 32, 48, 64})
            icon.addPixmap(render(resource, QSize(s, s)));
        it = drawn.insert(resource, icon);
    }
    return *it;
}

void Picture::setPicture(const QString& resource, QSize natural)
{
    setPixmap(render(resource, natural.isValid() ? natural : size()));
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void Picture::setPointer(const QString& resource, QPoint hotSpot)
{
    setCursor(QCursor(render(resource, QSize(32, 32)), hotSpot.x(), hotSpot.y()));
}

void Picture::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(e);
}
