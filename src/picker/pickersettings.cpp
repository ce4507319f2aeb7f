#include "picker/pickersettings.h"

namespace mottler::PickerSettings {
namespace {

constexpr PackedColour White = 0xFFFFFF;

QString CustomColoursGroup() {
    return QStringLiteral("Custom Colours");
}

/// "[Default]" keeps its swatches in the "Custom Colours" group itself, every other scheme in
/// a subgroup of it named after the scheme.
QString SchemeGroup(const QString& name) {
    if (name == DefaultSchemeName())
        return CustomColoursGroup();
    return CustomColoursGroup() + QLatin1Char('/') + name;
}

} // namespace

QSettings Open() {
    return QSettings(QStringLiteral("Quorvex"), QStringLiteral("Color Picker"));
}

bool IsTrueText(const QString& text) {
    static const QStringList trueTexts{"yes", "true", "y", "t", "1"};
    return trueTexts.contains(text.trimmed(), Qt::CaseInsensitive);
}

QStringList SchemeNames() {
    QSettings settings = Open();
    settings.beginGroup(CustomColoursGroup());
    QStringList names = settings.childGroups();
    names.removeAll(DefaultSchemeName());
    names << DefaultSchemeName();
    names.sort(Qt::CaseInsensitive);
    return names;
}

SchemeColours ReadScheme(const QString& name) {
    QSettings settings = Open();
    settings.beginGroup(SchemeGroup(name));
    SchemeColours colours{};
    for (int i = 0; i < 16; ++i) {
        bool ok = false;
        const uint value = settings.value(QString::number(i)).toString().toUInt(&ok);
        colours[i] = ok ? (value & 0xFFFFFF) : White;
    }
    return colours;
}

void WriteScheme(const QString& name, const SchemeColours& colours) {
    QSettings settings = Open();
    settings.beginGroup(SchemeGroup(name));
    for (int i = 0; i < 16; ++i)
        settings.setValue(QString::number(i), QString::number(colours[i]));
}

void DeleteScheme(const QString& name) {
    if (name == DefaultSchemeName() || !IsUsableSchemeName(name))
        return;
    QSettings settings = Open();
    settings.remove(SchemeGroup(name));
}

bool IsUsableSchemeName(const QString& name) {
    return !name.trimmed().isEmpty() && !name.contains(QLatin1Char('/')) &&
           !name.contains(QLatin1Char('\\'));
}

} // namespace mottler::PickerSettings
