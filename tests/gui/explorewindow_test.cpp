// The Explore window as a user drives it: opened from the Texture menu, the map fills in,
// a click adopts a cell and the main window grows exactly that cell, zoom and Back, and a
// change of colours recolours the cells without growing them again.
#include "explore/ui/explorewindow.h"
#include "explore/ui/variationmapview.h"
#include "mainwindowfixture.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <cstring>

namespace mottler::test {
namespace {

class ExploreWindowTest : public MainWindowTest {
protected:
    ExploreWindow& OpenExplore() {
        P().spIterations->setValue(40);
        auto* command = W().findChild<QAction*>("mnuExploreVariations");
        EXPECT_EQ(command->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_E));
        EXPECT_EQ(command->text(), "&Explore Variations...");
        command->trigger();
        auto* explore = W().findChild<ExploreWindow*>();
        EXPECT_TRUE(explore->isVisible());
        return *explore;
    }

    static void WaitForMap(ExploreWindow& explore) {
        if (explore.Growth().Growing()) {
            QSignalSpy finished(&explore.Growth(), &MapGrowth::Finished);
            ASSERT_TRUE(finished.wait(60000));
        }
        EXPECT_EQ(explore.Growth().Grown(), explore.Map().Count());
    }
};

TEST_F(ExploreWindowTest, ClickingACellGrowsExactlyThatCellInTheMainWindow) {
    ExploreWindow& explore = OpenExplore();
    const VariationMap& map = explore.Map();
    EXPECT_EQ(map.Columns.Value, VariedValue::FactorA);
    EXPECT_EQ(map.Rows.Value, VariedValue::FactorB);
    EXPECT_EQ(map.Cell(map.Steps / 2, map.Steps / 2).Settings.FactorA, 622);
    WaitForMap(explore);

    const int index = 1; // top row, second column
    const Variation picked = map.Cell(1, 0);
    const std::vector<float> cell = explore.Growth().Cell(index)->Display;
    QTest::mouseClick(&explore.View(), Qt::LeftButton, {}, explore.View().CellRect(index).center());
    const TextureDocument& doc = W().Document();
    // The click is taken once no second click made it a double click.
    ASSERT_TRUE(QTest::qWaitFor([&] { return doc.Settings().FactorA == picked.Settings.FactorA; }));
    EXPECT_EQ(doc.Settings().FactorB, picked.Settings.FactorB);
    ASSERT_TRUE(doc.ShownIteration().has_value());
    EXPECT_EQ(std::memcmp(doc.Engine.DisplayField.Data(), cell.data(), cell.size() * sizeof(float)),
              0);
}

TEST_F(ExploreWindowTest, ZoomMakesAFinerMapAndBackReturns) {
    ExploreWindow& explore = OpenExplore();
    const VariationMap before = explore.Map();
    QTest::mouseDClick(&explore.View(), Qt::LeftButton, {}, explore.View().CellRect(0).center());
    const VariationMap zoomed = explore.Map();
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    EXPECT_EQ(W().Document().Settings().FactorA, 622); // a double click adopts nothing
    EXPECT_EQ(zoomed.Columns.From,
              before.Columns.From - (before.Columns.To - before.Columns.From) / 4);
    EXPECT_LT(zoomed.Columns.To - zoomed.Columns.From, before.Columns.To - before.Columns.From);
    EXPECT_EQ(zoomed.Centre.Settings.FactorA, before.Cell(0, 0).Settings.FactorA);
    auto* back = explore.findChild<QPushButton*>("btnBack");
    ASSERT_TRUE(back->isEnabled());
    Click(back);
    EXPECT_EQ(explore.Map().Columns.From, before.Columns.From);
    EXPECT_FALSE(back->isEnabled());
    WaitForMap(explore); // the restarts left no cell of an earlier map behind
}

TEST_F(ExploreWindowTest, TheKeyboardMovesAdoptsAndZooms) {
    ExploreWindow& explore = OpenExplore();
    VariationMapView& view = explore.View();
    view.setFocus();
    QTest::keyClick(&view, Qt::Key_Down);
    QTest::keyClick(&view, Qt::Key_Right);
    QTest::keyClick(&view, Qt::Key_Up);
    QTest::keyClick(&view, Qt::Key_Left);
    QTest::keyClick(&view, Qt::Key_Left); // stays in the first column
    EXPECT_EQ(view.Current(), 0);
    QTest::keyClick(&view, Qt::Key_Right);
    const Variation second = explore.Map().Cell(1, 0);
    QTest::keyClick(&view, Qt::Key_Return);
    EXPECT_EQ(W().Document().Settings().FactorA, second.Settings.FactorA);
    QTest::keyClick(&view, Qt::Key_Plus);
    EXPECT_EQ(explore.Map().Centre.Settings.FactorA, second.Settings.FactorA);
    EXPECT_TRUE(explore.findChild<QPushButton*>("btnBack")->isEnabled());
}

TEST_F(ExploreWindowTest, ChoosingAValueGivesItsCentredRangeAndTheAxesNeverVaryTheSame) {
    ExploreWindow& explore = OpenExplore();
    auto* across = explore.findChild<QComboBox*>("cmbAcross");
    across->setCurrentIndex(across->findText("C"));
    Q_EMIT across->activated(across->currentIndex());
    EXPECT_EQ(explore.Map().Columns.Value, VariedValue::FactorC);
    EXPECT_EQ(explore.Map().Columns.From, 9);
    EXPECT_EQ(explore.Map().Columns.To, 15);
    EXPECT_TRUE(explore.Map().Cell(0, 0).Advanced.Shown);
    across->setCurrentIndex(across->findText("B"));
    Q_EMIT across->activated(across->currentIndex());
    EXPECT_EQ(explore.Map().Columns.Value, VariedValue::FactorB);
    EXPECT_EQ(explore.Map().Rows.Value, VariedValue::FactorC);
    EXPECT_EQ(explore.findChild<QComboBox*>("cmbDown")->currentText(), "C");
    // A typed range end grows the map again once typing rests.
    explore.findChild<QDoubleSpinBox*>("txtDownTo")->setValue(30);
    EXPECT_TRUE(QTest::qWaitFor([&] { return explore.Map().Rows.To == 30; }));
    EXPECT_EQ(explore.Map().Cell(0, 4).Advanced.FactorC, "30");
}

TEST_F(ExploreWindowTest, ClosingCancelsAndOpeningAgainMapsTheCurrentValues) {
    ExploreWindow& explore = OpenExplore();
    explore.close();
    EXPECT_FALSE(explore.Growth().Growing());
    P().spFactorA->setValue(700);
    ExploreWindow& again = OpenExplore();
    EXPECT_EQ(&again, &explore);
    EXPECT_EQ(again.Map().Centre.Settings.FactorA, 700);
    WaitForMap(again);
}

TEST_F(ExploreWindowTest, NewColoursRecolourTheCellsWithoutGrowingThemAgain) {
    ExploreWindow& explore = OpenExplore();
    WaitForMap(explore);
    const QImage before = explore.MapImage();
    QSignalSpy grown(&explore.Growth(), &MapGrowth::CellGrown);
    W().Document().Gradient.Brightness += 60;
    W().Document().GradientEdited();
    EXPECT_NE(explore.MapImage(), before);
    QTest::qWait(50);
    EXPECT_EQ(grown.count(), 0);
}

} // namespace
} // namespace mottler::test
