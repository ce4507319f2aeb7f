#include "picker/pickerpaste.h"

#include "base/errors.h"
#include "palette/colourtext.h"

#include <QCoreApplication>
#include <QStringList>

namespace mottler {

ChannelTexts HexFieldsFromPaste(const QString& clipboard) {
    QString code = clipboard;
    code.remove(QLatin1Char('#'));
    code = code.trimmed();
    if (code.size() != 6 || !IsHexDigits(code))
        throw MottlerError(QCoreApplication::translate("mottler::PickerPaste",
                                                       "%1 is not a valid HTML color code.")
                               .arg(code));
    return {code.mid(0, 2), code.mid(2, 2), code.mid(4, 2)};
}

std::optional<ChannelTexts> DecimalFieldsFromPaste(const QString& clipboard) {
    const QStringList parts = clipboard.split(QLatin1Char(','));
    if (parts.size() != 3)
        return std::nullopt;
    return ChannelTexts{parts[0].trimmed(), parts[1].trimmed(), parts[2].trimmed()};
}

} // namespace mottler
