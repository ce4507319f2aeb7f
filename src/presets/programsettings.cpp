#include "presets/programsettings.h"

#include "base/numbers.h"
#include "base/usersettings.h"

namespace mottler {
namespace {

const QString HeightName = QStringLiteral("BorderSaveHeight");
const QString WidthName = QStringLiteral("BorderSaveWidth");
const QString NewFilenameName = QStringLiteral("UseNewFilename");

} // namespace

ProgramSettings LoadSettings() {
    ProgramSettings settings;
    settings.BorderSaveHeight = QString::number(UserSettings::ReadInt(HeightName, 10));
    settings.BorderSaveWidth = QString::number(UserSettings::ReadInt(WidthName, 1025));
    settings.UseNewFilename = UserSettings::ReadBool(NewFilenameName, false);
    return settings;
}

void SaveSettings(const ProgramSettings& settings) {
    UserSettings::WriteInt(HeightName, IntValue(settings.BorderSaveHeight));
    UserSettings::WriteInt(WidthName, IntValue(settings.BorderSaveWidth));
    UserSettings::WriteBool(NewFilenameName, settings.UseNewFilename);
}

} // namespace mottler
