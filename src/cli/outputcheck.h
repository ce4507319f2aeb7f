#pragma once

#include "cli/growoptions.h"

namespace mottler::cli {

/// Checks every file `grow` will write (--output, --raw-a, --raw-b, --height-map,
/// --normal-map, --gif, --video, --avi, --frames-bmp)
/// before the run starts, so a missing or unwritable folder fails at once instead of after
/// a long run. Throws MottlerError naming the file and the reason.
void CheckOutputPaths(const GrowOptions& options);

/// Checks, once the texture's size is known and before the run, that the --output image
/// (turned and mirrored as asked), the --gif frames and the --video frames fit their formats'
/// largest sizes, and that the video module a WebM or MP4 --video needs loads. Throws
/// MottlerError naming the file and the limit or the loader's reason. Notes on stderr when
/// the video's format pads the frames (H.264 with an odd side).
void CheckOutputSizes(const GrowOptions& options, QSize texture);

} // namespace mottler::cli
