#pragma once

#include <QStringList>

namespace mottler::cli {

/// `mottler-cli contrast`: prints the readability of text colours over an image file or a
/// grown texture; returns the exit status.
int RunContrastCommand(const QStringList& args);

} // namespace mottler::cli
