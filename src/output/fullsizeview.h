#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QSize>
#include <QString>

namespace mottler {

/// The caption of the full-size view until it is first painted.
inline constexpr const char* FullSizeInitialCaption =
    QT_TRANSLATE_NOOP("mottler::FullSizeView", "Press ESC To Close");

/// The page width the gradient strip is widened to when the per-user value "Gradient Width"
/// is missing.
inline constexpr int DefaultGradientPageWidth = 2001;

/// What the full-size view's caption says about the picture it tiles.
struct FullSizeCaptionFacts {
    QSize Tile;               ///< the picture's size
    QSize Client;             ///< the view's client area
    int TextureTypeIndex = 0; ///< above 0: right-click shows the initial picture
    int FrameNumber = 0;      ///< above 0: the recorded frame on show
};

/// "C by R tiles" with C and R the whole tiles that fit the client area (at least 1), then
/// " (Right-click for original image)" when the texture-type index is above 0 and " Frame "
/// and the number when a recorded frame is shown. Empty for a picture without width (the
/// caption is then left as it is).
QString FullSizeCaption(const FullSizeCaptionFacts& facts);

/// Tiles the client area with the picture from its top-left corner: copies at
/// (i × width, j × height) for i = 0 … C and j = 0 … R, so the partly visible tiles at the
/// right and bottom edges are drawn too.
void PaintFullSizeTiles(QPainter& painter, const QImage& tile, QSize client);

/// The page width for the widened gradient strip: the per-user value "Gradient Width", or
/// DefaultGradientPageWidth when it is missing or outside 1 … 32767 (a value edited by hand
/// must not make the view allocate gigabytes).
int GradientPageWidth();

/// A copy of the strip widened (or cut) to `width`, the added columns from the strip's old
/// width to the new right edge filled with the page's background colour over the full
/// height.
QImage WidenGradientStrip(const QImage& strip, int width, const QColor& background);

} // namespace mottler
