#pragma once

#include "base/numbers.h"

#include <QString>

namespace mottler {

/// What may be typed into a NumericEdit.
struct NumericEditRules {
    bool NumericOnly = false;  ///< only digits, "-" and (with allowDecimal) one "."
    bool AllowDecimal = false; ///< one decimal point allowed
    int DecimalPlaces = 0;     ///< digits allowed after the point
    int Max = 0;               ///< upper bound checked while typing; 0 means none
    QString AllowChars;        ///< when not empty, only these characters may be typed
    QString BlockChars;        ///< characters that may not be typed
};

/// The text of a box with its caret and selection (character indices, 0-based).
struct EditState {
    QString Text;
    int Cursor = 0;
    int SelectionStart = 0;
    int SelectionLength = 0; ///< 0 when nothing is selected
};

/// The outcome of one typed character.
struct KeyResult {
    bool Accepted = false;
    EditState After; ///< the box once the key took effect; the unchanged box when dropped
};

/// Decides whether a printable character typed into the box goes in. A character typed over
/// a selection replaces it, so every check looks at the text with the selection removed and
/// the caret where the selection was; a dropped key changes nothing. Control keys
/// (backspace, delete, navigation, clipboard shortcuts) are not filtered and never come here.
KeyResult FilterKey(const NumericEditRules& rules, const EditState& state, QChar key);

/// The characters of a pasted or dropped text that go in when typed one by one at the caret
/// (over the selection), each checked by FilterKey; the others, and control characters such
/// as line breaks, are left out.
QString FilterInsertion(const NumericEditRules& rules, const EditState& state, const QString& text);

/// The text after leaving the box: a non-empty text whose value is below min becomes min in
/// decimal. A min of 0 or less means no bound.
QString ApplyMin(const QString& text, int min);

} // namespace mottler
