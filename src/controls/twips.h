// Every place and size of the design is in twips: 1/1440 inch, 15 to a logical pixel.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace twips {
constexpr int perPixel = 15;
constexpr int px(int t) { return t / perPixel; }
inline QRect rect(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}
inline QSize size(int width, int height) { return QSize(px(width), px(height)); }
inline QPoint point(int left, int top) { return QPoint(px(left), px(top)); }
} // namespace twips
