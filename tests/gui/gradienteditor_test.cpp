// The gradient editor and the contrast and brightness pointers on the texture page.
#include "mainwindowfixture.h"
#include "palette/ui/adjustpanel.h"
#include "palette/ui/gradienteditor.h"
#include "palette/ui/imagewidget.h"
#include "palette/ui/trianglemarker.h"
#include "picker/ui/colourpickerdialog.h"
#include "widgets/ui/numericedit.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>
#include <QToolButton>

namespace mottler::test {
namespace {

class GradientEditorTest : public MainWindowTest {
protected:
    GradientEditor& E() { return Part<GradientEditor>(); }
    const ControlPointList& Points() { return W().Document().Gradient.Points; }

    int AddMiddlePoint(int position, PackedColour colour) {
        E().AddControlPoint(position, colour, true, PointKind::Middle);
        E().RebuildPalette();
        return *Points().ActivePoint();
    }

    // A mouse move with the left button held, at a position in the widget's coordinates.
    static void DragTo(QWidget* widget, QPoint local) {
        QMouseEvent move(QEvent::MouseMove, local, widget->mapToGlobal(local), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
    }

    static void Press(QWidget* widget, QPoint local) {
        QMouseEvent press(QEvent::MouseButtonPress, local, widget->mapToGlobal(local),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &press);
    }
};

TEST_F(GradientEditorTest, DoubleClickOnTheStripAddsThePointUnderItWithoutChangingThePalette) {
    const Palette before = W().Document().Gradient.Colours;
    QTest::mouseDClick(E().GradientStrip(), Qt::LeftButton, {}, QPoint(4, 100));
    ASSERT_EQ(Points().Count(), 3);
    const ControlPoint* added = Points().Active();
    EXPECT_EQ(added->Colour, PackRgb(155, 155, 155));
    EXPECT_EQ(added->Position(), 100);
    EXPECT_EQ(W().Document().Gradient.Colours.Pixels, before.Pixels);
}

TEST_F(GradientEditorTest, DraggedMarkerStaysBesideTheStrip) {
    TriangleMarker* marker = E().Marker(AddMiddlePoint(100, PackRgb(255, 0, 0)));
    DragTo(marker, QPoint(5, -500));
    EXPECT_EQ(marker->y(), GradientEditor::StripTop);
    EXPECT_EQ(Points().Active()->Position(), 2);
    DragTo(marker, QPoint(5, 500));
    EXPECT_EQ(marker->y(), GradientEditor::StripTop + 252);
    EXPECT_EQ(Points().Active()->Position(), 254);
}

TEST_F(GradientEditorTest, TenPointsOfferTenCopyItemsAndTheTenthCopiesTheTenthColour) {
    for (int i = 1; i <= 8; ++i)
        AddMiddlePoint(20 * i, PackRgb(i, 2 * i, 3 * i));
    ASSERT_EQ(Points().Count(), 10);
    E().SelectControlPoint(Points().Points()[3].Id);
    Q_EMIT E().MarkerMenu()->aboutToShow();
    QAction* tenth = E().MarkerMenu()->findChild<QAction*>("mnuCC9");
    ASSERT_NE(tenth, nullptr);
    EXPECT_TRUE(tenth->isVisible());
    EXPECT_EQ(tenth->text(), "1&0");
    tenth->trigger();
    EXPECT_EQ(Points().Points()[3].Colour, Points().Points()[9].Colour);
    EXPECT_EQ(Points().Points()[9].Number, 0);
}

TEST_F(GradientEditorTest, DigitKeysSelectPointsAndStopAtTheLast) {
    AddMiddlePoint(50, PackRgb(1, 1, 1));
    QTest::keyClick(P().txtRandomSeed, Qt::Key_7, Qt::NoModifier);
    EXPECT_EQ(Points().IndexOf(*Points().ActivePoint()), 2);
    AddMiddlePoint(80, PackRgb(2, 2, 2));
    QTest::keyClick(P().txtRandomSeed, Qt::Key_1, Qt::NoModifier);
    EXPECT_EQ(Points().IndexOf(*Points().ActivePoint()), 0);
    QTest::keyClick(P().txtRandomSeed, Qt::Key_0, Qt::NoModifier);
    EXPECT_EQ(Points().IndexOf(*Points().ActivePoint()), 3);
}

TEST_F(GradientEditorTest, DeletingTheSecondPointSelectsTheStartPoint) {
    AddMiddlePoint(100, PackRgb(255, 0, 0));
    EXPECT_TRUE(E().DeleteButton()->isEnabled());
    E().DeleteButton()->click();
    EXPECT_EQ(Points().Count(), 2);
    EXPECT_EQ(Points().Active()->Kind, PointKind::Start);
    EXPECT_FALSE(E().DeleteButton()->isEnabled());
}

TEST_F(GradientEditorTest, DuplicatePlacesTheCopyAtHalfTheMarkersTopInThePage) {
    QAction* duplicate = E().MarkerMenu()->actions().first(); // "&Duplicate"
    E().SelectControlPoint(Points().Points().front().Id);
    duplicate->trigger();
    EXPECT_EQ(Points().Active()->Position(), 29) << "the start marker's top 58, halved";
    AddMiddlePoint(100, PackRgb(9, 8, 7));
    duplicate->trigger();
    EXPECT_EQ(Points().Count(), 5);
    EXPECT_EQ(Points().Active()->Position(), 78);
    EXPECT_EQ(Points().Active()->Colour, PackRgb(9, 8, 7));
}

TEST_F(GradientEditorTest, TheRightButtonNeitherAddsAPointNorOpensThePicker) {
    const QPoint row(4, 100);
    QMouseEvent rightDouble(QEvent::MouseButtonDblClick, row, E().GradientStrip()->mapToGlobal(row),
                            Qt::RightButton, Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(E().GradientStrip(), &rightDouble);
    EXPECT_EQ(Points().Count(), 2);

    auto* panel = W().findChild<QFrame*>("pnlActiveGPColour");
    ASSERT_NE(panel, nullptr);
    int opened = 0;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto* picker = qobject_cast<ColourPickerDialog*>(QApplication::activeModalWidget())) {
            ++opened;
            picker->reject();
        }
    });
    closer.start(5);
    QTest::mouseClick(panel, Qt::RightButton);
    EXPECT_EQ(opened, 0);
    QTest::mouseClick(panel, Qt::LeftButton);
    EXPECT_EQ(opened, 1);
}

TEST_F(GradientEditorTest, ThePickerOpensWithThePanelsColour) {
    AddMiddlePoint(100, PackRgb(200, 10, 10));
    // Dragging off the spectrum's left edge shows black in the panel, the point keeps its red.
    DragTo(E().Spectrum(), QPoint(-3, 20));
    ASSERT_EQ(Points().Active()->Colour, PackRgb(200, 10, 10));
    PackedColour initial = 1;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto* picker = qobject_cast<ColourPickerDialog*>(QApplication::activeModalWidget())) {
            initial = picker->CurrentColour();
            picker->reject();
        }
    });
    closer.start(5);
    E().PickButton()->click();
    EXPECT_EQ(initial, PackRgb(0, 0, 0));
}

