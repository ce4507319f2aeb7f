#include "widgets/numericeditrules.h"

namespace mottler {
namespace {

bool IsAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

/// The box as it stands once the selection is deleted, caret where the selection was.
EditState WithoutSelection(const EditState& state) {
    EditState result = state;
    if (state.selectionLength > 0) {
        result.text.remove(state.selectionStart, state.selectionLength);
        result.cursor = state.selectionStart;
    }
    result.selectionStart = result.cursor;
    result.selectionLength = 0;
    return result;
}

/// The number rules: digits, one leading "-", one "." when decimals are allowed, the upper
/// bound and the count of decimals. `base` is the box without the selection and `candidate`
/// its text with the key inserted at the caret.
bool PassesNumberRules(const NumericEditRules& rules, const EditState& base, QChar key,
                       const QString& candidate) {
    if (!IsAsciiDigit(key) && key != u'-' && key != u'.')
        return false;
    if (key == u'.' && (!rules.allowDecimal || base.text.contains(u'.')))
        return false;
    if (key == u'-' && (base.text.contains(u'-') || base.cursor != 0))
        return false;
    // Nothing may go in front of the sign, or the text stops being a number.
    if (base.cursor == 0 && base.text.startsWith(u'-'))
        return false;
    if (rules.max > 0 && NumberValue(candidate) > rules.max)
        return false;
    // A key at or after the point may not leave more decimals than allowed; digits in front
    // of the point are always fine.
    const qsizetype point = candidate.indexOf(u'.');
    if (point >= 0 && base.cursor >= point && candidate.size() - point - 1 > rules.decimalPlaces)
        return false;
    return true;
}

bool PassesCharacterLists(const NumericEditRules& rules, QChar key) {
    if (rules.blockChars.contains(key))
        return false;
    return rules.allowChars.isEmpty() || rules.allowChars.contains(key);
}

} // namespace

KeyResult FilterKey(const NumericEditRules& rules, const EditState& state, QChar key) {
    const EditState base = WithoutSelection(state);
    QString candidate = base.text;
    candidate.insert(base.cursor, key);

    KeyResult result;
    result.after = state;
    if (rules.numericOnly && !PassesNumberRules(rules, base, key, candidate))
        return result;
    if (!PassesCharacterLists(rules, key))
        return result;

    result.accepted = true;
    result.after.text = candidate;
    result.after.cursor = base.cursor + 1;
    result.after.selectionStart = result.after.cursor;
    result.after.selectionLength = 0;
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
        if (step.accepted) {
            accepted += key;
            current = step.after;
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
