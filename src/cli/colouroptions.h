#pragma once

#include "cli/arguments.h"
#include "palette/palette.h"

#include <QString>
#include <optional>
#include <vector>

namespace mottler::cli {

/// One item of --gradient: a colour and, for middle points, its position 0 … 255.
struct GradientStop {
    PackedColour Colour = 0;
    std::optional<int> Position;
};

/// The gradient, contrast and brightness given on the command line.
struct ColourOptions {
    std::vector<GradientStop> Gradient; ///< empty: the start-up gradient, white to black
    int Contrast = 0;
    int Brightness = 0;
};

/// Parses "RRGGBB@POS,RRGGBB@POS,...": 2 to 10 items, the first the start point (position 0
/// if given), the last the end point (255 if given), every other a middle point that needs
/// its position. Throws UsageError naming --gradient.
std::vector<GradientStop> ParseGradient(const QString& text);

/// Reads --gradient, --contrast or --brightness when that is the current option; returns
/// false for any other option.
bool TakeColourOption(Arguments& args, ColourOptions& options);

/// --gradient, --contrast and --brightness for a command's parser.
OptionTable ColourOptionTable();

/// The palette the options describe, built as the gradient editor builds it.
Palette BuildPalette(const ColourOptions& options);

/// The help lines of the three options.
extern const char* const ColourOptionsHelp;

} // namespace mottler::cli
