// Cost of rendering and showing one frame of a run, at 100 × 100, 400 × 300 and 800 × 600:
// rendering with each render kernel the processor runs; composing the tile preview picture at
// its design size from the texture bitmap; and one shown frame as the main window makes it
// (render, compose, and draw the way the preview control paints: white, then the picture into
// its target, smoothed where it is shrunk). "tile" 1 tiles the texture (or its reduced copy
// when it exceeds the preview), 0 shows it once, stretched when larger than the control.
// Process CPU time, so that Qt's own worker threads (its smooth scaling) count.
#include "engine/engine.h"
#include "engine/random.h"
#include "engine/render.h"
#include "engine/seeding.h"
#include "engine/sweep.h"
#include "engine/texturesettings.h"
#include "engine/tilepreview.h"

#include <QPainter>
#include <benchmark/benchmark.h>

using namespace mottler;

namespace {

// The texture bitmap of a seeded w × h texture after a few sweeps.
QImage GrownFrame(TextureEngine& engine, int w, int h) {
    engine.SetTextureSize(w, h);
    SetRandomSeed(35089380);
    SeedTexture(engine, RandomNoise, ShapeTuning{});
    std::copy_n(engine.InitialA.Data(), engine.CellCount(), engine.FieldA.Data());
    std::copy_n(engine.InitialB.Data(), engine.CellCount(), engine.FieldB.Data());
    SweepCoefficients k;
    k.DiffusionA = DiffusionFromFactor(622);
    k.DiffusionB = DiffusionFromFactor(1000);
    for (int i = 0; i < 20; ++i)
        Sweep(engine, k);
    const Palette palette;
    RenderGrowthFrame(engine, palette);
    return engine.TextureBitmap;
}

// What the preview control's paint event does with the composed preview.
void PaintPreview(QImage& screen, const TilePreview& preview) {
    QPainter painter(&screen);
    if (preview.Target != screen.rect())
        painter.fillRect(screen.rect(), Qt::white);
    const QSize picture = preview.Picture.size();
    painter.setRenderHint(QPainter::SmoothPixmapTransform,
                          preview.Target.width() < picture.width() ||
                              preview.Target.height() < picture.height());
    painter.drawImage(preview.Target, preview.Picture);
}

} // namespace

// Rendering one frame with the given kernel (0 plain, 1 AVX2, 2 AVX-512).
static void BM_RenderKernel(benchmark::State& state) {
    const auto kernel = static_cast<RenderKernel>(state.range(0));
    if (!RenderKernelAvailable(kernel)) {
        state.SkipWithError("this processor does not run the kernel");
        return;
    }
    TextureEngine engine;
    GrownFrame(engine, int(state.range(1)), int(state.range(2)));
    const Palette palette;
    for (auto _ : state) {
        RenderGrowthFrame(engine, palette, kernel);
        benchmark::DoNotOptimize(engine.TextureBitmap.constBits());
    }
}

static void BM_ComposeTilePreview(benchmark::State& state) {
    TextureEngine engine;
    const QImage texture = GrownFrame(engine, int(state.range(1)), int(state.range(2)));
    const bool tile = state.range(0) != 0;
    TilePreview preview;
    QImage converted;
    for (auto _ : state) {
        ComposeTilePreview(texture, DesignPreviewSize, DesignPreviewSize, tile, preview, converted);
        benchmark::DoNotOptimize(preview.Picture.constBits());
    }
}

// One shown frame of a run: rendering, composing and painting, the preview holding its
// picture from one frame to the next as the control does.
static void BM_ShowPreviewFrame(benchmark::State& state) {
    TextureEngine engine;
    GrownFrame(engine, int(state.range(1)), int(state.range(2)));
    const Palette palette;
    const bool tile = state.range(0) != 0;
    QImage screen(DesignPreviewSize, QImage::Format_RGB32);
    TilePreview shown;
    QImage converted;
    for (auto _ : state) {
        RenderGrowthFrame(engine, palette);
        ComposeTilePreview(engine.TextureBitmap, DesignPreviewSize, DesignPreviewSize, tile, shown,
                           converted);
        PaintPreview(screen, shown);
        benchmark::DoNotOptimize(screen.constBits());
    }
}

BENCHMARK(BM_RenderKernel)
    ->ArgNames({"kernel", "w", "h"})
    ->ArgsProduct({{0, 1, 2}, {100}, {100}})
    ->ArgsProduct({{0, 1, 2}, {400}, {300}})
    ->ArgsProduct({{0, 1, 2}, {800}, {600}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ComposeTilePreview)
    ->ArgNames({"tile", "w", "h"})
    ->ArgsProduct({{1, 0}, {100}, {100}})
    ->ArgsProduct({{1, 0}, {400}, {300}})
    ->ArgsProduct({{1, 0}, {800}, {600}})
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShowPreviewFrame)
    ->ArgNames({"tile", "w", "h"})
    ->ArgsProduct({{1, 0}, {100}, {100}})
    ->ArgsProduct({{1, 0}, {400}, {300}})
    ->ArgsProduct({{1, 0}, {800}, {600}})
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);
