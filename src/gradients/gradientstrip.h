#pragma once

#include "gradients/gradientsettings.h"
#include "palette/palette.h"

#include <QImage>
#include <vector>

namespace mottler {

/// The failures of MakeGradientImage, shown as they are.
inline constexpr const char* FadingBorderWidthMessage = QT_TRANSLATE_NOOP(
    "mottler::GradientStrip", "Fading border width <= 0.  Please use a higher value.");
inline constexpr const char* FadingBorderHeightMessage = QT_TRANSLATE_NOOP(
    "mottler::GradientStrip", "Fading border height <= 0.  Please use a higher value.");
inline constexpr const char* FadingBorderMemoryMessage = QT_TRANSLATE_NOOP(
    "mottler::GradientStrip",
    "There is not enough memory for a fading border of that size.  Please use a smaller value.");

/// The most columns one gradient draws: its width is clamped to 1 … 255, and it draws
/// width + 1 columns.
inline constexpr int MaxGradientColumns = 256;

/// The colours of one gradient's columns, entries 0 … W with W = width clamped to 1 … 255.
/// With a texture gradient they are entries 0 … W of its Colors table; otherwise per channel
/// start − trunc((start − end) × i / W), so entry 0 is the start and entry W the end colour.
std::vector<PackedColour> GradientColumnColours(int width, PackedColour start, PackedColour end,
                                                const Palette* textureGradient);

/// Fills the columns x, x + 1, … of the preview, over its whole height, with the colours of
/// GradientColumnColours; columns outside the image are cut off. Returns the column after the
/// last one drawn.
int DrawGradientColumns(QImage& preview, int x, int width, PackedColour start, PackedColour end,
                        const Palette* textureGradient);

/// Draws the whole strip into the preview: the gradient from the start to the end colour,
/// with "Add Border" a second gradient from the end to the border colour right after it, and
/// the background colour up to the right edge. With "Use Texture gradient" both gradients are
/// taken from `textureGradient` (the texture's palette) instead.
void RedrawGradient(QImage& preview, const GradientSettings& settings,
                    const Palette& textureGradient);

/// A one-row strip wide enough for every column RedrawGradient can draw, with one column of
/// background after them: what a preview of unlimited width shows.
QImage DrawFullGradientStrip(const GradientSettings& settings, const Palette& textureGradient);

/// The columns RedrawGradient fills with gradients: width + 1 for the gradient and, with the
/// border on, border width + 1 more (each width clamped to 1 … 255).
int GradientColumnCount(const GradientSettings& settings);

/// The output image (BGR888), SaveWidth × SaveHeight: the background colour, with the
/// GradientColumnCount first columns copied from the strip as RedrawGradient last drew it, so
/// the output shows every column the preview does, up to the border colour. Where that rectangle
/// reaches below the strip each column's bottom pixel continues down, and past its right edge
/// the background stays, so nothing outside the strip is ever read.
/// Throws MottlerError with FadingBorderWidthMessage, FadingBorderHeightMessage (the width is
/// checked first) or FadingBorderMemoryMessage.
QImage MakeGradientImage(const QImage& strip, const GradientSettings& settings);

} // namespace mottler
