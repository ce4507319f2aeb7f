#pragma once

#include "palette/palette.h"

#include <QString>

namespace mottler {

/// Everything the "Gradient Settings" tab holds, as plain values. The edit boxes keep their
/// texts exactly as typed or loaded: presets store them as text, and every computation reads
/// them through the numeric boxes' integer rule (IntValue: empty or non-numeric is 0).
struct GradientSettings {
    PackedColour StartColour = PackRgb(0, 0, 0);            ///< scpStartColour
    PackedColour EndColour = PackRgb(255, 255, 255);        ///< scpEndColour
    PackedColour BackgroundColour = PackRgb(255, 255, 255); ///< scpBGColour
    PackedColour BorderColour = PackRgb(0, 0, 0);           ///< scpBorderColour
    bool AddBorder = false;                                 ///< chkAddBorder
    bool UseTextureGradient = false;                        ///< chkUseTextureGradient
    QString GradientWidth = QStringLiteral("48");           ///< txtGradientWidth
    QString BorderWidth = QStringLiteral("4");              ///< txtBorderWidth
    QString SaveWidth = QStringLiteral("1025");             ///< txtSaveWidth
    QString SaveHeight = QStringLiteral("10");              ///< txtSaveHeight

    friend bool operator==(const GradientSettings&, const GradientSettings&) = default;
};

/// The width "Use Texture gradient" forces into the width box: the whole palette.
inline constexpr const char* TextureGradientWidthText = "256";

/// The border width "&Add Border" puts into an empty or zero border width box, and the one a
/// preset without a border leaves there.
inline constexpr const char* DefaultBorderWidthText = "4";

/// The width to restore when "Use Texture gradient" is unchecked again: the width box's text
/// as a decimal integer, 100 when it is empty or not a number.
int SavedGradientWidth(const QString& gradientWidthText);

/// Whether the mouse at column x of the tile preview is on the gradient's right edge, where
/// dragging changes the width: within 6 pixels of the width the box reads.
bool IsOnGradientEdge(int x, const QString& gradientWidthText);

} // namespace mottler
