#pragma once

#include "base/presetkeys.h"

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
/// and restores them under the keys of base/presetkeys.h, where every default is written.
/// The Advanced window's factors (C, D, the multipliers, the zero action) are texts beside
/// these (AdvancedFactorTexts).
struct TextureSettings {
    std::int32_t Seed = PresetValues::Seed.Startup;
    int Type = PresetValues::TextureType.Startup;
    QString ImageFile;
    int Iterations = PresetValues::Iterations.Startup;
    int FactorA = PresetValues::FactorA.Startup;
    int FactorB = PresetValues::FactorB.Startup;
    int DriftKind = PresetValues::Drift.Startup;
    int Width = PresetValues::Width.Startup;
    int Height = PresetValues::Height.Startup;
    bool Animate = true;
    int AnimateEvery = 1;
    bool Tile = true;
};

} // namespace mottler
