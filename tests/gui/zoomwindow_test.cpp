#include "picker/pickersettings.h"
#include "picker/ui/colourpickerdialog.h"
#include "picker/ui/screengrab.h"
#include "picker/ui/zoomwindow.h"

#include <QApplication>
#include <QMouseEvent>
#include <QSlider>
#include <QTest>
#include <gtest/gtest.h>

namespace mottler {
namespace {

class ZoomWindowTest : public testing::Test {
protected:
    void SetUp() override {
        PickerSettings::Open().clear();
        saved = ColourPickerDialog::Prompts();
        ColourPickerDialog::Prompts().Message = [](QWidget*, const QString&) {};
    }
    void TearDown() override { ColourPickerDialog::Prompts() = saved; }
    PickerPrompts saved;
};

TEST_F(ZoomWindowTest, TheViewLeavesRoomForTheBordersAndTheSlider) {
    ColourPickerDialog picker(nullptr);
    ZoomWindow zoom(&picker);
    zoom.show();
    zoom.client->resize(200, 180);
    const QSize view = zoom.ViewSize();
    EXPECT_EQ(view.height(), 180 - 3 - 2 - 2);
    EXPECT_EQ(view.width(), zoom.trZoom->x() - 3 - 2 - 2);
}

TEST_F(ZoomWindowTest, FirstClickShowsTheEyedropperSecondClosesWithOkWithoutTouchingTheColour) {
    ColourPickerDialog picker(nullptr);
    picker.SetCurrentColour(PackRgb(1, 2, 3));
    ZoomWindow zoom(&picker);
    zoom.show();
    QTest::mouseClick(zoom.client, Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_TRUE(zoom.SampleCursorShown());
    EXPECT_TRUE(zoom.isVisible());
    QTest::mouseClick(zoom.client, Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_FALSE(zoom.isVisible());
    EXPECT_EQ(zoom.result(), QDialog::Accepted);
    EXPECT_EQ(picker.CurrentColour(), PackRgb(1, 2, 3));
}

TEST_F(ZoomWindowTest, EscapeClosesOnReleaseAndThePlaceIsKept) {
    ColourPickerDialog picker(nullptr);
    {
        ZoomWindow zoom(&picker);
        zoom.RestorePosition();
        zoom.show();
        zoom.move(40, 50);
        zoom.resize(260, 240);
        QTest::keyPress(&zoom, Qt::Key_Escape);
        EXPECT_TRUE(zoom.isVisible());
        QTest::keyRelease(&zoom, Qt::Key_Escape);
        EXPECT_FALSE(zoom.isVisible());
        EXPECT_EQ(zoom.result(), QDialog::Rejected);
    }
    QSettings settings = PickerSettings::Open();
    settings.beginGroup("Form Positions/Color Picker Zoom");
    EXPECT_EQ(settings.value("Width").toString(), "260");
    EXPECT_EQ(settings.value("Window State").toString(), "Normal");
    ZoomWindow again(&picker);
    again.RestorePosition();
    EXPECT_EQ(again.size(), QSize(260, 240));
    EXPECT_EQ(again.pos(), QPoint(settings.value("Left").toInt(), settings.value("Top").toInt()));
}

void SendMouse(QWidget* to, QEvent::Type type, QPoint at, Qt::MouseButtons held) {
    QMouseEvent event(type, at, to->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(to, &event);
}

// Runs on a real X11 display (QT_QPA_PLATFORM=xcb, e.g. under xvfb-run); skipped offscreen.
TEST_F(ZoomWindowTest, DragMagnifiesTheScreenAndTheNextClickPicksItsColour) {
    if (!ReadScreenPixel(QPoint(0, 0)))
        GTEST_SKIP() << "the screen cannot be read here";
    QWidget patch(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    patch.setStyleSheet("background: rgb(255, 128, 0)");
    patch.setGeometry(600, 400, 120, 120);
    patch.show();
    ColourPickerDialog picker(nullptr);
    ZoomWindow zoom(&picker);
    zoom.move(40, 40);
    zoom.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&zoom));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&patch));
    QTest::qWait(200);

    QWidget* client = zoom.client;
    const QPoint inside(30, 30);
    SendMouse(client, QEvent::MouseButtonPress, inside, Qt::LeftButton);
    SendMouse(client, QEvent::MouseMove, QPoint(50, 50), Qt::LeftButton); // over itself
    EXPECT_FALSE(zoom.HasZoom());
    const QPoint overPatch = client->mapFromGlobal(QPoint(660, 460));
    SendMouse(client, QEvent::MouseMove, overPatch, Qt::LeftButton);
    ASSERT_TRUE(zoom.HasZoom());
    EXPECT_TRUE(zoom.SourceRect().contains(660, 460));
    SendMouse(client, QEvent::MouseButtonRelease, overPatch, Qt::NoButton);
    EXPECT_TRUE(zoom.SampleCursorShown());
    EXPECT_TRUE(zoom.isVisible());

    SendMouse(client, QEvent::MouseMove, inside, Qt::NoButton);
    EXPECT_EQ(picker.CurrentColour(), PackRgb(255, 128, 0));
    SendMouse(client, QEvent::MouseButtonPress, inside, Qt::LeftButton);
    SendMouse(client, QEvent::MouseButtonRelease, inside, Qt::NoButton);
    EXPECT_EQ(zoom.result(), QDialog::Accepted);
    EXPECT_EQ(picker.CurrentColour(), PackRgb(255, 128, 0));
}

} // namespace
} // namespace mottler
