#pragma once

#include "document/texturedocument.h"
#include "palette/controlpoints.h"

namespace mottler::test {

/// The document tests' texture: 20 × 16 cells coloured from white to black, no animation.
inline void MakeSmallDocument(TextureDocument& doc) {
    doc.SetTextureSize(20, 16);
    doc.Gradient.Points.AddControlPoint(0, PackRgb(255, 255, 255), false, PointKind::Start);
    doc.Gradient.Points.AddControlPoint(255, PackRgb(0, 0, 0), false, PointKind::End);
    doc.GradientEdited();
    doc.SetAnimate(false);
}

} // namespace mottler::test
