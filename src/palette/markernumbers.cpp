#include "palette/markernumbers.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace mottler {

std::set<int> HiddenMarkerNumbers(const ControlPointList& points, int numberHeight) {
    std::vector<const ControlPoint*> order;
    for (const ControlPoint& point : points.Points())
        order.push_back(&point);
    std::stable_sort(order.begin(), order.end(), [](const ControlPoint* a, const ControlPoint* b) {
        return a->MarkerTop < b->MarkerTop;
    });
    std::vector<int> shownTops;
    if (const ControlPoint* active = points.Active())
        shownTops.push_back(active->MarkerTop);
    std::set<int> hidden;
    for (const ControlPoint* point : order) {
        if (points.ActivePoint() == point->Id)
            continue;
        const bool collides = std::any_of(shownTops.begin(), shownTops.end(), [&](int top) {
            return std::abs(point->MarkerTop - top) < numberHeight;
        });
        if (collides)
            hidden.insert(point->Id);
        else
            shownTops.push_back(point->MarkerTop);
    }
    return hidden;
}

} // namespace mottler