TEST_F(GradientEditorTest, ContrastPointerMapsItsMiddleOntoTheStripAndRecoloursTheTexture) {
    Generate(31, 20);
    QLabel* pointer = Part<AdjustPanel>().ContrastPointer();
    Press(pointer, QPoint(5, 7));
    DragTo(pointer, QPoint(5, 7)); // no travel from the centred start
    EXPECT_EQ(W().Document().Gradient.Contrast, -2);
    EXPECT_EQ(pointer->toolTip(), "Contrast: -2");
    DragTo(pointer, QPoint(5, 400));
    EXPECT_EQ(W().Document().Gradient.Contrast, 255);
    DragTo(pointer, QPoint(5, -800));
    EXPECT_EQ(W().Document().Gradient.Contrast, -255);
    const QImage& texture = W().Document().Engine.TextureBitmap; // full negative: all grey
    for (int y = 0; y < texture.height(); y += 7)
        for (int x = 0; x < texture.width(); x += 7)
            ASSERT_EQ(texture.pixelColor(x, y), QColor(127, 127, 127)) << x << "," << y;
}

TEST_F(GradientEditorTest, DraggingOverTheBrightnessStripLeavesThePointerWhereItWas) {
    QLabel* pointer = Part<AdjustPanel>().BrightnessPointer();
    const QPoint before = pointer->pos();
    DragTo(Part<AdjustPanel>().BrightnessStrip(), QPoint(3, 0));
    EXPECT_EQ(W().Document().Gradient.Brightness, -255);
    DragTo(Part<AdjustPanel>().BrightnessStrip(), QPoint(3, 122));
    EXPECT_EQ(W().Document().Gradient.Brightness, 255);
    EXPECT_EQ(pointer->pos(), before);
    Part<AdjustPanel>().ResetButton()->click();
    EXPECT_EQ(W().Document().Gradient.Brightness, 0);
}

TEST_F(GradientEditorTest, ColourCycleEndsWhereItStarted) {
    Generate(31, 20);
    const Palette before = W().Document().Gradient.Colours;
    const QImage texture = W().Document().Engine.TextureBitmap.copy();
    QTest::mouseClick(E().GradientStrip(), Qt::LeftButton, Qt::ShiftModifier, QPoint(4, 10));
    EXPECT_EQ(W().Document().Gradient.Colours.Pixels, before.Pixels);
    EXPECT_EQ(W().Document().Engine.TextureBitmap, texture);
}

TEST_F(GradientEditorTest, RightClickMakesARandomGradientWithoutTouchingTheSeed) {
    P().txtRandomSeed->setText("4321");
    QTest::mouseClick(E().GradientStrip(), Qt::RightButton, {}, QPoint(4, 10));
    EXPECT_GE(Points().Count(), 2);
    EXPECT_LE(Points().Count(), 9);
    EXPECT_EQ(Points().Points().front().Kind, PointKind::Start);
    EXPECT_EQ(P().txtRandomSeed->text(), "4321");
}

