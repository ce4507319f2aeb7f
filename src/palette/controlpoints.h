#pragma once

#include "palette/palette.h"

#include <QtGlobal>
#include <optional>
#include <vector>

namespace mottler {

/// Shown when an eleventh control point is asked for.
inline constexpr const char* TooManyControlPointsMessage = QT_TRANSLATE_NOOP(
    "mottler::ControlPoints", "No more than ten color control points can be created.");

/// The role of a control point in the gradient.
enum class PointKind : int { Start = 0, Middle = 1, End = 2 };

/// One colour control point of the gradient and the marker beside the strip that shows it.
struct ControlPoint {
    int Id = 0;                         ///< stable for the point's life; never reused
    PackedColour Colour = 0;            ///< as chosen by the user, not adjusted
    PointKind Kind = PointKind::Middle; ///< start and end exist exactly once each
    bool Movable = false;               ///< middle points only: can be dragged and deleted
    int Number = 0;                     ///< the label on the marker: index + 1, 0 for the tenth
    int MarkerTop = 0; ///< the marker's top relative to the strip's top; the list sorts by it

    /// Start 0, end 255, a middle point its marker top + 2.
    int Position() const;
};

/// The gradient's control points in list order, and which of them is active. The gradient
/// editor's markers map onto the points by Id; RebuildPalette sorts and renumbers the list.
class ControlPointList {
public:
    static constexpr int MaxPoints = 10;
    static constexpr int StripHeight = 256; ///< rows of the gradient strip
    static constexpr int MarkerHeight = 12;
    static constexpr int StartMarkerTop = -1;
    static constexpr int EndMarkerTop = StripHeight - MarkerHeight + 1;
    static constexpr int MinTop = 0;               ///< drag limits of a middle marker's top,
    static constexpr int MaxTop = StripHeight - 4; ///< so its position stays in 2 … 254

    /// Appends a point and makes it active. A middle point's marker top is position − 2 (a
    /// negative position counts as 0); start and end markers sit at their fixed tops and the
    /// position is ignored. With MaxPoints already present nothing is added and the result
    /// is empty: the caller shows TooManyControlPointsMessage.
    std::optional<int> AddControlPoint(int position, PackedColour colour, bool movable,
                                       PointKind kind);
    /// Removes the point; the one before it in the list (if any) becomes active.
    void RemoveControlPoint(int id);
    /// Removes every point, from the last to the first; no point is active afterwards.
    void ClearControlPoints();
    /// Makes the point active (unknown ids are ignored).
    void SelectControlPoint(int id);
    void SetPointColour(int id, PackedColour colour);
    /// Drags a movable marker: its top becomes the given top clamped into MinTop … MaxTop.
    /// Start and end markers do not move. Returns the marker's top afterwards (0 for an
    /// unknown id).
    int MoveMarker(int id, int top);

    /// Sorts by marker top, keeping the list order of equal tops.
    void SortByMarkerTop();
    /// Labels every point with its list index + 1, or 0 where that would exceed 9.
    void Renumber();

    const std::vector<ControlPoint>& Points() const { return points; }
    int Count() const { return static_cast<int>(points.size()); }
    /// The list index of the point, or −1.
    int IndexOf(int id) const;
    const ControlPoint* Find(int id) const;
    /// The active point's id; empty only while the list is empty.
    std::optional<int> ActivePoint() const { return active; }
    const ControlPoint* Active() const { return active ? Find(*active) : nullptr; }

private:
    ControlPoint* FindMutable(int id);

    std::vector<ControlPoint> points;
    std::optional<int> active;
    int nextId = 1;
};

/// How far below the top of the texture settings page the strip starts: "Duplicate" measures
/// a marker's top from the page's top.
inline constexpr int PageStripTop = 59;

/// The position "Duplicate" gives the copy of a point whose marker's top in the page is
/// `pageTop`: half of it, truncated, wrapping to 256 − half when that is below 5.
int DuplicatePosition(int pageTop);

/// The label of the point at a list index: index + 1, or 0 where that would exceed 9.
int NumberLabel(int index);

} // namespace mottler
