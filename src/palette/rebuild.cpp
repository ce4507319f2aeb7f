#include "palette/rebuild.h"

#include "palette/colourmaths.h"

#include <algorithm>

namespace mottler {

std::vector<RebuildRecord> RebuildPalette(ControlPointList& points, int contrast, int brightness,
                                          Palette& palette) {
    if (points.Count() > 1)
        points.SortByMarkerTop();
    points.Renumber();

    std::vector<RebuildRecord> records;
    records.reserve(points.Points().size());
    for (const ControlPoint& point : points.Points()) {
        RebuildRecord record;
        record.BaseColour = point.Colour;
        record.AdjustedColour = point.Colour;
        if (contrast != 0)
            record.AdjustedColour = AdjustContrast(record.AdjustedColour, ContrastFactor(contrast));
        if (brightness != 0)
            record.AdjustedColour = AdjustBrightness(record.AdjustedColour, brightness);
        record.Position = point.Position();
        records.push_back(record);
    }
    if (!records.empty())
        records.back().Position = std::clamp(records.back().Position, 0, 255);

    for (std::size_t i = 0; i + 1 < records.size(); ++i) {
        const RebuildRecord& from = records[i];
        const RebuildRecord& to = records[i + 1];
        if (!InterpolateColours(palette, from.Position, to.Position, from.AdjustedColour,
                                to.AdjustedColour))
            break;
    }
    return records;
}

void AddStartupControlPoints(ControlPointList& points) {
    points.AddControlPoint(0, PackRgb(255, 255, 255), false, PointKind::Start);
    points.AddControlPoint(255, PackRgb(0, 0, 0), false, PointKind::End);
}

} // namespace mottler
