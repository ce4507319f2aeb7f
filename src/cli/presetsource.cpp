#include "cli/presetsource.h"

#include "base/errors.h"
#include "presets/datafolder.h"

namespace mottler::cli {

IniFile OpenPresetFile(const QString& given) {
    return IniFile::ReadExisting(given.isEmpty() ? ProgramPresetFile() : given);
}

Preset NamedPreset(const IniFile& file, const QString& name) {
    if (!file.SectionExists(name))
        throw MottlerError(
            QStringLiteral("There is no preset \"%1\" in \"%2\".").arg(name, file.Path()));
    return ReadPreset(file, name);
}

MottlerError PresetFault(const IniFile& file, const QString& name, const QString& fault) {
    return MottlerError(
        QStringLiteral("The preset \"%1\" in \"%2\": %3").arg(name, file.Path(), fault));
}

} // namespace mottler::cli
