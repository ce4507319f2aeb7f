#include "preview/bodyattributes.h"

#include "palette/colourtext.h"

#include <QRegularExpression>
#include <QUrl>

namespace mottler {
namespace {

void AppendAttribute(QString& text, const char* name, const std::optional<PackedColour>& colour) {
    if (colour)
        text += QStringLiteral(" %1=\"#%2\"").arg(QLatin1String(name), ColourToHex(*colour));
}

} // namespace

QString BodyColourAttributes(const PreviewColours& colours) {
    QString text;
    AppendAttribute(text, "TEXT", colours.Text);
    AppendAttribute(text, "LINK", colours.Link);
    AppendAttribute(text, "VLINK", colours.VisitedLink);
    AppendAttribute(text, "ALINK", colours.ActiveLink);
    return text;
}

QString QuoteValue(const QString& value) {
    // A lone quote opens the value; it cannot close it as well.
    const bool opens = value.startsWith(QLatin1Char('"'));
    const bool closes = value.size() > (opens ? 1 : 0) && value.endsWith(QLatin1Char('"'));
    return (opens ? QString() : QStringLiteral("\"")) + value +
           (closes ? QString() : QStringLiteral("\""));
}

QString EscapedAttributeValue(const QString& value) {
    QStringView inner(value);
    if (inner.startsWith(u'"'))
        inner = inner.mid(1);
    if (inner.endsWith(u'"'))
        inner.chop(1);
    return QLatin1Char('"') + inner.toString().toHtmlEscaped() + QLatin1Char('"');
}

QString LocalPathToUrl(const QString& path) {
    static const QRegularExpression driveLetter(QStringLiteral("^[A-Za-z]:"));
    if (driveLetter.match(path).hasMatch()) {
        QString rest = path.mid(2);
        rest.replace(QLatin1Char('\\'), QLatin1Char('/'));
        return QStringLiteral("file:///") + path.at(0) + QLatin1Char('|') + rest;
    }
    return QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded);
}

} // namespace mottler
