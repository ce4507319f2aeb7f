#include "widgets/partsprogress.h"

#include <algorithm>
#include <cmath>

namespace mottler {

int PartsPercent(int complete, int total) {
    if (total == 0)
        return 0;
    // Divide first, then scale, in extended precision: the order decides which counts land
    // exactly on a half and so round to even.
    return static_cast<int>(std::nearbyint(static_cast<long double>(complete) / total * 100.0L));
}

int FillLength(int length, int percent) {
    return static_cast<int>(std::nearbyint(static_cast<long double>(length) * percent / 100.0L));
}

void PartsProgress::SetTotal(int parts) {
    Total = std::max(parts, 0);
    Complete = 0;
    Percent = 0;
}

void PartsProgress::SetComplete(int parts) {
    Complete = std::clamp(parts, 0, Total);
    Percent = PartsPercent(Complete, Total);
}

} // namespace mottler
