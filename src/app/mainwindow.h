#pragma once

#include "document/texturedocument.h"
#include "engine/growth.h"
#include "preview/previewfiles.h"

#include <QMainWindow>
#include <functional>
#include <memory>
#include <optional>

class QLabel;
class QMenu;
class QMouseEvent;
class QTabWidget;
class QUrl;

namespace mottler {

class AdjustPanel;
class AdvancedWindow;
class AgeStrip;
class AgeThumbnail;
class FullSizeView;
class GradientEditor;
class GradientPage;
class IniFile;
class PreviewFrame;
class PreviewSettingsPage;
class RecordFrame;
class RunInputFilter;
class TextColourOverlay;
class TexturePage;
struct GradientStripImage;

/// The main window: it builds the pages, menus and prompts over the one TextureDocument and
/// wires them. The pages show the document and change it; the window's handlers (split by
/// subsystem over the mainwindow_*.cpp files) are the commands that need a prompt, a dialog
/// or a run.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    TextureDocument& Document() { return document; }
    TexturePage& Page() { return *page; }
    PreviewFrame& Preview() { return *preview; }
    RecordFrame& Recording() { return *recording; }
    AgeStrip& Ages() { return *ages; }
    GradientPage& GradientSettings() { return *gradientPage; }
    PreviewSettingsPage& Text() { return *textPage; }
    GradientEditor& Editor() { return *gradientEditor; }
    AdjustPanel& Adjustments() { return *adjustPanel; }
    AdvancedWindow& Advanced() { return *frmAdvanced; }
    FullSizeView& FullView() { return *frmTrueImage; }
    QTabWidget* PageControl() const { return pgControl; }
    TextColourOverlay& TextColours() { return *textColours; }

    // Generation commands (mainwindow_generation.cpp).
    void btnGoClick();
    void btnRandomizeClick();
    void btnContinueClick();
    void cmbTextureTypeClick();
    void btnOpenImageClick();
    void btnChangeModeClick();
    void LoadInitialImage(const QString& file);
    /// Runs the growth and shows how it failed, if it did.
    void GrowTexture(RunMode mode);

    // Presets (mainwindow_presets.cpp).
    void LoadPresetNames();
    /// Shows the preset and gradient names again when another writer changed their files.
    void RefreshPresetLists();
    void btnSavePresetClick();
    void cmbPresetsClick();
    void LoadPreset(const Preset& preset);
    void mnuFileImportTexturePackClick();

    // The tabs and the strip's edge (mainwindow_gradient.cpp).
    void pgControlChange();

    // Getting the image out: saving, size, full-size view, clipboard and wallpaper.
    void mnuSaveImageClick();
    void btnSaveImageClick();
    void mnuTextureSizeClick();
    void imgTextureDblClick();
    void mnuCopyToClipboardClick();
    void mnuSetAsWallpaperClick();
    void mnuFileSetRecordingOptionsClick();
    /// Opens the variation map (mainwindow_explore.cpp).
    void mnuExploreVariationsClick();

    // The web-page preview and the colour codes (mainwindow_webpreview.cpp).
    /// Opens a page in the desktop's browser; false when that failed.
    using UrlOpener = std::function<bool(const QUrl& url)>;
    void btnPreviewClick();
    void btnToClipboardClick();
    /// Enters or leaves the sample words over the tile preview and the page's other changes
    /// to the window.
    void ShowTextColourPreview(bool show);
    void SetUrlOpener(UrlOpener opener) { urlOpener = std::move(opener); }

protected:
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildWindow();
    QSize StartSize() const;
    void BuildMenus();
    void BindPages();
    void ConnectGeneration();
    void ConnectAges();
    void ConnectColours();
    void ConnectPresets();
    void ConnectGradient();
    void ConnectOutput();
    void ConnectWebPreview();
    void FormCreate();
    void WarnAboutColourDepth();
    void ExtractBuiltInFiles();
    /// Runs an operation that may throw MottlerError; the error is shown and false returned.
    bool Try(const std::function<void()>& operation);
    /// A seeding, with the busy cursor while shapes are drawn; false when it failed.
    bool Seeded(const std::function<void()>& seeding);
    bool SelectsPointByDigit(QObject* watched, QEvent* event);
    bool EnterRegenerates(QObject* watched, QEvent* event);
    bool MovesTrackbar(QEvent* event);
    void imgAge1Click(AgeThumbnail* thumbnail);
    void ToggleEngineSwitch(AgeThumbnail* thumbnail);
    void ShowRunFailure(const RunResult& result);
    void Allocating(const std::function<void()>& work);
    void imgTextureMouse(const QEvent* event);
    void imgTextureMouseMove(const QMouseEvent* event);
    void ShowTextureControls(bool shown);
    void AddOutputCommands(QMenu* file, QMenu* texture);
    void AddExploreCommand(QMenu* texture);
    /// The gradient strip when it is the current image (the gradient tab was the last image
    /// tab shown); nothing while the texture is.
    std::optional<GradientStripImage> CurrentGradientStrip() const;
    void FollowInFullView();
    void frmTrueImageRightClick();
    void frmTrueImageHide();
    void UpdateTextColours();

    TextureDocument document;
    QTabWidget* pgControl = nullptr;
    TexturePage* page = nullptr;
    PreviewFrame* preview = nullptr;
    PreviewSettingsPage* textPage = nullptr;
    GradientPage* gradientPage = nullptr;
    RecordFrame* recording = nullptr;
    AgeStrip* ages = nullptr;
    GradientEditor* gradientEditor = nullptr;
    AdjustPanel* adjustPanel = nullptr;
    QLabel* lblTime = nullptr;
    AdvancedWindow* frmAdvanced = nullptr;
    FullSizeView* frmTrueImage = nullptr;
    RunInputFilter* runInput = nullptr;
    std::unique_ptr<IniFile> presetFile;
    // The web-page preview.
    PreviewPageFiles previewFiles;
    UrlOpener urlOpener;
    TextColourOverlay* textColours = nullptr;
};

} // namespace mottler
