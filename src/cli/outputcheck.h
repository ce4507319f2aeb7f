#pragma once

#include "cli/growoptions.h"

namespace mottler::cli {

/// Checks every file `grow` will write (--output, --raw-a, --raw-b, --avi, --frames-bmp)
/// before the run starts, so a missing or unwritable folder fails at once instead of after
/// a long run. Throws MottlerError naming the file and the reason.
void CheckOutputPaths(const GrowOptions& options);

} // namespace mottler::cli
