#include "saver/saveroptions.h"

namespace mottler::saver {
namespace {

std::uint64_t WindowIdOf(const QString& text, const QString& option) {
    bool ok = false;
    const std::uint64_t id = text.startsWith("0x", Qt::CaseInsensitive)
                                 ? text.mid(2).toULongLong(&ok, 16)
                                 : text.toULongLong(&ok, 10);
    if (!ok || id == 0)
        throw SaverUsageError(
            QStringLiteral("%1: \"%2\" is not a window id").arg(option, text).toStdString());
    return id;
}

QString ValueOf(const QStringList& args, qsizetype& i) {
    if (i + 1 >= args.size())
        throw SaverUsageError(QStringLiteral("%1 needs a value").arg(args[i]).toStdString());
    return args[++i];
}

int SecondsOf(const QString& text) {
    bool ok = false;
    const int seconds = text.toInt(&ok);
    if (!ok || seconds < 0 || seconds > 3600)
        throw SaverUsageError(
            QStringLiteral("--seconds: give 0 to 3600, not \"%1\"").arg(text).toStdString());
    return seconds;
}

} // namespace

const char* const SaverHelp = R"(Usage: mottler-saver [options]

Grows the built-in Mottler presets one after another, full screen, and fades from one to
the next. Any key or mouse movement ends it. As an XScreenSaver module it draws into the
window XScreenSaver gives it.

Options:
  -window-id ID   draw into the window ID (decimal or 0x hexadecimal)
  -root           draw on the screen's root window (or XSCREENSAVER_WINDOW when set)
  --seconds N     how long a grown texture stays before the next, 0 to 3600 (default 6)
  --help          show this help
  --version       show the version
)";

SaverOptions ParseSaverOptions(const QStringList& args, const QString& screensaverWindow) {
    SaverOptions options;
    bool root = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& option = args[i];
        if (option == "-window-id" || option == "--window-id") {
            options.WindowId = WindowIdOf(ValueOf(args, i), option);
            options.Target = SaverTarget::ForeignWindow;
        } else if (option == "-root" || option == "--root")
            root = true;
        else if (option == "--seconds" || option == "-seconds")
            options.HoldSeconds = SecondsOf(ValueOf(args, i));
        else if (option == "--help" || option == "-h")
            options.Help = true;
        else if (option == "--version")
            options.Version = true;
        else
            throw SaverUsageError(QStringLiteral("unknown option %1").arg(option).toStdString());
    }
    if (options.Target == SaverTarget::ForeignWindow)
        return options;
    if (!screensaverWindow.isEmpty()) {
        options.WindowId = WindowIdOf(screensaverWindow.trimmed(), "XSCREENSAVER_WINDOW");
        options.Target = SaverTarget::ForeignWindow;
    } else if (root)
        options.Target = SaverTarget::RootWindow;
    return options;
}

} // namespace mottler::saver
