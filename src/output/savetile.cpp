#include "output/savetile.h"

#include "base/bmpfile.h"
#include "base/imagememory.h"
#include "output/heightmap.h"
#include "output/mirrortile.h"

#include <QCoreApplication>
#include <QDir>
#include <algorithm>

namespace mottler {

QString WorkFilePath(const QString& folder, ImageFormat format) {
    return QDir(folder).filePath("workpic." + ImageFormatExtension(format));
}

QImage SaveTilePreview(const QImage& texture, bool mirror) {
    const QImage bgr = ConvertedImage(texture, QImage::Format_BGR888);
    if (!mirror || bgr.isNull())
        return bgr;
    // A side of 1 would halve to nothing; keep one pixel so the mirror still has a source.
    const QSize half(std::max(1, bgr.width() / 2), std::max(1, bgr.height() / 2));
    const QImage halved = bgr.scaled(half, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (halved.isNull())
        throw ImageMemoryError(half);
    return MirrorTile(halved);
}

bool CarriesMirror(ImageFormat format) {
    return format == ImageFormat::Bmp || format == ImageFormat::Png || format == ImageFormat::Webp;
}

QImage TileMap(const TextureEngine& engine, const SaveTileChoices& choices) {
    return choices.Output == TileOutput::HeightMap ? HeightMap(engine)
                                                   : NormalMap(engine, choices.Normal);
}

QByteArray EncodeTile(const QImage& texture, const SaveTileChoices& choices) {
    if (choices.Output != TileOutput::Texture)
        return EncodePng(texture);
    const bool mirror = choices.Mirror && CarriesMirror(choices.Format);
    return EncodeImage(SaveTilePreview(texture, mirror), choices.Format, choices.Quality);
}

WorkFile WriteWorkFile(const QImage& texture, const SaveTileChoices& choices,
                       const QString& folder) {
    const QByteArray bytes = EncodeTile(texture, choices);
    WorkFile work{WorkFilePath(folder, choices.Format), bytes.size(), QImage::fromData(bytes)};
    WriteFileAtomically(work.Path, bytes, NameChoice::Program);
    return work;
}

QString FileSizeText(qint64 bytes) {
    return QCoreApplication::translate("mottler::SaveTile", "Current File Size : %1 bytes")
        .arg(bytes);
}

void SaveTile(const QImage& texture, const SaveTileChoices& choices, const QString& path) {
    WriteFileAtomically(path, EncodeTile(texture, choices));
}

SaveTarget SaveTileTarget(const QString& typed, ImageFormat chosen) {
    const ImageFormat named = ImageFormatOf(typed);
    if (named != ImageFormat::Unknown)
        return {typed, named};
    const QString dot = typed.endsWith('.') ? QString() : QStringLiteral(".");
    return {typed + dot + ImageFormatExtension(chosen), chosen};
}

QString SaveTileFilter(ImageFormat format) {
    const QString ext = ImageFormatExtension(format);
    return QCoreApplication::translate("mottler::SaveTile", "%1 Files (*.%1);;All Files (*)")
        .arg(ext);
}

} // namespace mottler
