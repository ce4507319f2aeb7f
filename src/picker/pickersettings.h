#pragma once

#include "palette/palette.h"

#include <QSettings>
#include <QString>
#include <QStringList>
#include <array>

namespace mottler {

/// The sixteen custom colour swatches of one scheme.
using SchemeColours = std::array<PackedColour, 16>;

/// The colour picker dialog's own per-user values, QSettings("Quorvex", "Color Picker"); every
/// value is stored as text.
namespace PickerSettings {

/// The scheme that always exists and cannot be deleted.
inline QString DefaultSchemeName() {
    return QStringLiteral("[Default]");
}

/// The settings object of the colour picker.
QSettings Open();

/// Whether a stored flag reads as true: "yes", "true", "y", "t" or "1", without regard to case.
bool IsTrueText(const QString& text);

/// How the dialog stores its flags: "True" or "False".
inline QString BoolText(bool on) {
    return on ? QStringLiteral("True") : QStringLiteral("False");
}

/// "[Default]" and the names of the stored schemes, sorted without regard to case.
QStringList SchemeNames();
/// The swatches of a scheme; a missing value reads as white.
SchemeColours ReadScheme(const QString& name);
/// Writes the sixteen swatches as values "0" … "15".
void WriteScheme(const QString& name, const SchemeColours& colours);
/// Removes a scheme's group; "[Default]" is never removed.
void DeleteScheme(const QString& name);
/// Whether a name can become a scheme's group: not empty and without "/" or "\".
bool IsUsableSchemeName(const QString& name);

} // namespace PickerSettings
} // namespace mottler
