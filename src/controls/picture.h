// A picture control: an SVG picture drawn stretched to its box (or at its natural
// size), an optional mouse pointer of its own, and a click.
#pragma once

#include <QLabel>

class Picture final : public QLabel {
    Q_OBJECT
public:
    explicit Picture(QWidget* parent = nullptr);

    // Renders the picture into the control's box (stretch) or at the given size.
    void setPicture(const QString& resource, QSize natural = QSize());
    // A pointer drawn from a picture, 32 × 32, with its hot spot.
    void setPointer(const QString& resource, QPoint hotSpot);

    static QPixmap render(const QString& resource, QSize size);
    static QIcon icon(const QString& resource);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
};
