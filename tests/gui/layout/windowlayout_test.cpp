// Every window, shown at the default font, at a font a quarter larger and (run again by CTest
// with QT_SCALE_FACTOR=1.5 and 2) at one and a half and double scale, in English and in German
// (whose texts are longer): nothing is cut off, squeezed below its size hint or drawn over a
// neighbour, and in German no two access keys of a window or a menu are the same. The
// screenshots land in the build folder's layout-shots/. Escape closes each of them that is a
// dialog.
#include "accesskeys.h"
#include "app/mainwindow.h"
#include "app/translations.h"
#include "layoutcheck.h"
#include "windowcases.h"

#include <QApplication>
#include <QDialog>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

namespace mottler::test {

void PrintTo(const WindowCase& window, std::ostream* out) {
    *out << window.Name;
}

namespace {

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
    for (const WindowCase& windowCase : Windows()) {
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

// A 1366 × 768 laptop screen less a panel and a title bar holds the whole main window at the
// default font; a smaller window scrolls its contents instead of cutting them.
TEST(MainWindowSize, FitsALaptopScreenAndScrollsWhenSmaller) {
    MainWindow window(nullptr);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const auto* scroller = qobject_cast<QScrollArea*>(window.centralWidget());
    ASSERT_NE(scroller, nullptr);
    const QSize least =
        scroller->widget()->minimumSizeHint() + QSize(0, window.menuBar()->sizeHint().height());
    EXPECT_LE(least.width(), 1280);
    EXPECT_LE(least.height(), 680);
    EXPECT_LE(window.minimumSizeHint().height(), 680);

    window.resize(640, 480);
    QApplication::processEvents();
    EXPECT_EQ(window.size(), QSize(640, 480));
    EXPECT_TRUE(scroller->verticalScrollBar()->isVisible());
    EXPECT_TRUE(LayoutFaults(&window).isEmpty()) << LayoutFaults(&window).join('\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Windows, WindowLayout,
                         testing::Combine(testing::ValuesIn(Windows()), testing::Values(100, 125),
                                          testing::Values("en", "de")),
                         CaseName);

} // namespace
} // namespace mottler::test
