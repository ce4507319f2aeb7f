// Grows every built-in preset as loading it does and checks the collection as a whole: each
// grows to its end and shows a pattern, and no two look alike.
#include "palette/colourtext.h"
#include "presets/datafolder.h"
#include "presets/inifile.h"
#include "presets/presetgrowth.h"
#include "preview/textcontrast.h"

#include <QHash>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <iterator>
#include <ostream>
#include <vector>

using namespace mottler;

namespace {

/// The neighbours a pattern's grain is measured at: the next pixel across, down and along
/// both diagonals, and the pixel four across and four down.
constexpr int GrainOffsets[][2] = {{1, 0}, {0, 1}, {1, 1}, {1, -1}, {4, 0}, {0, 4}};
constexpr int GrainCount = int(std::size(GrainOffsets));

/// What a grown tile looks like, in numbers a person would judge it by.
struct Look {
    QString Name;
    double Cells = 0;                    ///< the tile's size in pixels
    double Red = 0, Green = 0, Blue = 0; ///< the mean colour
    /// The mean chroma (largest minus smallest channel) of the pixels: a grey tile and one of
    /// alternating bands of two hues can share a mean colour, but not this.
    double Chroma = 0;
    double Contrast = 0; ///< standard deviation of the luminance, 0…127.5
    /// How fine the pattern is, for each of GrainOffsets: the mean luminance step to that
    /// neighbour over the mean deviation from the mean luminance. Near 0 for broad smooth
    /// shapes, 1 and above for detail a pixel or two across; streaks and stripes score low
    /// along their direction and high across it.
    double Grain[GrainCount] = {};
    double LargestShare = 0; ///< the share of the pixels that have the most common colour
    double TextContrast = 1; ///< the preview text colour's ratio against the mean colour
};

double Luminance(const uchar* bgr) {
    return 0.0722 * bgr[0] + 0.7152 * bgr[1] + 0.2126 * bgr[2];
}

/// The mean colour and chroma and the share of the most common colour; returns the pixels'
/// luminances in row order.
std::vector<double> MeasureColours(Look& look, const QImage& tile) {
    std::vector<double> lum;
    lum.reserve(size_t(look.Cells));
    QHash<quint32, int> counts;
    for (int y = 0; y < tile.height(); ++y) {
        const uchar* row = tile.constScanLine(y);
        for (int x = 0; x < tile.width(); ++x) {
            const uchar* p = row + 3 * x;
            look.Blue += p[0];
            look.Green += p[1];
            look.Red += p[2];
            look.Chroma += std::max({p[0], p[1], p[2]}) - std::min({p[0], p[1], p[2]});
            lum.push_back(Luminance(p));
            ++counts[quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16];
        }
    }
    for (double* sum : {&look.Red, &look.Green, &look.Blue, &look.Chroma})
        *sum /= look.Cells;
    int largest = 0;
    for (int count : counts)
        largest = std::max(largest, count);
    look.LargestShare = largest / look.Cells;
    return lum;
}

/// The contrast and grain of a w × h tile of luminances.
void MeasureGrain(Look& look, const std::vector<double>& lum, int w, int h) {
    double mean = 0;
    for (double l : lum)
        mean += l;
    mean /= look.Cells;
    double variance = 0, deviation = 0;
    double steps[GrainCount] = {};
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const double l = lum[size_t(y) * w + x];
            variance += (l - mean) * (l - mean);
            deviation += std::abs(l - mean);
            for (int k = 0; k < GrainCount; ++k) { // the tile wraps at its edges
                const int nx = (x + GrainOffsets[k][0] + w) % w;
                const int ny = (y + GrainOffsets[k][1] + h) % h;
                steps[k] += std::abs(l - lum[size_t(ny) * w + nx]);
            }
        }
    look.Contrast = std::sqrt(variance / look.Cells);
    for (int k = 0; k < GrainCount; ++k)
        look.Grain[k] = deviation > 0 ? steps[k] / deviation : 0;
}

Look LookOf(const QString& name, const QImage& tile) {
    Look look{name};
    look.Cells = double(tile.width()) * tile.height();
    MeasureGrain(look, MeasureColours(look, tile), tile.width(), tile.height());
    return look;
}

// How gtest shows a look in a failure message.
void PrintTo(const Look& look, std::ostream* out) {
    *out << look.Name.toStdString() << " (" << look.Cells << " pixels, colour " << look.Red << ' '
         << look.Green << ' ' << look.Blue << ", chroma " << look.Chroma << ", contrast "
         << look.Contrast << ", grain";
    for (double grain : look.Grain)
        *out << ' ' << grain;
    *out << ')';
}

