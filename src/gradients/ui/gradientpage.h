#pragma once

#include "gradients/gradientsettings.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QToolButton;
class QWidget;

namespace mottler {

class ColourDropDown;
class NumericEdit;
class UpDown;

/// The controls of the "Gradient Settings" page, which edits the fading-border strip: its
/// presets, colours and widths, the border after the gradient and the output image's size.
/// Laid out by Qt layouts, so the page follows the font.
struct GradientPage {
    QWidget* tbGradient = nullptr;
    QComboBox* cmbGradients = nullptr;
    QToolButton* btnSaveGradient = nullptr;
    ColourDropDown* scpStartColour = nullptr;
    ColourDropDown* scpEndColour = nullptr;
    QCheckBox* chkUseTextureGradient = nullptr;
    NumericEdit* txtGradientWidth = nullptr;
    UpDown* udWidth = nullptr;
    ColourDropDown* scpBGColour = nullptr;
    QLabel* Label21 = nullptr;
    QCheckBox* chkAddBorder = nullptr;
    QGroupBox* fraBorder = nullptr;
    NumericEdit* txtBorderWidth = nullptr;
    UpDown* udBorderWidth = nullptr;
    ColourDropDown* scpBorderColour = nullptr;
    QGroupBox* fraBorderOutputSize = nullptr;
    NumericEdit* txtSaveWidth = nullptr;
    NumericEdit* txtSaveHeight = nullptr;
};

/// Creates the page with its captions, hints, limits and start-up values.
GradientPage BuildGradientPage(QWidget* parent);

/// Puts the settings into the controls (their change signals fire as when typed) and enables
/// the border group to match "Add Border". "Use Texture gradient" is left as it is.
void ShowGradientSettings(const GradientPage& page, const GradientSettings& settings);

} // namespace mottler
