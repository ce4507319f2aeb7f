#include "cli/colouroptions.h"

#include "palette/rebuild.h"

#include <QRegularExpression>

namespace mottler::cli {
namespace {

constexpr int MinPoints = 2;

[[noreturn]] void BadGradient(const QString& why) {
    throw UsageError(QStringLiteral("option --gradient: %1").arg(why));
}

GradientStop ParseStop(const QString& item) {
    static const QRegularExpression pattern(QStringLiteral("^([0-9A-Fa-f]{6})(?:@(-?[0-9]+))?$"));
    const QRegularExpressionMatch match = pattern.match(item.trimmed());
    if (!match.hasMatch())
        BadGradient(QStringLiteral("\"%1\" is not RRGGBB or RRGGBB@POS").arg(item));
    const uint rgb = match.captured(1).toUInt(nullptr, 16);
    GradientStop stop;
    stop.Colour = PackRgb(static_cast<int>(rgb >> 16), static_cast<int>(rgb >> 8 & 0xFF),
                          static_cast<int>(rgb & 0xFF));
    if (match.hasCaptured(2)) {
        bool ok = false;
        const int position = match.captured(2).toInt(&ok);
        if (!ok || position < 0 || position > 255)
            BadGradient(QStringLiteral("position in \"%1\" is outside 0 … 255").arg(item));
        stop.Position = position;
    }
    return stop;
}

void CheckPositions(const std::vector<GradientStop>& stops) {
    if (stops.front().Position.value_or(0) != 0)
        BadGradient("the first item is the start point, at position 0");
    if (stops.back().Position.value_or(255) != 255)
        BadGradient("the last item is the end point, at position 255");
    for (std::size_t i = 1; i + 1 < stops.size(); ++i)
        if (!stops[i].Position)
            BadGradient(QStringLiteral("middle item %1 needs its @POS").arg(i + 1));
}

} // namespace

const char* const ColourOptionsHelp =
    R"(  --gradient LIST      colour control points, "RRGGBB@POS,RRGGBB@POS,...": 2 to 10
                       items, the first the start point (position 0), the last the end
                       point (255), those between middle points that need @POS (0-255);
                       default FFFFFF,000000 (white to black)
  --contrast N         contrast of the control-point colours, -255 to 255 (default 0)
  --brightness N       brightness of the control-point colours, -255 to 255 (default 0)
)";

std::vector<GradientStop> ParseGradient(const QString& text) {
    const QStringList items = text.split(',');
    if (items.size() < MinPoints || items.size() > ControlPointList::MaxPoints)
        BadGradient(QStringLiteral("give 2 to 10 colours, not %1").arg(items.size()));
    std::vector<GradientStop> stops;
    for (const QString& item : items)
        stops.push_back(ParseStop(item));
    CheckPositions(stops);
    return stops;
}

OptionTable ColourOptionTable() {
    return {ValueOption({"gradient"}), ValueOption({"contrast"}), ValueOption({"brightness"})};
}

bool TakeColourOption(Arguments& args, ColourOptions& options) {
    const QString& option = args.Option();
    if (option == "--gradient")
        options.Gradient = ParseGradient(args.Text());
    else if (option == "--contrast")
        options.Contrast = args.Integer(-255, 255);
    else if (option == "--brightness")
        options.Brightness = args.Integer(-255, 255);
    else
        return false;
    return true;
}

Palette BuildPalette(const ColourOptions& options) {
    ControlPointList points;
    if (options.Gradient.empty()) {
        AddStartupControlPoints(points);
    } else {
        // Start, end, then the middle points: the order a preset load adds them in, which
        // decides the order of points whose markers sit at the same height.
        points.AddControlPoint(0, options.Gradient.front().Colour, false, PointKind::Start);
        points.AddControlPoint(255, options.Gradient.back().Colour, false, PointKind::End);
        for (std::size_t i = 1; i + 1 < options.Gradient.size(); ++i)
            points.AddControlPoint(*options.Gradient[i].Position, options.Gradient[i].Colour, true,
                                   PointKind::Middle);
    }
    Palette palette;
    RebuildPalette(points, options.Contrast, options.Brightness, palette);
    return palette;
}

} // namespace mottler::cli
