#pragma once

#include "cli/arguments.h"
#include "recording/exportsequence.h"

#include <QSet>
#include <QString>

namespace mottler::cli {

/// The animated GIF and the video `mottler-cli grow` makes of its recorded frames, with the
/// choices of the Export Animation window: all frames, every n-th, ping-pong or blended loop,
/// transparency (GIF), quality, losslessness (WebP) and frame rate (the video).
struct AnimationOptions {
    QString Gif;   ///< --gif FILE; empty: no animated GIF
    QString Video; ///< --video FILE (.webm, .mp4 or .webp); empty: no video
    ExportOptions Export;
};

/// Reads --gif, --video, --every, --ping-pong, --blend, --transparent, --fps,
/// --video-quality or --lossless when that is the current option; returns false for any
/// other option. Throws UsageError naming the option.
bool TakeAnimationOption(Arguments& args, AnimationOptions& options);

/// The animation options above for a command's parser.
OptionTable AnimationOptionTable();

/// Throws UsageError when --every, --ping-pong or --blend come without --gif or --video,
/// --transparent without --gif, --fps, --video-quality or --lossless without --video,
/// --lossless with a video that is not WebP, or --ping-pong with --blend. `given` holds the
/// long names of the options given.
void CheckAnimationOptions(const AnimationOptions& options, const QSet<QString>& given);

} // namespace mottler::cli
