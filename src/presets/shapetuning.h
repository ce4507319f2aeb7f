#pragma once

#include "engine/shapes.h"

namespace mottler {

/// The random-shapes tuning of the user settings (never written by the program; an edited
/// settings file sets them): "Extra Shapes", "Min Shapes", "Which Shape", "Clear Range" and
/// "Clear Threshold", each defaulting to ShapeTuning's value; negative "Extra Shapes" and
/// "Clear Range" read as 0 (the draw would otherwise ask for billions of shapes).
ShapeTuning ReadShapeTuning();

} // namespace mottler
