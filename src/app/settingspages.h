#pragma once

class QCheckBox;
class QComboBox;
class QWidget;

namespace mottler {

class ColourDropDown;
class NumericEdit;

/// The "Preview Settings" page: the font and the four colours a preview page uses, which
/// presets carry too.
struct TextPage {
    QWidget* tbText = nullptr;
    QComboBox* cmbFonts = nullptr;
    ColourDropDown* scpText = nullptr;
    ColourDropDown* scpLink = nullptr;
    ColourDropDown* scpVisitedLink = nullptr;
    ColourDropDown* scpActive = nullptr;
    QCheckBox* chkUseNewFilename = nullptr;
};

/// The "Gradient Settings" page's size of the gradient image, kept between sessions.
struct GradientPage {
    QWidget* tbGradient = nullptr;
    NumericEdit* txtSaveWidth = nullptr;
    NumericEdit* txtSaveHeight = nullptr;
};

TextPage BuildTextPage(QWidget* parent);
GradientPage BuildGradientPage(QWidget* parent);

} // namespace mottler
