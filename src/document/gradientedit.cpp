#include "document/gradientedit.h"

#include "document/undokeys.h"

#include <QCoreApplication>

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
        return {QCoreApplication::translate("mottler::GradientEdit", "New Gradient")};
    if (added == 1)
        return {QCoreApplication::translate("mottler::GradientEdit", "Add Colour Point")};
    if (removed == 1)
        return {QCoreApplication::translate("mottler::GradientEdit", "Delete Colour Point")};
    const bool contrast = before.Contrast != after.Contrast;
    const bool brightness = before.Brightness != after.Brightness;
    if (contrast && brightness)
        return {
            QCoreApplication::translate("mottler::GradientEdit", "Reset Contrast and Brightness")};
    if (contrast)
        return {QCoreApplication::translate("mottler::GradientEdit", "Change Contrast"),
                UndoKey::Contrast};
    if (brightness)
        return {QCoreApplication::translate("mottler::GradientEdit", "Change Brightness"),
                UndoKey::Brightness};
    for (const ControlPoint& point : after.Points.Points()) {
        const ControlPoint* old = before.Points.Find(point.Id);
        if (old->Colour != point.Colour)
            return {QCoreApplication::translate("mottler::GradientEdit", "Recolour Colour Point"),
                    UndoKey::RecolourPoint + point.Id};
        if (old->MarkerTop != point.MarkerTop)
            return {QCoreApplication::translate("mottler::GradientEdit", "Move Colour Point"),
                    UndoKey::MovePoint + point.Id};
    }
    return {QCoreApplication::translate("mottler::GradientEdit", "Change Gradient")};
}

} // namespace mottler
