#include "explore/variation.h"

#include "base/numbers.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <limits>

namespace mottler {
namespace {

struct ValueNames {
    VariedValue Value;
    const char* Title;
    const char* Option;
};

constexpr ValueNames Names[] = {
    {VariedValue::FactorA, "A", "a"},
    {VariedValue::FactorB, "B", "b"},
    {VariedValue::FactorC, "C", "c"},
    {VariedValue::FactorD, "D", "d"},
    {VariedValue::MultiplierA, QT_TRANSLATE_NOOP("mottler::Variation", "A multiplier"), "amult"},
    {VariedValue::MultiplierB, QT_TRANSLATE_NOOP("mottler::Variation", "B multiplier"), "bmult"},
    {VariedValue::Iterations, QT_TRANSLATE_NOOP("mottler::Variation", "Iterations"), "iterations"},
    {VariedValue::Seed, QT_TRANSLATE_NOOP("mottler::Variation", "Seed"), "seed"},
};

const ValueNames& NamesOf(VariedValue value) {
    return Names[static_cast<int>(value)];
}

int WholeNumber(double number, int least) {
    const double rounded = std::round(number);
    const double clamped = std::clamp(rounded, static_cast<double>(least),
                                      static_cast<double>(std::numeric_limits<int>::max()));
    return static_cast<int>(clamped);
}

// Four decimals are as fine as a map can usefully tell apart; the text is what a user would
// type into the Advanced window, so a preset saves it as shown.
QString MultiplierText(double number) {
    QString text = QString::number(std::round(number * 1e4) / 1e4, 'f', 4);
    while (text.endsWith('0'))
        text.chop(1);
    if (text.endsWith('.'))
        text += '0';
    return text == "-0.0" ? QStringLiteral("0.0") : text;
}

// Half the width of a centred range: wide enough that the map shows a change.
double HalfSpan(VariedValue value, double centre) {
    const double size = std::abs(centre);
    switch (value) {
    case VariedValue::FactorA:
    case VariedValue::FactorB:
        return std::max(10.0, std::round(size / 5));
    case VariedValue::FactorC:
    case VariedValue::FactorD:
        return std::max(2.0, std::round(size / 4));
    case VariedValue::MultiplierA:
    case VariedValue::MultiplierB:
        return std::max(0.5, size / 4);
    case VariedValue::Iterations:
        return std::max(10.0, std::round(size / 2));
    case VariedValue::Seed:
        return 4;
    }
    return 1;
}

} // namespace

double LeastValue(VariedValue value) {
    switch (value) {
    case VariedValue::FactorA:
    case VariedValue::FactorB:
        return 0;
    case VariedValue::Iterations:
        return 1;
    default:
        return std::numeric_limits<int>::min();
    }
}

const std::vector<VariedValue>& VariedValues() {
    static const std::vector<VariedValue> values = [] {
        std::vector<VariedValue> all;
        for (const ValueNames& names : Names)
            all.push_back(names.Value);
        return all;
    }();
    return values;
}

QString VariedValueTitle(VariedValue value) {
    // The map's own labels in mottler-cli stay English: only the program installs a translator.
    return QCoreApplication::translate("mottler::Variation", NamesOf(value).Title);
}

QString VariedValueOption(VariedValue value) {
    return QString::fromUtf8(NamesOf(value).Option);
}

std::optional<VariedValue> VariedValueNamed(const QString& option) {
    for (const ValueNames& names : Names)
        if (option == QLatin1String(names.Option))
            return names.Value;
    return std::nullopt;
}

bool IsWholeNumber(VariedValue value) {
    return value != VariedValue::MultiplierA && value != VariedValue::MultiplierB;
}

GrowthFactors VariationFactors(const Variation& variation) {
    GrowthFactors factors;
    factors.FactorA = variation.Settings.FactorA;
    factors.FactorB = variation.Settings.FactorB;
    return AdvancedFactors(factors, variation.Advanced);
}

double ValueOf(const Variation& variation, VariedValue value) {
    const TextureSettings& s = variation.Settings;
    const AdvancedFactorTexts& a = variation.Advanced;
    switch (value) {
    case VariedValue::FactorA:
        return s.FactorA;
    case VariedValue::FactorB:
        return s.FactorB;
    case VariedValue::FactorC:
        return IntValue(a.FactorC);
    case VariedValue::FactorD:
        return IntValue(a.FactorD);
    case VariedValue::MultiplierA:
        return DecimalNumber(a.MultiplierA);
    case VariedValue::MultiplierB:
        return DecimalNumber(a.MultiplierB);
    case VariedValue::Iterations:
        return s.Iterations;
    case VariedValue::Seed:
        return s.Seed;
    }
    return 0;
}

void SetValue(Variation& variation, VariedValue value, double number) {
    TextureSettings& s = variation.Settings;
    AdvancedFactorTexts& a = variation.Advanced;
    constexpr int lowest = std::numeric_limits<int>::min();
    switch (value) {
    case VariedValue::FactorA:
        s.FactorA = WholeNumber(number, lowest);
        return;
    case VariedValue::FactorB:
        s.FactorB = WholeNumber(number, lowest);
        return;
    case VariedValue::Iterations:
        s.Iterations = WholeNumber(number, 1);
        return;
    case VariedValue::Seed:
        s.Seed = WholeNumber(number, lowest);
        return;
    case VariedValue::FactorC:
        a.FactorC = QString::number(WholeNumber(number, lowest));
        break;
    case VariedValue::FactorD:
        a.FactorD = QString::number(WholeNumber(number, lowest));
        break;
    case VariedValue::MultiplierA:
        a.MultiplierA = MultiplierText(number);
        break;
    case VariedValue::MultiplierB:
        a.MultiplierB = MultiplierText(number);
        break;
    }
    a.Shown = true;
}

QString ValueText(const Variation& variation, VariedValue value) {
    switch (value) {
    case VariedValue::MultiplierA:
        return variation.Advanced.MultiplierA;
    case VariedValue::MultiplierB:
        return variation.Advanced.MultiplierB;
    case VariedValue::FactorC:
        return QString::number(IntValue(variation.Advanced.FactorC));
    case VariedValue::FactorD:
        return QString::number(IntValue(variation.Advanced.FactorD));
    default:
        return QString::number(static_cast<long long>(ValueOf(variation, value)));
    }
}

std::vector<double> AxisNumbers(const VariationAxis& axis, int steps) {
    std::vector<double> numbers;
    for (int i = 0; i < steps; ++i)
        numbers.push_back(steps == 1 ? axis.From
                                     : axis.From + (axis.To - axis.From) * i / (steps - 1));
    return numbers;
}

VariationAxis CentredAxis(const Variation& centre, VariedValue value) {
    const double number = ValueOf(centre, value);
    const double half = HalfSpan(value, number);
    // A range below the least value moves up rather than repeating it.
    const double from = std::max(number - half, LeastValue(value));
    return {value, from, from + 2 * half};
}

VariationAxis ZoomedAxis(const VariationAxis& axis, int steps, int index) {
    const std::vector<double> numbers = AxisNumbers(axis, steps);
    const double step = steps > 1 ? (axis.To - axis.From) / (steps - 1) : 0;
    const double centre = numbers[static_cast<std::size_t>(std::clamp(index, 0, steps - 1))];
    return {axis.Value, std::max(centre - step, LeastValue(axis.Value)), centre + step};
}

} // namespace mottler
