#include "controls/filebrowse.h"

#include "presets/usersettings.h"

#include <QDir>
#include <QStandardPaths>
#include <QStringList>

namespace mottler {
namespace {

bool FolderExists(const QString& folder) { return !folder.isEmpty() && QDir(folder).exists(); }

} // namespace

QString SettingsNameOf(const QString& key, const QString& valueName) {
    QStringList parts = QString(key).replace(u'\\', u'/').split(u'/', Qt::SkipEmptyParts);
    const QStringList programKey{QStringLiteral("Software"), QStringLiteral("Quorvex"),
                                 QStringLiteral("Mottler")};
    if (parts.size() >= programKey.size() &&
        parts.mid(0, programKey.size()).join(u'/').compare(programKey.join(u'/'),
                                                           Qt::CaseInsensitive) == 0)
        parts = parts.mid(programKey.size());
    parts << valueName;
    return parts.join(u'/');
}

QString FolderOf(const QString& path) {
    const qsizetype slash = path.lastIndexOf(u'/');
    return slash < 0 ? QString() : path.left(slash + 1);
}

BrowseStart ChooseBrowseStart(const QString& currentText, const QString& settingsName,
                              bool openDialog, const QString& programFolder) {
    const QString textFolder = FolderOf(currentText);
    if (FolderExists(textFolder))
        return {textFolder, false};
    const QString fallback = openDialog ? programFolder : QString();
    if (settingsName.isEmpty())
        return {fallback, false};
    const QString stored = UserSettings::ReadString(settingsName);
    return {FolderExists(stored) ? stored : fallback, true};
}

QString ProgramFolder() {
    const QString home = qEnvironmentVariable("MOTTLER_HOME");
    if (!home.isEmpty())
        return home;
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Quorvex/Mottler");
}

} // namespace mottler
