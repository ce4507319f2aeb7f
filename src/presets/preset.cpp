#include "presets/preset.h"

#include "base/errors.h"
#include "base/numbers.h"
#include "presets/inifile.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <limits>

namespace mottler {
namespace {

/// The advanced texts are saved when their number differs from the default. A text that is
/// no number at all is not the default either, so it is saved unchanged too: the preset then
/// gives back exactly what the user had.
bool DiffersFromNumber(const QString& text, double standard) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    return !ok || value != standard;
}

QString PointKey(int number) {
    return QLatin1String(PresetKey::PointPrefix) + QString::number(number);
}

QString PointValue(const PresetPoint& point) {
    return point.Colour + QLatin1Char(',') + point.Position;
}

PresetPoint SplitPoint(const QString& value) {
    const qsizetype comma = value.indexOf(u',');
    if (comma < 0)
        return {value, QString()};
    return {value.left(comma), value.mid(comma + 1)};
}

int WithinList(int value, int last) {
    return value >= 0 && value <= last ? value : 0;
}

class PresetWriter {
public:
    PresetWriter(IniFile& iniFile, const QString& section) : file(iniFile), name(section) {}
    void Write(const QString& key, const QString& value) { file.WriteString(name, key, value); }
    void Write(const QString& key, int value) { file.WriteInteger(name, key, value); }

private:
    IniFile& file;
    const QString& name;
};

void WriteColours(PresetWriter& out, const Preset& p) {
    const Preset standard;
    const auto writeWhenChanged = [&](const char* key, const QString& text,
                                      const QString& defaultText) {
        if (text != defaultText)
            out.Write(key, text);
    };
    writeWhenChanged(PresetKey::TextColour, p.TextColour, standard.TextColour);
    writeWhenChanged(PresetKey::LinkColour, p.LinkColour, standard.LinkColour);
    writeWhenChanged(PresetKey::VisitedLinkColour, p.VisitedLinkColour, standard.VisitedLinkColour);
    writeWhenChanged(PresetKey::ActiveLinkColour, p.ActiveLinkColour, standard.ActiveLinkColour);
}

void WriteAdvanced(PresetWriter& out, const Preset& p) {
    if (DiffersFromNumber(p.FactorC, PresetValues::FactorC.Missing))
        out.Write(PresetKey::FactorC, p.FactorC);
    if (DiffersFromNumber(p.FactorD, PresetValues::FactorD.Missing))
        out.Write(PresetKey::FactorD, p.FactorD);
    if (DiffersFromNumber(p.MultiplierA, PresetValues::MultiplierA.Missing))
        out.Write(PresetKey::MultiplierA, p.MultiplierA);
    if (DiffersFromNumber(p.MultiplierB, PresetValues::MultiplierB.Missing))
        out.Write(PresetKey::MultiplierB, p.MultiplierB);
    if (p.Zero != PresetValues::ZeroAction.Missing)
        out.Write(PresetKey::ZeroAction, p.Zero);
}

void WriteKeys(PresetWriter& out, const Preset& p) {
    out.Write(PresetKey::Seed, p.Seed);
    out.Write(PresetKey::Iterations, p.Iterations);
    out.Write(PresetKey::FactorA, p.FactorA);
    out.Write(PresetKey::FactorB, p.FactorB);
    if (p.DriftKind > 0)
        out.Write(PresetKey::Drift, p.DriftKind);
    out.Write(PresetKey::StartColour, p.StartColour);
    out.Write(PresetKey::EndColour, p.EndColour);
    for (int i = 0; i < p.MiddlePoints.size(); ++i)
        out.Write(PointKey(i + 1), PointValue(p.MiddlePoints[i]));
    if (p.Width != PresetValues::Width.Missing)
        out.Write(PresetKey::Width, p.Width);
    if (p.Height != PresetValues::Height.Missing)
        out.Write(PresetKey::Height, p.Height);
    WriteColours(out, p);
    if (p.Type > 0)
        out.Write(PresetKey::TextureType, p.Type);
    if (p.Contrast != 0)
        out.Write(PresetKey::Contrast, p.Contrast);
    if (p.Brightness != 0)
        out.Write(PresetKey::Brightness, p.Brightness);
    if (p.Type == ImageFile)
        out.Write(PresetKey::File, p.ImageFile);
    WriteAdvanced(out, p);
}

} // namespace

void SavePreset(IniFile& file, const QString& name, const Preset& preset) {
    file.Batch([&] {
        file.EraseSection(name);
        PresetWriter out(file, name);
        WriteKeys(out, preset);
    });
}

