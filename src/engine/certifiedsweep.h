#pragma once

#include "engine/sweep.h"

namespace mottler {

/// The vector instructions the certified sweep is built for; SSE2 is on every x86-64.
enum class VectorWidth { Sse2, Avx2, Avx512 };

/// Whether this machine runs the instructions of the given width.
bool HasVectorWidth(VectorWidth width);

/// "sse2", "avx2" or "avx512".
const char* VectorWidthName(VectorWidth width);

/// Floats of scratch the certified sweep needs beside the fields of a texture of the given
/// width.
std::size_t CertifiedScratchCells(int width);

/// Sweep with the same results as Sweep, bit for bit, an overflow included: away from the
/// wrapping columns the cells of eight rows are computed in double precision, side by side
/// in vector lanes, each with a bound on its error; a cell whose bound does not decide its
/// float is computed again in extended precision. Returns the number of such cells.
long CertifiedSweep(TextureEngine& engine, const SweepCoefficients& k, VectorWidth width);

} // namespace mottler
