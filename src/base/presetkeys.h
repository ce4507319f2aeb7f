#pragma once

#include <limits>

namespace mottler {

/// One value of a texture as a preset stores it, with the one place its defaults and range
/// are written: `Startup` is what the program and `mottler-cli grow` start with, `Missing` what
/// a preset load uses when the key is absent (and what a save leaves out), [Min, Max] what the
/// controls can hold; a load brings values outside it back (see ReadPreset).
struct PresetValue {
    const char* Key;
    int Startup;
    int Missing;
    int Min;
    int Max;
};

/// The table of preset values. Key names are the file format: never change them.
namespace PresetValues {
inline constexpr int Lowest = std::numeric_limits<int>::min();
inline constexpr int Highest = std::numeric_limits<int>::max();

inline constexpr PresetValue Seed{"Seed", 0, 0, Lowest, Highest};
inline constexpr PresetValue TextureType{"Texture Type", 0, 0, 0, 3};
inline constexpr PresetValue Iterations{"Iterations", 9, 100, Lowest, Highest};
inline constexpr PresetValue FactorA{"A", 995, 50, Lowest, Highest};
inline constexpr PresetValue FactorB{"B", 0, 50, Lowest, Highest};
inline constexpr PresetValue Drift{"Drift", 0, 0, 0, 4};
inline constexpr PresetValue FactorC{"C", 12, 12, Lowest, Highest};
inline constexpr PresetValue FactorD{"D", 16, 16, Lowest, Highest};
inline constexpr PresetValue MultiplierA{"AMult", 4, 4, Lowest, Highest};
inline constexpr PresetValue MultiplierB{"BMult", 4, 4, Lowest, Highest};
inline constexpr PresetValue ZeroAction{"ZeroAction", 0, 0, 0, 2};
inline constexpr PresetValue Width{"Width", 100, 100, 1, Highest};
inline constexpr PresetValue Height{"Height", 100, 100, 1, Highest};
inline constexpr PresetValue Contrast{"Contrast", 0, 0, -255, 255};
inline constexpr PresetValue Brightness{"Brightness", 0, 0, -255, 255};
} // namespace PresetValues

/// The key names of a preset section ("save.ini", texture packs).
namespace PresetKey {
inline constexpr const char* Seed = PresetValues::Seed.Key;
inline constexpr const char* TextureType = PresetValues::TextureType.Key;
inline constexpr const char* File = "File";
inline constexpr const char* Iterations = PresetValues::Iterations.Key;
inline constexpr const char* FactorA = PresetValues::FactorA.Key;
inline constexpr const char* FactorB = PresetValues::FactorB.Key;
inline constexpr const char* Drift = PresetValues::Drift.Key;
inline constexpr const char* FactorC = PresetValues::FactorC.Key;
inline constexpr const char* FactorD = PresetValues::FactorD.Key;
inline constexpr const char* MultiplierA = PresetValues::MultiplierA.Key;
inline constexpr const char* MultiplierB = PresetValues::MultiplierB.Key;
inline constexpr const char* ZeroAction = PresetValues::ZeroAction.Key;
inline constexpr const char* Width = PresetValues::Width.Key;
inline constexpr const char* Height = PresetValues::Height.Key;
inline constexpr const char* StartColour = "Start Color";
inline constexpr const char* EndColour = "End Color";
inline constexpr const char* PointPrefix = "Color";
inline constexpr const char* TextColour = "ColorText";
inline constexpr const char* LinkColour = "ColorLink";
inline constexpr const char* VisitedLinkColour = "ColorVLink";
inline constexpr const char* ActiveLinkColour = "ColorALink";
inline constexpr const char* Contrast = PresetValues::Contrast.Key;
inline constexpr const char* Brightness = PresetValues::Brightness.Key;
} // namespace PresetKey

/// Upper end of the iteration and factor ranges until the user raises them.
inline constexpr int DefaultRangeMax = 1000;

} // namespace mottler
