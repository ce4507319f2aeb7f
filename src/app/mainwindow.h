#pragma once

#include "app/previewframe.h"
#include "app/recordframe.h"
#include "app/texturepage.h"
#include "document/texturedocument.h"
#include "engine/growth.h"
#include "gradients/ui/gradientpage.h"
#include "output/ui/savetiledialog.h"
#include "preview/previewfiles.h"
#include "preview/textcontrast.h"
#include "preview/ui/previewsettingspage.h"

#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <optional>

class QKeyEvent;
class QMouseEvent;
class QTabWidget;
class QTimer;
class QUrl;

namespace mottler {

class AdjustPanel;
class ColourDropDown;
class IniFile;
struct Preset;
class AgeThumbnail;
class GradientEditor;
class RunInputFilter;
class AdvancedWindow;
class RecordToFileWindow;
class FullSizeView;
class TextColourOverlay;

/// The main window: it displays and edits the one TextureDocument. Its handlers are split by
/// subsystem over the mainwindow_*.cpp files; the work they start lives in the core.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    /// The texture on display: engine, gradient, recorded frames and run state.
    TextureDocument& Document() { return document; }
    GradientEditor& Editor() { return *gradientEditor; }
    AdjustPanel& Adjustments() { return *adjustPanel; }
    TexturePage& Page() { return page; }
    PreviewFrame& Preview() { return preview; }
    AdvancedWindow& Advanced() { return *frmAdvanced; }
    RecordFrame& Recording() { return recording; }
    RecordToFileWindow& RecordToFile() { return *frmRecordToFile; }
    AgeThumbnail* Age(int index) const { return ages[static_cast<std::size_t>(index - 1)]; }
    /// Whether there is an age thumbnail of that index (1 … 9).
    bool HasAge(int index) const { return index >= 1 && index <= static_cast<int>(ages.size()); }
    QTabWidget* PageControl() const { return pgControl; }

    // Generation commands.
    void btnGoClick();
    void btnRandomizeClick();
    void btnContinueClick();
    void cmbTextureTypeClick();
    void btnOpenImageClick();
    void btnChangeModeClick();
    void LoadInitialImage(const QString& file);

    // The run.
    void GrowTexture(RunMode mode);
    void SeedTexture();
    void SetTextureSize(int width, int height);
    /// Called by the run's observer at the end of a run (k: the reported iteration).
    void FinishRun(int k);
    void UpdateContinueButton();
    /// Shows the iteration of the texture on display (the document's ShownIteration).
    void ShowIteration(int iteration);
    /// The factors a run reads at its start: A and B from the document's settings, the rest
    /// from the document's advanced texts while the Advanced window is shown.
    GrowthFactors ReadFactors() const;
    /// Shows how long the last run took.
    void ShowRunTime(double seconds);
    /// The frame trackbar shows no recorded frame (a run has taken over the display).
    void ForgetShownFrame() { lastShownFrame = 0; }

    // Views.
    void RenderDisplayField();
    void ShowPreview();
    void SetPreviewMode(bool tile);
    void SizeTextureBitmap(int width, int height);

    // Presets.
    void LoadPresetNames();
    /// Shows the preset and gradient names again when another writer changed their files.
    void RefreshPresetLists();
    void btnSavePresetClick();
    void cmbPresetsClick();
    void LoadPreset(const Preset& preset);
    void mnuFileImportTexturePackClick();
    /// The current texture as a preset would store it.
    Preset CurrentPreset() const;
    PreviewSettingsPage& Text() { return textPage; }
    GradientPage& GradientSettings() { return gradientPage; }
    void SetPreserveSize(bool on) { preserveSize = on; }

    // The "Gradient Settings" tab (mainwindow_gradient.cpp).
    /// The image of the tab shown last (the texture or the fading border), for saving,
    /// copying and previewing; throws MottlerError with the fading border's messages.
    QImage CurrentImage() const { return document.CurrentImage(); }
    void LoadGradientPresetNames();
    void LoadGradient(const QString& name);
    void RedrawGradient();
    void cmbGradientsClick();
    void btnSaveGradientClick();
    void txtGradientWidthChange();
    void txtGradientWidthKeyPress(const QKeyEvent* event);
    void udWidthClick();
    void txtBorderWidthChange();
    void udBorderWidthClick();
    void chkAddBorderClick();
    void scpStartColourChange(const ColourDropDown* picker, PackedColour& colour);
    void chkUseTextureGradientClick();
    void pgControlChange();
    // Getting the image out: saving, size, full-size view, clipboard and wallpaper.
    void mnuSaveImageClick();
    void btnSaveImageClick();
    void mnuTextureSizeClick();
    void imgTextureDblClick();
    void mnuCopyToClipboardClick();
    void mnuSetAsWallpaperClick();
    FullSizeView& FullView() { return *frmTrueImage; }
    bool PreserveSize() const { return preserveSize; }
    // The web-page preview and the colour codes (mainwindow_webpreview.cpp).
    /// Opens a page in the desktop's browser; false when that failed.
    using UrlOpener = std::function<bool(const QUrl& url)>;
    void btnPreviewClick();
    void btnCopyToClipboardClick();
    void btnToClipboardClick();
    void btnCopyAsCssClick();
    /// Enters or leaves the sample words over the tile preview and the page's other changes
    /// to the window.
    void ShowTextColourPreview(bool show);
    /// The texture or its colours changed: the readability figures are measured again.
    void BackgroundChanged();
    void SetUrlOpener(UrlOpener opener) { urlOpener = std::move(opener); }
    TextColourOverlay& TextColours() { return *textColours; }