double ColourDistance(const Look& a, const Look& b) {
    return std::hypot(a.Red - b.Red, a.Green - b.Green, a.Blue - b.Blue);
}

bool Near(double a, double b, double ratio) {
    return std::max(a, b) <= ratio * std::min(a, b);
}

bool SimilarGrain(const Look& a, const Look& b) {
    for (int k = 0; k < GrainCount; ++k)
        if (!Near(a.Grain[k], b.Grain[k], 1.25))
            return false;
    return true;
}

/// Alike: tiles of much the same size, colour, contrast and grain. Two textures that differ
/// clearly in any one of them are told apart at a glance on a contact sheet; the same pattern
/// as a tile of another size is another thing for a page.
bool Alike(const Look& a, const Look& b) {
    return Near(a.Cells, b.Cells, 2) && ColourDistance(a, b) < 20 &&
           std::abs(a.Chroma - b.Chroma) < 8 && Near(a.Contrast, b.Contrast, 1.25) &&
           SimilarGrain(a, b);
}

bool NotAlike(const Look& a, const Look& b) {
    return !Alike(a, b);
}

/// The built-in presets, written into a temporary folder with the pictures they name.
class BuiltInCollection : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(ExtractMissingBuiltInFiles().isEmpty()); // the pictures, in the data folder
        QString message;
        ASSERT_TRUE(ExtractResourceFile(path, BuiltInPresetsResource, message))
            << message.toStdString();
    }

    /// Grows the preset as loading it does and checks that the run went to its end: no
    /// out-of-range stop, no early stop on a uniform field.
    static Look GrownLook(const QString& name, const Preset& preset) {
        SCOPED_TRACE(name.toStdString());
        TextureEngine engine;
        const PresetGrowth growth = GrowPreset(engine, preset, ShapeTuning());
        EXPECT_EQ(growth.Result.Outcome, RunOutcome::Completed)
            << growth.Result.Message.toStdString();
        EXPECT_EQ(growth.Result.Reported, std::max(preset.Iterations, 1));
        Look look = LookOf(name, engine.TextureBitmap);
        const BackgroundContrast background(engine.TextureBitmap);
        look.TextContrast =
            background.Readability(ColourFromPresetHex(preset.TextColour)).AgainstAverage;
        return look;
    }

    QTemporaryDir dir;
    QString path = dir.filePath("save.ini");
};

// Growing them all takes a few seconds, so one test grows each once and checks everything.
TEST_F(BuiltInCollection, EveryPresetGrowsAPatternOfItsOwn) {
    const IniFile ini(path);
    std::vector<Look> looks;
    for (const QString& name : PresetNames(ini))
        looks.push_back(GrownLook(name, ReadPreset(ini, name)));
    EXPECT_GE(looks.size(), 132u);

    for (const Look& look : looks) {
        SCOPED_TRACE(look.Name.toStdString());
        // Even the palest page background varies by a few levels.
        EXPECT_GE(look.Contrast, 1.5);
        // A tile that is nearly all one colour has grown past its pattern (or never began one).
        EXPECT_LE(look.LargestShare, 0.9);
        // Text in the preset's own preview colour reads on the page (AA for normal text).
        if (ReadPreset(ini, look.Name).TextColour != "000000") {
            EXPECT_GE(look.TextContrast, MinimumRatioAA);
        }
    }
    for (size_t i = 0; i < looks.size(); ++i)
        for (size_t j = i + 1; j < looks.size(); ++j)
            EXPECT_PRED2(NotAlike, looks[i], looks[j]);
}

// The measure of likeness is what keeps filler out: a preset grown again from another seed,
// the same pattern in the same colours, must count as alike, and a recoloured one must not.
// (Broad patterns such as "Marble" change their look with the seed, so fine ones are used.)
TEST_F(BuiltInCollection, APresetAtAnotherSeedIsAlikeAndARecolouredOneIsNot) {
    const IniFile ini(path);
    for (const char* name :
         {"Tiny Maze (64 X 64)", "Leopard Spots", "Fingerprint", "Dungeon Plans"}) {
        SCOPED_TRACE(name);
        Preset preset = ReadPreset(ini, name);
        const Look look = GrownLook(name, preset);
        preset.Seed += 1;
        EXPECT_PRED2(Alike, look, GrownLook(name, preset));
        preset.StartColour = "0000FF";
        preset.EndColour = "FFFF00";
        preset.MiddlePoints.clear();
        EXPECT_PRED2(NotAlike, look, GrownLook(name, preset));
    }
}

} // namespace
