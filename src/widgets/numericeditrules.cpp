#include "widgets/numericeditrules.h"

namespace mottler {
namespace {

bool IsAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

/// The box as it stands once the selection is deleted, caret where the selection was.
EditState WithoutSelection(const EditState& state) {
    EditState result = state;
    if (state.SelectionLength > 0) {
        result.Text.remove(state.SelectionStart, state.SelectionLength);
        result.Cursor = state.SelectionStart;
    }
    result.SelectionStart = result.Cursor;
    result.SelectionLength = 0;
    return result;
}

/// The number rules: digits, one leading "-", one "." when decimals are allowed, the upper
/// bound and the count of decimals. `base` is the box without the selection and `candidate`
/// its text with the key inserted at the caret.
bool PassesNumberRules(const NumericEditRules& rules, const EditState& base, QChar key,
                       const QString& candidate) {
    if (!IsAsciiDigit(key) && key != u'-' && key != u'.')
        return false;
    if (key == u'.' && (!rules.AllowDecimal || base.Text.contains(u'.')))
        return false;
    if (key == u'-' && (base.Text.contains(u'-') || base.Cursor != 0))
        return false;
    // Nothing may go in front of the sign, or the text stops being a number.
    if (base.Cursor == 0 && base.Text.startsWith(u'-'))
        return false;
    if (rules.Max > 0 && NumberValue(candidate) > rules.Max)
        return false;
    // A key at or after the point may not leave more decimals than allowed; digits in front
    // of the point are always fine.
    const qsizetype point = candidate.indexOf(u'.');
    if (point >= 0 && base.Cursor >= point && candidate.size() - point - 1 > rules.DecimalPlaces)
        return false;
    return true;
}

bool PassesCharacterLists(const NumericEditRules& rules, QChar key) {
    if (rules.BlockChars.contains(key))
        return false;
    return rules.AllowChars.isEmpty() || rules.AllowChars.contains(key);
}

} // namespace

KeyResult FilterKey(const NumericEditRules& rules, const EditState& state, QChar key) {
    const EditState base = WithoutSelection(state);
    QString candidate = base.Text;
    candidate.insert(base.Cursor, key);

    KeyResult result;
    result.After = state;
    if (rules.NumericOnly && !PassesNumberRules(rules, base, key, candidate))
        return result;
    if (!PassesCharacterLists(rules, key))
        return result;

    result.Accepted = true;
    result.After.Text = candidate;
    result.After.Cursor = base.Cursor + 1;
    result.After.SelectionStart = result.After.Cursor;
    result.After.SelectionLength = 0;
    return result;
}

QString FilterInsertion(const NumericEditRules& rules, const EditState& state,
                        const QString& text) {
    QString accepted;
    EditState current = state;
    for (const QChar key : text) {
        if (!key.isPrint()) // line breaks and tabs of a pasted text
            continue;
        const KeyResult step = FilterKey(rules, current, key);
        if (step.Accepted) {
            accepted += key;
            current = step.After;
        }
    }
    return accepted;
}

QString ApplyMin(const QString& text, int min) {
    if (min > 0 && !text.isEmpty() && NumberValue(text) < min)
        return QString::number(min);
    return text;
}

} // namespace mottler
