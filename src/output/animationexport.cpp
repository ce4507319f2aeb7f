#include "output/animationexport.h"

#include "base/bmpfile.h"
#include "base/errors.h"
#include "output/animatedgif.h"
#include "output/imagefile.h"
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

/// Colours and hands over one entry at a time to a file that is opened at the first frame
/// with its size (`open`) and has AddFrame and Finish. A cancel or a failure destroys the
/// unfinished file, which leaves the target as it was.
template <class File, class Open>
ExportOutcome WriteFrameByFrame(const FrameList& frames, const Palette& palette,
                                const std::vector<ExportEntry>& sequence,
                                const ExportFeedback& feedback, const Open& open) {
    const int count = Length(sequence);
    std::unique_ptr<File> file;
    for (int position = 0; position < count; ++position) {
        if (feedback.IsCancelled())
            return ExportOutcome::Cancelled;
        feedback.Report(ExportStage::Writing, position, count);
        const QImage bitmap = ExportEntryBitmap(frames, palette, sequence[position]);
        if (!file)
            file = open(bitmap.size());
        file->AddFrame(bitmap);
    }
    file->Finish();
    return ExportOutcome::Written;
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

ExportOutcome ExportVideo(const QString& path, const FrameList& frames, const Palette& palette,
                          const std::vector<ExportEntry>& sequence, const VideoSettings& settings,
                          const ExportFeedback& feedback) {
    return WriteFrameByFrame<VideoFile>(frames, palette, sequence, feedback, [&](QSize size) {
        return std::make_unique<VideoFile>(path, size, settings);
    });
}

ExportOutcome ExportAnimatedWebp(const QString& path, const FrameList& frames,
                                 const Palette& palette, const std::vector<ExportEntry>& sequence,
                                 const AnimatedWebpSettings& settings,
                                 const ExportFeedback& feedback) {
    return WriteFrameByFrame<AnimatedWebpFile>(
        frames, palette, sequence, feedback,
        [&](QSize size) { return std::make_unique<AnimatedWebpFile>(path, size, settings); });
}

std::optional<AnimationFormat> VideoFormatOf(const QString& path) {
    for (const AnimationFormat format :
         {AnimationFormat::WebM, AnimationFormat::Mp4, AnimationFormat::WebP})
        if (path.endsWith(QLatin1Char('.') + AnimationExtension(format), Qt::CaseInsensitive))
            return format;
    return std::nullopt;
}

QString AnimationExtension(AnimationFormat format) {
    switch (format) {
    case AnimationFormat::Avi:
        return QStringLiteral("avi");
    case AnimationFormat::Bmp:
        return QStringLiteral("bmp");
    case AnimationFormat::WebM:
        return QStringLiteral("webm");
    case AnimationFormat::Mp4:
        return QStringLiteral("mp4");
    case AnimationFormat::WebP:
        return QStringLiteral("webp");
    case AnimationFormat::Gif:
        break;
    }
    return QStringLiteral("gif");
}

QString AnimationSizeFault(AnimationFormat format, QSize size) {
    if (format == AnimationFormat::WebP)
        return ImageSizeFault(ImageFormat::Webp, size);
    if (format == AnimationFormat::Gif)
        return ImageSizeFault(ImageFormat::Gif, size);
    return QString();
}

QString AnimationSizeNote(AnimationFormat format, QSize size) {
    if (format != AnimationFormat::Mp4)
        return QString();
    const QSize padded = VideoFrameSize(VideoCodec::H264Mp4, size);
    if (padded == size)
        return QString();
    return QStringLiteral("H.264 needs an even width and height: the %1 x %2 frames are "
                          "written %3 x %4, continued by the tile's first column or row")
        .arg(size.width())
        .arg(size.height())
        .arg(padded.width())
        .arg(padded.height());
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
    case AnimationFormat::WebM:
    case AnimationFormat::Mp4: {
        const VideoCodec codec =
            options.Format == AnimationFormat::WebM ? VideoCodec::Vp9WebM : VideoCodec::H264Mp4;
        return ExportVideo(path, frames, palette, sequence,
                           {codec, options.FramesPerSecond, options.Quality}, feedback);
    }
    case AnimationFormat::WebP:
        return ExportAnimatedWebp(path, frames, palette, sequence,
                                  {options.FramesPerSecond, options.Quality, options.Lossless},
                                  feedback);
    case AnimationFormat::Gif:
        break;
    }
    const auto transparent =
        options.Transparent ? std::optional(options.TransparentColour) : std::nullopt;
    return ExportAnimatedGif(path, frames, palette, sequence, transparent, feedback);
}

} // namespace mottler
