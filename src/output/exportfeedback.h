#pragma once

#include <functional>

namespace mottler {

/// What a frame-by-frame export is doing when it reports progress.
enum class ExportStage {
    Analysing, ///< reading every frame once to choose the animated GIF's colours
    Writing,   ///< colouring and writing the frame
};

/// How a long export reports its progress and learns that the user abandoned it (Escape).
/// Both callbacks are optional.
struct ExportFeedback {
    /// Polled before each frame; true abandons the export.
    std::function<bool()> Cancelled;
    /// Called before each frame with its position in the sequence (0-based) and the length.
    std::function<void(ExportStage stage, int position, int count)> Progress;

    bool IsCancelled() const { return Cancelled && Cancelled(); }
    void Report(ExportStage stage, int position, int count) const {
        if (Progress)
            Progress(stage, position, count);
    }
};

} // namespace mottler
