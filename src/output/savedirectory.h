#pragma once

#include <QString>

namespace mottler {

/// The folder the "Save Tile" window's file dialog opens in: the per-user value "Save Dir",
/// the folder of the last saved image (empty when none was saved yet).
QString SaveDirectory();

/// Stores the folder of a saved file, with a trailing separator, as "Save Dir".
void RememberSaveDirectory(const QString& savedFile);

} // namespace mottler
