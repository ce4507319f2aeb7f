#pragma once

#include "engine/engine.h"
#include "engine/shapes.h"

#include <QImage>
#include <QString>

namespace mottler {

/// Fills InitialA and InitialB for the texture type from the process-wide generator's
/// current state (callers set RandomSeed first) and records it as engine.CurrentSeed.
/// Types below 1 draw uniform noise in [0, 12); every other type draws a random-shapes
/// picture (with noise pixels under the shapes for type 2) and converts it.
void SeedTexture(TextureEngine& engine, int textureType, const ShapeTuning& tuning);

/// Chemical A takes the picture's luminance mapped onto 0 … 12, chemical B uniform noise
/// drawn row by row, each row right to left. A picture that is not W × H throws
/// MottlerError and changes nothing.
void ImageToInitialFields(TextureEngine& engine, const QImage& picture);

} // namespace mottler
