#pragma once

#include "output/imagefile.h"
#include "output/jpegfile.h"
#include "output/normalmap.h"

#include <QImage>
#include <QString>

namespace mottler {

/// Textures smaller than this in both directions are small enough to re-encode while the
/// quality slider moves; larger ones wait for "C&alculate Size".
inline constexpr int LiveSizeLimit = 200;

/// What the "Save Tile" window saves.
enum class TileOutput {
    Texture,   ///< the coloured texture
    HeightMap, ///< chemical A as a 16-bit greyscale PNG (HeightMap)
    NormalMap, ///< chemical A's normals as a 24-bit PNG (NormalMap)
};

/// The choices of the "Save Tile" window.
struct SaveTileChoices {
    ImageFormat Format = ImageFormat::Jpeg;
    int Quality = DefaultJpegQuality; ///< JPEG and WebP, 1 … 100; WebP at 100 is lossless
    bool Mirror = false;              ///< the half-size copy and its three mirror images
    TileOutput Output = TileOutput::Texture;
    NormalMapOptions Normal{}; ///< for TileOutput::NormalMap
};

/// The map of the engine's chemical A that the choices ask for (height or normal map), as
/// grown: neither turned nor mirrored. Only for an output other than the texture.
QImage TileMap(const TextureEngine& engine, const SaveTileChoices& choices);

/// The work file the window keeps in step with its choices, and its size in bytes.
struct WorkFile {
    QString Path;
    qint64 Size = 0;
    QImage Look; ///< the file decoded again: what a lossy format will really look like
};

/// "workpic." and the format's extension in the folder.
QString WorkFilePath(const QString& folder, ImageFormat format);

/// What the window previews and what the mirror-carrying formats are written from: the
/// texture, or with `mirror` a half-size copy (at least 1 × 1) with its three mirror images,
/// which gives a tile of the texture's size for even sides.
QImage SaveTilePreview(const QImage& texture, bool mirror);

/// Whether a file of the format carries the mirror. BMP, PNG and WebP are written from the
/// preview; JPEG (and GIF) from the texture itself, as the window has always done.
bool CarriesMirror(ImageFormat format);

/// The bytes of the file the choices ask for: for a map output, `texture` is the map
/// (TileMap) and the file its PNG. Throws MottlerError from the encoders.
QByteArray EncodeTile(const QImage& texture, const SaveTileChoices& choices);

/// Encodes the tile into the folder's work file (replacing it atomically) and reports its
/// size and look. Throws MottlerError when encoding or writing fails.
WorkFile WriteWorkFile(const QImage& texture, const SaveTileChoices& choices,
                       const QString& folder);

/// "Current File Size : " and the size in bytes.
QString FileSizeText(qint64 bytes);

/// Writes the tile the choices ask for to the chosen file, replacing it atomically: encoded
/// afresh, so the file always has the choices shown even when the work file was last
/// written before the quality slider moved. Throws MottlerError naming the file on failure.
void SaveTile(const QImage& texture, const SaveTileChoices& choices, const QString& path);

/// Where a typed file name is saved and in which format.
struct SaveTarget {
    QString Path;
    ImageFormat Format = ImageFormat::Jpeg;
};

/// A name ending in a known image extension is written in that format, whatever was chosen;
/// any other name keeps what was typed and gets the chosen format's extension added, so a
/// file's bytes always match its name.
SaveTarget SaveTileTarget(const QString& typed, ImageFormat chosen);

/// The file dialog's filter for the format: "jpg Files (*.jpg);;All Files (*)".
QString SaveTileFilter(ImageFormat format);

} // namespace mottler
