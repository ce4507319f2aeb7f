#include "widgets/ui/screenscale.h"

#include <QPainter>
#include <cmath>

namespace mottler {

bool HasFractionalScale(const QPainter& painter) {
    // The device transform holds the screen's scale (also when a widget is rendered into a
    // picture of another scale); the drawing areas add no rotation of their own.
    const qreal ratio = painter.deviceTransform().m11();
    return !qFuzzyCompare(ratio, std::round(ratio));
}

} // namespace mottler
