#pragma once

class QCheckBox;
class QComboBox;
class QWidget;

namespace mottler {

class ColourDropDown;

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

TextPage BuildTextPage(QWidget* parent);

} // namespace mottler
