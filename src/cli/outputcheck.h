#pragma once

#include "cli/growoptions.h"

namespace mottler::cli {

/// Checks every file `grow` will write (--output, --raw-a, --raw-b, --height-map, --gif,
/// --avi, --frames-bmp)
/// before the run starts, so a missing or unwritable folder fails at once instead of after
/// a long run. Throws MottlerError naming the file and the reason.
void CheckOutputPaths(const GrowOptions& options);

/// Checks, once the texture's size is known and before the run, that the --output image
/// (turned and mirrored as asked) and the --gif frames fit their formats' largest sizes.
/// Throws MottlerError naming the file and the limit.
void CheckOutputSizes(const GrowOptions& options, QSize texture);

} // namespace mottler::cli
