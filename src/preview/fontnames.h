#pragma once

#include <QString>
#include <QStringList>

namespace mottler {

/// A font family as a web page names it. Qt tells families of the same name from different
/// foundries apart by adding the foundry in brackets ("Nimbus Sans [urw]"); a browser knows
/// only the plain name, so the bracket is dropped.
QString PlainFontFamily(const QString& family);

/// The families as plain names, each once, in the order of their first appearance.
QStringList PlainFontFamilies(const QStringList& families);

} // namespace mottler
