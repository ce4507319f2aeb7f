#include "presets/datafolder.h"

#include "base/bmpfile.h"
#include "base/errors.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

// The resources live in a static library, whose registration the linker would drop unless
// something refers to it.
static void InitPresetResources() {
    static const bool done = [] {
        Q_INIT_RESOURCE(presets);
        return true;
    }();
    (void)done;
}

namespace mottler {

QString DataFolder() {
    QString folder = qEnvironmentVariable("MOTTLER_HOME");
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                 QStringLiteral("/Quorvex/Mottler");
    if (!QDir().mkpath(folder))
        throw MottlerError(QCoreApplication::translate("mottler::DataFolder",
                                                       "The folder \"%1\" cannot be created.")
                               .arg(folder));
    return folder;
}

QString DataFile(const QString& name) {
    return DataFolder() + QLatin1Char('/') + name;
}

bool ExtractResourceFile(const QString& file, const QString& resourceName, QString& message) {
    InitPresetResources();
    QString reason;
    QFile resource(resourceName);
    const QString folder = QFileInfo(file).absolutePath();
    if (!resource.open(QIODevice::ReadOnly)) {
        reason = QCoreApplication::translate("mottler::DataFolder", "The resource does not exist.");
    } else if (!QDir().mkpath(folder)) {
        reason = QCoreApplication::translate("mottler::DataFolder",
                                             "The folder \"%1\" cannot be created.")
                     .arg(folder);
    } else {
        try {
            WriteFileAtomically(file, resource.readAll());
            return true;
        } catch (const MottlerError& error) {
            reason = error.Message();
        }
    }
    message =
        QCoreApplication::translate("mottler::DataFolder",
                                    "An error occurred while trying to extract %1 to %2.\n\n%3")
            .arg(resourceName, file, reason);
    return false;
}

bool ExtractWhenMissing(const QString& file, const QString& resourceName, QString& message) {
    return QFileInfo::exists(file) || ExtractResourceFile(file, resourceName, message);
}

QStringList ExtractMissingBuiltInFiles() {
    QStringList failures;
    for (const BuiltInFile& builtIn : BuiltInFiles) {
        QString message;
        if (!ExtractWhenMissing(DataFile(builtIn.Name), builtIn.Resource, message))
            failures.append(message);
    }
    return failures;
}

QString ProgramPresetFile() {
    const QStringList failures = ExtractMissingBuiltInFiles();
    const QString path = DataFile(PresetFileName);
    if (!QFileInfo::exists(path))
        throw MottlerError(failures.value(0));
    return path;
}

} // namespace mottler
