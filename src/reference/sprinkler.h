// The help window's point sprinkler: one tick's worth of points of random colour
// at random places of a client area, worked out without any window.
#pragma once

#include <QPoint>
#include <QSize>
#include <QVector>

class UniformSource;

struct SprinklePoint {
    float x; // twips from the client area's left edge, 0 <= x <= width
    float y; // twips from its top edge, 0 <= y <= height
    int red, green, blue; // 0 to 255
};

namespace sprinkler {
constexpr int pointsPerTick = 100;

// Draws `count` points; each takes five values from the source, in the order
// red, green, blue, x, y. Width and height are the client area's, in twips.
QVector<SprinklePoint> sprinkle(UniformSource& source, float widthTwips, float heightTwips,
                                int count = pointsPerTick);

// The pixel a point falls on in a client area of the given size: whole pixels of
// 15 twips, counted from 0. A product rounded up to the very edge stays on the last pixel.
QPoint pixel(const SprinklePoint& point, QSize client);
} // namespace sprinkler
