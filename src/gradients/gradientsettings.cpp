#include "gradients/gradientsettings.h"

#include "base/numbers.h"

#include <cstdlib>

namespace mottler {

int SavedGradientWidth(const QString& gradientWidthText) {
    int width = 100;
    ParseDecimal(gradientWidthText, width);
    return width;
}

bool IsOnGradientEdge(int x, const QString& gradientWidthText) {
    constexpr qint64 grip = 6;
    return std::llabs(qint64{x} - IntValue(gradientWidthText)) <= grip;
}

} // namespace mottler
