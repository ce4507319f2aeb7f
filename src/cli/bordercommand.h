#pragma once

#include <QStringList>

namespace mottler::cli {

/// `mottler-cli border`: writes a fading-border background image; returns the exit status.
int RunBorderCommand(const QStringList& args);

} // namespace mottler::cli