Preset ReadPreset(const IniFile& file, const QString& name) {
    Preset p;
    const QHash<QString, QString> values = file.SectionValues(name);
    const auto text = [&](const QString& key, const QString& fallback) {
        return values.value(key.toCaseFolded(), fallback);
    };
    const auto number = [&](const char* key, int fallback) {
        int value = fallback;
        return IniFile::ParseInteger(text(key, QString()), value) ? value : fallback;
    };
    const auto size = [&](const char* key, int fallback) {
        const int value = number(key, fallback);
        return value >= PresetValues::Width.Min ? value : fallback;
    };
    const auto colour = [&](const char* key, const QString& fallback) {
        const QString value = text(key, fallback);
        return value.isEmpty() ? fallback : value;
    };
    p.Seed = number(PresetKey::Seed, p.Seed);
    p.Iterations = number(PresetKey::Iterations, p.Iterations);
    p.FactorA = text(PresetKey::FactorA, p.FactorA);
    p.FactorB = text(PresetKey::FactorB, p.FactorB);
    p.DriftKind = WithinList(number(PresetKey::Drift, p.DriftKind), PresetValues::Drift.Max);
    p.StartColour = text(PresetKey::StartColour, p.StartColour);
    p.EndColour = text(PresetKey::EndColour, p.EndColour);
    for (int i = 1;; ++i) {
        const QString value = text(PointKey(i), QString());
        if (value.isEmpty())
            break;
        p.MiddlePoints.append(SplitPoint(value));
    }
    p.Width = size(PresetKey::Width, p.Width);
    p.Height = size(PresetKey::Height, p.Height);
    p.TextColour = colour(PresetKey::TextColour, p.TextColour);
    p.LinkColour = colour(PresetKey::LinkColour, p.LinkColour);
    p.VisitedLinkColour = colour(PresetKey::VisitedLinkColour, p.VisitedLinkColour);
    p.ActiveLinkColour = colour(PresetKey::ActiveLinkColour, p.ActiveLinkColour);
    p.Type = WithinList(number(PresetKey::TextureType, p.Type), PresetValues::TextureType.Max);
    p.Contrast = std::clamp(number(PresetKey::Contrast, p.Contrast), PresetValues::Contrast.Min,
                            PresetValues::Contrast.Max);
    p.Brightness = std::clamp(number(PresetKey::Brightness, p.Brightness),
                              PresetValues::Brightness.Min, PresetValues::Brightness.Max);
    p.ImageFile = text(PresetKey::File, p.ImageFile);
    p.FactorC = text(PresetKey::FactorC, p.FactorC);
    p.FactorD = text(PresetKey::FactorD, p.FactorD);
    p.MultiplierA = text(PresetKey::MultiplierA, p.MultiplierA);
    p.MultiplierB = text(PresetKey::MultiplierB, p.MultiplierB);
    p.Zero = WithinList(number(PresetKey::ZeroAction, p.Zero), PresetValues::ZeroAction.Max);
    return p;
}

double FactorNumber(const QString& text, const QString& key) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        throw MottlerError(
            QCoreApplication::translate("mottler::Preset",
                                        "The value \"%1\" of \"%2\" is not a valid number.")
                .arg(text, key));
    return value;
}

int FactorPosition(const QString& text, const QString& key) {
    const double value = FactorNumber(text, key);
    // The trackbar clamps the position into its range; keep the conversion itself defined.
    constexpr double lowest = std::numeric_limits<int>::min();
    constexpr double highest = std::numeric_limits<int>::max();
    return static_cast<int>(std::clamp(std::nearbyint(value), lowest, highest));
}

int PointPosition(const PresetPoint& point, int number) {
    int position = 0;
    if (!ParseDecimal(point.Position, position))
        throw MottlerError(
            QCoreApplication::translate(
                "mottler::Preset", "The position \"%1\" of \"%2\" is not a valid whole number.")
                .arg(point.Position, PointKey(number)));
    // Palette positions exist only from 0 to 255.
    return std::clamp(position, 0, 255);
}

bool NeedsAdvancedWindow(const Preset& preset) {
    const Preset standard;
    return preset.FactorC != standard.FactorC || preset.FactorD != standard.FactorD ||
           preset.MultiplierA != standard.MultiplierA ||
           preset.MultiplierB != standard.MultiplierB || preset.Zero != standard.Zero;
}

QStringList PresetNames(const IniFile& file) {
    return SortedPresetNames(file.SectionNames());
}

QStringList SortedPresetNames(QStringList names) {
    std::stable_sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    return names;
}

} // namespace mottler
