#pragma once

#include "palette/palette.h"

#include <QByteArray>
#include <QString>
#include <array>

namespace mottler {

/// The colours of one palette file as the colour picker's 16 × 16 grid shows them: always 256
/// entries, those the file does not give are black.
struct PaletteFileColours {
    std::array<PackedColour, 256> Colours{};
    /// How many leading entries the luminance sort orders: the count the file states for JASC
    /// and RIFF palettes (at most 256, and for RIFF at most the entries present), 256 for GIF
    /// colour tables and Photoshop tables.
    int Count = 0;
};

/// The text shown when a GIF file has a bad header, no global colour table or a truncated one.
QString GifPaletteErrorText();

/// A JASC text palette: "JASC-PAL" on the first line, the colour count on the third (at most
/// 256 used, unreadable reads 0), then one "red green blue" line per colour. Lines may end in
/// CR LF or LF; missing colour lines leave their entries black. Throws MottlerError for a line
/// that is not three numbers from 0 to 255.
PaletteFileColours ReadJascPalette(const QByteArray& bytes);

/// A RIFF palette: "RIFF", "PAL " at bytes 8–11, a 16-bit little-endian count at 22–23 and
/// 4-byte entries red, green, blue, flags from byte 24; the flags byte becomes the colour's top
/// byte. Entries the count names beyond the end of the data stay black. Throws MottlerError
/// for a file too short for its header or without the "PAL " form type.
PaletteFileColours ReadRiffPalette(const QByteArray& bytes);

/// A Photoshop colour table: 256 entries red, green, blue from the start; a shorter file gives
/// its complete entries. Throws MottlerError when the file holds no complete entry.
PaletteFileColours ReadActPalette(const QByteArray& bytes);

/// The global colour table of a GIF file. Throws MottlerError with GifPaletteErrorText() when
/// the header is not a GIF header, there is no global colour table or it is cut short.
PaletteFileColours ReadGifPalette(const QByteArray& bytes);

/// Reads a palette file by its kind: ".pal" (JASC or RIFF by content), ".act" or ".gif",
/// extensions compared without case. Throws MottlerError when the file cannot be read, is of
/// another kind, is too large to be a palette, or its reader refuses it. Only the header and
/// colour table of a GIF file are read, so a GIF picture of any size works.
PaletteFileColours ReadPaletteFile(const QString& path);

} // namespace mottler
