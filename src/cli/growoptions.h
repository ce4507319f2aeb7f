#pragma once

#include "cli/colouroptions.h"
#include "cli/imageoutputoptions.h"
#include "cli/recordingoptions.h"
#include "engine/growth.h"
#include "engine/initialimage.h"
#include "engine/sweeper.h"
#include "engine/texturesettings.h"
#include "output/jpegfile.h"

#include <QSet>
#include <QString>
#include <QStringList>
#include <optional>

namespace mottler::cli {

/// Everything `mottler-cli grow` takes from its command line.
struct GrowOptions {
    TextureSettings Texture;
    std::optional<std::int32_t> Seed; ///< absent: derived from the clock and printed
    GrowthFactors Factors;            ///< --a, --b, --c, --d, --amult, --bmult and --zero
    PictureFit Fit = PictureFit::KeepOwnSize;
    ColourOptions Colours; ///< the palette the output is coloured through
    QString Output;
    int Quality = DefaultJpegQuality; ///< JPEG and WebP output only
    ImageOutputOptions Image;         ///< turning and mirroring the output, the height map
    QString RawA;
    QString RawB;
    RecordingOptions Recording;
    SweepOptions Sweeping;
    bool Progress = false;
    QString PresetName;  ///< --preset: grow this preset, the options given override its values
    QString PresetFile;  ///< --presets: the file to find it in (default the data folder's)
    QSet<QString> Given; ///< the long names of the options on the command line

    /// Whether the option (its long name, e.g. "--seed") was given.
    bool Has(const char* option) const { return Given.contains(QLatin1String(option)); }
};

/// Throws UsageError naming the bad option, InformationRequest for --help and --version.
GrowOptions ParseGrowOptions(const QStringList& args);

/// Every option of `mottler-cli grow`, for a parser.
OptionTable GrowOptionTable();

/// The text of `mottler-cli grow --help`.
QString GrowHelpText();

} // namespace mottler::cli
