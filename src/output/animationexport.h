#pragma once

#include "output/animatedwebp.h"
#include "output/exportfeedback.h"
#include "output/videofile.h"
#include "palette/palette.h"
#include "recording/exportsequence.h"
#include "recording/frames.h"

#include <QString>
#include <optional>
#include <vector>

namespace mottler {

/// Refused instead of writing an empty file.
inline constexpr const char* EmptySequenceMessage =
    QT_TRANSLATE_NOOP("mottler::AnimationExport",
                      "There are no frames to export: the chosen range holds no recorded frame.");

/// How an export ended. Failures throw MottlerError instead.
enum class ExportOutcome {
    Written,   ///< every file is written
    Cancelled, ///< the feedback reported a cancel: no AVI or GIF file; BMP files written so
               ///< far stay, later ones are not written
};

// Each export colours the entries of the sequence one at a time through the palette
// (ExportEntryBitmap) and holds no more than one bitmap at once. The sequence's frame
// indices must lie in the frame list. An empty sequence throws EmptySequenceMessage.

/// An uncompressed AVI file, 10 frames a second, written frame by frame into a temporary
/// file beside the target that replaces the target only when complete: a cancel or a failure
/// leaves any earlier file of that name as it was. The AVI writer's own errors
/// ("Failed to create DIB.", "Could not add frame", the size limit) are thrown.
ExportOutcome ExportAvi(const QString& path, const FrameList& frames, const Palette& palette,
                        const std::vector<ExportEntry>& sequence,
                        const ExportFeedback& feedback = {});

/// An animated GIF that loops forever (EncodeAnimatedGif), replacing the file atomically once
/// complete.
ExportOutcome ExportAnimatedGif(const QString& path, const FrameList& frames,
                                const Palette& palette, const std::vector<ExportEntry>& sequence,
                                std::optional<PackedColour> transparent,
                                const ExportFeedback& feedback = {});

/// One 24-bit BMP file per entry, named by NumberedBmpFileName with the entry's position
/// ("frames.bmp" gives frames0000.bmp, frames0001.bmp, ...).
ExportOutcome ExportBmpSeries(const QString& path, const FrameList& frames, const Palette& palette,
                              const std::vector<ExportEntry>& sequence,
                              const ExportFeedback& feedback = {});

/// A WebM (VP9) or MP4 (H.264) video, encoded frame by frame into a temporary file beside the
/// target that replaces it only when complete (VideoFile): a cancel or a failure leaves any
/// earlier file as it was. H.264 frames of an odd width or height are padded (VideoFrameSize).
ExportOutcome ExportVideo(const QString& path, const FrameList& frames, const Palette& palette,
                          const std::vector<ExportEntry>& sequence, const VideoSettings& settings,
                          const ExportFeedback& feedback = {});

/// An animated WebP that loops forever (AnimatedWebpFile), written only when complete.
ExportOutcome ExportAnimatedWebp(const QString& path, const FrameList& frames,
                                 const Palette& palette, const std::vector<ExportEntry>& sequence,
                                 const AnimatedWebpSettings& settings,
                                 const ExportFeedback& feedback = {});

/// The video format a file name asks for by its extension (.webm, .mp4 or .webp, any case),
/// or nothing for another name.
std::optional<AnimationFormat> VideoFormatOf(const QString& path);

/// The extension files of the format are written with, without the dot.
QString AnimationExtension(AnimationFormat format);

/// Why frames of `size` cannot be written in the format (an animated WebP is at most 16383
/// pixels wide and high), or an empty text when they can.
QString AnimationSizeFault(AnimationFormat format, QSize size);

/// What the format changes about frames of `size` (H.264 pads an odd side by one pixel of
/// the tile's continuation), or an empty text when it changes nothing.
QString AnimationSizeNote(AnimationFormat format, QSize size);

/// BuildFrameSequence from the options, then the export of the options' format (with the
/// transparent colour for a GIF when chosen, the quality, losslessness and frame rate for
/// WebM, MP4 and WebP).
ExportOutcome ExportAnimation(const QString& path, const ExportOptions& options,
                              const FrameList& frames, const Palette& palette,
                              const ExportFeedback& feedback = {});

} // namespace mottler
