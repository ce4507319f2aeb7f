#include "base/numbers.h"

#include "base/errors.h"

#include <QCoreApplication>
#include <cmath>

namespace mottler {

bool ParseDecimal(const QString& text, int& value) {
    bool ok = false;
    const int parsed = text.trimmed().toInt(&ok, 10);
    if (ok)
        value = parsed;
    return ok;
}

int IntValue(const QString& text) {
    int value = 0;
    ParseDecimal(text, value);
    return value;
}

double NumberValue(const QString& text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0.0;
}

double DecimalNumber(const QString& text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    // "nan" and "inf" read as numbers, but a run cannot compute with them.
    if (!ok || !std::isfinite(value))
        throw MottlerError(QCoreApplication::translate("mottler::Numbers",
                                                       "'%1' is not a valid floating point value")
                               .arg(text));
    return value;
}

} // namespace mottler
