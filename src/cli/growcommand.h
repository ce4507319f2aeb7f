#pragma once

#include "cli/growoptions.h"

#include <QImage>
#include <QStringList>

namespace mottler::cli {

/// `mottler-cli grow`: returns the exit status.
int RunGrowCommand(const QStringList& args);

/// Grows the texture the options describe, printing and writing what `grow` does; when
/// `coloured` is given it receives the texture coloured through the options' gradient.
/// Returns the exit status; throws MottlerError when the run cannot start.
int ExecuteGrow(GrowOptions& options, QImage* coloured = nullptr);

} // namespace mottler::cli
