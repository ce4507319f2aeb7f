#include "filebytes.h"
#include "output/wallpaper.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace mottler;

namespace {

/// Stand-ins for the desktops' programs: each records its name and arguments, one line per
/// run, and exits with the status given when it was made.
class Wallpaper : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(QDir().mkpath(Bin()));
        environment.insert("PATH", Bin());
        environment.insert("DISPLAY", ":0");
        texture.fill(QColor(200, 100, 50));
    }

    QString Bin() const { return dir.filePath("bin"); }
    QString Log() const { return dir.filePath("calls.log"); }
    QString Data() const { return dir.filePath("data"); }

    /// A program that records its call, prints `output`, and exits with `status`.
    void StandIn(const QString& name, int status = 0, const QString& output = QString(),
                 const QString& error = QString()) const {
        const QString path = QDir(Bin()).filePath(name);
        test::WriteBytes(path,
                         QStringLiteral("#!/bin/sh\n"
                                        "printf '%s' '%1' >> '%2'\n"
                                        "for a in \"$@\"; do printf ' [%s]' \"$a\" >> '%2'; done\n"
                                        "printf '\\n' >> '%2'\n"
                                        "printf '%3'\n"
                                        "printf '%4' >&2\n"
                                        "exit %5\n")
                             .arg(name, Log(), output, error)
                             .arg(status)
                             .toUtf8());
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    WallpaperResult Set(const QString& desktop) {
        environment.insert("XDG_CURRENT_DESKTOP", desktop);
        QDir().mkpath(Data());
        return SetDesktopWallpaper(texture, Data(), environment);
    }

    QString Calls() const { return QString::fromUtf8(test::ReadBytes(Log())); }
    QString File(const char* name) const { return QDir(Data()).filePath(name); }
    QString Uri(const char* name) const { return "file://" + File(name); }

    QTemporaryDir dir;
    QProcessEnvironment environment;
    QImage texture{40, 30, QImage::Format_BGR888};
};

} // namespace

TEST_F(Wallpaper, EachDesktopIsAskedThroughItsOwnMechanism) {
    StandIn("gsettings");
    const WallpaperResult gnome = Set("ubuntu:GNOME");
    EXPECT_TRUE(gnome.Changed) << gnome.Message.toStdString();
    EXPECT_EQ(gnome.File, File("desktop.bmp"));
    EXPECT_EQ(QImage(gnome.File).size(), QSize(40, 30));
    EXPECT_EQ(Set("X-Cinnamon").Message, QString());
    EXPECT_EQ(Set("MATE").Message, QString());
    EXPECT_EQ(Calls(), "gsettings [set] [org.gnome.desktop.background] [picture-uri] [" +
                           Uri("desktop.bmp") +
                           "]\n"
                           "gsettings [set] [org.gnome.desktop.background] [picture-uri-dark] [" +
                           Uri("desktop.bmp") +
                           "]\n"
                           "gsettings [set] [org.cinnamon.desktop.background] [picture-uri] [" +
                           Uri("desktop.bmp") +
                           "]\n"
                           "gsettings [set] [org.mate.background] [picture-filename] [" +
                           File("desktop.bmp") + "]\n");
}

TEST_F(Wallpaper, XfceSetsEveryMonitorAndWorkspaceAndPlasmaRunsItsScript) {
    StandIn("xfconf-query", 0,
            "/backdrop/screen0/monitorHDMI-1/workspace0/last-image\\n"
            "/backdrop/screen0/monitorHDMI-1/workspace0/image-style\\n"
            "/backdrop/screen0/monitorDP-2/workspace1/last-image\\n");
    EXPECT_TRUE(Set("XFCE").Changed);
    EXPECT_EQ(Calls(), "xfconf-query [-c] [xfce4-desktop] [-l]\n"
                       "xfconf-query [-c] [xfce4-desktop] [-p] "
                       "[/backdrop/screen0/monitorHDMI-1/workspace0/last-image] [-s] [" +
                           File("desktop.bmp") +
                           "]\n"
                           "xfconf-query [-c] [xfce4-desktop] [-p] "
                           "[/backdrop/screen0/monitorDP-2/workspace1/last-image] [-s] [" +
                           File("desktop.bmp") + "]\n");

    QFile::remove(Log());
    StandIn("qdbus");
    EXPECT_TRUE(Set("KDE").Changed);
    const QString call = Calls();
    EXPECT_TRUE(call.startsWith("qdbus [org.kde.plasmashell] [/PlasmaShell] "
                                "[org.kde.PlasmaShell.evaluateScript] [var image = \"" +
                                Uri("desktop.bmp") + "\";"))
        << call.toStdString();
    EXPECT_TRUE(call.contains("d.writeConfig('Image', image);")) << call.toStdString();
}

TEST_F(Wallpaper, OtherX11DesktopsTileWithFehOrXwallpaperWhichGetsAPng) {
    StandIn("xwallpaper");
    const WallpaperResult result = Set("");
    EXPECT_TRUE(result.Changed);
    EXPECT_EQ(result.File, File("desktop.png"));
    EXPECT_EQ(QImage(result.File).size(), QSize(40, 30));
    StandIn("feh");
    EXPECT_TRUE(Set("i3").Changed);
    EXPECT_EQ(Calls(), "xwallpaper [--tile] [" + File("desktop.png") + "]\nfeh [--bg-tile] [" +
                           File("desktop.bmp") + "]\n");
}

TEST_F(Wallpaper, FailuresSaySoAndWhereTheFileIs) {
    const QString where = "  The picture is saved as \"" + File("desktop.bmp") + "\".";
    EXPECT_EQ(Set("GNOME").Message,
              "The wallpaper could not be set: \"gsettings\" was not found." + where);

    StandIn("gsettings", 1, QString(), "No such schema\\n");
    const WallpaperResult failed = Set("GNOME");
    EXPECT_FALSE(failed.Changed);
    EXPECT_EQ(failed.Message,
              "The wallpaper could not be set: \"gsettings\" failed: No such schema." + where);
    EXPECT_TRUE(QFile::exists(File("desktop.bmp")));

    StandIn("xfconf-query", 0, "/backdrop/single-workspace-mode\\n");
    EXPECT_EQ(Set("XFCE").Message, "The wallpaper could not be set: the Xfce desktop lists no "
                                   "backdrop picture to set." +
                                       where);

    StandIn("feh"); // an X11 program would change nothing a Wayland session shows
    environment.insert("WAYLAND_DISPLAY", "wayland-0");
    EXPECT_EQ(Set("sway").Message, "The wallpaper could not be set: no way to set it is known "
                                   "for this desktop (\"sway\")." +
                                       where);
}
