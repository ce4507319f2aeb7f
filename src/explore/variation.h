#pragma once

#include "engine/texturesettings.h"
#include "presets/advancedfactors.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace mottler {

/// A value the variation map can vary along one of its axes.
enum class VariedValue {
    FactorA,
    FactorB,
    FactorC,
    FactorD,
    MultiplierA,
    MultiplierB,
    Iterations,
    Seed
};

/// Every varied value in the order of VariedValue.
const std::vector<VariedValue>& VariedValues();
/// The name the window shows ("A", "A multiplier", ...).
QString VariedValueTitle(VariedValue value);
/// The command line's option name ("a", "amult", "iterations", ...).
QString VariedValueOption(VariedValue value);
/// The value of that option name; nothing for any other name.
std::optional<VariedValue> VariedValueNamed(const QString& option);
/// The least value the main window's controls take (A and B 0, iterations 1); the ranges the
/// window makes start there at the lowest.
double LeastValue(VariedValue value);
/// Whole numbers (everything but the multipliers) are rounded to the nearest integer.
bool IsWholeNumber(VariedValue value);

/// What a texture of the map is grown from: the texture settings and the Advanced window's
/// texts, exactly as the document holds them, so adopting a cell is setting these.
struct Variation {
    TextureSettings Settings;
    AdvancedFactorTexts Advanced;
};

/// The factors a run of the variation reads (the document's rule: the advanced values only
/// while the Advanced window is shown). Throws MottlerError for a multiplier that is no number.
GrowthFactors VariationFactors(const Variation& variation);

/// The value as the variation holds it (a multiplier's text converted as a run converts it).
double ValueOf(const Variation& variation, VariedValue value);
/// Sets one value. Whole numbers are rounded and kept within their range (iterations at least
/// 1); a multiplier is written as a short decimal text. Setting an advanced value shows the
/// Advanced window's values, since only then does a run use them.
void SetValue(Variation& variation, VariedValue value, double number);
/// The value as an axis label shows it.
QString ValueText(const Variation& variation, VariedValue value);

/// One axis of the map: the value it varies and the range its cells span, ends included.
struct VariationAxis {
    VariedValue Value = VariedValue::FactorA;
    double From = 0;
    double To = 0;
};

/// `steps` evenly spaced numbers from From to To (one step: From).
std::vector<double> AxisNumbers(const VariationAxis& axis, int steps);
/// An axis over a range centred on the variation's value, of a width that suits the value,
/// moved up to start at the least value when it would reach below.
VariationAxis CentredAxis(const Variation& centre, VariedValue value);
/// A finer axis around the number at `index`: from its neighbour below (at least the least
/// value) to its neighbour above.
VariationAxis ZoomedAxis(const VariationAxis& axis, int steps, int index);

} // namespace mottler
