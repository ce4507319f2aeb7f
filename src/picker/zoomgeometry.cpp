#include "picker/zoomgeometry.h"

#include <algorithm>

namespace mottler {
namespace {

/// The start of a span of `length` centred on `centre`, moved back inside [low, low + extent)
/// when it would pass the far edge, and never before `low`.
int PlaceSpan(int centre, int length, int low, int extent) {
    int start = std::max(low, centre - length / 2);
    if (start + length > low + extent)
        start = low + extent - length;
    return std::max(low, start);
}

} // namespace

ZoomGeometry ComputeZoomGeometry(QPoint pointer, QSize viewSize, int magnification,
                                 const QRect& screen) {
    const int zoom = std::clamp(magnification, 1, 16);
    const int width = viewSize.width() / zoom;
    const int height = viewSize.height() / zoom;
    const int left = PlaceSpan(pointer.x(), width, screen.left(), screen.width());
    const int top = PlaceSpan(pointer.y(), height, screen.top(), screen.height());
    ZoomGeometry geometry;
    geometry.Source = QRect(left, top, width, height);
    geometry.Copied = QRect(left + 1, top + 1, width - 2, height - 2);
    geometry.Target = QRect(2, 2, viewSize.width() - 1, viewSize.height() - 1);
    return geometry;
}

} // namespace mottler
