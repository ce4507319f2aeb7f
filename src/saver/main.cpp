#include "saver/savergrowth.h"
#include "saver/saveroptions.h"
#include "saver/saverwindow.h"
#include "saver/windowplacement.h"

#include <QGuiApplication>
#include <chrono>
#include <cstdio>
#include <thread>

using namespace mottler::saver;

namespace {

int Fail(const QString& message, int status) {
    std::fprintf(stderr, "mottler-saver: %s\n", qPrintable(message));
    return status;
}

} // namespace

int main(int argc, char* argv[]) {
    // --help and --version are answered before the application connects to a display, so
    // they work without one. Qt's own options (-display, -platform) are taken out of the
    // arguments only by the application, so a command line that names one is read again then.
    QStringList given;
    for (int i = 1; i < argc; ++i)
        given << QString::fromLocal8Bit(argv[i]);
    const QString screensaverWindow = qEnvironmentVariable("XSCREENSAVER_WINDOW");
    try {
        const SaverOptions early = ParseSaverOptions(given, screensaverWindow);
        if (early.Help || early.Version) {
            std::fputs(early.Help ? SaverHelp : "mottler-saver " MOTTLER_VERSION "\n", stdout);
            return 0;
        }
    } catch (const SaverUsageError&) {
    }
    QGuiApplication app(argc, argv);
    QGuiApplication::setOrganizationName("Quorvex");
    QGuiApplication::setApplicationName("Mottler");
    SaverOptions options;
    try {
        options = ParseSaverOptions(QGuiApplication::arguments().mid(1), screensaverWindow);
    } catch (const SaverUsageError& error) {
        return Fail(QStringLiteral("%1\nTry 'mottler-saver --help'.").arg(error.what()), 2);
    }
    SaverWindow window(options.Target == SaverTarget::FullScreen);
    if (const QString error = PlaceSaverWindow(window, options); !error.isEmpty())
        return Fail(error, 1);

    SaverGrowth growth{std::chrono::seconds(options.HoldSeconds)};
    QObject::connect(&growth, &SaverGrowth::FrameReady, &window, &SaverWindow::ShowFrame);
    QObject::connect(&growth, &SaverGrowth::PresetFailed, &window,
                     [](const QString& name, const QString& message) {
                         Fail(QStringLiteral("preset \"%1\": %2").arg(name, message), 0);
                     });
    std::thread grower([&growth] { growth.Run(); });
    const int status = QGuiApplication::exec();
    growth.Stop();
    grower.join();
    return status;
}
