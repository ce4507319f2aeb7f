#pragma once

#include "base/presetkeys.h"
#include "engine/engine.h"

namespace mottler {

/// The coefficients of one run, each held as a 32-bit float as the sweep uses them.
struct SweepCoefficients {
    float Dt = 0.01f;
    float FactorC = static_cast<float>(PresetValues::FactorC.Startup);
    float FactorD = static_cast<float>(PresetValues::FactorD.Startup);
    float MultiplierA = static_cast<float>(PresetValues::MultiplierA.Startup);
    float MultiplierB = static_cast<float>(PresetValues::MultiplierB.Startup);
    float DiffusionA = 0.0f; ///< float(FactorA × 0.05)
    float DiffusionB = 0.0f; ///< float(FactorB × 0.05)
    int Zero = 0;            ///< ZeroAction; any value outside 0 … 2 leaves negative A alone
};

/// Diffusion coefficient of a factor: the product with 0.05 in extended precision, rounded
/// to a 32-bit float.
float DiffusionFromFactor(double factor);

/// One iteration's sweep over FieldA and FieldB in row-major order, in place, with the four
/// wrapped neighbours; sets engine.FieldMin and engine.FieldMax. Arithmetic is in extended
/// precision in exactly the defined order, each stored value rounded to a 32-bit float.
/// Throws GrowthOverflow when a stored value or the product p does not fit a float; the fields
/// are then exactly as the row order leaves them at that cell (which keeps its previous
/// value). Needs ScratchRows of SweepScratchCells(width) floats.
void Sweep(TextureEngine& engine, const SweepCoefficients& k);

/// Floats of scratch the sweep needs beside the fields of a texture of the given width.
std::size_t SweepScratchCells(int width);

/// Shifts FieldA by one step of the given drift (1 left, 2 right, 3 up, 4 down; others none).
void ApplyDrift(TextureEngine& engine, int drift);

/// A value that left the range of a 32-bit float during a sweep.
class GrowthOverflow : public std::exception {
public:
    const char* what() const noexcept override { return "floating-point overflow"; }
};

} // namespace mottler
