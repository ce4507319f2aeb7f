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
    ColourDropDown picker;
    QStringList messages;
    PickerUnderTest() {
        picker.SetMessageRunner([this](QWidget*, const QString& text) { messages << text; });
    }
    QString Shown() const { return picker.Entry()->lineEdit()->text(); }
    PackedColour Background() const {
        const QColor c = picker.palette().color(QPalette::Window);
        return PackRgb(c.red(), c.green(), c.blue());
    }
};

TEST(ColourDropDown, TypedHtmlCodeDropsTheHashAndSetsOrange) {
    PickerUnderTest t;
    QSignalSpy changed(&t.picker, &ColourDropDown::Changed);
    QTest::keyClicks(t.picker.Entry(), "#ff8000");
    EXPECT_EQ(t.Shown(), "ff8000");
    EXPECT_TRUE(t.picker.IsColourSet());
    EXPECT_EQ(t.picker.Colour(), Orange);
    EXPECT_EQ(t.Background(), Orange);
    EXPECT_EQ(t.picker.HtmlCode(), "FF8000");
    EXPECT_EQ(changed.count(), 6);
    // A seventh character is refused while typing.
    QTest::keyClicks(t.picker.Entry(), "1");
    EXPECT_EQ(t.Shown(), "ff8000");
}

TEST(ColourDropDown, FiveHexCharactersShowTheButtonFace) {
    PickerUnderTest t;
    const PackedColour face = t.picker.Colour();
    QTest::keyClicks(t.picker.Entry(), "ff800");
    EXPECT_FALSE(t.picker.IsColourSet());
    EXPECT_EQ(t.picker.Colour(), face);
    EXPECT_EQ(t.Background(), face);
    EXPECT_EQ(t.picker.HtmlCode(), "");
}

TEST(ColourDropDown, CommaAfterHtmlCodeConvertsToDecimalAndLetterConvertsBack) {
    PickerUnderTest t;
    QTest::keyClicks(t.picker.Entry(), "FF8000,");
    EXPECT_EQ(t.Shown(), "255,128,0");
    EXPECT_EQ(t.picker.Colour(), Orange);
    // A hex letter in decimal mode: commas out, first five characters kept, letter sixth.
    QTest::keyClicks(t.picker.Entry(), "a");
    EXPECT_EQ(t.Shown(), "25512a");
    EXPECT_EQ(t.picker.Colour(), PackRgb(0x25, 0x51, 0x2A));
}

TEST(ColourDropDown, DropDownOffersBothNotationsAndSwitchesMode) {
    PickerUnderTest t;
    t.picker.SetText("ff8000");
    t.picker.Entry()->showPopup();
    ASSERT_EQ(t.picker.Entry()->count(), 2);
    EXPECT_EQ(t.picker.Entry()->itemText(1), "255,128,0");
    EXPECT_EQ(t.Shown(), "ff8000");
    t.picker.Entry()->hidePopup();
    Q_EMIT t.picker.Entry()->activated(1);
    EXPECT_EQ(t.Shown(), "255,128,0");
    t.picker.SetColour(PackRgb(1, 2, 3));
    EXPECT_EQ(t.Shown(), "1,2,3");
    t.picker.Entry()->showPopup();
    EXPECT_EQ(t.picker.Entry()->itemText(0), "010203");
    t.picker.Entry()->hidePopup();
    Q_EMIT t.picker.Entry()->activated(0);
    EXPECT_EQ(t.Shown(), "010203");
    EXPECT_EQ(t.picker.Colour(), PackRgb(1, 2, 3));

    t.picker.SetText("12");
    t.picker.Entry()->showPopup();
    EXPECT_EQ(t.picker.Entry()->count(), 0);
    t.picker.Entry()->hidePopup();
}

TEST(ColourDropDown, CtrlEnterOpensTheDialogWithTheColourOnlyWhenValid) {
    PickerUnderTest t;
    std::vector<std::optional<PackedColour>> asked;
    t.picker.SetDialogRunner([&asked](QWidget*, std::optional<PackedColour> initial) {
        asked.push_back(initial);
        return std::optional<PackedColour>(PackRgb(0, 0, 255));
    });
    QTest::keyClicks(t.picker.Entry(), "ff80");
    QTest::keyClick(t.picker.Entry(), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(t.Shown(), "0000FF");
    t.picker.DialogButton()->click();
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_FALSE(asked[0].has_value());
    EXPECT_EQ(asked[1], PackRgb(0, 0, 255));
}

TEST(ColourDropDown, PartsFollowTheControlSize) {
    ColourDropDown picker;
    const QSize start = picker.size();
    EXPECT_EQ(start, picker.sizeHint());
    EXPECT_GE(start.width(), 113);
    EXPECT_GE(start.height(), 27);
    // The dialog button is square, at least 21 pixels and never below what its style needs.
    const int side = picker.DialogButton()->width();
    EXPECT_EQ(picker.DialogButton()->height(), side);
    EXPECT_GE(side, 21);
    EXPECT_TRUE(picker.DialogButton()->size().expandedTo(
                    picker.DialogButton()->minimumSizeHint()) == picker.DialogButton()->size());
    auto expectParts = [&](QSize size) {
        EXPECT_EQ(picker.Entry()->geometry(),
                  QRect(3, 3, size.width() - side - 8, size.height() - 6));
        EXPECT_EQ(picker.DialogButton()->geometry(), QRect(size.width() - side - 3, 3, side, side));
    };
    expectParts(start);
    picker.show();
    picker.resize(200, start.height() + 3);
    expectParts(QSize(200, start.height() + 3));
}

TEST(ColourDropDown, EntryShowsTheWidestDecimalColourWhole) {
    ColourDropDown picker;
    picker.SetText("255,255,255");
    picker.resize(picker.minimumSizeHint());
    QLineEdit* line = picker.Entry()->lineEdit();
    EXPECT_GE(line->width(), line->fontMetrics().horizontalAdvance("255,255,255"));
}

} // namespace
} // namespace mottler
