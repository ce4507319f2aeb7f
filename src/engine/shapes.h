#pragma once

#include <QImage>

namespace mottler {

/// Tuning values of the random-shapes seeding, read from the user settings (never written
/// by the program; an edited settings file sets them).
struct ShapeTuning {
    int ExtraShapes = 20; ///< shapes = MinShapes + RandomInt(ExtraShapes)
    int MinShapes = 5;    ///< least number of shapes
    int WhichShape = -1;  ///< −1 a random kind per shape, 0 … 9 that kind, else no shape
    int ClearRange = 5;   ///< a shape is filled when RandomInt(ClearRange) ≥ ClearThreshold
    int ClearThreshold = 3;

    /// Reads "Extra Shapes", "Min Shapes", "Which Shape", "Clear Range" and
    /// "Clear Threshold"; negative "Extra Shapes" and "Clear Range" read as 0 (the draw
    /// would otherwise ask for billions of shapes).
    static ShapeTuning FromUserSettings();
};

/// Draws the random-shapes picture of a W × H texture from the process-wide generator, in
/// the fixed order of draws: background, (noise pixels when withNoise), count, then per shape
/// kind, pen colour, fill test, brush colour and points. Returns a 24-bit (RGB888) image.
QImage DrawShapesPicture(int width, int height, bool withNoise, const ShapeTuning& tuning);

} // namespace mottler
