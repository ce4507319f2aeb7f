#pragma once

#include "palette/palette.h"

#include <QByteArray>
#include <QDir>
#include <QString>
#include <array>

namespace mottler {

/// The 216 web-safe colours: channels 255, 204, 153, 102, 51, 0 with red outermost and blue
/// innermost (entry 0 white, 215 black).
std::array<PackedColour, 216> WebSafeColours();

/// The colour picker's default palette as a 256-entry RIFF palette file: entries 0–215 are the
/// web-safe colours, channels 255, 204, 153, 102, 51, 0 with red outermost and blue innermost
/// (entry 0 white, 215 black), entries 216–255 black.
QByteArray WebSafePaletteBytes();

/// The file name the web-safe palette is kept under.
inline QString WebSafePaletteName() {
    return QStringLiteral("websafe.pal");
}

/// Writes "websafe.pal" into the folder unless a file of that name is already there, and
/// returns its path. Throws MottlerError when it cannot be written (also when a symbolic
/// link or anything but a regular file has that name: the name is the program's own).
QString EnsureWebSafePaletteFile(const QString& folder);

} // namespace mottler
