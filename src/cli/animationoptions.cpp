#include "cli/animationoptions.h"

#include "output/animationexport.h"
#include "palette/colourtext.h"

#include <QRegularExpression>
#include <algorithm>
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

QString VideoPath(Arguments& args) {
    const QString path = args.NonEmptyText();
    if (!VideoFormatOf(path))
        throw UsageError("option --video: the file name must end in .webm, .mp4 or .webp");
    return path;
}

bool HasAny(const QSet<QString>& given, std::initializer_list<const char*> names) {
    return std::any_of(names.begin(), names.end(),
                       [&](const char* name) { return given.contains(QLatin1String(name)); });
}

} // namespace

OptionTable AnimationOptionTable() {
    return {ValueOption({"gif"}),      ValueOption({"video"}),         ValueOption({"every"}),
            FlagOption({"ping-pong"}), ValueOption({"blend"}),         ValueOption({"transparent"}),
            ValueOption({"fps"}),      ValueOption({"video-quality"}), FlagOption({"lossless"})};
}

bool TakeAnimationOption(Arguments& args, AnimationOptions& options) {
    const QString& option = args.Option();
    ExportOptions& o = options.Export;
    if (option == "--gif")
        options.Gif = args.NonEmptyText();
    else if (option == "--video")
        options.Video = VideoPath(args);
    else if (option == "--fps")
        o.FramesPerSecond = args.Integer(1, MaxFramesPerSecond);
    else if (option == "--video-quality")
        o.Quality = args.Integer(1, 100);
    else if (option == "--lossless")
        o.Lossless = true;
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
    const bool animated = !options.Gif.isEmpty() || !options.Video.isEmpty();
    if (!animated && HasAny(given, {"--every", "--ping-pong", "--blend"}))
        throw UsageError("options --every, --ping-pong and --blend need --gif or --video");
    if (options.Gif.isEmpty() && given.contains("--transparent"))
        throw UsageError("option --transparent needs --gif");
    if (options.Video.isEmpty() && HasAny(given, {"--fps", "--video-quality", "--lossless"}))
        throw UsageError("options --fps, --video-quality and --lossless need --video");
    if (given.contains("--lossless") && VideoFormatOf(options.Video) != AnimationFormat::WebP)
        throw UsageError("option --lossless applies only to a .webp --video");
    if (given.contains("--ping-pong") && given.contains("--blend"))
        throw UsageError("option --ping-pong cannot be combined with --blend");
}

} // namespace mottler::cli
