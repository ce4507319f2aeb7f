#include "engine/chemicalfield.h"

#include <new>

namespace mottler {

bool ChemicalField::Allocate(std::size_t count) {
    Release();
    data.reset(new (std::nothrow) float[count]);
    if (!data)
        return false;
    cells = count;
    return true;
}

void ChemicalField::Release() {
    data.reset();
    cells = 0;
}

} // namespace mottler
