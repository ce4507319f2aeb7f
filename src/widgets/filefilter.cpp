#include "widgets/filefilter.h"

#include <QStringList>

namespace mottler {
namespace {

/// Patterns separated by blanks, as Qt lists them: "*.jpg;*.jpeg" → "*.jpg *.jpeg".
QString BlankSeparated(QString patterns) {
    patterns.replace(u';', u' ');
    patterns.replace(u',', u' ');
    return patterns.simplified();
}

/// The description without a trailing "(patterns)" that repeats the patterns.
QString WithoutRepeatedPatterns(const QString& description, const QString& patterns) {
    const QString trimmed = description.trimmed();
    const qsizetype open = trimmed.lastIndexOf(u'(');
    if (open < 0 || !trimmed.endsWith(u')'))
        return trimmed;
    const QString inside = trimmed.mid(open + 1, trimmed.size() - open - 2);
    if (BlankSeparated(inside) != patterns)
        return trimmed;
    return trimmed.left(open).trimmed();
}

} // namespace

QString QtFileFilter(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString patterns = BlankSeparated(parts[i + 1]);
        if (patterns.isEmpty())
            continue;
        const QString description = WithoutRepeatedPatterns(parts[i], patterns);
        // A description that is its own patterns ("*.gif|*.gif") is shown once, as the
        // patterns alone, which the file dialog reads as both.
        if (description.isEmpty() || BlankSeparated(description) == patterns)
            entries << patterns;
        else
            entries << QStringLiteral("%1 (%2)").arg(description, patterns);
    }
    return entries.join(QStringLiteral(";;"));
}

QString DefaultSuffix(const QString& extension) {
    QString suffix = extension.trimmed();
    while (suffix.startsWith(u'.'))
        suffix.remove(0, 1);
    return suffix;
}

} // namespace mottler
