#include "engine/chemicalfield.h"

#include <cstdint>

namespace mottler {

bool ChemicalField::Allocate(std::size_t count) {
    Release();
    if (count > SIZE_MAX / sizeof(float))
        return false;
    block = LargeBlock::Allocate(count * sizeof(float));
    if (!block.Data())
        return false;
    cells = count;
    return true;
}

void ChemicalField::Release() {
    block = LargeBlock();
    cells = 0;
}

} // namespace mottler
