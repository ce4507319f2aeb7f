#pragma once

class QCheckBox;
class QComboBox;
class QWidget;

namespace mottler {

class TQuorColourPicker;
class TQuorEdit;

/// The "Preview Settings" page: the font and the four colours a preview page uses, which
/// presets carry too.
struct TextPage {
    QWidget* tbText = nullptr;
    QComboBox* cmbFonts = nullptr;
    TQuorColourPicker* scpText = nullptr;
    TQuorColourPicker* scpLink = nullptr;
    TQuorColourPicker* scpVisitedLink = nullptr;
    TQuorColourPicker* scpActive = nullptr;
    QCheckBox* chkUseNewFilename = nullptr;
};

/// The "Gradient Settings" page's size of the gradient image, kept between sessions.
struct GradientPage {
    QWidget* tbGradient = nullptr;
    TQuorEdit* txtSaveWidth = nullptr;
    TQuorEdit* txtSaveHeight = nullptr;
};

TextPage BuildTextPage(QWidget* parent);
GradientPage BuildGradientPage(QWidget* parent);

} // namespace mottler
