#pragma once

#include "palette/controlpoints.h"

#include <set>

namespace mottler {

/// The points whose marker number is left out because it would be drawn over another's:
/// markers closer than `numberHeight` apart show one number between them. The active point's
/// number always shows; the others are kept from the top down.
std::set<int> HiddenMarkerNumbers(const ControlPointList& points, int numberHeight);

} // namespace mottler
