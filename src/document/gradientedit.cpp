#include "document/gradientedit.h"

#include "document/undokeys.h"

namespace mottler {
namespace {

bool SamePoint(const ControlPoint& a, const ControlPoint& b) {
    return a.Colour == b.Colour && a.Kind == b.Kind && a.Movable == b.Movable &&
           a.MarkerTop == b.MarkerTop;
}

// How many points of `points` are not among `others` (by id).
int PointsMissingFrom(const ControlPointList& others, const ControlPointList& points) {
    int missing = 0;
    for (const ControlPoint& point : points.Points())
        missing += others.Find(point.Id) == nullptr ? 1 : 0;
    return missing;
}

} // namespace

bool SameGradient(const GradientValues& a, const GradientValues& b) {
    if (a.Contrast != b.Contrast || a.Brightness != b.Brightness ||
        a.Points.Count() != b.Points.Count())
        return false;
    for (const ControlPoint& point : a.Points.Points()) {
        const ControlPoint* other = b.Points.Find(point.Id);
        if (other == nullptr || !SamePoint(point, *other))
            return false;
    }
    return true;
}

GradientEditName DescribeGradientEdit(const GradientValues& before, const GradientValues& after) {
    const int added = PointsMissingFrom(before.Points, after.Points);
    const int removed = PointsMissingFrom(after.Points, before.Points);
    if (added + removed > 1)
        return {QStringLiteral("New Gradient")};
    if (added == 1)
        return {QStringLiteral("Add Colour Point")};
    if (removed == 1)
        return {QStringLiteral("Delete Colour Point")};
    const bool contrast = before.Contrast != after.Contrast;
    const bool brightness = before.Brightness != after.Brightness;
    if (contrast && brightness)
        return {QStringLiteral("Reset Contrast and Brightness")};
    if (contrast)
        return {QStringLiteral("Change Contrast"), UndoKey::Contrast};
    if (brightness)
        return {QStringLiteral("Change Brightness"), UndoKey::Brightness};
    for (const ControlPoint& point : after.Points.Points()) {
        const ControlPoint* old = before.Points.Find(point.Id);
        if (old->Colour != point.Colour)
            return {QStringLiteral("Recolour Colour Point"), UndoKey::RecolourPoint + point.Id};
        if (old->MarkerTop != point.MarkerTop)
            return {QStringLiteral("Move Colour Point"), UndoKey::MovePoint + point.Id};
    }
    return {QStringLiteral("Change Gradient")};
}

} // namespace mottler
