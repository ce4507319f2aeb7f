#pragma once

#include "engine/growth.h"
#include "palette/palette.h"

#include <functional>

namespace mottler::test {

/// A small noise-seeded texture whose growth stays lively for thousands of iterations.
void SeedLivelyTexture(TextureEngine& engine, int width, int height);

/// A recording run's observer: renders every iteration through the start-up palette and
/// hands each recording step to the test. Escape is "pressed" at iteration EscapeAt.
class RecordingRunObserver : public GrowthObserver {
public:
    RecordingRunObserver(TextureEngine& engine, std::function<void(int, bool)> record);

    GrowthFactors ReadFactors() override;
    bool EscapePressed() override;
    void RenderFrame(int iteration) override;
    void RecordStep(int iteration, bool firstOfRun) override { record(iteration, firstOfRun); }

    int EscapeAt = -1;

private:
    TextureEngine& engine;
    std::function<void(int, bool)> record;
    Palette palette = StartupPalette();
    int renderedIteration = -1;
};

/// Grows the texture freshly with recording on.
RunResult GrowRecorded(TextureEngine& engine, int iterations, RecordingRunObserver& observer);

} // namespace mottler::test
