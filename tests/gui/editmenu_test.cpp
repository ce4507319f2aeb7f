// The Edit menu of the main window: undo and redo from the keyboard, named after the step.
#include "mainwindowfixture.h"
#include "palette/ui/gradienteditor.h"
#include "palette/ui/imagewidget.h"

#include <QAction>
#include <QApplication>

namespace mottler::test {
namespace {

TEST_F(MainWindowTest, CtrlZUndoesTheLastGradientEditAndCtrlShiftZRedoesIt) {
    const ControlPointList& points = W().Document().Gradient.Points;
    QTest::mouseDClick(Part<GradientEditor>().GradientStrip(), Qt::LeftButton, {}, QPoint(4, 100));
    ASSERT_EQ(points.Count(), 3);
    auto* undo = W().findChild<QAction*>("mnuEditUndo");
    auto* redo = W().findChild<QAction*>("mnuEditRedo");
    ASSERT_TRUE(undo && redo);
    EXPECT_EQ(undo->text(), "&Undo Add Colour Point");
    QApplication::setActiveWindow(&W());
    QTest::keyClick(&W(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(points.Count(), 2);
    EXPECT_EQ(redo->text(), "&Redo Add Colour Point");
    QTest::keyClick(&W(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_EQ(points.Count(), 3);
    EXPECT_EQ(points.Points()[1].Position(), 100);
}

// A run cannot be undone while it goes, and is undone afterwards to the texture before it.
TEST_F(MainWindowTest, UndoIsDisabledDuringARunAndTakesTheRunBackAfterIt) {
    Generate(5, 10);
    const std::vector<float> before = FieldA();
    auto* undo = W().findChild<QAction*>("mnuEditUndo");
    QList<bool> enabledDuring;
    QObject::connect(&W().Document(), &TextureDocument::AgePainted, [&](int index, int) {
        if (index == 2)
            enabledDuring << undo->isEnabled();
    });
    Generate(6, 10);
    EXPECT_EQ(enabledDuring, QList<bool>({false}));
    EXPECT_EQ(undo->text(), "&Undo Generate Texture");
    undo->trigger();
    EXPECT_EQ(FieldA(), before);
}

} // namespace
} // namespace mottler::test
