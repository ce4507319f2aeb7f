#include "engine/render.h"

#include "base/imagememory.h"
#include "engine/renderkernels.h"
#include "engine/scaling.h"

#include <cstring>

namespace mottler {
namespace {

// A quarter turn in the save window swaps the bitmap's sides; the next rendering draws the
// texture upright again at its own size, so rows of the field never run past a turned image.
void FitTextureBitmap(TextureEngine& engine) {
    const QSize size(engine.Width(), engine.Height());
    if (engine.TextureBitmap.size() != size ||
        engine.TextureBitmap.format() != QImage::Format_BGR888)
        engine.TextureBitmap = NewImage(size.width(), size.height(), QImage::Format_BGR888);
}

} // namespace

void ColourField(const float* field, const Palette& palette, QImage& bitmap) {
    const int w = bitmap.width();
    for (int y = 0; y < bitmap.height(); ++y) {
        uchar* row = bitmap.scanLine(y);
        const float* cells = field + static_cast<std::ptrdiff_t>(y) * w;
        for (int x = w - 1; x >= 0; --x)
            std::memcpy(row + 3 * x,
                        palette.Pixels[static_cast<std::size_t>(PaletteIndex(cells[x]))].data(), 3);
    }
}

void RenderGrowthFrame(TextureEngine& engine, const Palette& palette) {
    RenderGrowthFrame(engine, palette, ChosenRenderKernel());
}

// Scaling and colouring in one pass over each row: each scaled value is coloured while it is
// still in a register, rather than written out and read back from memory.
void RenderGrowthFrame(TextureEngine& engine, const Palette& palette, RenderKernel kernel) {
    FitTextureBitmap(engine);
    const PixelTable table = WidenPixels(palette);
    const float* a = engine.FieldA.Data();
    float* scaled = engine.PaletteIndexField.Data();
    const float low = engine.FieldMin;
    const float scale = DisplayScale(engine);
    QImage& bitmap = engine.TextureBitmap;
    const int w = bitmap.width();
    for (int y = 0; y < bitmap.height(); ++y) {
        const std::ptrdiff_t first = static_cast<std::ptrdiff_t>(y) * w;
        ScaleAndColourCells(kernel, a + first, scaled + first, bitmap.scanLine(y), w, low, scale,
                            table);
    }
}

void RenderDisplayField(TextureEngine& engine, const Palette& palette) {
    FitTextureBitmap(engine);
    ColourField(engine.DisplayField.Data(), palette, engine.TextureBitmap);
}

} // namespace mottler
