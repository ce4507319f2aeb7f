#pragma once

#include <QString>

namespace mottler {

/// Per-user values of the program, kept as QSettings("Quorvex", "Mottler"). Every value is
/// stored as text: integers in decimal, booleans "1"/"0". A group such as "Export" is a
/// subkey. Reading a missing value, or one that is not a decimal integer, gives the default.
namespace UserSettings {

QString ReadString(const QString& name, const QString& fallback = QString());
int ReadInt(const QString& name, int fallback);
bool ReadBool(const QString& name, bool fallback);

void WriteString(const QString& name, const QString& value);
void WriteInt(const QString& name, int value);
void WriteBool(const QString& name, bool value);

} // namespace UserSettings
} // namespace mottler