    // Age thumbnails.
    void ClearAges();
    void PaintAge(int index, int iteration);

    // Recorded frames and playback.
    void tbFramesChange();
    void chkRecordClick();
    void btnBackClick();
    void btnForwardClick();
    void btnPlayClick();
    void btnStopClick();
    void tmrPlaybackTimer();
    void btnSaveRecordingClick();
    void mnuFileSetRecordingOptionsClick();
    /// The end-of-run update of the recording controls; k is the run's reported iteration.
    void UpdateRecordingControls(int k);
    /// Recording is on and goes into memory (not straight into a file).
    bool RecordsToMemory() const;
    /// Recording is on and goes straight into the AVI file of the record-to-file options.
    bool RecordsToFile() const;
    /// "Record Every" as the recording uses it: values below 1 read as 1.
    int RecordEvery() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildWindow();
    void ConnectGeneration();
    void ConnectTrackbars();
    void ConnectAges();
    void ConnectPreview();
    void ConnectColours();
    void ConnectPresets();
    void LoadPresetColours(const Preset& preset);
    void WarnAboutColourDepth();
    void ExtractBuiltInFiles();
    void ConnectRecording();
    bool SelectsPointByDigit(QObject* watched, QEvent* event);
    void FormCreate();
    void tbIterationsChange();
    /// Shows the document's iterations, factors A and B and drift in their controls.
    void ShowFactors();
    /// Shows the document's texture type in its drop-down.
    void ShowTextureType();
    bool EnterRegenerates(QObject* watched, QEvent* event);
    bool RaisesRange(QObject* watched, QEvent* event);
    bool MovesTrackbar(QEvent* event);
    void imgAge1Click(AgeThumbnail* thumbnail);
    bool ShowRecordedAge(int tag);
    void ShowLastRecordedFrame();
    void UpdateSaveRecordingButton();
    void ShowFrame(const Frame& frame);
    void ToggleEngineSwitch(AgeThumbnail* thumbnail);
    void PreviewResized();
    void ShowRunFailure(const RunResult& result);
    void ConnectGradient();
    void imgTextureMouse(const QEvent* event);
    void imgTextureMouseMove(const QMouseEvent* event);
    void ShowTextureControls(bool shown);
    void EnterGradientTab();
    void ShowGradientPresetNames(const QString& selected);
    void AddOutputCommands(QMenu* file, QMenu* texture);
    void ConnectOutput();
    /// The gradient strip when it is the current image (the gradient tab was the last image
    /// tab shown); nothing while the texture is.
    std::optional<GradientStripImage> CurrentGradientStrip() const;
    void ChangeTextureSize(int width, int height);
    void FollowInFullView(const QImage& picture);
    void frmTrueImageRightClick();
    void frmTrueImageHide();
    void ConnectWebPreview();
    void scpTextChange();
    void cmbFontsClick();
    void SetDefaultPreviewColours();
    PreviewBackground CurrentPreviewBackground() const;
    void UpdateTextColours();
    void UpdateReadability();
    class PresetLoad; // the window's steps of the one preset load
    RunParameters ReadRunParameters(RunMode mode) const;

    TextureDocument document;
    // Short names for the parts of the document the handlers use most.
    TextureEngine& engine = document.Engine;
    GradientState& gradient = document.Gradient;
    FrameList& frames = document.Frames;
    bool& running = document.Running;
    QString& imageFile = document.Settings.ImageFile;
    GradientEditor* gradientEditor = nullptr;
    AdjustPanel* adjustPanel = nullptr;
    QTabWidget* pgControl = nullptr;
    TexturePage page;
    PreviewFrame preview;
    PreviewSettingsPage textPage;
    GradientPage gradientPage;
    std::unique_ptr<IniFile> presetFile;
    bool preserveSize = false;
    bool updatingColours = false; ///< the colour boxes are being filled, not edited
    std::array<AgeThumbnail*, 9> ages{};
    QLabel* lblTime = nullptr;
    AdvancedWindow* frmAdvanced = nullptr;
    RecordFrame recording;
    int lastShownFrame = 0; ///< the frame trackbar position on display, 0 for none
    RecordToFileWindow* frmRecordToFile = nullptr;
    RunInputFilter* runInput = nullptr;
    std::unique_ptr<IniFile> gradientFile;
    int savedGradientWidth = 100; ///< the width before "Use Texture gradient" was checked
    bool loadingGradient = false; ///< a gradient preset is being shown, not edited
    FullSizeView* frmTrueImage = nullptr;
    // The web-page preview.
    PreviewPageFiles previewFiles;
    UrlOpener urlOpener;
    TextColourOverlay* textColours = nullptr;
    std::optional<BackgroundContrast> backgroundContrast; ///< empty: measure again
    QTimer* readabilityTimer = nullptr;
};

} // namespace mottler
