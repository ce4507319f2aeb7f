// Cost of the readability figures the preview tab recomputes on every change: measuring a
// background once, then one text colour against it.
#include "preview/textcontrast.h"

#include <benchmark/benchmark.h>

using namespace mottler;

namespace {

/// A texture-like tile: 256 colours in a pattern that leaves no long runs.
QImage Tile(int size) {
    QImage tile(size, size, QImage::Format_BGR888);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const int i = (x * 7 + y * 13 + x * y) % 256;
            tile.setPixel(x, y, qRgb(i, 255 - i, (i * 3) % 256));
        }
    return tile;
}

} // namespace

static void BM_MeasureBackground(benchmark::State& state) {
    const QImage tile = Tile(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(BackgroundContrast(tile).AverageColour());
    state.SetItemsProcessed(state.iterations() * state.range(0) * state.range(0));
}
BENCHMARK(BM_MeasureBackground)->Arg(100)->Arg(400)->Arg(1000);

static void BM_TextReadability(benchmark::State& state) {
    const BackgroundContrast background(Tile(400));
    PackedColour text = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(background.Readability(text));
        text = (text + 0x010305) & 0xFFFFFF;
    }
}
BENCHMARK(BM_TextReadability);
