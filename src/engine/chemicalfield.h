#pragma once

#include "base/largeblock.h"

#include <cstddef>

namespace mottler {

/// One block of W × H 32-bit floats in row-major order (cell (x, y) is element y × W + x).
/// Neighbours wrap at all four edges; the wrap is the sweep's business, not the block's.
/// The contents are 0 after allocation.
class ChemicalField {
public:
    ChemicalField() = default;

    /// Allocates `cells` floats; returns false (and holds nothing) when memory runs out.
    bool Allocate(std::size_t cells);
    void Release();

    bool IsAllocated() const { return block.Data() != nullptr; }
    std::size_t Cells() const { return cells; }
    float* Data() { return static_cast<float*>(block.Data()); }
    const float* Data() const { return static_cast<const float*>(block.Data()); }
    float& operator[](std::size_t k) { return Data()[k]; }
    float operator[](std::size_t k) const { return Data()[k]; }

private:
    LargeBlock block;
    std::size_t cells = 0;
};

} // namespace mottler
