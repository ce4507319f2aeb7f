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

/// Asks for a preset's name, starting from the list's current text, until the user gives a
/// new one, agrees to replace the preset of that name (found without regard to case; the name
/// as listed is returned), or cancels (an empty result).
QString AskPresetName(QWidget* parent, const QComboBox* list, const PresetNameTexts& texts);

} // namespace mottler
