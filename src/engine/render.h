#pragma once

#include "engine/engine.h"
#include "engine/renderkernels.h"
#include "palette/palette.h"

namespace mottler {

/// Colours a scaled field (values 0 … 255) into a W × H BGR888 bitmap: one palette lookup
/// per pixel through direct scan-line access, nothing allocated.
void ColourField(const float* field, const Palette& palette, QImage& bitmap);

/// Scales FieldA into the palette-index field and colours it into the texture bitmap. A
/// bitmap of another size than the texture's (a quarter turn swaps its sides) is made W × H
/// again first. Uses the chosen vector kernel (ChosenRenderKernel); nothing is allocated
/// unless the bitmap has to be made anew.
void RenderGrowthFrame(TextureEngine& engine, const Palette& palette);
/// The same with the given kernel (tests and benchmarks); it must be available.
void RenderGrowthFrame(TextureEngine& engine, const Palette& palette, RenderKernel kernel);

/// Colours the display field into the texture bitmap, made W × H again first like
/// RenderGrowthFrame does (the views are the caller's).
void RenderDisplayField(TextureEngine& engine, const Palette& palette);

} // namespace mottler
