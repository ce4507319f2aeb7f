#include "output/animatedgif.h"

#include "base/errors.h"
#include "base/filereplacement.h"
#include "output/floydsteinberg.h"
#include "output/gifcolours.h"
#include "output/gifstream.h"

#include <QCoreApplication>
#include <algorithm>
#include <memory>

namespace mottler {
namespace {

struct IndexedFrame {
    std::vector<std::uint8_t> Indices;
    std::vector<PackedColour> LocalColours; ///< empty: the frame uses the global table
};

IndexedFrame IndexFrame(const QImage& image, const std::vector<PackedColour>& global) {
    if (auto indices = ExactIndices(image, global))
        return {std::move(*indices), {}};
    if (auto own = DistinctColours(image, GifMaxColours))
        return {*ExactIndices(image, *own), std::move(*own)};
    return {DitherToTable(image, global), {}};
}

/// The logical screen: as large as the largest frame.
struct ScreenSize {
    int Width = 0;
    int Height = 0;
};

/// The first pass: every frame once, for the shared colour table and the screen size.
std::optional<ScreenSize> Analyse(int count, const GifFrameSource& frames,
                                  SharedColourTable& colours, const ExportFeedback& feedback) {
    ScreenSize screen;
    for (int position = 0; position < count; ++position) {
        if (feedback.IsCancelled())
            return std::nullopt;
        feedback.Report(ExportStage::Analysing, position, count);
        const QImage image = frames(position);
        if (image.isNull())
            throw MottlerError(QCoreApplication::translate(
                "mottler::AnimatedGif", "The GIF image could not be encoded: a frame is empty."));
        colours.AddImage(image);
        screen.Width = std::max(screen.Width, image.width());
        screen.Height = std::max(screen.Height, image.height());
    }
    return screen;
}

/// Makes the stream the frames are written into, once the screen and colours are known.
using OpenGifStream = std::function<std::unique_ptr<GifStream>(
    const ScreenSize& screen, const std::vector<PackedColour>& global)>;

/// Both passes over the frames; returns the stream with every frame written (the caller
/// finishes it), or nothing when cancelled.
std::unique_ptr<GifStream> EncodeFrames(int count, const GifFrameSource& frames,
                                        std::optional<PackedColour> transparent,
                                        const ExportFeedback& feedback, const OpenGifStream& open) {
    if (count <= 0)
        throw MottlerError(QCoreApplication::translate(
            "mottler::AnimatedGif", "The GIF image could not be encoded: there are no frames."));
    SharedColourTable sharedColours;
    const std::optional<ScreenSize> screen = Analyse(count, frames, sharedColours, feedback);
    if (!screen)
        return nullptr;
    const std::vector<PackedColour> global = sharedColours.Build();
    std::unique_ptr<GifStream> gif = open(*screen, global);
    for (int position = 0; position < count; ++position) {
        if (feedback.IsCancelled())
            return nullptr;
        feedback.Report(ExportStage::Writing, position, count);
        const QImage image = frames(position);
        const IndexedFrame frame = IndexFrame(image, global);
        if (position == 0)
            gif->PutLoopForever();
        const auto& table = frame.LocalColours.empty() ? global : frame.LocalColours;
        gif->PutGraphicControl(AnimatedGifFrameDelay,
                               transparent ? FindExactColour(table, *transparent) : -1);
        gif->PutImage(image.width(), image.height(), frame.Indices, frame.LocalColours);
    }
    return gif;
}

} // namespace

std::optional<QByteArray> EncodeAnimatedGif(int count, const GifFrameSource& frames,
                                            std::optional<PackedColour> transparent,
                                            const ExportFeedback& feedback) {
    const std::unique_ptr<GifStream> gif = EncodeFrames(
        count, frames, transparent, feedback, [](const ScreenSize& screen, const auto& global) {
            return std::make_unique<GifStream>(screen.Width, screen.Height, global);
        });
    if (!gif)
        return std::nullopt;
    return gif->Finish();
}

bool WriteAnimatedGif(const QString& path, int count, const GifFrameSource& frames,
                      std::optional<PackedColour> transparent, const ExportFeedback& feedback) {
    FileReplacement file(path); // deleted unless committed: a cancel or failure leaves nothing
    const std::unique_ptr<GifStream> gif = EncodeFrames(
        count, frames, transparent, feedback, [&](const ScreenSize& screen, const auto& global) {
            return std::make_unique<GifStream>(screen.Width, screen.Height, global, file);
        });
    if (!gif)
        return false;
    gif->Finish();
    file.Commit();
    return true;
}

} // namespace mottler
