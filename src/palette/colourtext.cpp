#include "palette/colourtext.h"

#include <QGuiApplication>
#include <QPalette>
#include <optional>

namespace mottler {
namespace {

/// One or two hexadecimal digits, nothing else.
std::optional<int> HexByte(QStringView digits) {
    if (digits.isEmpty() || digits.size() > 2)
        return std::nullopt;
    bool ok = false;
    const int value = digits.toInt(&ok, 16);
    for (QChar c : digits)
        ok = ok && (c.isDigit() || (c.toUpper() >= u'A' && c.toUpper() <= u'F'));
    return ok ? std::optional<int>(value) : std::nullopt;
}

} // namespace

QString ColourToHex(PackedColour colour) {
    return QString::asprintf("%02X%02X%02X", RedOf(colour), GreenOf(colour), BlueOf(colour));
}

PackedColour ColourFromPresetHex(const QString& text) {
    const QStringView view(text);
    const auto red = HexByte(view.mid(0, 2));
    const auto green = HexByte(view.mid(2, 2));
    const auto blue = HexByte(view.mid(std::max<qsizetype>(view.size() - 2, 0), 2));
    if (!red || !green || !blue)
        return ButtonFaceColour();
    return PackRgb(*red, *green, *blue);
}

PackedColour ButtonFaceColour() {
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        const QColor button = QGuiApplication::palette().color(QPalette::Button);
        return PackRgb(button.red(), button.green(), button.blue());
    }
    return PackRgb(240, 240, 240);
}

QString DecimalTextOf(PackedColour colour) {
    return QStringLiteral("%1,%2,%3").arg(RedOf(colour)).arg(GreenOf(colour)).arg(BlueOf(colour));
}

bool IsHexDigits(const QString& text) {
    for (const QChar c : text)
        if (!QStringLiteral("0123456789abcdefABCDEF").contains(c))
            return false;
    return true;
}

std::optional<PackedColour> ColourFromHtmlCode(const QString& code) {
    if (code.size() != 6 || !IsHexDigits(code))
        return std::nullopt;
    const auto channel = [&code](int at) { return code.mid(at, 2).toInt(nullptr, 16); };
    return PackRgb(channel(0), channel(2), channel(4));
}

} // namespace mottler
