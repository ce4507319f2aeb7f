#pragma once

#include "preview/previewsettings.h"

#include <QString>

namespace mottler {

/// The colour attributes of the preview page's BODY tag, in the order text, link, visited
/// link, active link: ` TEXT="#000000" LINK="#0000FF"` ... with six upper-case hexadecimal
/// digits, red first. Each attribute starts with a space; absent colours are left out, so
/// the text is empty when no colour is set.
QString BodyColourAttributes(const PreviewColours& colours);

/// The value in double quotes: a quote is added at the start and at the end unless the
/// value already has one there, so a value given in quotes is not quoted twice.
QString QuoteValue(const QString& value);

/// The value in double quotes with the characters HTML gives a meaning escaped (& < > "), so
/// no value (a font family name) can end the attribute early or add markup. Quotes the value
/// already has at its start and end stand for these and are not repeated, as QuoteValue.
QString EscapedAttributeValue(const QString& value);

/// The URL a page uses for a local file: a drive-letter path ("C:\web\a.jpg") becomes
/// "file:///C|/web/a.jpg"; any other path becomes a file:// URL with spaces and other
/// special characters percent-encoded.
QString LocalPathToUrl(const QString& path);

} // namespace mottler
