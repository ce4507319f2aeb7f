#pragma once

#include <cstddef>
#include <memory>

namespace mottler {

/// One block of W × H 32-bit floats in row-major order (cell (x, y) is element y × W + x).
/// Neighbours wrap at all four edges; the wrap is the sweep's business, not the block's.
/// The contents are uninitialised after allocation.
class ChemicalField {
public:
    ChemicalField() = default;

    /// Allocates `cells` floats; returns false (and holds nothing) when memory runs out.
    bool Allocate(std::size_t cells);
    void Release();

    bool IsAllocated() const { return data != nullptr; }
    std::size_t Cells() const { return cells; }
    float* Data() { return data.get(); }
    const float* Data() const { return data.get(); }
    float& operator[](std::size_t k) { return data[k]; }
    float operator[](std::size_t k) const { return data[k]; }

private:
    std::unique_ptr<float[]> data;
    std::size_t cells = 0;
};

} // namespace mottler
