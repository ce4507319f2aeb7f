#pragma once

#include "base/presetkeys.h"
#include "engine/engine.h"
#include "palette/gradientstate.h"
#include "recording/frames.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace mottler {

/// The texture the main window shows, as plain data: the engine with its fields, the
/// gradient, the recorded frames and the state of the runs. The window displays it and edits
/// it; it never reads these values back from a widget's text, tooltip or label.
class TextureDocument {
public:
    TextureEngine Engine;
    GradientState Gradient;
    FrameList Frames;

    /// The seed the next seeding starts from: what the seed box was last given (typed, or set
    /// by a seeding or a preset load), read as IntValue reads a box.
    std::int32_t Seed = PresetValues::Seed.Startup;
    /// The picture of the "Image File" texture type.
    QString ImageFile;
    /// The iterations the texture has grown (the last run's reported iteration).
    int IterationsGrown = 0;
    /// The iteration the texture on display shows; nothing before the first run. Continue
    /// starts from it, and a preset saves it as the iterations.
    std::optional<int> ShownIteration;
    /// A run has the thread.
    bool Running = false;

    /// Continue can grow on: a texture is shown and it has grown fewer than `iterations`.
    bool CanContinue(int iterations) const {
        return ShownIteration.has_value() && IterationsGrown < iterations;
    }
};

} // namespace mottler
