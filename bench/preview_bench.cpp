// Cost of showing one frame of a run in the tile preview at its design size: composing the
// preview picture from the texture bitmap, and drawing it the way the preview control paints
// (white, then the picture into its target, smoothed where it is shrunk). The texture is a
// grown 800 × 600 frame; "tile" 1 tiles a reduced copy, 0 stretches the texture over the
// control.
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

static void BM_ComposeTilePreview(benchmark::State& state) {
    TextureEngine engine;
    const QImage texture = GrownFrame(engine, 800, 600);
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
    GrownFrame(engine, 800, 600);
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

BENCHMARK(BM_ComposeTilePreview)
    ->ArgName("tile")
    ->Arg(1)
    ->Arg(0)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShowPreviewFrame)
    ->ArgName("tile")
    ->Arg(1)
    ->Arg(0)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);
