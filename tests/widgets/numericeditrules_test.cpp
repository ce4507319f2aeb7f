#include "widgets/numericeditrules.h"

#include <gtest/gtest.h>

namespace mottler {
namespace {

/// Types each character of `keys` at the caret, as the box would, and returns the text.
QString Typed(const NumericEditRules& rules, EditState state, const QString& keys) {
    for (const QChar key : keys)
        state = FilterKey(rules, state, key).After;
    return state.Text;
}

EditState At(const QString& text, int cursor) {
    return {text, cursor, cursor, 0};
}

NumericEditRules Numeric(int max = 0) {
    NumericEditRules rules;
    rules.NumericOnly = true;
    rules.Max = max;
    return rules;
}

TEST(IntValue, EmptyOrNonIntegerTextReadsAsZero) {
    EXPECT_EQ(IntValue(""), 0);
    EXPECT_EQ(IntValue("abc"), 0);
    EXPECT_EQ(IntValue("3.5"), 0);
    EXPECT_EQ(IntValue("-"), 0);
    EXPECT_EQ(IntValue("99999999999"), 0);
    EXPECT_EQ(IntValue(" -42 "), -42);
    EXPECT_EQ(IntValue("255"), 255);
}

TEST(FilterKey, UpperBoundIsCheckedWhereTheDigitGoes) {
    EXPECT_EQ(Typed(Numeric(255), At("25", 0), "9"), "25");
    EXPECT_EQ(Typed(Numeric(255), At("25", 0), "1"), "125");
}

TEST(FilterKey, NumericBoxTakesOnlyDigitsAndOneLeadingMinus) {
    EXPECT_EQ(Typed(Numeric(), At("", 0), "1a b+2e"), "12");
    EXPECT_EQ(Typed(Numeric(), At("5", 1), "-"), "5");
    EXPECT_EQ(Typed(Numeric(), At("5", 0), "-"), "-5");
    EXPECT_EQ(Typed(Numeric(), At("-5", 0), "-7"), "-5");
    EXPECT_EQ(Typed(Numeric(), At("", 0), "."), "");
    EXPECT_EQ(Typed(Numeric(), At("", 0), "\u0663"), ""); // an Arabic-Indic three
}

TEST(FilterKey, DecimalPlacesLimitDigitsAfterThePointOnly) {
    NumericEditRules rules = Numeric();
    rules.AllowDecimal = true;
    rules.DecimalPlaces = 2;
    EXPECT_EQ(Typed(rules, At("3.14", 3), "1"), "3.14");
    EXPECT_EQ(Typed(rules, At("3.14", 1), "."), "3.14");
    EXPECT_EQ(Typed(rules, At("3", 1), ".5"), "3.5");
    EXPECT_EQ(Typed(rules, At("3.14", 0), "2"), "23.14");
    // A point that would leave three decimals behind it is dropped.
    EXPECT_EQ(Typed(rules, At("3141", 1), "."), "3141");
    EXPECT_EQ(Typed(rules, At("3141", 2), "."), "31.41");
}

TEST(FilterKey, KeyOverSelectionReplacesItAndDroppedKeyChangesNothing) {
    const EditState selected{"1234", 3, 1, 2}; // "23" selected
    const KeyResult typed = FilterKey(Numeric(), selected, u'9');
    EXPECT_TRUE(typed.Accepted);
    EXPECT_EQ(typed.After.Text, "194");
    EXPECT_EQ(typed.After.Cursor, 2);

    EXPECT_TRUE(FilterKey(Numeric(200), selected, u'9').Accepted); // 194, not 12394
    const KeyResult over = FilterKey(Numeric(100), selected, u'9');
    EXPECT_FALSE(over.Accepted);
    EXPECT_EQ(over.After.Text, "1234");
    // A minus typed over a selection that starts the text goes in.
    EXPECT_EQ(FilterKey(Numeric(), {"-12", 3, 0, 3}, u'-').After.Text, "-");
}

TEST(FilterKey, BlockAndAllowListsAreCaseSensitive) {
    NumericEditRules rules;
    rules.BlockChars = "\\/";
    EXPECT_EQ(Typed(rules, At("", 0), "a/b\\C"), "abC");
    rules.AllowChars = "abc";
    EXPECT_EQ(Typed(rules, At("", 0), "aAbBxc"), "abc");
}

TEST(FilterInsertion, PastedTextKeepsOnlyWhatCouldBeTyped) {
    EXPECT_EQ(FilterInsertion(Numeric(), At("", 0), "1,234 px\n"), "1234");
    EXPECT_EQ(FilterInsertion(Numeric(255), At("", 0), "2567"), "25");
    EXPECT_EQ(FilterInsertion(NumericEditRules{}, At("x", 1), "a\tb\r\nc"), "abc");
}

TEST(ApplyMin, RaisesNonEmptyTextBelowTheBound) {
    EXPECT_EQ(ApplyMin("0", 1), "1");
    EXPECT_EQ(ApplyMin("", 1), "");
    EXPECT_EQ(ApplyMin("abc", 3), "3");
    EXPECT_EQ(ApplyMin("5.5", 3), "5.5"); // a decimal above the bound is not read as 0
    EXPECT_EQ(ApplyMin("2.5", 3), "3");
    EXPECT_EQ(ApplyMin("0", 0), "0");
    EXPECT_EQ(ApplyMin("-5", -1), "-5");
}

} // namespace
} // namespace mottler
