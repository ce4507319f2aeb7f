#pragma once

#include "cli/animationoptions.h"

#include <QString>

namespace mottler::cli {

/// The recording options of `mottler-cli grow`.
struct RecordingOptions {
    int Every = 1;              ///< record iterations i with i mod Every = 0
    QString Avi;                ///< record straight into this AVI file
    QString FramesBmp;          ///< record into memory, then write a numbered BMP series
    AnimationOptions Animation; ///< record into memory, then write an animated GIF or a video
    bool InMemory() const {
        return !FramesBmp.isEmpty() || !Animation.Gif.isEmpty() || !Animation.Video.isEmpty();
    }
    bool Enabled() const { return !Avi.isEmpty() || InMemory(); }
};

} // namespace mottler::cli
