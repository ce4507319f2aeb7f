#pragma once

#include "gradients/gradientsettings.h"
#include "palette/palette.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace mottler {

class IniFile;

/// The one section of "gradients.ini"; each key is a preset name, each value
/// start|end|border|borderwidth|background|width with the colours in decimal (red in the low
/// byte) and the widths as typed.
inline constexpr const char* GradientSection = "Gradients";

/// The border and border width fields of a preset without a border.
inline constexpr const char* NoBorderField = "[NONE]";

/// The data folder's "gradients.ini", written from the built-in gradients first when it is
/// missing. Throws MottlerError with the extraction message when it cannot be made.
QString ProgramGradientFile();

/// The preset names, sorted alphabetically without regard to case.
QStringList GradientPresetNames(const IniFile& store);

/// What a preset does to the border controls.
struct LoadedBorder {
    bool AddBorder = false;             ///< chkAddBorder; then apply the check box
    std::optional<PackedColour> Colour; ///< scpBorderColour; left alone without a border
    QString Width;                      ///< txtBorderWidth: the stored text, or "4"
};

/// The controls a preset load sets, in the order it sets them. A value that is missing or
/// does not hold exactly six fields sets nothing. A colour field that is not a decimal colour
/// number stops the load there: the steps before it are set, the rest are empty, and Error
/// holds the message to show. Only a complete load ends in RedrawGradient.
struct LoadedGradient {
    bool Loadable = false;                        ///< six fields were found
    std::optional<PackedColour> StartColour;      ///< 1. scpStartColour
    std::optional<PackedColour> EndColour;        ///< 2. scpEndColour
    std::optional<LoadedBorder> Border;           ///< 3. border colour, width and check box
    std::optional<PackedColour> BackgroundColour; ///< 4. scpBGColour
    std::optional<QString> GradientWidth;         ///< 5. txtGradientWidth, as stored
    QString Error;                                ///< the conversion error, when one stopped it

    bool Complete() const { return Loadable && Error.isEmpty(); }
};

/// Reads the preset `name` (any case). A trailing empty field (a value ending in "|") is not
/// counted, empty fields between separators are.
LoadedGradient LoadGradient(const IniFile& store, const QString& name);

/// Sets the values a load reached, in its order; the others keep theirs.
void ApplyLoadedGradient(const LoadedGradient& loaded, GradientSettings& settings);

/// The value a preset of these settings is stored as. A width box left empty gives a value
/// ending in "|", which is listed but never loads.
QString GradientPresetValue(const GradientSettings& settings);

/// Stores the settings as the preset `name`, overwriting a preset of that name (any case) in
/// place, in one atomic write. Returns the name as the file lists it: an overwritten preset
/// keeps its spelling, so a list shows it once. Throws MottlerError, leaving the file as it
/// was, for a name the file cannot hold (empty, a line break, "=" or a leading "[") or a
/// failed write.
QString SaveGradient(IniFile& store, const QString& name, const GradientSettings& settings);

} // namespace mottler
