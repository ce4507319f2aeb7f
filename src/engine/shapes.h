#pragma once

#include <QImage>

namespace mottler {

/// Tuning values of the random-shapes seeding. The engine takes them from its caller, which
/// reads them from the user settings (ReadShapeTuning, presets/shapetuning.h).
struct ShapeTuning {
    int ExtraShapes = 20; ///< shapes = MinShapes + RandomInt(ExtraShapes)
    int MinShapes = 5;    ///< least number of shapes
    int WhichShape = -1;  ///< −1 a random kind per shape, 0 … 9 that kind, else no shape
    int ClearRange = 5;   ///< a shape is filled when RandomInt(ClearRange) ≥ ClearThreshold
    int ClearThreshold = 3;
};

/// Draws the random-shapes picture of a W × H texture from the process-wide generator, in
/// the fixed order of draws: background, (noise pixels when withNoise), count, then per shape
/// kind, pen colour, fill test, brush colour and points. Returns a 24-bit (RGB888) image.
/// Throws MottlerError(NotEnoughMemoryMessage), before drawing anything, when the picture
/// does not fit into the memory left beside the texture's fields.
QImage DrawShapesPicture(int width, int height, bool withNoise, const ShapeTuning& tuning);

} // namespace mottler
