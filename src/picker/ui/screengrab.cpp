#include "picker/ui/screengrab.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

namespace mottler {
namespace {

/// Platforms whose screen grabs give no desktop pixels: Wayland hands out nothing, and the
/// offscreen platform only its own invisible windows.
bool PlatformCanReadScreen() {
    const QString platform = QGuiApplication::platformName();
    return !platform.startsWith(QLatin1String("wayland")) &&
           platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

} // namespace

std::optional<QImage> GrabScreenArea(const QRect& area) {
    if (!PlatformCanReadScreen() || area.isEmpty())
        return std::nullopt;
    QScreen* screen = QGuiApplication::screenAt(area.center());
    if (screen == nullptr)
        return std::nullopt;
    const QRect origin = screen->geometry();
    // Window 0 is the whole desktop; the position is relative to this screen.
    const QPixmap grabbed = screen->grabWindow(0, area.x() - origin.x(), area.y() - origin.y(),
                                               area.width(), area.height());
    if (grabbed.isNull())
        return std::nullopt;
    return grabbed.toImage().convertToFormat(QImage::Format_RGB32);
}

std::optional<PackedColour> ReadScreenPixel(QPoint globalPoint) {
    const std::optional<QImage> pixel = GrabScreenArea(QRect(globalPoint, QSize(1, 1)));
    if (!pixel || pixel->width() < 1 || pixel->height() < 1)
        return std::nullopt;
    const QColor colour = pixel->pixelColor(0, 0);
    return PackRgb(colour.red(), colour.green(), colour.blue());
}

QString ScreenUnreadableText() {
    return QCoreApplication::translate("mottler::ScreenGrab",
                                       "This desktop does not let programs read the screen "
                                       "(Wayland or no display), so no colour can be taken "
                                       "from it.");
}

} // namespace mottler
