#include "picker/ui/colourdropdown.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace mottler {
namespace {

constexpr PackedColour Orange = PackRgb(255, 128, 0);

/// A control whose messages are collected instead of shown.
struct PickerUnderTest {
    ColourDropDown Picker;
    QStringList Messages;
    PickerUnderTest() {
        Picker.SetMessageRunner([this](QWidget*, const QString& text) { Messages << text; });
    }
    QString Shown() const { return Picker.Entry()->lineEdit()->text(); }
    PackedColour Background() const {
        const QColor c = Picker.palette().color(QPalette::Window);
        return PackRgb(c.red(), c.green(), c.blue());
    }
};

TEST(ColourDropDown, TypedHtmlCodeDropsTheHashAndSetsOrange) {
    PickerUnderTest t;
    QSignalSpy changed(&t.Picker, &ColourDropDown::Changed);
    QTest::keyClicks(t.Picker.Entry(), "#ff8000");
    EXPECT_EQ(t.Shown(), "ff8000");
    EXPECT_TRUE(t.Picker.IsColourSet());
    EXPECT_EQ(t.Picker.Colour(), Orange);
    EXPECT_EQ(t.Background(), Orange);
    EXPECT_EQ(t.Picker.HtmlCode(), "FF8000");
    EXPECT_EQ(changed.count(), 6);
    // A seventh character is refused while typing.
    QTest::keyClicks(t.Picker.Entry(), "1");
    EXPECT_EQ(t.Shown(), "ff8000");
}

TEST(ColourDropDown, FiveHexCharactersShowTheButtonFace) {
    PickerUnderTest t;
    const PackedColour face = t.Picker.Colour();
    QTest::keyClicks(t.Picker.Entry(), "ff800");
    EXPECT_FALSE(t.Picker.IsColourSet());
    EXPECT_EQ(t.Picker.Colour(), face);
    EXPECT_EQ(t.Background(), face);
    EXPECT_EQ(t.Picker.HtmlCode(), "");
}

TEST(ColourDropDown, CommaAfterHtmlCodeConvertsToDecimalAndLetterConvertsBack) {
    PickerUnderTest t;
    QTest::keyClicks(t.Picker.Entry(), "FF8000,");
    EXPECT_EQ(t.Shown(), "255,128,0");
    EXPECT_EQ(t.Picker.Colour(), Orange);
    // A hex letter in decimal mode: commas out, first five characters kept, letter sixth.
    QTest::keyClicks(t.Picker.Entry(), "a");
    EXPECT_EQ(t.Shown(), "25512a");
    EXPECT_EQ(t.Picker.Colour(), PackRgb(0x25, 0x51, 0x2A));
}

TEST(ColourDropDown, DropDownOffersBothNotationsAndSwitchesMode) {
    PickerUnderTest t;
    t.Picker.SetText("ff8000");
    t.Picker.Entry()->showPopup();
    ASSERT_EQ(t.Picker.Entry()->count(), 2);
    EXPECT_EQ(t.Picker.Entry()->itemText(1), "255,128,0");
    EXPECT_EQ(t.Shown(), "ff8000");
    t.Picker.Entry()->hidePopup();
    Q_EMIT t.Picker.Entry()->activated(1);
    EXPECT_EQ(t.Shown(), "255,128,0");
    t.Picker.SetColour(PackRgb(1, 2, 3));
    EXPECT_EQ(t.Shown(), "1,2,3");
    t.Picker.Entry()->showPopup();
    EXPECT_EQ(t.Picker.Entry()->itemText(0), "010203");
    t.Picker.Entry()->hidePopup();
    Q_EMIT t.Picker.Entry()->activated(0);
    EXPECT_EQ(t.Shown(), "010203");
    EXPECT_EQ(t.Picker.Colour(), PackRgb(1, 2, 3));

    t.Picker.SetText("12");
    t.Picker.Entry()->showPopup();
    EXPECT_EQ(t.Picker.Entry()->count(), 0);
    t.Picker.Entry()->hidePopup();
}

TEST(ColourDropDown, CtrlEnterOpensTheDialogWithTheColourOnlyWhenValid) {
    PickerUnderTest t;
    std::vector<std::optional<PackedColour>> asked;
    t.Picker.SetDialogRunner([&asked](QWidget*, std::optional<PackedColour> initial) {
        asked.push_back(initial);
        return std::optional<PackedColour>(PackRgb(0, 0, 255));
    });
    QTest::keyClicks(t.Picker.Entry(), "ff80");
    QTest::keyClick(t.Picker.Entry(), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(t.Shown(), "0000FF");
    t.Picker.DialogButton()->click();
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_FALSE(asked[0].has_value());
    EXPECT_EQ(asked[1], PackRgb(0, 0, 255));
}

TEST(ColourDropDown, PartsFollowTheControlSize) {
    ColourDropDown Picker;
    const QSize start = Picker.size();
    EXPECT_EQ(start, Picker.sizeHint());
    EXPECT_GE(start.width(), 113);
    EXPECT_GE(start.height(), 27);
    // The dialog button is square, at least 21 pixels and never below what its style needs.
    const int side = Picker.DialogButton()->width();
    EXPECT_EQ(Picker.DialogButton()->height(), side);
    EXPECT_GE(side, 21);
    EXPECT_TRUE(Picker.DialogButton()->size().expandedTo(
                    Picker.DialogButton()->minimumSizeHint()) == Picker.DialogButton()->size());
    auto expectParts = [&](QSize size) {
        EXPECT_EQ(Picker.Entry()->geometry(),
                  QRect(3, 3, size.width() - side - 8, size.height() - 6));
        EXPECT_EQ(Picker.DialogButton()->geometry(), QRect(size.width() - side - 3, 3, side, side));
    };
    expectParts(start);
    Picker.show();
    Picker.resize(200, start.height() + 3);
    expectParts(QSize(200, start.height() + 3));
}

TEST(ColourDropDown, EntryShowsTheWidestDecimalColourWhole) {
    ColourDropDown Picker;
    Picker.SetText("255,255,255");
    Picker.resize(Picker.minimumSizeHint());
    QLineEdit* line = Picker.Entry()->lineEdit();
    EXPECT_GE(line->width(), line->fontMetrics().horizontalAdvance("255,255,255"));
}

} // namespace
} // namespace mottler
