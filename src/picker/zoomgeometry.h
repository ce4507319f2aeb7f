#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace mottler {

/// Where the zoom window copies from and to for one magnification.
struct ZoomGeometry {
    /// The screen rectangle magnified (`SourceRect`): view size div magnification, centred on
    /// the pointer and kept inside the screen.
    QRect Source;
    /// The part of Source actually copied: Source without its one-pixel border.
    QRect Copied;
    /// Where the copy is stretched to in the window: from (2, 2), view size less one pixel.
    QRect Target;
};

/// The zoom window's rectangles for a pointer at `pointer` (screen coordinates), a view area
/// of `viewSize` and a magnification of 1 … 16 (values outside are clamped) on `screen`.
ZoomGeometry ComputeZoomGeometry(QPoint pointer, QSize viewSize, int magnification,
                                 const QRect& screen);

} // namespace mottler
