#pragma once

#include "gradients/gradientsettings.h"

#include <QWidget>
#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QToolButton;

namespace mottler {

class ColourDropDown;
class NumericEdit;
class IniFile;
class TextureDocument;
class UpDown;

/// The "Gradient Settings" page, which edits the document's fading-border strip: its presets,
/// colours and widths, the border after the gradient and the output image's size. Laid out
/// by Qt layouts, so the page follows the font.
class GradientPage : public QWidget {
    Q_OBJECT
public:
    /// Creates the page with its captions, hints, limits and start-up values.
    explicit GradientPage(QWidget* parent);
    ~GradientPage() override;

    /// Controls write the document's fading border; its changes update the controls.
    void Bind(TextureDocument& document);

    // The gradient presets ("gradients.ini" in the data folder).
    /// Lists the presets; a file that cannot be read is reported and the list stays empty.
    void LoadPresetNames();
    /// Lists the presets again when another writer changed the file.
    void RefreshPresetNames();
    /// The page is entered: the first preset is loaded when none is shown yet.
    void EnterTab();
    void LoadGradient(const QString& name);
    void cmbGradientsClick();
    void btnSaveGradientClick();

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

private:
    void Edit(const std::function<void(GradientSettings&)>& change);
    void scpStartColourChange(const ColourDropDown* picker, PackedColour GradientSettings::*colour);
    void chkAddBorderClick();
    void ShowSettings(const GradientSettings& settings);
    void ShowPresetNames(const QString& selected);

    TextureDocument* doc = nullptr;
    std::unique_ptr<IniFile> gradientFile;
    bool showing = false; ///< the controls are being given the document's values
};

} // namespace mottler
