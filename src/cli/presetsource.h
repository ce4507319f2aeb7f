#pragma once

#include "base/errors.h"
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

/// A fault of the preset `name` in the file: the message names both, then the fault.
MottlerError PresetFault(const IniFile& file, const QString& name, const QString& fault);

/// Runs one step of growing the preset `name`; a MottlerError it throws comes out as a
/// fault of that preset and file (a usage error of the command line passes unchanged).
template <typename Step>
auto InPreset(const IniFile& file, const QString& name, Step&& step) -> decltype(step()) {
    try {
        return step();
    } catch (const MottlerError& error) {
        throw PresetFault(file, name, error.Message());
    }
}

} // namespace mottler::cli
