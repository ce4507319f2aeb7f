// The windows the layout and accessibility tests show, each as the program opens it.
#include "windowcases.h"

#include "app/aboutdialog.h"
#include "app/mainwindow.h"
#include "app/previewframe.h"
#include "document/texturedocument.h"
#include "engine/ui/advancedwindow.h"
#include "explore/ui/explorewindow.h"
#include "help/ui/helpwindow.h"
#include "output/ui/exportanimationdialog.h"
#include "output/ui/fullsizeview.h"
#include "output/ui/savetiledialog.h"
#include "output/ui/texturesizedialog.h"
#include "picker/ui/colourpickerdialog.h"
#include "picker/ui/zoomwindow.h"
#include "recording/ui/recordtofilewindow.h"
#include "widgets/ui/partsprogressbar.h"
#include "widgets/ui/presetnameprompt.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QTabWidget>

namespace mottler::test {
namespace {

template <typename W> Shown Alone() {
    auto window = std::make_unique<W>(nullptr);
    QWidget* shown = window.get();
    return {std::move(window), shown};
}

Shown Zoom() {
    auto picker = std::make_unique<ColourPickerDialog>(nullptr);
    auto* zoom = new ZoomWindow(picker.get());
    return {std::move(picker), zoom};
}

// The main window during a run, with the progress bar shown beside the preview's labels.
Shown RunningMainWindow() {
    Shown shown = Alone<MainWindow>();
    PartsProgressBar* bar = static_cast<MainWindow*>(shown.Window)->Preview().progressBar;
    bar->SetText(QCoreApplication::translate("mottler::DocumentRun", "Press ESC to stop"));
    bar->show();
    return shown;
}

// The main window with the given tab of its settings current.
template <int Tab> Shown MainWindowOnTab() {
    Shown shown = Alone<MainWindow>();
    shown.Window->findChild<QTabWidget*>("pgControl")->setCurrentIndex(Tab);
    return shown;
}

Shown Own(std::unique_ptr<QWidget> window) {
    QWidget* shown = window.get();
    return {std::move(window), shown};
}

// With the normal map chosen, so that its own options are enabled too.
Shown SaveTile() {
    static QImage texture(100, 100, QImage::Format_BGR888);
    texture.fill(Qt::gray);
    static TextureEngine engine;
    if (!engine.HasFields()) {
        engine.SetTextureSize(100, 100);
        for (int k = 0; k < 100 * 100; ++k)
            engine.FieldA.Data()[k] = float(k % 7);
    }
    auto dialog = std::make_unique<SaveTileDialog>(nullptr, texture, std::nullopt, &engine);
    dialog->cmbOutput->setCurrentIndex(int(TileOutput::NormalMap));
    return Own(std::move(dialog));
}

Shown TextureSize() {
    return Own(std::make_unique<TextureSizeDialog>(nullptr, 100, 100, false));
}

// The map of a small texture, as the main window opens it.
Shown Explore() {
    static TextureDocument document;
    if (!document.Engine.HasFields())
        document.SetTextureSize(40, 30);
    return Own(std::make_unique<ExploreWindow>(document, ShapeTuning{}, nullptr));
}

Shown ExportAnimation() {
    static const FrameList frames;
    static const Palette palette;
    return Own(std::make_unique<ExportAnimationDialog>(frames, palette, nullptr));
}

Shown Help() {
    auto help = std::make_unique<HelpWindow>(nullptr);
    help->ShowTopic(HelpContext::MainWindow);
    return Own(std::move(help));
}

// The full-size view with a texture of two tiles each way on show.
Shown FullSize() {
    auto view = std::make_unique<FullSizeView>(nullptr, [] { return 0; });
    QImage texture(120, 90, QImage::Format_RGB32);
    texture.fill(Qt::darkCyan);
    view->ShowFullSize(texture);
    return Own(std::move(view));
}

// The name prompt as a preset save opens it.
Shown PresetNameBox() {
    auto box = std::make_unique<QInputDialog>();
    box->setWindowTitle(TexturePresetNameTexts().Caption);
    box->setLabelText(TexturePresetNameTexts().Prompt);
    box->setTextValue("Mottled Marble");
    return Own(std::move(box));
}

Shown MessageBox() {
    auto box = std::make_unique<QMessageBox>(QMessageBox::Question, "Mottler",
                                             TexturePresetNameTexts().ReplaceQuestion.arg("Marble"),
                                             QMessageBox::Yes | QMessageBox::No);
    box->setTextFormat(Qt::PlainText);
    return Own(std::move(box));
}

} // namespace

const std::vector<WindowCase>& Windows() {
    static const std::vector<WindowCase> windows{
        {"MainWindow", Alone<MainWindow>, {}},
        {"MainWindowSmallest", Alone<MainWindow>, {1, 1}},
        {"MainWindowLarge", Alone<MainWindow>, {1260, 980}},
        {"MainWindowRunning", RunningMainWindow, {1, 1}},
        {"AdvancedWindow", Alone<AdvancedWindow>, {}},
        {"RecordToFileWindow", Alone<RecordToFileWindow>, {}},
        {"ColourPickerDialog", Alone<ColourPickerDialog>, {}},
        {"ZoomWindow", Zoom, {}},
        {"MainWindowGradientTab", MainWindowOnTab<1>, {1, 1}},
        {"MainWindowPreviewTab", MainWindowOnTab<2>, {1, 1}},
        {"SaveTileDialog", SaveTile, {}},
        {"TextureSizeDialog", TextureSize, {}},
        {"ExportAnimationDialog", ExportAnimation, {}},
        {"ExploreWindow", Explore, {}},
        {"AboutDialog", Alone<AboutDialog>, {}},
        {"HelpWindow", Help, {}},
        {"FullSizeView", FullSize, {}},
        {"PresetNameBox", PresetNameBox, {}},
        {"MessageBox", MessageBox, {}},
    };
    return windows;
}

} // namespace mottler::test
