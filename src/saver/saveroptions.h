#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <stdexcept>

namespace mottler::saver {

/// Where the screensaver draws.
enum class SaverTarget {
    FullScreen,    ///< its own full-screen window, which any key or mouse movement ends
    ForeignWindow, ///< a window XScreenSaver made (-window-id, XSCREENSAVER_WINDOW)
    RootWindow,    ///< the screen's root window (-root without XSCREENSAVER_WINDOW)
};

struct SaverOptions {
    SaverTarget Target = SaverTarget::FullScreen;
    std::uint64_t WindowId = 0; ///< the window of ForeignWindow
    int HoldSeconds = 6;        ///< how long a grown texture stays before the next one
    bool Help = false;
    bool Version = false;
};

/// A command line the saver cannot follow; the text names the bad option.
class SaverUsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// Reads the saver's arguments (without the program name). `screensaverWindow` is the value
/// of XSCREENSAVER_WINDOW, which XScreenSaver sets to the window a module is to draw in; an
/// explicit -window-id wins over it. Window ids are decimal or hexadecimal ("0x...").
/// Throws SaverUsageError.
SaverOptions ParseSaverOptions(const QStringList& args, const QString& screensaverWindow);

extern const char* const SaverHelp;

} // namespace mottler::saver
