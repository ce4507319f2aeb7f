#include "palette/controlpoints.h"

#include <algorithm>

namespace mottler {

int ControlPoint::Position() const {
    switch (Kind) {
    case PointKind::Start:
        return 0;
    case PointKind::End:
        return 255;
    case PointKind::Middle:
        break;
    }
    return MarkerTop + 2;
}

int DuplicatePosition(int pageTop) {
    const int half = pageTop / 2;
    return half < 5 ? 256 - half : half;
}

int NumberLabel(int index) {
    return index + 1 > 9 ? 0 : index + 1;
}

std::optional<int> ControlPointList::AddControlPoint(int position, PackedColour colour,
                                                     bool movable, PointKind kind) {
    if (Count() >= MaxPoints)
        return std::nullopt;
    ControlPoint point;
    point.Id = nextId++;
    point.Colour = colour;
    point.Kind = kind;
    point.Movable = movable;
    point.Number = NumberLabel(Count());
    switch (kind) {
    case PointKind::Start:
        point.MarkerTop = StartMarkerTop;
        break;
    case PointKind::End:
        point.MarkerTop = EndMarkerTop;
        break;
    case PointKind::Middle:
        // A position below 0 would sort the point before the start point, and its segment
        // would then leave the table before reaching the rest of the gradient.
        point.MarkerTop = std::max(position, 0) - 2;
        break;
    }
    points.push_back(point);
    active = point.Id;
    return point.Id;
}

void ControlPointList::RemoveControlPoint(int id) {
    const int i = IndexOf(id);
    if (i < 0)
        return;
    std::optional<int> successor;
    if (Count() > 1 && i >= 1)
        successor = points[static_cast<std::size_t>(i - 1)].Id;
    if (active == id)
        active.reset();
    points.erase(points.begin() + i);
    if (successor)
        SelectControlPoint(*successor);
}

void ControlPointList::ClearControlPoints() {
    while (!points.empty())
        RemoveControlPoint(points.back().Id);
}

void ControlPointList::SelectControlPoint(int id) {
    if (FindMutable(id))
        active = id;
}

void ControlPointList::SetPointColour(int id, PackedColour colour) {
    if (ControlPoint* point = FindMutable(id))
        point->Colour = colour;
}

int ControlPointList::MoveMarker(int id, int top) {
    ControlPoint* point = FindMutable(id);
    if (!point)
        return 0;
    if (point->Movable)
        point->MarkerTop = std::clamp(top, MinTop, MaxTop);
    return point->MarkerTop;
}

void ControlPointList::SortByMarkerTop() {
    std::stable_sort(
        points.begin(), points.end(),
        [](const ControlPoint& a, const ControlPoint& b) { return a.MarkerTop < b.MarkerTop; });
}

void ControlPointList::Renumber() {
    for (int i = Count() - 1; i >= 0; --i)
        points[static_cast<std::size_t>(i)].Number = NumberLabel(i);
}

int ControlPointList::IndexOf(int id) const {
    const auto it = std::find_if(points.begin(), points.end(),
                                 [id](const ControlPoint& p) { return p.Id == id; });
    return it == points.end() ? -1 : static_cast<int>(it - points.begin());
}

const ControlPoint* ControlPointList::Find(int id) const {
    const int i = IndexOf(id);
    return i < 0 ? nullptr : &points[static_cast<std::size_t>(i)];
}

ControlPoint* ControlPointList::FindMutable(int id) {
    const int i = IndexOf(id);
    return i < 0 ? nullptr : &points[static_cast<std::size_t>(i)];
}

} // namespace mottler
