#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <vector>

namespace mottler {

/// How the running desktop has its wallpaper set.
enum class WallpaperMechanism {
    None,             ///< nothing known works here
    GnomeSettings,    ///< GNOME, Budgie, Unity, Pantheon: gsettings org.gnome.desktop.background
    CinnamonSettings, ///< gsettings org.cinnamon.desktop.background
    MateSettings,     ///< gsettings org.mate.background
    Plasma,           ///< KDE Plasma's scripting through D-Bus
    Xfce,             ///< xfconf-query, one property per monitor and workspace
    Feh,              ///< any other X11 desktop: feh --bg-tile
    Xwallpaper        ///< any other X11 desktop without feh: xwallpaper --tile
};

/// One program run that sets the wallpaper.
struct WallpaperCommand {
    QString Program; ///< a name looked up on PATH
    QStringList Arguments;
    bool Optional = false; ///< a failure does not mean the wallpaper was not set
};

/// The mechanism of the desktop XDG_CURRENT_DESKTOP names (a colon-separated list such as
/// "ubuntu:GNOME", read case-insensitively). On another desktop, feh or xwallpaper when one
/// is on PATH and the session is X11 (on Wayland they would change an invisible root window
/// and seem to succeed).
WallpaperMechanism WallpaperMechanismFor(const QProcessEnvironment& environment);

/// "desktop.bmp"; "desktop.png" for xwallpaper, which reads no BMP files.
QString WallpaperFileName(WallpaperMechanism mechanism);

/// What the commands depend on beyond the file, found out on the machine first.
struct DesktopDetails {
    QString PlasmaClient = "qdbus"; ///< Plasma: the D-Bus client found on PATH (PlasmaDbusClient)
    QString XfceProperties;         ///< Xfce: what XfceListCommand printed
};

/// The programs to run, in order, to show the picture file as the wallpaper. An Xfce whose
/// property list holds no backdrop image gives no commands.
std::vector<WallpaperCommand> WallpaperCommands(WallpaperMechanism mechanism, const QString& file,
                                                const DesktopDetails& details = {});

/// Lists the Xfce desktop's properties.
WallpaperCommand XfceListCommand();

/// The full path of a program found on the environment's PATH, or empty.
QString FindProgram(const QString& name, const QProcessEnvironment& environment);

/// The first of the D-Bus command-line clients (qdbus6, qdbus, qdbus-qt6, qdbus-qt5,
/// dbus-send) found on PATH; empty when none is.
QString PlasmaDbusClient(const QProcessEnvironment& environment);

} // namespace mottler
