#pragma once

#include <QImage>
#include <QProcessEnvironment>
#include <QString>

namespace mottler {

/// What setting the wallpaper came to.
struct WallpaperResult {
    bool Changed = false; ///< the desktop accepted the picture
    QString File;         ///< where the picture was written (empty when writing failed)
    QString Message;      ///< empty on success; otherwise what went wrong and where the file is
};

/// How long one desktop command may take before it is given up.
inline constexpr int WallpaperCommandTimeoutMs = 10000;

/// Writes the texture, one tile at its own size, as "desktop.bmp" (or "desktop.png" where
/// the desktop cannot read BMP) into the folder, replacing the earlier one, and asks the
/// running desktop to show it through its own mechanism (see WallpaperMechanismFor); the
/// tile or centre style stays as the user set it. Nothing is reported as changed unless
/// every command that sets the picture succeeded.
WallpaperResult SetDesktopWallpaper(
    const QImage& texture, const QString& folder,
    const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());

} // namespace mottler
