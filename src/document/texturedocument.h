#pragma once

#include "base/presetkeys.h"
#include "engine/engine.h"
#include "engine/texturesettings.h"
#include "gradients/gradientsettings.h"
#include "gradients/gradientstrip.h"
#include "palette/gradientstate.h"
#include "presets/advancedfactors.h"
#include "recording/frames.h"

#include <QImage>
#include <QString>
#include <cstdint>
#include <optional>

namespace mottler {

/// The two tabs whose image the main window saves, copies and previews.
enum class ImageTab {
    Texture,  ///< "Texture Settings": the texture
    Gradient, ///< "Gradient Settings": the fading-border strip
};

/// The texture the main window shows, as plain data: the engine with its fields, the
/// gradient, the recorded frames and the state of the runs. The window displays it and edits
/// it; it never reads these values back from a widget's text, tooltip or label.
class TextureDocument {
public:
    TextureEngine Engine;
    GradientState Gradient;
    FrameList Frames;

    /// The texture's settings, as their controls were last given them (by the user, a preset
    /// load or the start-up values); runs and seedings read them here. Seed: what the seed box
    /// was last given (typed, or set by a seeding or a preset load), read as IntValue reads a
    /// box. ImageFile: the picture of the "Image File" type. Width and Height follow the
    /// engine's size. Animate and AnimateEvery (read as IntValue reads a box) are what the
    /// animation switch and its box were last given, Tile what the Tile box was last given.
    /// The advanced values are in Advanced, as texts.
    TextureSettings Settings;
    /// The Advanced window's values as its boxes were last given them, and whether it is
    /// shown; a run converts them when it starts (AdvancedFactors).
    AdvancedFactorTexts Advanced;
    /// The iterations the texture has grown (the last run's reported iteration).
    int IterationsGrown = 0;
    /// The iteration the texture on display shows; nothing before the first run. Continue
    /// starts from it, and a preset saves it as the iterations.
    std::optional<int> ShownIteration;
    /// A run has the thread.
    bool Running = false;
    /// The "Record Every" switch: runs record their frames (into memory, or into a file when
    /// the recording options say so).
    bool Record = false;
    /// The "Record Every" number as its box was last given it, read as IntValue reads a box
    /// (the recording takes values below 1 as 1).
    int RecordEvery = 1;

    /// The values of the "Gradient Settings" tab.
    GradientSettings FadingBorder;
    /// The image tab shown last: its image is the one saved, copied and previewed.
    ImageTab LastImageTab = ImageTab::Texture;

    /// The current image: the texture bitmap, or with the gradient tab shown last the
    /// fading-border output image. The strip is drawn in full for it, so the image never
    /// depends on the size of the window. Throws MottlerError with MakeGradientImage's
    /// messages.
    QImage CurrentImage() const {
        if (LastImageTab == ImageTab::Texture)
            return Engine.TextureBitmap;
        return MakeGradientImage(DrawFullGradientStrip(FadingBorder, Gradient.Colours),
                                 FadingBorder);
    }

    /// Continue can grow on: a texture is shown and it has grown fewer than `iterations`.
    bool CanContinue(int iterations) const {
        return ShownIteration.has_value() && IterationsGrown < iterations;
    }
};

} // namespace mottler
