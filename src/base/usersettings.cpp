#include "base/usersettings.h"

#include "base/numbers.h"

#include <QSettings>

namespace mottler::UserSettings {
namespace {

QSettings Store() {
    return QSettings(QStringLiteral("Quorvex"), QStringLiteral("Mottler"));
}

} // namespace

QString ReadString(const QString& name, const QString& fallback) {
    const QVariant v = Store().value(name);
    return v.isValid() ? v.toString() : fallback;
}

int ReadInt(const QString& name, int fallback) {
    int value = fallback;
    const QVariant v = Store().value(name);
    if (v.isValid())
        ParseDecimal(v.toString(), value);
    return value;
}

bool ReadBool(const QString& name, bool fallback) {
    return ReadInt(name, fallback ? 1 : 0) != 0;
}

void WriteString(const QString& name, const QString& value) {
    Store().setValue(name, value);
}

void WriteInt(const QString& name, int value) {
    WriteString(name, QString::number(value));
}

void WriteBool(const QString& name, bool value) {
    WriteString(name, value ? "1" : "0");
}

} // namespace mottler::UserSettings
