#include "widgets/colourentry.h"

#include "palette/colourtext.h"

#include <QCoreApplication>
#include <QStringList>
#include <optional>

namespace mottler {
namespace {

/// The colour of "R,G,B": three parts, each a whole number 0 … 255. `outOfRange` tells
/// whether a part was a number outside that range (the case the range warning is for).
std::optional<PackedColour> ColourFromDecimalText(const QString& text, bool& outOfRange) {
    outOfRange = false;
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 3)
        return std::nullopt;
    int channels[3] = {};
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        channels[i] = parts[i].toInt(&ok, 10);
        if (!ok)
            return std::nullopt;
        if (channels[i] < 0 || channels[i] > 255) {
            outOfRange = true;
            return std::nullopt;
        }
    }
    return PackRgb(channels[0], channels[1], channels[2]);
}

bool IsDecimalDigits(const QString& text) {
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

/// "FF8000" → "255,128,0", pair by pair as far as the text goes ("FF8" → "255,8").
std::optional<QString> HexPairsToDecimal(const QString& text) {
    if (!IsHexDigits(text))
        return std::nullopt;
    QStringList numbers;
    for (qsizetype at = 0; at < text.size() && at < 6; at += 2)
        numbers.append(QString::number(text.mid(at, 2).toInt(nullptr, 16)));
    return numbers.join(QLatin1Char(','));
}

bool IsHexLetter(QChar key) {
    const QChar upper = key.toUpper();
    return upper >= QLatin1Char('A') && upper <= QLatin1Char('F');
}

constexpr QChar Backspace = QChar(0x08);

} // namespace

ColourEntry::ColourEntry(PackedColour buttonFaceColour)
    : buttonFace(buttonFaceColour), colour(buttonFaceColour) {}

QString ColourEntry::RangeWarningText() {
    return QCoreApplication::translate("mottler::ColourEntry",
                                       "All values must be between 0 and 255.");
}

QString ColourEntry::HexadecimalErrorText() {
    return QCoreApplication::translate(
        "mottler::ColourEntry", "HTML colours must be entered using hexadecimal characters.  This "
                                "includes the numbers from 0 to 9 and the letters from A to F.");
}

void ColourEntry::SetText(const QString& newText) {
    text = newText;
    RunChangeProcedure();
}

void ColourEntry::RunChangeProcedure() {
    if (text.contains(QLatin1Char(',')))
        decimalMode = true;
    if (decimalMode)
        ApplyDecimalText();
    else
        ApplyHexText();
    if (onChange)
        onChange();
}

void ColourEntry::ApplyDecimalText() {
    bool outOfRange = false;
    const std::optional<PackedColour> parsed = ColourFromDecimalText(text, outOfRange);
    if (outOfRange && warnings)
        Report(RangeWarningText());
    textGaveColour = parsed.has_value();
    colour = parsed.value_or(buttonFace);
}

void ColourEntry::ApplyHexText() {
    // All leading "#" go at once, so a pasted "#ff8000" runs the checks (and any message)
    // a single time.
    while (text.startsWith(QLatin1Char('#')))
        text.remove(0, 1);
    colourSet = text.size() == 6;
    std::optional<PackedColour> parsed;
    if (colourSet) {
        parsed = ColourFromHtmlCode(text);
        if (!parsed)
            Report(HexadecimalErrorText());
    }
    textGaveColour = parsed.has_value();
    colour = parsed.value_or(buttonFace);
}

void ColourEntry::Report(const QString& message) const {
    if (onMessage)
        onMessage(message);
}

bool ColourEntry::IsTextValid() const {
    if (!decimalMode)
        return text.size() == 6;
    bool outOfRange = false;
    return ColourFromDecimalText(text, outOfRange).has_value();
}

QString ColourEntry::HtmlCode() const {
    return textGaveColour ? ColourToHex(colour) : QString();
}

void ColourEntry::SetColour(PackedColour newColour) {
    SetText(decimalMode ? DecimalTextOf(newColour) : ColourToHex(newColour));
}

bool ColourEntry::AcceptsCharacter(QChar character) const {
    if (character == Backspace)
        return true;
    if (decimalMode)
        return QStringLiteral("1234567890,").contains(character);
    return character == QLatin1Char('.') ||
           QStringLiteral("1234567890abcdef").contains(character, Qt::CaseInsensitive);
}

ColourEntry::KeyAction ColourEntry::KeyPress(QChar key) {
    if (!decimalMode && key == QLatin1Char(','))
        return CommaInHexMode();
    if (decimalMode && IsHexLetter(key)) {
        QString digits = text;
        digits.remove(QLatin1Char(','));
        digits.truncate(5);
        if (digits != text)
            SetText(digits);
        decimalMode = false;
        return KeyAction::Insert;
    }
    return AcceptsCharacter(key) ? KeyAction::Insert : KeyAction::Swallow;
}

ColourEntry::KeyAction ColourEntry::CommaInHexMode() {
    QString converted = text;
    if (!IsDecimalDigits(text)) {
        const std::optional<QString> numbers = HexPairsToDecimal(text);
        if (!numbers) {
            // A "." among the digits: nothing sensible to convert, so the text stays as it is.
            Report(HexadecimalErrorText());
            return KeyAction::Swallow;
        }
        converted = *numbers;
    }
    decimalMode = true;
    if (converted != text)
        SetText(converted);
    return IsTextValid() ? KeyAction::Swallow : KeyAction::Insert;
}

void ColourEntry::Type(QChar key) {
    if (KeyPress(key) == KeyAction::Swallow)
        return;
    if (key == Backspace) {
        if (!text.isEmpty())
            SetText(text.chopped(1));
        return;
    }
    if (MaxLength() > 0 && text.size() >= MaxLength())
        return;
    SetText(text + key);
}

QStringList ColourEntry::DropDownEntries() const {
    if (!textGaveColour)
        return {};
    if (decimalMode)
        return {ColourToHex(colour), text};
    return {text, DecimalTextOf(colour)};
}

void ColourEntry::ChooseDropDownEntry(int index) {
    const QStringList entries = DropDownEntries();
    if (index < 0 || index >= entries.size())
        return;
    decimalMode = index == 1;
    SetText(entries[index]);
}

} // namespace mottler
