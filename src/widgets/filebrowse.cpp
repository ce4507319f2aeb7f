#include "widgets/filebrowse.h"

#include "base/usersettings.h"

#include <QDir>
#include <QStringList>

namespace mottler {
namespace {

bool FolderExists(const QString& folder) {
    return !folder.isEmpty() && QDir(folder).exists();
}

/// Whether a key path begins "Software/Quorvex/Mottler", the key QSettings stands for.
bool StartsWithProgramKey(const QStringList& parts) {
    const QStringList programKey{QStringLiteral("Software"), QStringLiteral("Quorvex"),
                                 QStringLiteral("Mottler")};
    for (qsizetype i = 0; i < programKey.size(); ++i) {
        if (i >= parts.size() || parts[i].compare(programKey[i], Qt::CaseInsensitive) != 0)
            return false;
    }
    return true;
}

} // namespace

QString SettingsNameOf(const QString& key, const QString& valueName) {
    QStringList parts = QString(key).replace(u'\\', u'/').split(u'/', Qt::SkipEmptyParts);
    if (StartsWithProgramKey(parts))
        parts.remove(0, 3);
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

} // namespace mottler
