#pragma once

#include "presets/inifile.h"
#include "presets/preset.h"

#include <QString>

namespace mottler::cli {

/// The preset file a command reads: `given` (its --presets option, which must exist) when
/// not empty, else the data folder's "save.ini", written from the built-in presets when
/// missing. Throws MottlerError when the file cannot be read or made.
IniFile OpenPresetFile(const QString& given);

/// The preset `name` (any case) of the file. Throws MottlerError naming the preset and the
/// file when there is no such section.
Preset NamedPreset(const IniFile& file, const QString& name);

} // namespace mottler::cli
