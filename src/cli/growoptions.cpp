#include "cli/growoptions.h"

#include "cli/arguments.h"
#include "cli/report.h"
#include "output/imagefile.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace mottler::cli {
namespace {

constexpr qint64 IntMin = std::numeric_limits<std::int32_t>::min();
constexpr qint64 IntMax = std::numeric_limits<std::int32_t>::max();
constexpr double RealMax = 3.0e38;

const QStringList TypeNames{"noise", "shapes", "both", "image"};
const QStringList DriftNames{"none", "left", "right", "up", "down"};
const QStringList FitNames{"stretch", "keep"};
constexpr int MostThreads = 64;

SweepEngine SweepEngineOption(Arguments& a) {
    const auto engine = static_cast<SweepEngine>(a.Choice(SweepEngineNames()));
    if (!EngineRunsHere(engine))
        throw UsageError(QStringLiteral("option --engine: this processor cannot run %1")
                             .arg(SweepEngineNames()[int(engine)]));
    return engine;
}

/// A value the growth uses as a float: every finite float is taken, including those a
/// double only rounds to (just above FLT_MAX).
double FiniteFloat(Arguments& a) {
    // Halfway between FLT_MAX and the next power of two: from there on a float is infinite.
    const double limit = std::ldexp(double(0x1FFFFFF), 127 - 24);
    const double value = a.Real(-limit, limit);
    if (std::fabs(value) >= limit)
        throw UsageError(
            QStringLiteral("option %1: %2 does not fit a float").arg(a.Option()).arg(value));
    return std::clamp(value, double(-std::numeric_limits<float>::max()),
                      double(std::numeric_limits<float>::max()));
}

void Validate(const GrowOptions& o) {
    if (!o.Output.isEmpty() && ImageFormatOf(o.Output) == ImageFormat::Unknown)
        throw UsageError(
            "option --output: the file name must end in .bmp, .png, .jpg, .jpeg, .gif or .webp");
    CheckAnimationOptions(o.Recording.Animation, o.Given);
    CheckImageOutputOptions(o.Image, !o.Output.isEmpty(), o.Given);
    if (!o.PresetFile.isEmpty() && o.PresetName.isEmpty())
        throw UsageError("option --presets needs --preset NAME");
    if (!o.PresetName.isEmpty())
        return; // the type and picture are checked once merged with the preset's
    if (o.Texture.Type == ImageFile && o.Texture.ImageFile.isEmpty())
        throw UsageError("option --type image needs --image FILE");
    if (!o.Texture.ImageFile.isEmpty() && o.Texture.Type != ImageFile)
        throw UsageError("option --image needs --type image");
}

/// Options that change nothing in this run are named, so that a typing slip is noticed.
void WarnUnusedOptions(const GrowOptions& o) {
    if (o.Has("--quality"))
        WarnUnlessQualityApplies(o.Output);
    if (o.Has("--fit") && o.Texture.Type != ImageFile && o.PresetName.isEmpty())
        ReportWarning("option --fit applies only to a picture (--type image); it is ignored");
}

} // namespace

const char* const GrowHelp = R"(Usage: mottler-cli grow [options]

Seeds a texture and grows it, then writes the final state.

Preset:
  --preset NAME        grow the texture preset NAME (any case) exactly as loading it in
                       the program does: its size, seed, type, iterations, factors, drift,
                       advanced values, gradient, contrast and brightness. Every other
                       option given here overrides the preset's value; a picture of another
                       size than the preset's is stretched unless --fit keep is given
  --presets FILE       find NAME in FILE (a preset file or texture pack) instead of the
                       data folder's "save.ini" (written from the built-in presets when
                       missing)

Seeding:
  --seed N             random seed (any 32-bit integer; default: from the clock, printed)
  --type T             initial texture: noise, shapes, both, image (or 0-3); default noise
  --image FILE         picture for --type image (BMP, JPEG, GIF, PNG, ...)
  --fit keep|stretch   a picture of another size: keep its own size (default) or stretch
                       it over --width x --height
  --width N, --height N  texture size in cells (default 100 x 100)

Growth:
  --iterations N       iterations to grow (default 9)
  --a X, --b X         diffusion factors of A and B (default 995 and 0)
  --c N, --d N         reaction constants (default 12 and 16)
  --amult X, --bmult X neighbour weights (default 4.0)
  --zero 0-2           negative A becomes 0 (0), B (1) or |A| (2); default 0
  --drift D            none, left, right, up, down (or 0-4); default none
  --progress           report every tenth iteration on stderr as a line of its own
                       (instead of the bar shown when stderr is a terminal)
  --engine E           the sweep's code: auto (default: avx512 where the processor has
                       it, else x87), x87 (extended precision throughout), or sse2, avx2,
                       avx512 (double precision in vector lanes, each cell checked and
                       redone in extended precision where that could differ);
                       MOTTLER_ENGINE in the environment overrides it
  --threads N          threads for the sweep, 1 to 64 (default: every core for a texture
                       of 90000 cells or more, else 1). Every engine and thread count
                       grows the same texture bit for bit

Colours:
)";

const char* const GrowOutputHelp = R"(
Output:
  -o, --output FILE    the texture coloured through the gradient: a 24-bit BMP, PNG, JPEG,
                       GIF (216 web-safe colours) or WebP by the name's extension (.bmp,
                       .png, .jpg, .jpeg, .gif, .webp)
  --quality N          JPEG and WebP quality, 1 to 100 (default 80); WebP at 100 is
                       lossless
  --raw-a FILE         final chemical A: little-endian float32, row-major, no header
  --raw-b FILE         final chemical B, the same way

