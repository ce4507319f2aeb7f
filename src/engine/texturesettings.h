#pragma once

#include <QString>
#include <cstdint>

namespace mottler {

/// The initial texture a seeding draws.
enum TextureType : int { RandomNoise = 0, RandomShapes = 1, NoiseAndShapes = 2, ImageFile = 3 };

/// What replaces a negative value of chemical A after its update.
enum ZeroAction : int { ZeroActionZero = 0, ZeroActionB = 1, ZeroActionAbs = 2 };

/// The pattern's shift after each iteration (only chemical A moves).
enum Drift : int { NoDrift = 0, DriftLeft = 1, DriftRight = 2, DriftUp = 3, DriftDown = 4 };

/// The user-visible parameters of one texture, with their start-up values. A preset stores
/// and restores them under the keys of the Preset* constants below.
struct TextureSettings {
    std::int32_t Seed = 0;
    int Type = RandomNoise;
    QString ImageFile;
    int Iterations = 9;
    int FactorA = 995;
    int FactorB = 0;
    int DriftKind = NoDrift;
    int FactorC = 12;
    int FactorD = 16;
    double MultiplierA = 4.0;
    double MultiplierB = 4.0;
    int Zero = ZeroActionZero;
    int Width = 100;
    int Height = 100;
    bool Animate = true;
    int AnimateEvery = 1;
    bool Tile = true;
};

/// Upper end of the iteration and factor ranges until the user raises them.
inline constexpr int DefaultRangeMax = 1000;

namespace PresetKey {
inline constexpr const char* Seed = "Seed";
inline constexpr const char* TextureType = "Texture Type";
inline constexpr const char* File = "File";
inline constexpr const char* Iterations = "Iterations";
inline constexpr const char* FactorA = "A";
inline constexpr const char* FactorB = "B";
inline constexpr const char* Drift = "Drift";
inline constexpr const char* FactorC = "C";
inline constexpr const char* FactorD = "D";
inline constexpr const char* MultiplierA = "AMult";
inline constexpr const char* MultiplierB = "BMult";
inline constexpr const char* ZeroAction = "ZeroAction";
inline constexpr const char* Width = "Width";
inline constexpr const char* Height = "Height";
} // namespace PresetKey

} // namespace mottler
