#pragma once

#include "cli/clirun.h"
#include "cli/recordingoptions.h"
#include "palette/palette.h"
#include "recording/directrecording.h"
#include "recording/frames.h"

#include <optional>

namespace mottler::cli {

/// What one recorded run keeps: the frames in memory and the open AVI file. A file still
/// open when this is destroyed is finalised then.
class CliRecording {
public:
    CliRecording(const RecordingOptions& options, int iterations);

    /// Whether the step after iteration i reads the rendered frame.
    bool ReadsFrame(int iteration, bool firstOfRun) const;
    /// The recording step after iteration i (the texture bitmap and the palette-index field
    /// are current when ReadsFrame says so). Running out of memory for frames is reported on
    /// stderr and ends the run (SilentAbort).
    void RecordStep(const TextureEngine& engine, int iteration, bool firstOfRun);

    /// After the run: finishes the AVI file (it then replaces any earlier file). Throws
    /// MottlerError when that fails.
    void CloseAvi();
    /// After the run: writes the frames as an animated GIF and as numbered BMP files coloured
    /// through the palette. Throws MottlerError when a file cannot be written.
    void WriteFrames(const Palette& palette);
    /// After the run: writes the frames as the --video file, in the format its extension
    /// names. Throws MottlerError when it cannot be written.
    void WriteVideo(const Palette& palette);

    FrameList Frames;

private:
    RecordingOptions options;
    std::optional<DirectRecording> avi;
};

/// The growth observer of a run that may record: renders each iteration through the palette
/// and hands it to the recording.
class CliRecordingObserver : public CliGrowthObserver {
public:
    CliRecordingObserver(TextureEngine& engine, const Palette& palette, CliRecording& recording,
                         const GrowthFactors& growthFactors, ProgressStyle progress,
                         int iterations);

    void ClearFrames() override { recording.Frames.ClearFrames(); }
    void RecordStep(int iteration, bool firstOfRun) override;

private:
    TextureEngine& engine;
    const Palette& palette;
    CliRecording& recording;
};

} // namespace mottler::cli
