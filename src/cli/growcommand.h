#pragma once

#include <QStringList>

namespace mottler::cli {

/// `mottler-cli grow`: returns the exit status.
int RunGrowCommand(const QStringList& args);

} // namespace mottler::cli
