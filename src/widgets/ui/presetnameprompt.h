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

inline const PresetNameTexts TexturePresetNameTexts{
    QStringLiteral("Enter Name Of Preset"), QStringLiteral("What is the name of this preset ?"),
    QStringLiteral("Replace the preset \"%1\"?")};

inline const PresetNameTexts GradientPresetNameTexts{
    QStringLiteral("New Gradient Name"),
    QStringLiteral("Please enter a name for your new gradient"),
    QStringLiteral("Replace the gradient \"%1\"?")};

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
