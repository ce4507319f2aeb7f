#pragma once

#include "document/texturedocument.h"

#include <QMainWindow>
#include <optional>

class QLabel;
class QMenu;
class QMouseEvent;
class QTabWidget;

namespace mottler {

class AdjustPanel;
class AdvancedWindow;
class AgeStrip;
class AgeThumbnail;
class FullSizeView;
class GradientEditor;
class GradientPage;
class PreviewFrame;
class PreviewSettingsPage;
class RecordFrame;
class TextureCommands;
class TexturePage;
class TexturePresets;
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
    TextureCommands& Commands() { return *commands; }
    TexturePresets& Presets() { return *presets; }

    // The tabs and the strip's edge (mainwindow_tabs.cpp).
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

protected:
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildWindow();
    QSize StartSize() const;
    void BuildMenus();
    void BindPages();
    void ConnectAges();
    void ConnectColours();
    void ConnectGradient();
    void ConnectOutput();
    void FormCreate();
    void WarnAboutColourDepth();
    void ExtractBuiltInFiles();
    bool SelectsPointByDigit(QObject* watched, QEvent* event);
    bool MovesTrackbar(QEvent* event);
    void imgAge1Click(AgeThumbnail* thumbnail);
    void ToggleEngineSwitch(AgeThumbnail* thumbnail);
    void imgTextureMouse(const QEvent* event);
    void imgTextureMouseMove(const QMouseEvent* event);
    void ShowTextureControls(bool shown);
    void AddOutputCommands(QMenu* file, QMenu* texture);
    void AddExploreCommand(QMenu* texture);
    void AddEditMenu();
    /// The gradient strip when it is the current image (the gradient tab was the last image
    /// tab shown); nothing while the texture is.
    std::optional<GradientStripImage> CurrentGradientStrip() const;
    void FollowInFullView();
    void frmTrueImageRightClick();
    void frmTrueImageHide();
    /// Enters or leaves the sample words over the tile preview.
    void ShowTextColourPreview(bool show);

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
    TextureCommands* commands = nullptr;
    TexturePresets* presets = nullptr;
};

} // namespace mottler
