#include "palette/palettefile.h"

#include "base/errors.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace mottler {
namespace {

/// Far above any real palette (a JASC file of 256 colours is under 4 KB); refusing larger
/// files keeps a wrong choice such as a video file from being read into memory.
constexpr qint64 PaletteSizeLimit = 1024 * 1024;
/// A GIF header, screen descriptor and the largest global colour table.
constexpr qint64 GifPaletteBytes = 13 + 3 * 256;

QByteArray ReadPrefix(const QString& path, qint64 maxBytes) {
    QFile file(path);
    const auto unreadable = [&] {
        return MottlerError(QCoreApplication::translate("mottler::PaletteFile",
                                                        "The file \"%1\" cannot be read: %2")
                                .arg(path, file.errorString()));
    };
    if (!file.open(QIODevice::ReadOnly))
        throw unreadable();
    const QByteArray bytes = file.read(maxBytes);
    if (file.error() != QFileDevice::NoError)
        throw unreadable();
    return bytes;
}

/// The whole file, refused when larger than a palette can be. One byte beyond the limit is
/// read so an oversized file shows whatever size() reports (devices and pipes report 0).
QByteArray ReadSmallFile(const QString& path) {
    QByteArray bytes = ReadPrefix(path, PaletteSizeLimit + 1);
    if (bytes.size() > PaletteSizeLimit)
        throw MottlerError(
            QCoreApplication::translate("mottler::PaletteFile",
                                        "The file \"%1\" is too large to be a palette (over 1 MB).")
                .arg(path));
    return bytes;
}

PaletteFileColours ReadPalFile(const QString& path) {
    const QByteArray bytes = ReadSmallFile(path);
    if (bytes.startsWith("JASC-PAL"))
        return ReadJascPalette(bytes);
    if (bytes.startsWith("RIFF"))
        return ReadRiffPalette(bytes);
    throw MottlerError(
        QCoreApplication::translate("mottler::PaletteFile",
                                    "The file \"%1\" is neither a JASC nor a RIFF palette.")
            .arg(path));
}

} // namespace

PaletteFileColours ReadPaletteFile(const QString& path) {
    const QString extension = QFileInfo(path).suffix().toLower();
    if (extension == QLatin1String("pal"))
        return ReadPalFile(path);
    if (extension == QLatin1String("act"))
        return ReadActPalette(ReadSmallFile(path));
    if (extension == QLatin1String("gif"))
        return ReadGifPalette(ReadPrefix(path, GifPaletteBytes));
    throw MottlerError(
        QCoreApplication::translate("mottler::PaletteFile",
                                    "The file \"%1\" is not a palette file: palettes are read "
                                    "from .pal, .act and .gif files.")
            .arg(path));
}

} // namespace mottler
