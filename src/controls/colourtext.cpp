#include "controls/colourtext.h"

namespace mottler {

QString DecimalTextOf(PackedColour colour) {
    return QStringLiteral("%1,%2,%3").arg(RedOf(colour)).arg(GreenOf(colour)).arg(BlueOf(colour));
}

bool IsHexDigits(const QString& text) {
    for (const QChar c : text)
        if (!QStringLiteral("0123456789abcdefABCDEF").contains(c))
            return false;
    return true;
}

std::optional<PackedColour> ColourFromHexCode(const QString& code) {
    if (code.size() != 6 || !IsHexDigits(code))
        return std::nullopt;
    const auto channel = [&code](int at) { return code.mid(at, 2).toInt(nullptr, 16); };
    return PackRgb(channel(0), channel(2), channel(4));
}

} // namespace mottler