Recording (colours as for --output):
  --record-every N     record the iterations i with i mod N = 0 (default 1)
  --avi FILE           write them straight into an uncompressed AVI file, 10 frames a
                       second, replacing FILE
  --frames-bmp FILE    keep them in memory, then write numbered 24-bit BMP files: every
                       ".bmp" in the name becomes the frame number and ".bmp"
                       (frames.bmp gives frames0000.bmp, frames0001.bmp, ...)
  --gif FILE           keep them in memory, then write an animated GIF that loops
                       forever, 10 frames a second, as the Export Animation window does
  --video FILE         keep them in memory, then write a video in the format the name's
                       extension asks for: .webm (VP9), .mp4 (H.264; an odd width or
                       height grows by one pixel that continues the tile) or .webp
                       (animated WebP that loops forever)
  --fps N              the video's frames a second, 1 to 120 (default 10)
  --video-quality N    the video's quality, 1 (smallest) to 100 (best); default 80
  --lossless           the WebP video keeps every pixel exactly
  --every N            the GIF and video take every N-th recorded frame (default 1)
  --ping-pong          the GIF and video play forward, then back to the start
  --blend N            the animation's last N frames cross-fade toward its first N: the
                       k-th of them (from 0) mixes in frame k with weight (k+1)/(N+1);
                       the first N are then left out, so the loop closes without a jump
                       (N is at most half the frames)
  --transparent RRGGBB the GIF shows this colour as transparent when its colour table
                       holds it exactly

Prints the seed, the reported iteration number and the range of A. On a terminal a
progress bar with the time left runs on stderr. Ctrl+C, SIGTERM or SIGHUP stops the run
like Escape does in the program and still writes the outputs.

Exit status: 0 on success, 1 when the run failed, 2 for a usage error, 130 when a signal
stopped the run.
)";

OptionTable GrowOptionTable() {
    OptionTable table;
    for (const char* name :
         {"preset", "presets",      "seed",   "type",      "image", "fit",     "width",
          "height", "iterations",   "a",      "b",         "c",     "d",       "amult",
          "bmult",  "zero",         "engine", "threads",   "drift", "quality", "raw-a",
          "raw-b",  "record-every", "avi",    "frames-bmp"})
        table << ValueOption({name});
    table << ValueOption({"o", "output"}) << FlagOption({"progress"});
    return table + ColourOptionTable() + ImageOutputOptionTable() + AnimationOptionTable();
}

QString GrowHelpText() {
    return QString::fromUtf8(GrowHelp) + ColourOptionsHelp + ImageOutputOptionsHelp +
           GrowOutputHelp;
}

GrowOptions ParseGrowOptions(const QStringList& args) {
    GrowOptions o;
    Arguments a(args, GrowOptionTable(), GrowHelpText());
    std::optional<int> recordEvery;
    for (QString opt = a.NextOption(); !opt.isEmpty(); opt = a.NextOption()) {
        o.Given.insert(opt);
        if (opt == "--preset")
            o.PresetName = a.NonEmptyText();
        else if (opt == "--presets")
            o.PresetFile = a.NonEmptyText();
        else if (opt == "--seed")
            o.Seed = a.Integer(IntMin, IntMax);
        else if (opt == "--type")
            o.Texture.Type = a.Choice(TypeNames);
        else if (opt == "--image")
            o.Texture.ImageFile = a.NonEmptyText();
        else if (opt == "--fit")
            o.Fit = a.Choice(FitNames) == 0 ? PictureFit::Stretch : PictureFit::KeepOwnSize;
        else if (opt == "--width")
            o.Texture.Width = a.Integer(1, IntMax);
        else if (opt == "--height")
            o.Texture.Height = a.Integer(1, IntMax);
        else if (opt == "--iterations")
            o.Texture.Iterations = a.Integer(0, IntMax);
        else if (opt == "--a")
            o.Factors.FactorA = a.Real(0, RealMax);
        else if (opt == "--b")
            o.Factors.FactorB = a.Real(0, RealMax);
        else if (opt == "--c")
            o.Factors.FactorC = a.Integer(IntMin, IntMax);
        else if (opt == "--d")
            o.Factors.FactorD = a.Integer(IntMin, IntMax);
        else if (opt == "--amult")
            o.Factors.MultiplierA = FiniteFloat(a);
        else if (opt == "--bmult")
            o.Factors.MultiplierB = FiniteFloat(a);
        else if (opt == "--zero")
            o.Factors.Zero = a.Integer(0, 2);
        else if (opt == "--engine")
            o.Sweeping.Engine = SweepEngineOption(a);
        else if (opt == "--threads")
            o.Sweeping.Threads = a.Integer(1, MostThreads);
        else if (opt == "--drift")
            o.Texture.DriftKind = a.Choice(DriftNames);
        else if (opt == "--output")
            o.Output = a.NonEmptyText();
        else if (opt == "--quality")
            o.Quality = a.Integer(1, 100);
        else if (opt == "--raw-a")
            o.RawA = a.NonEmptyText();
        else if (opt == "--raw-b")
            o.RawB = a.NonEmptyText();
        else if (opt == "--progress")
            o.Progress = true;
        else if (opt == "--record-every")
            recordEvery = a.Integer(1, IntMax);
        else if (opt == "--avi")
            o.Recording.Avi = a.NonEmptyText();
        else if (opt == "--frames-bmp")
            o.Recording.FramesBmp = a.NonEmptyText();
        else if (!TakeColourOption(a, o.Colours) && !TakeImageOutputOption(a, o.Image))
            TakeAnimationOption(a, o.Recording.Animation);
    }
    if (recordEvery && !o.Recording.Enabled())
        throw UsageError("option --record-every needs --avi, --frames-bmp, --gif or --video");
    o.Recording.Every = recordEvery.value_or(1);
    Validate(o);
    WarnUnusedOptions(o);
    return o;
}

} // namespace mottler::cli
