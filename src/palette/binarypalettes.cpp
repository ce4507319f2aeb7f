#include "base/errors.h"
#include "palette/palettefile.h"

#include <QCoreApplication>
#include <algorithm>

namespace mottler {
namespace {

constexpr qsizetype RiffHeaderSize = 24;
constexpr qsizetype GifColourTableStart = 13; // 6-byte header + 7-byte screen descriptor

int ByteAt(const QByteArray& bytes, qsizetype index) {
    return static_cast<unsigned char>(bytes[index]);
}

PackedColour RgbAt(const QByteArray& bytes, qsizetype index) {
    return PackRgb(ByteAt(bytes, index), ByteAt(bytes, index + 1), ByteAt(bytes, index + 2));
}

} // namespace

QString GifPaletteErrorText() {
    return QCoreApplication::translate(
        "mottler::PaletteFile",
        "An error occurred while reading this file.  It is either not a valid "
        "GIF file or it has no Global Palette.");
}

PaletteFileColours ReadRiffPalette(const QByteArray& bytes) {
    if (bytes.size() < RiffHeaderSize || !bytes.startsWith("RIFF"))
        throw MottlerError(QCoreApplication::translate(
            "mottler::PaletteFile", "This RIFF palette is damaged: the file is too short "
                                    "to hold its header."));
    if (bytes.mid(8, 4) != "PAL ")
        throw MottlerError(QCoreApplication::translate(
            "mottler::PaletteFile", "This RIFF file is not a palette: its form type is "
                                    "not \"PAL \"."));
    const int stated = ByteAt(bytes, 22) | ByteAt(bytes, 23) << 8;
    const qsizetype present = (bytes.size() - RiffHeaderSize) / 4;
    const int count = static_cast<int>(std::min<qsizetype>({stated, 256, present}));
    PaletteFileColours result;
    result.Count = count;
    for (int i = 0; i < count; ++i) {
        const qsizetype at = RiffHeaderSize + 4 * i;
        const PackedColour flags = static_cast<PackedColour>(ByteAt(bytes, at + 3)) << 24;
        result.Colours[static_cast<std::size_t>(i)] = RgbAt(bytes, at) | flags;
    }
    return result;
}

PaletteFileColours ReadActPalette(const QByteArray& bytes) {
    const int count = static_cast<int>(std::min<qsizetype>(256, bytes.size() / 3));
    if (count == 0)
        throw MottlerError(QCoreApplication::translate(
            "mottler::PaletteFile", "This Photoshop color table holds no colors."));
    PaletteFileColours result;
    result.Count = 256;
    for (int i = 0; i < count; ++i)
        result.Colours[static_cast<std::size_t>(i)] = RgbAt(bytes, 3 * i);
    return result;
}

PaletteFileColours ReadGifPalette(const QByteArray& bytes) {
    if (bytes.size() < GifColourTableStart || !bytes.startsWith("GIF"))
        throw MottlerError(GifPaletteErrorText());
    const int packed = ByteAt(bytes, 10);
    if ((packed & 0x80) == 0)
        throw MottlerError(GifPaletteErrorText());
    const int entries = 2 << (packed & 7);
    if (bytes.size() < GifColourTableStart + 3 * entries)
        throw MottlerError(GifPaletteErrorText());
    PaletteFileColours result;
    result.Count = 256;
    for (int i = 0; i < entries; ++i)
        result.Colours[static_cast<std::size_t>(i)] = RgbAt(bytes, GifColourTableStart + 3 * i);
    return result;
}

} // namespace mottler
