#include "output/wallpapercommands.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QStandardPaths>
#include <QUrl>

namespace mottler {
namespace {

const QStringList QdbusClients{"qdbus6", "qdbus", "qdbus-qt6", "qdbus-qt5"};
constexpr const char* DbusSend = "dbus-send";

bool IsX11Session(const QProcessEnvironment& environment) {
    return !environment.value("DISPLAY").isEmpty() &&
           environment.value("WAYLAND_DISPLAY").isEmpty() &&
           environment.value("XDG_SESSION_TYPE").compare("wayland", Qt::CaseInsensitive) != 0;
}

WallpaperMechanism MechanismOfDesktop(const QString& name) {
    static const QStringList gnomeFamily{"gnome",          "gnome-classic", "gnome-flashback",
                                         "ubuntu",         "unity",         "budgie",
                                         "budgie-desktop", "pantheon",      "pop"};
    if (gnomeFamily.contains(name))
        return WallpaperMechanism::GnomeSettings;
    if (name == "x-cinnamon" || name == "cinnamon")
        return WallpaperMechanism::CinnamonSettings;
    if (name == "mate")
        return WallpaperMechanism::MateSettings;
    if (name == "kde")
        return WallpaperMechanism::Plasma;
    if (name == "xfce")
        return WallpaperMechanism::Xfce;
    return WallpaperMechanism::None;
}

QString FileUri(const QString& file) {
    return QUrl::fromLocalFile(file).toString(QUrl::FullyEncoded);
}

WallpaperCommand Gsettings(const QString& schema, const QString& key, const QString& value,
                           bool optional = false) {
    return {"gsettings", {"set", schema, key, value}, optional};
}

/// A JavaScript string literal of the text (JSON's string syntax is JavaScript's).
QString ScriptString(const QString& text) {
    const QString array =
        QString::fromUtf8(QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact));
    return array.mid(1, array.size() - 2);
}

QString PlasmaScript(const QString& file) {
    return QStringLiteral("var image = %1;"
                          "var all = desktops();"
                          "for (var i = 0; i < all.length; i++) {"
                          " var d = all[i];"
                          " d.wallpaperPlugin = 'org.kde.image';"
                          " d.currentConfigGroup = ['Wallpaper', 'org.kde.image', 'General'];"
                          " d.writeConfig('Image', image);"
                          "}")
        .arg(ScriptString(FileUri(file)));
}

WallpaperCommand PlasmaCommand(const QString& client, const QString& file) {
    const QString script = PlasmaScript(file);
    if (client == DbusSend)
        return {client,
                {"--session", "--print-reply", "--dest=org.kde.plasmashell", "/PlasmaShell",
                 "org.kde.PlasmaShell.evaluateScript", "string:" + script}};
    return {client,
            {"org.kde.plasmashell", "/PlasmaShell", "org.kde.PlasmaShell.evaluateScript", script}};
}

/// Every monitor and workspace has its own "…/last-image" property.
std::vector<WallpaperCommand> XfceCommands(const QString& file, const QString& properties) {
    std::vector<WallpaperCommand> commands;
    for (const QString& line : properties.split('\n', Qt::SkipEmptyParts)) {
        const QString property = line.trimmed();
        if (property.startsWith("/backdrop/") && property.endsWith("/last-image"))
            commands.push_back(
                {"xfconf-query", {"-c", "xfce4-desktop", "-p", property, "-s", file}});
    }
    return commands;
}

} // namespace

WallpaperMechanism WallpaperMechanismFor(const QProcessEnvironment& environment) {
    const QStringList desktops =
        environment.value("XDG_CURRENT_DESKTOP").toLower().split(':', Qt::SkipEmptyParts);
    for (const QString& desktop : desktops)
        if (const WallpaperMechanism m = MechanismOfDesktop(desktop.trimmed());
            m != WallpaperMechanism::None)
            return m;
    if (!IsX11Session(environment))
        return WallpaperMechanism::None;
    if (!FindProgram("feh", environment).isEmpty())
        return WallpaperMechanism::Feh;
    if (!FindProgram("xwallpaper", environment).isEmpty())
        return WallpaperMechanism::Xwallpaper;
    return WallpaperMechanism::None;
}

QString WallpaperFileName(WallpaperMechanism mechanism) {
    return mechanism == WallpaperMechanism::Xwallpaper ? "desktop.png" : "desktop.bmp";
}

std::vector<WallpaperCommand> WallpaperCommands(WallpaperMechanism mechanism, const QString& file,
                                                const DesktopDetails& details) {
    const QString gnome = "org.gnome.desktop.background";
    switch (mechanism) {
    case WallpaperMechanism::GnomeSettings:
        // GNOME 42 and later show picture-uri-dark in dark mode; older versions lack the key.
        return {Gsettings(gnome, "picture-uri", FileUri(file)),
                Gsettings(gnome, "picture-uri-dark", FileUri(file), true)};
    case WallpaperMechanism::CinnamonSettings:
        return {Gsettings("org.cinnamon.desktop.background", "picture-uri", FileUri(file))};
    case WallpaperMechanism::MateSettings:
        return {Gsettings("org.mate.background", "picture-filename", file)};
    case WallpaperMechanism::Plasma:
        return {PlasmaCommand(details.PlasmaClient, file)};
    case WallpaperMechanism::Xfce:
        return XfceCommands(file, details.XfceProperties);
    case WallpaperMechanism::Feh:
        return {{"feh", {"--bg-tile", file}}};
    case WallpaperMechanism::Xwallpaper:
        return {{"xwallpaper", {"--tile", file}}};
    case WallpaperMechanism::None:
        break;
    }
    return {};
}

WallpaperCommand XfceListCommand() {
    return {"xfconf-query", {"-c", "xfce4-desktop", "-l"}};
}

QString FindProgram(const QString& name, const QProcessEnvironment& environment) {
    return QStandardPaths::findExecutable(name,
                                          environment.value("PATH").split(':', Qt::SkipEmptyParts));
}

QString PlasmaDbusClient(const QProcessEnvironment& environment) {
    for (const QString& client : QdbusClients + QStringList{DbusSend})
        if (!FindProgram(client, environment).isEmpty())
            return client;
    return QString();
}

} // namespace mottler
