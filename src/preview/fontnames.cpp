#include "preview/fontnames.h"

#include <QSet>

namespace mottler {

QString PlainFontFamily(const QString& family) {
    const QString trimmed = family.trimmed();
    const qsizetype bracket = trimmed.lastIndexOf(QLatin1String(" ["));
    if (bracket > 0 && trimmed.endsWith(QLatin1Char(']')))
        return trimmed.left(bracket).trimmed();
    return trimmed;
}

QStringList PlainFontFamilies(const QStringList& families) {
    QStringList plain;
    QSet<QString> seen;
    for (const QString& family : families) {
        const QString name = PlainFontFamily(family);
        if (!name.isEmpty() && !seen.contains(name)) {
            seen.insert(name);
            plain.append(name);
        }
    }
    return plain;
}

} // namespace mottler
