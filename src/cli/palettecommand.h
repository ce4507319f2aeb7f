#pragma once

#include <QStringList>

namespace mottler::cli {

/// `mottler-cli palette`: prints or writes the 256 palette entries; returns the exit status.
int RunPaletteCommand(const QStringList& args);

} // namespace mottler::cli
