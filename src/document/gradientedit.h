#pragma once

#include "palette/controlpoints.h"

#include <QString>

namespace mottler {

/// What the user sees of the gradient: its points, contrast and brightness (the palette is
/// built from them).
struct GradientValues {
    ControlPointList Points;
    int Contrast = 0;
    int Brightness = 0;
};

/// Equal points (by id: colour, kind and marker top), contrast and brightness; which point is
/// active and the markers' labels do not count.
bool SameGradient(const GradientValues& a, const GradientValues& b);

/// The name of an edit from `before` to `after` for the Edit menu ("Move Colour Point"), and
/// the key under which consecutive edits of the same kind on the same point merge into one
/// undo step (0: never merges).
struct GradientEditName {
    QString Text;
    int MergeKey = 0;
};
GradientEditName DescribeGradientEdit(const GradientValues& before, const GradientValues& after);

} // namespace mottler
