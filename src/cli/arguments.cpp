#include "cli/arguments.h"

#include <cmath>

namespace mottler::cli {

QString Arguments::NextOption() {
    if (position >= items.size())
        return {};
    option = items[position++];
    hasInlineValue = false;
    if (!option.startsWith('-') || option == "-" || option == "--")
        throw UsageError(QStringLiteral("unexpected argument \"%1\"").arg(option));
    const qsizetype eq = option.indexOf('=');
    if (option.startsWith("--") && eq > 2) {
        inlineValue = option.mid(eq + 1);
        hasInlineValue = true;
        option = option.left(eq);
    }
    return option;
}

QString Arguments::Text() {
    if (hasInlineValue) {
        hasInlineValue = false;
        return inlineValue;
    }
    if (position >= items.size())
        throw UsageError(QStringLiteral("option %1 needs a value").arg(option));
    return items[position++];
}

void Arguments::NoValue() const {
    if (hasInlineValue)
        throw UsageError(QStringLiteral("option %1 takes no value").arg(option));
}

int Arguments::Integer(qint64 min, qint64 max) {
    const QString text = Text();
    bool ok = false;
    const qint64 value = text.toLongLong(&ok, 10);
    if (!ok)
        throw UsageError(
            QStringLiteral("option %1: \"%2\" is not a whole number").arg(option, text));
    if (value < min || value > max)
        throw UsageError(
            QStringLiteral("option %1: %2 is outside %3 … %4").arg(option, text).arg(min).arg(max));
    return static_cast<int>(value);
}

double Arguments::Real(double min, double max) {
    const QString text = Text();
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        throw UsageError(QStringLiteral("option %1: \"%2\" is not a number").arg(option, text));
    if (value < min || value > max)
        throw UsageError(QStringLiteral("option %1: %2 is out of range").arg(option, text));
    return value;
}

int Arguments::Choice(const QStringList& names) {
    const QString text = Text();
    for (int i = 0; i < names.size(); ++i)
        if (text.compare(names[i], Qt::CaseInsensitive) == 0 || text == QString::number(i))
            return i;
    throw UsageError(QStringLiteral("option %1: \"%2\" is not one of %3 (or 0 … %4)")
                         .arg(option, text, names.join(", "))
                         .arg(names.size() - 1));
}

} // namespace mottler::cli
