#include "output/savedirectory.h"

#include "base/usersettings.h"

#include <QDir>
#include <QFileInfo>

namespace mottler {
namespace {

constexpr const char* SaveDirKey = "Save Dir";

} // namespace

QString SaveDirectory() {
    return UserSettings::ReadString(SaveDirKey);
}

void RememberSaveDirectory(const QString& savedFile) {
    const QString folder = QFileInfo(savedFile).absolutePath();
    UserSettings::WriteString(SaveDirKey, folder.endsWith('/') ? folder : folder + '/');
}

} // namespace mottler
