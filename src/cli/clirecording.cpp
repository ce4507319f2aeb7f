#include "cli/clirecording.h"

#include "base/bmpfile.h"
#include "engine/render.h"
#include "output/animationexport.h"
#include "recording/framebitmap.h"
#include "recording/frameseries.h"
#include "recording/recordstep.h"

#include <cstdio>

namespace mottler::cli {
namespace {

class StderrMessages : public MessageSink {
public:
    void ShowMessage(const QString& text) override {
        std::fprintf(stderr, "%s\n", qPrintable(text));
    }
};

} // namespace

CliRecording::CliRecording(const RecordingOptions& o, int iterations) : options(o) {
    if (!options.Avi.isEmpty())
        avi.emplace(options.Avi, iterations);
}

bool CliRecording::ReadsFrame(int iteration, bool firstOfRun) const {
    return (avi && firstOfRun) || IsRecordedIteration(iteration, options.Every);
}

void CliRecording::RecordStep(const TextureEngine& engine, int iteration, bool firstOfRun) {
    if (avi)
        avi->RecordStep(engine.TextureBitmap, iteration, firstOfRun, options.Every);
    if (options.InMemory()) {
        StderrMessages messages;
        RecordFrameStep(Frames, engine, iteration, options.Every, messages);
    }
}

void CliRecording::CloseAvi() {
    if (avi)
        avi->Close();
}

void CliRecording::WriteFrames(const Palette& palette) {
    if (!options.Animation.Gif.isEmpty())
        ExportAnimation(options.Animation.Gif, options.Animation.Export, Frames, palette);
    if (options.FramesBmp.isEmpty())
        return;
    for (int index = 0; index < Frames.Count(); ++index)
        WriteBmp24(FrameToBitmap(Frames[index], palette),
                   NumberedBmpFileName(options.FramesBmp, index));
}

void CliRecording::WriteVideo(const Palette& palette) {
    const QString& path = options.Animation.Video;
    if (path.isEmpty())
        return;
    ExportOptions video = options.Animation.Export;
    video.Format = *VideoFormatOf(path);
    ExportAnimation(path, video, Frames, palette);
}

CliRecordingObserver::CliRecordingObserver(TextureEngine& e, const Palette& p, CliRecording& r,
                                           const GrowthFactors& growthFactors,
                                           ProgressStyle progress, int iterations)
    : CliGrowthObserver(growthFactors, progress, iterations), engine(e), palette(p), recording(r) {}

// A frame is rendered only for the iterations the recording takes.
void CliRecordingObserver::RecordStep(int iteration, bool firstOfRun) {
    if (recording.ReadsFrame(iteration, firstOfRun))
        RenderGrowthFrame(engine, palette);
    recording.RecordStep(engine, iteration, firstOfRun);
}

} // namespace mottler::cli
