#include "gradients/gradientstore.h"

#include "base/errors.h"
#include "base/numbers.h"
#include "presets/datafolder.h"
#include "presets/inifile.h"
#include "presets/preset.h"

#include <QCoreApplication>

namespace mottler {
namespace {

constexpr int FieldCount = 6;
constexpr int LargestColour = 0xFFFFFF;

/// The fields of a stored value, or nothing when it is empty or not six fields long.
std::optional<QStringList> PresetFields(const QString& value) {
    if (value.isEmpty())
        return std::nullopt;
    QStringList fields = value.split(u'|');
    if (fields.last().isEmpty())
        fields.removeLast();
    if (fields.size() != FieldCount)
        return std::nullopt;
    return fields;
}

/// A colour field as a decimal integer; a 24-bit colour is all a picker can hold.
PackedColour FieldColour(const QString& field, const char* what, const QString& preset) {
    int colour = 0;
    if (!ParseDecimal(field, colour) || colour < 0 || colour > LargestColour)
        throw MottlerError(
            QCoreApplication::translate(
                "mottler::GradientStore",
                "The %1 \"%2\" of the gradient \"%3\" is not a valid colour number.")
                .arg(QCoreApplication::translate("mottler::GradientStore", what), field, preset));
    return static_cast<PackedColour>(colour);
}

LoadedBorder FieldBorder(const QStringList& fields, const QString& preset) {
    LoadedBorder border;
    if (fields[2] == QLatin1String(NoBorderField)) {
        border.Width = QLatin1String(DefaultBorderWidthText);
        return border;
    }
    border.Colour = FieldColour(
        fields[2], QT_TRANSLATE_NOOP("mottler::GradientStore", "border colour"), preset);
    border.Width = fields[3];
    border.AddBorder = true;
    return border;
}

} // namespace

QString ProgramGradientFile() {
    const QString path = DataFile(GradientFileName);
    QString message;
    if (!ExtractWhenMissing(path, BuiltInGradientsResource, message))
        throw MottlerError(message);
    return path;
}

QStringList GradientPresetNames(const IniFile& store) {
    return SortedPresetNames(store.KeyNames(GradientSection));
}

LoadedGradient LoadGradient(const IniFile& store, const QString& name) {
    LoadedGradient loaded;
    const std::optional<QStringList> fields = PresetFields(store.ReadString(GradientSection, name));
    if (!fields)
        return loaded;
    loaded.Loadable = true;
    const QStringList& f = *fields;
    try {
        loaded.StartColour =
            FieldColour(f[0], QT_TRANSLATE_NOOP("mottler::GradientStore", "start colour"), name);
        loaded.EndColour =
            FieldColour(f[1], QT_TRANSLATE_NOOP("mottler::GradientStore", "end colour"), name);
        loaded.Border = FieldBorder(f, name);
        loaded.BackgroundColour = FieldColour(
            f[4], QT_TRANSLATE_NOOP("mottler::GradientStore", "background colour"), name);
        loaded.GradientWidth = f[5];
    } catch (const MottlerError& error) {
        loaded.Error = error.Message();
    }
    return loaded;
}

void ApplyLoadedGradient(const LoadedGradient& loaded, GradientSettings& settings) {
    if (loaded.StartColour)
        settings.StartColour = *loaded.StartColour;
    if (loaded.EndColour)
        settings.EndColour = *loaded.EndColour;
    if (loaded.Border) {
        if (loaded.Border->Colour)
            settings.BorderColour = *loaded.Border->Colour;
        settings.BorderWidth = loaded.Border->Width;
        settings.AddBorder = loaded.Border->AddBorder;
    }
    if (loaded.BackgroundColour)
        settings.BackgroundColour = *loaded.BackgroundColour;
    if (loaded.GradientWidth)
        settings.GradientWidth = *loaded.GradientWidth;
}

QString GradientPresetValue(const GradientSettings& settings) {
    const QChar bar = u'|';
    QString value =
        QString::number(settings.StartColour) + bar + QString::number(settings.EndColour) + bar;
    if (settings.AddBorder)
        value += QString::number(settings.BorderColour) + bar + settings.BorderWidth + bar;
    else
        value += QLatin1String(NoBorderField) + bar + QLatin1String(NoBorderField) + bar;
    return value + QString::number(settings.BackgroundColour) + bar + settings.GradientWidth;
}

QString SaveGradient(IniFile& store, const QString& name, const GradientSettings& settings) {
    store.WriteString(GradientSection, name, GradientPresetValue(settings));
    const QString key = name.trimmed();
    for (const QString& listed : store.KeyNames(GradientSection))
        if (listed.compare(key, Qt::CaseInsensitive) == 0)
            return listed;
    return key;
}

} // namespace mottler
