#pragma once

#include "palette/palette.h"
#include "picker/pickersettings.h"

#include <QDialog>
#include <array>
#include <functional>
#include <optional>

class QComboBox;
class QFrame;
class QLabel;
class QMenu;
class QAction;
class QPushButton;
class QToolButton;

namespace mottler {

class ColourGrid;
class SpectrumView;
class SwatchStrip;
class NumericEdit;
class ZoomWindow;

/// The modal questions and messages of the colour picker. Tests replace them so that nothing
/// blocks; the defaults are message boxes, an input box and a file dialog.
struct PickerPrompts {
    std::function<void(QWidget* parent, const QString& message)> Message;
    /// A yes/no question; true for yes.
    std::function<bool(QWidget* parent, const QString& question)> Confirm;
    /// Asks for a new scheme's name; nothing when cancelled.
    std::function<std::optional<QString>(QWidget* parent)> SchemeName;
    /// An open dialog for a palette file (filter in Qt's form); empty when cancelled.
    std::function<QString(QWidget* parent, const QString& folder, const QString& filter,
                          const QString& selectedFilter)>
        OpenFile;
};

/// The colour picker dialog ("Color Picker"): one colour from a 16 × 16 palette grid (palette
/// files, GIF colour tables, the built-in web-safe palette), a spectrum and grey ramp, sixteen
/// custom colours per named scheme, the screen, the zoom window, or typed channel values.
/// Set the initial colour, show it modally and read ChosenColour after OK. Its per-user values
/// are in PickerSettings.
class ColourPickerDialog : public QDialog {
    Q_OBJECT
public:
    explicit ColourPickerDialog(QWidget* parent);
    ~ColourPickerDialog() override;

    /// The process-wide prompts of every picker dialog.
    static PickerPrompts& Prompts();
    /// Whether a newly shown palette cross-fades in the grid (`FadeGrid`, process-wide).
    static bool FadeGrid;

    /// Makes a colour current before the dialog is shown.
    void SetInitialColour(PackedColour colour);
    /// The result after OK.
    PackedColour ChosenColour() const { return chosenColour; }
    /// The current colour: the channel fields, their hex fields and the swatch `shColor`.
    void SetCurrentColour(PackedColour colour);
    PackedColour CurrentColour() const { return currentColour; }

    /// Full path of the palette shown, and the folder listed in `cmbPal`.
    QString PaletteFile() const { return paletteFile; }
    QString PaletteFolder() const { return paletteFolder; }
    bool Sampling() const { return sampling; }

    // The dialog's parts, named as the handlers that use them.
    QComboBox* cmbPal = nullptr;
    QToolButton* btnLoadFile = nullptr;
    QToolButton* btnMoreColor = nullptr;
    ColourGrid* grid1 = nullptr;
    QComboBox* cmbSort = nullptr;
    QFrame* shColor = nullptr;
    NumericEdit* txtRed = nullptr;
    NumericEdit* txtGreen = nullptr;
    NumericEdit* txtBlue = nullptr;
    NumericEdit* txtHexRed = nullptr;
    NumericEdit* txtHexGreen = nullptr;
    NumericEdit* txtHexBlue = nullptr;
    QToolButton* btnFind = nullptr;
    QToolButton* btnSample = nullptr;
    QToolButton* btnZoom = nullptr;
    QLabel* lblScreen = nullptr;
    QComboBox* cmbSchemes = nullptr;
    QToolButton* btnAddScheme = nullptr;
    QToolButton* btnDeleteScheme = nullptr;
    SwatchStrip* pnlCustom = nullptr;
    SpectrumView* pnlSpectrum = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;
    QMenu* mnuPop = nullptr;
    QAction* mnuSetColor = nullptr;
    QAction* mnuDeleteColor = nullptr;
    QAction* mnuClearAll = nullptr;
    QMenu* mnuCool = nullptr;
    QAction* mnuFade = nullptr;

    void cmbPalClick();
    void btnLoadFileClick();
    void btnMoreColorClick();
    void btnFindClick();
    void btnSampleDown();
    /// Shows the zoom window modally at its saved place.
    void btnZoomClick();
    void btnAddSchemeClick();
    void btnDeleteSchemeClick();
    void cmbSchemesClick();
    void btnOKClick();
    /// The swatch menu's three commands for the swatch last right-clicked.
    void mnuSetColorClick();
    void mnuDeleteColorClick();
    void mnuClearAllClick();
    /// Makes the swatch the one the swatch menu acts on (a right-click does this).
    void SetMenuSwatch(int index) { menuSwatch = index; }

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildParts();
    QWidget* BuildPaletteColumn();
    QWidget* BuildCurrentColourGroup();
    QWidget* BuildSchemeGroup();
    void ConnectParts();
    void LoadSettings();

    void ListPaletteFolder(const QString& folder);
    void SelectPaletteName(const QString& name);
    bool ShowPalette(const QString& path, bool webSafe);
    void ShowPaletteNamed(const QString& name);
    void SaveScheme();
    void ShowScheme(const QString& name);
    void SetSpectrumShown(bool shown);
    void SearchSpectrum();

    void DecimalFieldChanged(NumericEdit* decimal, NumericEdit* hex);
    void HexFieldChanged(NumericEdit* hex, NumericEdit* decimal);
    bool PasteIntoField(QObject* field);
    void ShowColourSwatch();
    void SampleAt(QPoint globalPos);
    void EndSampling();

    PackedColour chosenColour = 0;
    PackedColour currentColour = 0;
    QString paletteFile;
    QString paletteFolder;
    QString shownPaletteName;
    bool showingWebSafe = false;
    bool sampling = false;
    bool loading = false;
    int menuSwatch = 0;
    /// Made on first use, freed with the dialog.
    ZoomWindow* zoom = nullptr;
};

} // namespace mottler
