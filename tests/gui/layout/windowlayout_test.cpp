// Every window, shown at the default font, at a font a quarter larger and (run again by CTest
// with QT_SCALE_FACTOR=2) at double scale, in English and in German (whose texts are longer):
// nothing is cut off, squeezed below its size hint or drawn over a neighbour, and in German no
// two access keys of a window or a menu are the same. The screenshots land in the build
// folder's layout-shots/. Escape closes each window that is a dialog.
#include "accesskeys.h"
#include "app/mainwindow.h"
#include "app/previewframe.h"
#include "app/translations.h"
#include "engine/ui/advancedwindow.h"
#include "explore/ui/explorewindow.h"
#include "layoutcheck.h"
#include "output/ui/exportanimationdialog.h"
#include "output/ui/savetiledialog.h"
#include "output/ui/texturesizedialog.h"
#include "picker/ui/colourpickerdialog.h"
#include "picker/ui/zoomwindow.h"
#include "recording/ui/recordtofilewindow.h"
#include "widgets/ui/partsprogressbar.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QTabWidget>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace mottler::test {
namespace {

/// A window to check and what keeps it alive (the window itself or its owner).
struct Shown {
    std::unique_ptr<QWidget> Owner;
    QWidget* Window = nullptr;
};

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

Shown SaveTile() {
    static QImage texture(100, 100, QImage::Format_BGR888);
    texture.fill(Qt::gray);
    return Own(std::make_unique<SaveTileDialog>(nullptr, texture));
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

struct WindowCase {
    const char* Name;
    std::function<Shown()> Make;
    QSize Size; ///< the size to show it at; empty for the window's own start size
};

// One line per window. A size smaller than the window's minimum shows it at its minimum.
const WindowCase Windows[] = {
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
};

void PrintTo(const WindowCase& window, std::ostream* out) {
    *out << window.Name;
}

class WindowLayout : public testing::TestWithParam<std::tuple<WindowCase, int, const char*>> {
protected:
    void SetUp() override {
        const QString language = std::get<2>(GetParam());
        if (language != "en") {
            ASSERT_TRUE(InstallTranslations(QLocale(language)));
        }
        const int percent = std::get<1>(GetParam());
        QFont font = QApplication::font();
        if (font.pointSizeF() > 0)
            font.setPointSizeF(standardFont.pointSizeF() * percent / 100.0);
        else
            font.setPixelSize(standardFont.pixelSize() * percent / 100);
        QApplication::setFont(font);
    }
    void TearDown() override {
        QApplication::setFont(standardFont);
        RemoveTranslations();
    }

    const QFont standardFont = QApplication::font();
};

QString ShotName(const WindowCase& window, int percent, const QString& language) {
    const QString scale = qEnvironmentVariable("QT_SCALE_FACTOR", "1");
    return QStringLiteral("%1-font%2-scale%3-%4")
        .arg(window.Name)
        .arg(percent)
        .arg(scale, language);
}

TEST_P(WindowLayout, ShowsEveryControlWhole) {
    const auto& [windowCase, percent, language] = GetParam();
    Shown shown = windowCase.Make();
    QWidget* window = shown.Window;
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    if (windowCase.Size.isValid()) {
        window->resize(windowCase.Size.expandedTo(window->minimumSize()));
        QApplication::processEvents();
    }
    SaveScreenshot(window, ShotName(windowCase, percent, language));
    const QStringList faults = LayoutFaults(window);
    EXPECT_TRUE(faults.isEmpty()) << faults.join('\n').toStdString();
    // The English access keys are the specified ones, a few of them shared; the German ones
    // are chosen to be unique.
    if (QString(language) == "de") {
        const QStringList clashes = AccessKeyClashes(window);
        EXPECT_TRUE(clashes.isEmpty()) << clashes.join('\n').toStdString();
    }
}

std::string CaseName(const testing::TestParamInfo<WindowLayout::ParamType>& info) {
    return std::string(std::get<0>(info.param).Name) + "Font" +
           std::to_string(std::get<1>(info.param)) + "_" + std::get<2>(info.param);
}

TEST(WindowKeys, EscapeClosesEveryDialog) {
    for (const WindowCase& windowCase : Windows) {
        Shown shown = windowCase.Make();
        auto* dialog = qobject_cast<QDialog*>(shown.Window);
        if (dialog == nullptr)
            continue;
        dialog->show();
        QApplication::setActiveWindow(dialog);
        QWidget* focus = dialog->focusWidget() != nullptr ? dialog->focusWidget() : dialog;
        QTest::keyClick(focus, Qt::Key_Escape);
        EXPECT_FALSE(dialog->isVisible()) << windowCase.Name;
    }
}

INSTANTIATE_TEST_SUITE_P(Windows, WindowLayout,
                         testing::Combine(testing::ValuesIn(Windows), testing::Values(100, 125),
                                          testing::Values("en", "de")),
                         CaseName);

} // namespace
} // namespace mottler::test
