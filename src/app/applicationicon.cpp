#include "app/applicationicon.h"

#include <QGuiApplication>

// The resources live in a static library, whose registration the linker would drop unless
// something refers to it.
static void InitAboutResources() {
    static const bool done = [] {
        Q_INIT_RESOURCE(about);
        return true;
    }();
    (void)done;
}

namespace mottler {

void RegisterShellResources() {
    InitAboutResources();
}

QIcon ApplicationIcon() {
    RegisterShellResources();
    QIcon icon;
    for (const char* size : {"16", "32", "64"})
        icon.addFile(QStringLiteral(":/about/mottler-%1.png").arg(size));
    icon.addFile(":/about/mottler.png");
    return icon;
}

void IdentifyApplication() {
    QGuiApplication::setWindowIcon(ApplicationIcon());
    QGuiApplication::setDesktopFileName("com.quorvex.Mottler");
}

} // namespace mottler
