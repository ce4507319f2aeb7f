#pragma once

#include <QStringList>

namespace mottler::cli {

/// `mottler-cli presets`: lists the preset names of a preset file; returns the exit status.
int RunPresetsCommand(const QStringList& args);

} // namespace mottler::cli
