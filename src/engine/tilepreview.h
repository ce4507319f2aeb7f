#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

namespace mottler {

/// The preview control's size at the design size: the threshold between tiling the texture
/// itself and tiling a reduced copy.
inline constexpr QSize DesignPreviewSize{348, 453};

/// What the tile preview control shows: a picture and the rectangle of the control it is
/// drawn into (scaled to it where the sizes differ).
struct TilePreview {
    QImage Picture;
    QRect Target;
};

/// Whether a texture of this size is tiled as a reduced copy: wider or taller than the
/// threshold.
bool NeedsReducedCopy(QSize texture, QSize threshold);

/// The reduced copy's size: with s = float(threshold width / max(2W, 2H)), round(2W × s) ×
/// round(2H × s) (halves to even), at least 1 × 1: the longer side becomes the threshold
/// width and the texture keeps its shape. 400 × 200 at 348 × 453 gives 348 × 174.
QSize ReducedCopySize(QSize texture, QSize threshold);

/// Draws the tile again and again from the top-left corner; the last column and row are cut.
void TileOnto(QImage& target, const QImage& tile);

/// The preview of the texture in a control of the given size. Tile on: a control-sized
/// picture tiled with the texture, or with its reduced copy (each pixel the average of the
/// texture's pixels under it) when the texture exceeds the threshold. Tile off: the texture once,
/// centred at its own size, or stretched over the whole control when it is wider or taller than the
/// control. The picture is RGB32 (tiled) or ARGB32 (once), opaque.
///
/// A run shows frame after frame: the picture is composed into `preview`'s own picture when
/// that has the size already and nothing else shares it, and `converted` keeps the RGB32 copy
/// of the texture that is tiled or the reduced copy, so that a frame of the texture bitmap
/// allocates no image.
void ComposeTilePreview(const QImage& texture, QSize control, QSize threshold, bool tile,
                        TilePreview& preview, QImage& converted);

/// Copies the image into `copy` as it is (same format), reusing `copy`'s buffer when it has
/// that size and format and is not shared: a view that follows a run takes frame after frame
/// without making a new image for each.
void CopyImage(const QImage& image, QImage& copy);

/// Copies an opaque image into `copy` in a 32-bit format (RGB32 or ARGB32: the pixels are
/// 0xffRRGGBB in both), reusing `copy` when it has that size and format and is not shared.
void CopyOpaque(const QImage& image, QImage::Format format, QImage& copy);

} // namespace mottler
