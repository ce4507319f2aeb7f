#pragma once

#include "saver/saveroptions.h"

#include <QString>

class QWindow;

namespace mottler::saver {

/// Puts the saver's window where the options say: full screen on its own, or inside the
/// foreign (XScreenSaver's) or root window, following that window's size. Returns an error
/// text, empty on success.
QString PlaceSaverWindow(QWindow& window, const SaverOptions& options);

} // namespace mottler::saver
