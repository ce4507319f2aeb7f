#pragma once

#include "palette/palette.h"

#include <array>
#include <cstdint>

namespace mottler {

/// The ways a row of cells is scaled and coloured (RenderGrowthFrame): plain C++, the
/// reference that every processor runs, and vector kernels for AVX2 and for AVX-512 (F and
/// BW). Every kernel gives the plain kernel's scaled floats and pixels bit for bit; the
/// processor's features choose one at run time (the build never assumes them).
enum class RenderKernel { Plain, Avx2, Avx512 };

/// Whether this processor runs the kernel (Plain: always).
bool RenderKernelAvailable(RenderKernel kernel);

/// The kernel a run renders with: the widest this processor runs, unless the environment
/// variable MOTTLER_RENDER_KERNEL names another available one ("plain", "avx2", "avx512").
/// Chosen once per process.
RenderKernel ChosenRenderKernel();

/// The palette's Pixels entries as 32-bit words (blue, green, red in the low three bytes),
/// one load or gather a pixel.
using PixelTable = std::array<std::uint32_t, 256>;
PixelTable WidenPixels(const Palette& palette);

/// One stretch of cells: scaled[k] := ScaledCell(a[k], low, scale) and pixels (3 bytes a
/// cell, blue, green, red) := the table entry of PaletteIndex(scaled[k]), for k < count.
/// The vector kernels give the plain one's scaled bits for all floats a, low and scale, and
/// its pixels for scaled values in 0 … 255.5, the range of a run (beyond it they keep to the
/// table's ends where the plain one would read past it).
void ScaleAndColourCells(RenderKernel kernel, const float* a, float* scaled, std::uint8_t* pixels,
                         int count, float low, float scale, const PixelTable& table);

} // namespace mottler
