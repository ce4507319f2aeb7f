#pragma once

#include "engine/texturesettings.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>

namespace mottler {

class IniFile;

/// A middle control point as a preset stores it: six hexadecimal digits (red first) and the
/// position text. The palette helpers turn both into a control point.
struct PresetPoint {
    QString Colour;
    QString Position;
    friend bool operator==(const PresetPoint&, const PresetPoint&) = default;
};

/// Everything one preset section holds. The member values are those a load uses for a
/// missing key; texts are kept exactly as stored, so that the controls show them unchanged.
struct Preset {
    std::int32_t Seed = PresetValues::Seed.Missing;
    int Iterations = PresetValues::Iterations.Missing;
    QString FactorA = QString::number(PresetValues::FactorA.Missing);
    QString FactorB = QString::number(PresetValues::FactorB.Missing);
    int DriftKind = PresetValues::Drift.Missing;
    QString StartColour = QStringLiteral("000000");
    QString EndColour = QStringLiteral("FFFFFF");
    QList<PresetPoint> MiddlePoints; ///< "Color1", "Color2", ... in list order
    int Width = PresetValues::Width.Missing;
    int Height = PresetValues::Height.Missing;
    /// Preview colours of the web page; an empty text stands for "no valid colour".
    QString TextColour = QStringLiteral("000000");
    QString LinkColour = QStringLiteral("0000FF");
    QString VisitedLinkColour = QStringLiteral("CC00CC");
    QString ActiveLinkColour = QStringLiteral("FF0000");
    int Type = PresetValues::TextureType.Missing;
    int Contrast = PresetValues::Contrast.Missing;
    int Brightness = PresetValues::Brightness.Missing;
    QString ImageFile;
    /// The Advanced window's texts.
    QString FactorC = QString::number(PresetValues::FactorC.Missing);
    QString FactorD = QString::number(PresetValues::FactorD.Missing);
    QString MultiplierA = QString::number(PresetValues::MultiplierA.Missing);
    QString MultiplierB = QString::number(PresetValues::MultiplierB.Missing);
    int Zero = PresetValues::ZeroAction.Missing;

    friend bool operator==(const Preset&, const Preset&) = default;
};

/// Replaces the section `name` with the preset's keys, in their fixed order, leaving out the
/// keys whose value a load would give anyway (see the file's table of keys). One atomic file
/// write: on failure (MottlerError) the file and the old preset stay as they were.
void SavePreset(IniFile& file, const QString& name, const Preset& preset);

/// The section `name` read key by key with the load defaults. Start and end colours, the
/// texts of "A", "B", the advanced factors and the point texts come back as stored (numbers
/// are converted later, step by step, by FactorPosition and PointPosition). Middle points are
/// read from "Color1" on up to the first empty value. A preview colour that is empty counts
/// as missing. Values outside their lists (drift 0..4, type 0..3, zero action 0..2), sizes
/// below 1 and contrast or brightness beyond -255..255 are brought back to what the controls
/// can hold: the default, or the nearest end of the range.
Preset ReadPreset(const IniFile& file, const QString& name);

/// The number a factor text holds ("A", "B", "AMult", "BMult" as `key`): the text read as a
/// decimal number, the way a run reads its box. Throws MottlerError with the conversion error
/// when the text is not a finite number.
double FactorNumber(const QString& text, const QString& key);

/// The trackbar position for the text of "A" or "B" (`key`): the number rounded to the
/// nearest integer, halves to even. Throws MottlerError with the conversion error when the
/// text is not a number; the load stops at that step.
int FactorPosition(const QString& text, const QString& key);

/// The palette position of the middle point "Color" + `number`: a decimal integer, kept within
/// 0..255. Throws MottlerError with the conversion error when it is not a whole number.
int PointPosition(const PresetPoint& point, int number);

/// Whether loading the preset must show the Advanced window: an advanced text or the zero
/// action differs from its value for a missing key.
bool NeedsAdvancedWindow(const Preset& preset);

/// The section names of the file, sorted alphabetically without regard to case.
QStringList PresetNames(const IniFile& file);

/// The names sorted alphabetically without regard to case, as the sorted preset lists show
/// them; names equal but for case keep their order.
QStringList SortedPresetNames(QStringList names);

} // namespace mottler
