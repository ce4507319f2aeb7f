#pragma once

#include <QString>
#include <array>
#include <optional>

namespace mottler {

/// The texts of the colour picker's three channel fields (red, green, blue).
using ChannelTexts = std::array<QString, 3>;

/// Clipboard text pasted into one of the picker's hex fields: without any "#" and surrounding
/// blanks it must be six hexadecimal digits, which give the three fields two characters each.
/// Throws MottlerError with the text + " is not a valid HTML color code." otherwise.
ChannelTexts HexFieldsFromPaste(const QString& clipboard);

/// Clipboard text pasted into one of the picker's decimal fields: split at ",", exactly three
/// parts (blanks around each dropped) fill the three fields; any other text gives nothing.
std::optional<ChannelTexts> DecimalFieldsFromPaste(const QString& clipboard);

} // namespace mottler
