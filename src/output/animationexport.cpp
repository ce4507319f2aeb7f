#include "output/animationexport.h"

#include "base/bmpfile.h"
#include "base/errors.h"
#include "output/animatedgif.h"
#include "recording/aviwriter.h"
#include "recording/exportbitmap.h"
#include "recording/frameseries.h"

#include <QCoreApplication>

namespace mottler {
namespace {

int Length(const std::vector<ExportEntry>& sequence) {
    if (sequence.empty())
        throw MottlerError(
            QCoreApplication::translate("mottler::AnimationExport", EmptySequenceMessage));
    return static_cast<int>(sequence.size());
}

} // namespace

ExportOutcome ExportAvi(const QString& path, const FrameList& frames, const Palette& palette,
                        const std::vector<ExportEntry>& sequence, const ExportFeedback& feedback) {
    const int count = Length(sequence);
    std::unique_ptr<AviFile> avi; // written beside the target; it replaces it when closed
    try {
        for (int position = 0; position < count; ++position) {
            if (feedback.IsCancelled()) {
                if (avi)
                    avi->Discard();
                return ExportOutcome::Cancelled;
            }
            feedback.Report(ExportStage::Writing, position, count);
            const QImage bitmap = ExportEntryBitmap(frames, palette, sequence[position]);
            if (!avi) {
                AviStreamInfo info;
                info.Length = static_cast<std::uint32_t>(count);
                avi = CreateAviFile(path, info, bitmap);
            }
            AddAviFrame(bitmap, *avi);
        }
    } catch (...) {
        // A failed export leaves the earlier file; a file at its size limit is finished.
        if (avi && !avi->SizeLimitReached())
            avi->Discard();
        throw;
    }
    avi->Close();
    return ExportOutcome::Written;
}

ExportOutcome ExportAnimatedGif(const QString& path, const FrameList& frames,
                                const Palette& palette, const std::vector<ExportEntry>& sequence,
                                std::optional<PackedColour> transparent,
                                const ExportFeedback& feedback) {
    const int count = Length(sequence);
    const auto bitmapAt = [&](int position) {
        return ExportEntryBitmap(frames, palette, sequence[position]);
    };
    return WriteAnimatedGif(path, count, bitmapAt, transparent, feedback)
               ? ExportOutcome::Written
               : ExportOutcome::Cancelled;
}

ExportOutcome ExportBmpSeries(const QString& path, const FrameList& frames, const Palette& palette,
                              const std::vector<ExportEntry>& sequence,
                              const ExportFeedback& feedback) {
    const int count = Length(sequence);
    for (int position = 0; position < count; ++position) {
        if (feedback.IsCancelled())
            return ExportOutcome::Cancelled;
        feedback.Report(ExportStage::Writing, position, count);
        WriteBmp24(ExportEntryBitmap(frames, palette, sequence[position]),
                   NumberedBmpFileName(path, position));
    }
    return ExportOutcome::Written;
}

ExportOutcome ExportAnimation(const QString& path, const ExportOptions& options,
                              const FrameList& frames, const Palette& palette,
                              const ExportFeedback& feedback) {
    const std::vector<ExportEntry> sequence = BuildFrameSequence(options, frames.Count());
    switch (options.Format) {
    case AnimationFormat::Avi:
        return ExportAvi(path, frames, palette, sequence, feedback);
    case AnimationFormat::Bmp:
        return ExportBmpSeries(path, frames, palette, sequence, feedback);
    case AnimationFormat::Gif:
        break;
    }
    const auto transparent =
        options.Transparent ? std::optional(options.TransparentColour) : std::nullopt;
    return ExportAnimatedGif(path, frames, palette, sequence, transparent, feedback);
}

} // namespace mottler
