#include "palette/ui/adjustpointer.h"

namespace mottler {

void AdjustPointer::SetValue(int newValue) {
    if (value == newValue)
        return;
    value = newValue;
    ReportAccessibleValue(this, value);
}

} // namespace mottler
