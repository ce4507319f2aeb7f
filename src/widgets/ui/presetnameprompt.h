#pragma once

#include <QString>

class QComboBox;
class QWidget;

namespace mottler {

/// The texts of the name prompt of a preset list.
struct PresetNameTexts {
    QString Caption;
    QString Prompt;
    QString ReplaceQuestion; ///< "%1" stands for the name as listed
};

/// The texts for the texture presets and for the gradient presets, in the user's language.
PresetNameTexts TexturePresetNameTexts();
PresetNameTexts GradientPresetNameTexts();

/// Asks for a preset's name, starting from the list's current text, until the user gives a
/// new one, agrees to replace the preset of that name (found without regard to case; the name
/// as listed is returned), or cancels (an empty result).
QString AskPresetName(QWidget* parent, const QComboBox* list, const PresetNameTexts& texts);

/// Room in a title bar beside its caption, in lines of text: the window's icon and its
/// buttons (minimise, maximise, close) with their spacing.
inline constexpr int TitleBarControlLines = 8;

/// The width a window needs for its title bar to show the whole caption.
int TitleWidth(const QWidget& window);

} // namespace mottler
