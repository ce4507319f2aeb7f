#pragma once

#include "cli/arguments.h"
#include "engine/engine.h"
#include "output/normalmap.h"

#include <QImage>
#include <QSet>
#include <QString>

namespace mottler::cli {

/// How `mottler-cli grow` turns and mirrors its --output image, and the height map it writes.
struct ImageOutputOptions {
    int QuarterTurns = 0; ///< clockwise: --rotate 90, 180 or 270 gives 1, 2 or 3
    bool Mirror = false;  ///< the save window's mirrored tile
    QString HeightMap;    ///< a 16-bit greyscale PNG of chemical A
    QString NormalMap;    ///< a 24-bit RGB PNG of chemical A's normals
    NormalMapOptions Normal;
};

/// Reads --rotate, --mirror, --height-map or the --normal-* options when that is the current
/// option; returns false for any other option. Throws UsageError for a bad value.
bool TakeImageOutputOption(Arguments& args, ImageOutputOptions& options);

/// --rotate, --mirror, --height-map, --normal-map, --normal-strength and --normal-directx for
/// a command's parser.
OptionTable ImageOutputOptionTable();

/// Throws UsageError when --rotate or --mirror is given without an --output to apply to, or
/// --normal-strength or --normal-directx without --normal-map. `given` holds the long names
/// of the options given.
void CheckImageOutputOptions(const ImageOutputOptions& options, bool hasOutput,
                             const QSet<QString>& given);

/// Warns on stderr that --quality is ignored unless the output is a JPEG or WebP file.
void WarnUnlessQualityApplies(const QString& output);

/// The texture as --output writes it: turned first, then mirrored.
QImage OutputImage(const QImage& texture, const ImageOutputOptions& options);
/// The size of OutputImage for a texture of that size.
QSize OutputImageSize(QSize texture, const ImageOutputOptions& options);

/// Writes the height map when one was asked for. Throws MottlerError when writing fails.
void WriteHeightMapOutput(const TextureEngine& engine, const ImageOutputOptions& options);

/// Writes the normal map when one was asked for. Throws MottlerError when writing fails.
void WriteNormalMapOutput(const TextureEngine& engine, const ImageOutputOptions& options);

/// The help lines of these options.
extern const char* const ImageOutputOptionsHelp;

} // namespace mottler::cli