// The keyboard edits points as the mouse does: focus selects, the arrows drag, Delete removes
// as the delete button does and Insert adds a point as a double-click on the strip would.
TEST_F(GradientEditorTest, MarkersWorkFromTheKeyboard) {
    QApplication::setActiveWindow(&W());
    const int start = Points().Points().front().Id;
    const int middle = AddMiddlePoint(100, PackRgb(255, 0, 0));
    E().Marker(start)->setFocus();
    EXPECT_EQ(*Points().ActivePoint(), start);
    QTest::keyClick(E().Marker(start), Qt::Key_Down); // the start point stays put
    EXPECT_EQ(Points().Find(start)->Position(), 0);

    TriangleMarker* marker = E().Marker(middle);
    marker->setFocus();
    EXPECT_EQ(*Points().ActivePoint(), middle);
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(marker, Qt::Key_Down);
    EXPECT_EQ(Points().Find(middle)->Position(), 103);
    QTest::keyClick(marker, Qt::Key_PageUp);
    EXPECT_EQ(Points().Find(middle)->Position(), 87);
    QAccessibleInterface* slider = QAccessible::queryAccessibleInterface(marker);
    EXPECT_EQ(slider->role(), QAccessible::Slider);
    EXPECT_EQ(slider->valueInterface()->currentValue().toInt(), 87);
    EXPECT_EQ(marker->y(), GradientEditor::StripTop + 85);

    QTest::keyClick(marker, Qt::Key_Delete);
    QApplication::processEvents();
    EXPECT_EQ(Points().Count(), 2);
    EXPECT_EQ(*Points().ActivePoint(), start);
    EXPECT_TRUE(E().Marker(start)->hasFocus());

    const Palette before = W().Document().Gradient.Colours;
    QTest::keyClick(E().Marker(start), Qt::Key_Insert);
    ASSERT_EQ(Points().Count(), 3);
    const ControlPoint* added = Points().Active();
    EXPECT_EQ(added->Position(), 127); // halfway to the end point
    EXPECT_EQ(added->Colour, PackRgb(128, 128, 128));
    EXPECT_EQ(W().Document().Gradient.Colours.Pixels, before.Pixels);
    EXPECT_TRUE(E().Marker(added->Id)->hasFocus());
    EXPECT_EQ(E().Marker(added->Id)->accessibleName(), "Colour point 2");

    const int end = Points().Points().back().Id;
    QTest::keyClick(E().Marker(end), Qt::Key_Insert); // the end point adds upwards
    EXPECT_EQ(Points().Active()->Position(), 191);
}

TEST_F(GradientEditorTest, TabReachesTheMarkersInStripOrderBeforeTheButtons) {
    const int middle = AddMiddlePoint(100, PackRgb(255, 0, 0));
    const int start = Points().Points().front().Id;
    const int end = Points().Points().back().Id;
    EXPECT_EQ(P().btnSavePreset->nextInFocusChain(), E().Marker(start));
    QWidget* next = E().Marker(start)->nextInFocusChain();
    EXPECT_EQ(next, E().Marker(middle));
    EXPECT_EQ(next->nextInFocusChain(), E().Marker(end));
}

TEST_F(GradientEditorTest, ContrastPointerMovesWithTheKeysAsADragWould) {
    QApplication::setActiveWindow(&W());
    QLabel* pointer = Part<AdjustPanel>().ContrastPointer();
    pointer->setFocus();
    EXPECT_TRUE(pointer->hasFocus());
    QTest::keyClick(pointer, Qt::Key_End);
    EXPECT_EQ(W().Document().Gradient.Contrast, 255);
    QTest::keyClick(pointer, Qt::Key_Home);
    EXPECT_EQ(W().Document().Gradient.Contrast, -255);
    QTest::keyClick(pointer, Qt::Key_Down);
    EXPECT_GT(W().Document().Gradient.Contrast, -255);
    EXPECT_EQ(pointer->accessibleDescription(),
              "Contrast: " + QString::number(W().Document().Gradient.Contrast));
    // A screen reader hears a slider and its value.
    QAccessibleInterface* slider = QAccessible::queryAccessibleInterface(pointer);
    ASSERT_NE(slider, nullptr);
    EXPECT_EQ(slider->role(), QAccessible::Slider);
    EXPECT_EQ(slider->text(QAccessible::Name), "Contrast");
    ASSERT_NE(slider->valueInterface(), nullptr);
    EXPECT_EQ(slider->valueInterface()->currentValue().toInt(), W().Document().Gradient.Contrast);
}

TEST(TriangleMarker, NumberReadsOnAWhitePoint) {
    TriangleMarker marker(nullptr);
    marker.SetColour(PackRgb(255, 255, 255));
    marker.SetNumber(8);
    const QImage image = marker.grab().toImage();
    int darkest = 255;
    for (int y = 2; y < 10; ++y)
        for (int x = 1; x < 6; ++x)
            darkest = std::min(darkest, qGray(image.pixel(x, y)));
    EXPECT_LT(darkest, 100);
}

} // namespace
} // namespace mottler::test
