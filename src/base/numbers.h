#pragma once

#include <QString>

namespace mottler {

/// The number parsing that files, the per-user settings and the edit boxes share.

/// A decimal integer: optional sign, surrounding blanks allowed. Leaves `value` alone and
/// returns false when the text is not one.
bool ParseDecimal(const QString& text, int& value);

/// The integer a box reads as: its text as a decimal integer (surrounding blanks allowed),
/// 0 when the text is empty or not an integer. Every caller that reads a numeric field uses it.
int IntValue(const QString& text);

/// The number a numeric box holds, decimals included: 0 when the text is empty or not a
/// finite number. Used for the bounds so that "5.5" is not mistaken for 0.
double NumberValue(const QString& text);

/// The decimal number a box must hold for a computation (a growth factor, a multiplier).
/// Throws MottlerError "'text' is not a valid floating point value" when it holds none (nor
/// a finite one: "nan" and "inf" are refused).
double DecimalNumber(const QString& text);

} // namespace mottler
