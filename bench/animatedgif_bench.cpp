// Speed of the animated GIF export at a large texture size: frames coloured through one
// palette (written exactly) and frames of many colours, as a blended loop makes them
// (quantised and dithered).
#include "output/animatedgif.h"

#include <QImage>
#include <benchmark/benchmark.h>

using namespace mottler;

namespace {

constexpr int Frames = 10;

/// 400 × 300 pixels of moving ramps; with `fewColours` at most 256 colours in all frames.
QImage MovingRamps(int frame, bool fewColours) {
    QImage image(400, 300, QImage::Format_BGR888);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const int index = (x + y + frame * 7) % 256;
            image.setPixel(x, y,
                           fewColours ? qRgb(index, 255 - index, index / 2)
                                      : qRgb(index, (x * 3 + frame) % 256, y * 255 / 299));
        }
    return image;
}

} // namespace

static void BM_AnimatedGif(benchmark::State& state) {
    const bool fewColours = state.range(0) != 0;
    std::vector<QImage> frames;
    for (int k = 0; k < Frames; ++k)
        frames.push_back(MovingRamps(k, fewColours));
    for (auto _ : state) {
        const auto gif = EncodeAnimatedGif(
            Frames, [&](int position) { return frames[std::size_t(position)]; }, std::nullopt);
        benchmark::DoNotOptimize(gif);
    }
    state.SetItemsProcessed(state.iterations() * Frames);
}
BENCHMARK(BM_AnimatedGif)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);
