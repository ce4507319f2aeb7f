#include "cli/animationoptions.h"

#include "palette/colourtext.h"

#include <QRegularExpression>
#include <limits>

namespace mottler::cli {
namespace {

constexpr qint64 IntMax = std::numeric_limits<std::int32_t>::max();

PackedColour ColourValue(Arguments& args) {
    static const QRegularExpression hex(QStringLiteral("^[0-9A-Fa-f]{6}$"));
    const QString text = args.Text();
    if (!hex.match(text).hasMatch())
        throw UsageError(
            QStringLiteral("option %1: \"%2\" is not RRGGBB").arg(args.Option(), text));
    return ColourFromPresetHex(text);
}

} // namespace

OptionTable AnimationOptionTable() {
    return {ValueOption({"gif"}), ValueOption({"every"}), FlagOption({"ping-pong"}),
            ValueOption({"blend"}), ValueOption({"transparent"})};
}

bool TakeAnimationOption(Arguments& args, AnimationOptions& options) {
    const QString& option = args.Option();
    ExportOptions& o = options.Export;
    if (option == "--gif")
        options.Gif = args.NonEmptyText();
    else if (option == "--every")
        o.SkipText = QString::number(args.Integer(1, IntMax));
    else if (option == "--ping-pong") {
        o.Looping = true;
        o.Loop = LoopStyle::PingPong;
    } else if (option == "--blend") {
        o.BlendCountText = QString::number(args.Integer(1, IntMax));
        o.Looping = true;
        o.Loop = LoopStyle::BlendFrames;
    } else if (option == "--transparent") {
        o.TransparentColour = ColourValue(args);
        o.Transparent = true;
    } else
        return false;
    return true;
}

void CheckAnimationOptions(const AnimationOptions& options, const QSet<QString>& given) {
    const bool companions = given.contains("--every") || given.contains("--ping-pong") ||
                            given.contains("--blend") || given.contains("--transparent");
    if (options.Gif.isEmpty() && companions)
        throw UsageError("options --every, --ping-pong, --blend and --transparent need --gif");
    if (given.contains("--ping-pong") && given.contains("--blend"))
        throw UsageError("option --ping-pong cannot be combined with --blend");
}

} // namespace mottler::cli
