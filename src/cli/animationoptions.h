#pragma once

#include "cli/arguments.h"
#include "recording/exportsequence.h"

#include <QSet>
#include <QString>

namespace mottler::cli {

/// The animated GIF `mottler-cli grow` makes of its recorded frames, with the choices of the
/// Export Animation window: all frames, every n-th, ping-pong or blended loop, transparency.
struct AnimationOptions {
    QString Gif; ///< --gif FILE; empty: no animation
    ExportOptions Export;
};

/// Reads --gif, --every, --ping-pong, --blend or --transparent when that is the current
/// option; returns false for any other option. Throws UsageError naming the option.
bool TakeAnimationOption(Arguments& args, AnimationOptions& options);

/// --gif, --every, --ping-pong, --blend and --transparent for a command's parser.
OptionTable AnimationOptionTable();

/// Throws UsageError when --every, --ping-pong, --blend or --transparent come without --gif,
/// or --ping-pong with --blend. `given` holds the long names of the options given.
void CheckAnimationOptions(const AnimationOptions& options, const QSet<QString>& given);

} // namespace mottler::cli
