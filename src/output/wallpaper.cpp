#include "output/wallpaper.h"

#include "base/errors.h"
#include "output/imagefile.h"
#include "output/wallpapercommands.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>

namespace mottler {
namespace {

/// What one command run came to: its standard output, or why it failed.
struct CommandRun {
    bool Ok = false;
    QString Output;
    QString Failure;
};

QString FirstLine(const QByteArray& text) {
    return QString::fromLocal8Bit(text).trimmed().section('\n', 0, 0);
}

CommandRun Run(const WallpaperCommand& command, const QProcessEnvironment& environment) {
    const QString program = FindProgram(command.Program, environment);
    if (program.isEmpty())
        return {false,
                {},
                QCoreApplication::translate("mottler::Wallpaper", "\"%1\" was not found")
                    .arg(command.Program)};
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, command.Arguments);
    if (!process.waitForStarted(WallpaperCommandTimeoutMs))
        return {false,
                {},
                QCoreApplication::translate("mottler::Wallpaper", "\"%1\" could not be started")
                    .arg(command.Program)};
    if (!process.waitForFinished(WallpaperCommandTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        return {false,
                {},
                QCoreApplication::translate("mottler::Wallpaper", "\"%1\" did not answer in time")
                    .arg(command.Program)};
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        const QString why = FirstLine(process.readAllStandardError());
        return {false,
                {},
                QCoreApplication::translate("mottler::Wallpaper", "\"%1\" failed%2")
                    .arg(command.Program, why.isEmpty() ? QString() : ": " + why)};
    }
    return {true, QString::fromLocal8Bit(process.readAllStandardOutput()), {}};
}

QString NoMechanismReason(const QProcessEnvironment& environment) {
    const QString desktop = environment.value("XDG_CURRENT_DESKTOP");
    return QCoreApplication::translate("mottler::Wallpaper",
                                       "no way to set it is known for this desktop (%1)")
        .arg(desktop.isEmpty() ? QCoreApplication::translate("mottler::Wallpaper",
                                                             "XDG_CURRENT_DESKTOP is not set")
                               : "\"" + desktop + "\"");
}

WallpaperResult Failed(const QString& file, const QString& reason) {
    return {false, file,
            QCoreApplication::translate(
                "mottler::Wallpaper",
                "The wallpaper could not be set: %1.  The picture is saved as \"%2\".")
                .arg(reason, QDir::toNativeSeparators(file))};
}

/// Finds out what the commands depend on; a failure here is returned as the reason.
QString GatherDetails(WallpaperMechanism mechanism, const QProcessEnvironment& environment,
                      DesktopDetails& details) {
    if (mechanism == WallpaperMechanism::Plasma) {
        const QString client = PlasmaDbusClient(environment);
        if (!client.isEmpty())
            details.PlasmaClient = client;
    }
    if (mechanism != WallpaperMechanism::Xfce)
        return QString();
    const CommandRun list = Run(XfceListCommand(), environment);
    details.XfceProperties = list.Output;
    return list.Ok ? QString() : list.Failure;
}

} // namespace

WallpaperResult SetDesktopWallpaper(const QImage& texture, const QString& folder,
                                    const QProcessEnvironment& environment) {
    if (texture.isNull())
        return {false, QString(),
                QCoreApplication::translate("mottler::Wallpaper",
                                            "There is no texture to use as wallpaper.")};
    const WallpaperMechanism mechanism = WallpaperMechanismFor(environment);
    const QString file = QDir(folder).filePath(WallpaperFileName(mechanism));
    try {
        WriteImage(texture, file, 100);
    } catch (const MottlerError& error) {
        return {false, QString(), error.Message()};
    }
    if (mechanism == WallpaperMechanism::None)
        return Failed(file, NoMechanismReason(environment));
    DesktopDetails details;
    if (const QString failure = GatherDetails(mechanism, environment, details); !failure.isEmpty())
        return Failed(file, failure);
    const auto commands = WallpaperCommands(mechanism, file, details);
    if (commands.empty())
        return Failed(
            file, QCoreApplication::translate("mottler::Wallpaper",
                                              "the Xfce desktop lists no backdrop picture to set"));
    for (const WallpaperCommand& command : commands)
        if (const CommandRun run = Run(command, environment); !run.Ok && !command.Optional)
            return Failed(file, run.Failure);
    return {true, file, QString()};
}

} // namespace mottler
