#include "preview/colourcodes.h"

#include "palette/colourtext.h"
#include "preview/bodyattributes.h"

#include <QCoreApplication>

namespace mottler {
namespace {

QString CssColour(PackedColour colour) {
    return QStringLiteral("#") + ColourToHex(colour);
}

/// A one-line rule for a link state, nothing when its colour is not set.
QString LinkRule(const char* selector, const std::optional<PackedColour>& colour) {
    if (!colour)
        return {};
    return QStringLiteral("%1 { color: %2; }\n").arg(QLatin1String(selector), CssColour(*colour));
}

/// The text as the inside of a CSS string: quotes and backslashes escaped, line breaks as
/// hexadecimal escapes, so the URL cannot end the declaration early.
QString CssString(const QString& text) {
    QString escaped;
    for (const QChar c : text) {
        if (c == QLatin1Char('"') || c == QLatin1Char('\\'))
            escaped += QLatin1Char('\\');
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            escaped += QStringLiteral("\\%1 ").arg(c.unicode(), 0, 16);
        else
            escaped += c;
    }
    return escaped;
}

} // namespace

QString ColourCodesText(const PreviewColours& colours) {
    return BodyColourAttributes(colours);
}

ColourCodesCopy ColourCodesWithMessage(const PreviewColours& colours) {
    const QString text = ColourCodesText(colours);
    if (text.isEmpty())
        return {
            false,
            {},
            QCoreApplication::translate("mottler::ColourCodes",
                                        "None of the colors have yet been set, so no text has been "
                                        "placed in the clipboard.")};
    return {true, text,
            QCoreApplication::translate(
                "mottler::ColourCodes",
                "The following text has been placed in your clipboard :\r\n\r\n") +
                text};
}

QString ColourCodesCss(const PreviewColours& colours, const QString& backgroundUrl) {
    QString css = QStringLiteral("body {\n");
    if (colours.Text)
        css += QStringLiteral("  color: %1;\n").arg(CssColour(*colours.Text));
    css += QStringLiteral("  background-image: url(\"%1\");\n}\n").arg(CssString(backgroundUrl));
    return css + LinkRule("a:link", colours.Link) + LinkRule("a:visited", colours.VisitedLink) +
           LinkRule("a:active", colours.ActiveLink);
}

} // namespace mottler
