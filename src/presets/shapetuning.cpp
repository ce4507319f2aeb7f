#include "presets/shapetuning.h"

#include "base/usersettings.h"

#include <algorithm>

namespace mottler {

ShapeTuning ReadShapeTuning() {
    ShapeTuning t;
    t.ExtraShapes = std::max(UserSettings::ReadInt("Extra Shapes", t.ExtraShapes), 0);
    t.MinShapes = UserSettings::ReadInt("Min Shapes", t.MinShapes);
    t.WhichShape = UserSettings::ReadInt("Which Shape", t.WhichShape);
    t.ClearRange = std::max(UserSettings::ReadInt("Clear Range", t.ClearRange), 0);
    t.ClearThreshold = UserSettings::ReadInt("Clear Threshold", t.ClearThreshold);
    return t;
}

} // namespace mottler
