#pragma once

#include "palette/palette.h"

#include <QImage>
#include <QString>
#include <vector>

namespace mottler {

/// The relative luminance of an sRGB colour as WCAG 2.x defines it: each channel through
/// the sRGB transfer function, then 0.2126 R + 0.7152 G + 0.0722 B; 0 for black, 1 for white.
double RelativeLuminance(PackedColour colour);

/// The WCAG contrast ratio of two luminances: (lighter + 0.05) / (darker + 0.05), from 1
/// (equal) to 21 (black on white).
double ContrastRatio(double luminanceA, double luminanceB);
double ContrastRatio(PackedColour a, PackedColour b);

/// The WCAG levels for normal-sized text: AA needs 4.5:1, AAA needs 7:1.
enum class ContrastVerdict { Fail, AA, AAA };
inline constexpr double MinimumRatioAA = 4.5;
inline constexpr double MinimumRatioAAA = 7.0;
ContrastVerdict VerdictForNormalText(double ratio);

/// "AAA", "AA" or "fail".
QString VerdictName(ContrastVerdict verdict);

/// The ratio as "4.47:1": rounded down to two decimals, so a ratio just short of a level
/// never reads as reaching it.
QString RatioText(double ratio);

/// How readable one text colour is over a background.
struct TextReadability {
    double AgainstAverage = 1;    ///< against the average colour of the background
    double AgainstWorstPixel = 1; ///< the lowest ratio against any pixel of the background
};

/// Both ratios with their verdicts: "4.47:1 fail against the average, 1.00:1 fail against
/// the worst pixel".
QString ReadabilityText(const TextReadability& readability);

/// What the readability of any text colour over one background needs, measured once per
/// image so that each text colour then costs one binary search.
class BackgroundContrast {
public:
    /// Measures one tile of the background. Throws MottlerError for an empty image.
    explicit BackgroundContrast(const QImage& tile);

    /// The mean of each channel over all pixels, rounded half to even.
    PackedColour AverageColour() const { return average; }

    TextReadability Readability(PackedColour text) const;

private:
    double WorstRatio(double textLuminance) const;

    PackedColour average = 0;
    std::vector<double> luminances; ///< the tile's distinct pixel luminances, ascending
};

} // namespace mottler
