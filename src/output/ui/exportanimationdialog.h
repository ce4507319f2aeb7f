#pragma once

#include "output/animationexport.h"
#include "widgets/ui/numericedit.h"

#include <QDialog>
#include <vector>

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTimer;

namespace mottler {

class ColourDropDown;
class PartsProgressBar;

/// "Export Animation": turns the frames recorded in memory into an animated GIF, an AVI file,
/// numbered BMP files, a WebM or MP4 video or an animated WebP (with a quality, lossless for
/// WebP, and a frame rate). The options build the one frame sequence (BuildFrameSequence) that
/// a small preview loops through every 250 ms and that the export writes. The options are
/// kept in the settings under "Export", the folder of the last export as "Export Dir".
/// Shown modally by the main window's save-recording button; frames and palette must stay
/// unchanged while it is open.
class ExportAnimationDialog : public QDialog {
    Q_OBJECT
public:
    ExportAnimationDialog(const FrameList& frames, const Palette& palette, QWidget* parent);

    /// The options as the controls show them.
    ExportOptions Options() const;
    /// The sequence the preview shows and the export writes.
    const std::vector<ExportEntry>& Sequence() const { return sequence; }
    /// Replaces the save dialog (tests).
    void SetFileDialogRunner(FileDialogRunner runner) { fileDialog = std::move(runner); }

    void btnSaveClick();
    void tmrShowTimer();

    QGroupBox* fraOptions = nullptr;
    QRadioButton* rbAll = nullptr;
    QRadioButton* rbBetween = nullptr;
    NumericEdit* txtStart = nullptr;
    NumericEdit* txtEnd = nullptr;
    NumericEdit* txtSkip = nullptr;
    QCheckBox* chkLooping = nullptr;
    QGroupBox* fraLooping = nullptr;
    QRadioButton* rbPingPong = nullptr;
    QRadioButton* rbBlendFrames = nullptr;
    NumericEdit* txtBlendFrameCount = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QRadioButton* rbSaveGIF = nullptr;
    QCheckBox* chkTransparent = nullptr;
    ColourDropDown* scpTransparentColour = nullptr;
    QRadioButton* rbSaveBMP = nullptr;
    QRadioButton* rbSaveAVI = nullptr;
    QRadioButton* rbSaveWebM = nullptr;
    QRadioButton* rbSaveMP4 = nullptr;
    QRadioButton* rbSaveWebP = nullptr;
    QSpinBox* spQuality = nullptr;
    QCheckBox* chkLossless = nullptr;
    QSpinBox* spFrameRate = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QLabel* img = nullptr;
    QLabel* lblFrameNumber = nullptr;
    QLabel* lblLength = nullptr;
    QLabel* lblStatus = nullptr;
    PartsProgressBar* pbExport = nullptr;
    QPushButton* btnSave = nullptr;
    QPushButton* btnClose = nullptr;
    QPushButton* btnHelp = nullptr;
    QTimer* tmrShow = nullptr;

public Q_SLOTS:
    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Building the window (exportanimationdialog_layout.cpp).
    void BuildControls();
    QGroupBox* BuildOptionsGroup();
    QGroupBox* BuildLoopingGroup(QGroupBox* parent);
    QGroupBox* BuildFormatGroup();
    QLayout* BuildVideoRows(QGroupBox* parent);
    QGroupBox* BuildPreviewGroup();
    QLayout* BuildButtonRow();
    void Connect();

    // Settings and the option rules (exportanimationdialog.cpp).
    void FormCreate();
    void LoadSettings();
    void SaveSettings() const;
    void UpdateFrameRange();
    void rbSaveGIFClick();
    std::vector<QRadioButton*> FormatButtons() const;
    void chkLoopingClick();

    // The export (exportanimationdialog_save.cpp).
    QString AskForFile();
    void Export(const QString& path);
    ExportFeedback Feedback();
    void SetExporting(bool on);

    const FrameList& frames;
    const Palette& palette;
    std::vector<ExportEntry> sequence;
    int previewPosition = 0;
    bool loading = false;
    bool exporting = false;
    bool escapePressed = false;
    FileDialogRunner fileDialog = RunFileDialog;
};

} // namespace mottler
