#include "sprinkler.h"

#include "uniformsource.h"

#include "controls/roundhalfeven.h"
#include "controls/twips.h"

#include <cmath>

namespace sprinkler {

QVector<SprinklePoint> sprinkle(UniformSource& source, float widthTwips, float heightTwips, int count)
{
    QVector<SprinklePoint> points;
    points.reserve(count);
    for (int i = 0; i < count; ++i) {
        // Each product in single precision, as the colours are rounded from it.
        const float r = source.next() * 255.0f;
        const float g = source.next() * 255.0f;
        const float b = source.next() * 255.0f;
        const float x = source.next() * widthTwips;
        const float y = source.next() * heightTwips;
        points.append({x, y, int(roundHalfEven(r)), int(roundHalfEven(g)), int(roundHalfEven(b))});
    }
    return points;
}

QPoint pixel(const SprinklePoint& point, QSize client)
{
    const int x = int(point.x / float(twips::perPixel));
    const int y = int(point.y / float(twips::perPixel));
    return QPoint(qBound(0, x, client.width() - 1), qBound(0, y, client.height() - 1));
}

} // namespace sprinkler
