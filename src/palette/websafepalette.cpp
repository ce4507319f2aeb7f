#include "palette/websafepalette.h"

#include "base/bmpfile.h"

#include <QFileInfo>
#include <QtEndian>

namespace mottler {
namespace {

void AppendLe32(QByteArray& bytes, quint32 value) {
    char le[4];
    qToLittleEndian(value, le);
    bytes.append(le, 4);
}

void AppendLe16(QByteArray& bytes, quint16 value) {
    char le[2];
    qToLittleEndian(value, le);
    bytes.append(le, 2);
}

} // namespace

std::array<PackedColour, 216> WebSafeColours() {
    constexpr int Levels[6] = {255, 204, 153, 102, 51, 0};
    std::array<PackedColour, 216> colours{};
    std::size_t index = 0;
    for (int red : Levels)
        for (int green : Levels)
            for (int blue : Levels)
                colours[index++] = PackRgb(red, green, blue);
    return colours;
}

QByteArray WebSafePaletteBytes() {
    constexpr quint32 EntryBytes = 256 * 4;
    constexpr quint32 DataChunkSize = 4 + EntryBytes; // version, count, entries
    QByteArray bytes;
    bytes.append("RIFF");
    AppendLe32(bytes, 4 + 8 + DataChunkSize); // "PAL " and the data chunk
    bytes.append("PAL data");
    AppendLe32(bytes, DataChunkSize);
    AppendLe16(bytes, 0x0300); // the palette version every RIFF palette carries
    AppendLe16(bytes, 256);
    for (PackedColour colour : WebSafeColours()) {
        const char entry[4] = {char(RedOf(colour)), char(GreenOf(colour)), char(BlueOf(colour)), 0};
        bytes.append(entry, 4);
    }
    bytes.append(static_cast<qsizetype>(40 * 4), char(0));
    return bytes;
}

QString EnsureWebSafePaletteFile(const QString& folder) {
    const QString path = QDir(folder).filePath(WebSafePaletteName());
    if (!QFileInfo::exists(path))
        WriteFileAtomically(path, WebSafePaletteBytes(), NameChoice::Program);
    return path;
}

} // namespace mottler
