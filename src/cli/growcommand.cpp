#include "cli/growcommand.h"

#include "base/bmpfile.h"
#include "base/errors.h"
#include "base/imagememory.h"
#include "cli/arguments.h"
#include "cli/clirecording.h"
#include "cli/growoptions.h"
#include "cli/outputcheck.h"
#include "cli/presetoverrides.h"
#include "cli/presetsource.h"
#include "cli/report.h"
#include "engine/random.h"
#include "engine/render.h"
#include "engine/seeding.h"
#include "output/imagefile.h"
#include "presets/presetgrowth.h"
#include "presets/shapetuning.h"

#include <QByteArray>
#include <QtEndian>
#include <cstdio>
#include <functional>
#include <new>

namespace mottler::cli {
namespace {

// A picture is read before the generator is set, and its B noise is drawn straight from the
// seed: no shapes are drawn first, so the result does not depend on the shape settings.
void Seed(TextureEngine& engine, const GrowOptions& o) {
    QImage picture;
    if (o.Texture.Type == ImageFile)
        picture = ReadPicture(o.Texture.ImageFile);
    SetRandomSeed(static_cast<std::uint32_t>(*o.Seed));
    if (picture.isNull()) {
        // Only shapes read the user's shape settings: plain noise leaves the settings alone.
        const bool drawsShapes = o.Texture.Type != RandomNoise;
        SeedTexture(engine, o.Texture.Type, drawsShapes ? ReadShapeTuning() : ShapeTuning{});
        return;
    }
    engine.CurrentSeed = *o.Seed;
    UsePictureAsInitialTexture(engine, picture, o.Fit);
}

/// What a run needs once the texture is seeded: its factors and parameters, and the palette
/// the outputs are coloured through.
struct GrowPlan {
    GrowthFactors Factors;
    RunParameters Run;
    Palette Colours;
};

/// Sizes and seeds the texture from the options alone.
GrowPlan PlanFromOptions(TextureEngine& engine, GrowOptions& o) {
    engine.SetTextureSize(o.Texture.Width, o.Texture.Height);
    if (!o.Seed) {
        ReseedFromClock();
        o.Seed = static_cast<std::int32_t>(RandomSeed());
    }
    Seed(engine, o);
    GrowPlan plan;
    plan.Factors = o.Factors;
    plan.Run.Iterations = o.Texture.Iterations;
    plan.Run.Animate = false;
    plan.Run.DriftKind = o.Texture.DriftKind;
    plan.Colours = BuildPalette(o.Colours);
    return plan;
}

/// Sizes and seeds the texture as loading the named preset does, with the options given on
/// the command line in place of the preset's values.
GrowPlan PlanFromPreset(TextureEngine& engine, GrowOptions& o) {
    const IniFile file = OpenPresetFile(o.PresetFile);
    const Preset named = NamedPreset(file, o.PresetName);
    const Preset preset = InPreset(file, o.PresetName, [&] { return OverridePreset(named, o); });
    const PreparedPreset prepared = InPreset(file, o.PresetName, [&] {
        return PreparePreset(engine, preset, ReadShapeTuning(), PresetPictureFit(o));
    });
    if (prepared.RefusedPoints > 0)
        ReportWarning(RefusedPointsMessage(prepared.RefusedPoints));
    o.Seed = preset.Seed;
    return {prepared.Factors, prepared.Run, prepared.Colours};
}

RunResult Grow(TextureEngine& engine, const GrowOptions& o, const GrowPlan& plan,
               CliRecording& recording) {
    RunParameters params = plan.Run;
    params.Record = o.Recording.Enabled();
    params.Sweeping = o.Sweeping;
    engine.Switches.PaintAges = false;
    const ProgressStyle progress = ChosenProgressStyle(o.Progress);
    engine.Switches.ShowProgress = progress != ProgressStyle::Quiet;
    CliRecordingObserver observer(engine, plan.Colours, recording, plan.Factors, progress,
                                  params.Iterations);
    return GrowTexture(engine, params, observer);
}

void WriteRaw(const ChemicalField& field, const QString& path) {
    QByteArray bytes(static_cast<qsizetype>(field.Cells() * sizeof(float)), '\0');
    qToLittleEndian<float>(field.Data(), static_cast<qsizetype>(field.Cells()), bytes.data());
    WriteFileAtomically(path, bytes);
}

/// Runs one write of `output` and reports its failure on stderr instead of throwing, so that
/// the other outputs are still written. Returns whether it succeeded.
bool TryWrite(const QString& output, const std::function<void()>& write) {
    try {
        write();
        return true;
    } catch (const ImageMemoryError& error) {
        ReportError(FileWriteError(output, error.Reason()).Message());
    } catch (const MottlerError& error) {
        ReportError(error.Message());
    } catch (const std::bad_alloc&) {
        ReportError(FileWriteError(output, QStringLiteral("out of memory")).Message());
    }
    return false;
}

/// Writes every output that can be written; returns whether all of them were.
bool WriteOutputs(TextureEngine& engine, const GrowOptions& o, const Palette& palette,
                  CliRecording& recording) {
    bool written = true;
    if (!o.Output.isEmpty())
        written &= TryWrite(o.Output, [&] {
            RenderDisplayField(engine, palette);
            WriteImage(OutputImage(engine.TextureBitmap, o.Image), o.Output, o.Quality);
        });
    if (!o.Image.HeightMap.isEmpty())
        written &= TryWrite(o.Image.HeightMap, [&] { WriteHeightMapOutput(engine, o.Image); });
    if (!o.Image.NormalMap.isEmpty())
        written &= TryWrite(o.Image.NormalMap, [&] { WriteNormalMapOutput(engine, o.Image); });
    if (!o.RawA.isEmpty())
        written &= TryWrite(o.RawA, [&] { WriteRaw(engine.FieldA, o.RawA); });
    if (!o.RawB.isEmpty())
        written &= TryWrite(o.RawB, [&] { WriteRaw(engine.FieldB, o.RawB); });
    written &= TryWrite(o.Recording.Avi, [&] { recording.CloseAvi(); });
    const QString& frames =
        o.Recording.Animation.Gif.isEmpty() ? o.Recording.FramesBmp : o.Recording.Animation.Gif;
    written &= TryWrite(frames, [&] { recording.WriteFrames(palette); });
    if (!o.Recording.Animation.Video.isEmpty())
        written &= TryWrite(o.Recording.Animation.Video, [&] { recording.WriteVideo(palette); });
    return written;
}

QString FloatText(float v) {
    return QString::asprintf("%.9g", static_cast<double>(v));
}

/// The summary goes to standard output, unless a file is written there ("-"): then it goes
/// to stderr, so that the file's bytes stay whole.
void PrintSummary(const TextureEngine& engine, const GrowOptions& o, const RunResult& result) {
    const bool fileOnStdout = QStringList{o.Output, o.RawA, o.RawB, o.Recording.Avi}.contains("-");
    const auto print = fileOnStdout ? PrintNote : PrintLine;
    print(QStringLiteral("seed: %1").arg(*o.Seed));
    print(QStringLiteral("iterations: %1").arg(result.Reported));
    print(QStringLiteral("minimum: %1").arg(FloatText(engine.FieldMin)));
    print(QStringLiteral("maximum: %1").arg(FloatText(engine.FieldMax)));
    if (result.Outcome == RunOutcome::UniformField)
        print("stopped: the field of A became uniform");
}

} // namespace

int ExecuteGrow(GrowOptions& o, QImage* coloured) {
    CheckOutputPaths(o);
    TextureEngine engine;
    const GrowPlan plan =
        o.PresetName.isEmpty() ? PlanFromOptions(engine, o) : PlanFromPreset(engine, o);
    const Palette& palette = plan.Colours;
    CheckOutputSizes(o, QSize(engine.Width(), engine.Height()));
    CliRecording recording(o.Recording, plan.Run.Iterations);
    const RunResult result = Grow(engine, o, plan, recording);
    if (result.Outcome == RunOutcome::Overflow) {
        ReportError(result.Message);
        return ExitFailed;
    }
    // A run that failed on the way (a full disk under the AVI file, its size limit) still
    // leaves a texture: it and the frames recorded so far are written.
    const bool failed = result.Outcome == RunOutcome::InternalError;
    if (failed)
        ReportError(result.Message);
    else
        PrintSummary(engine, o, result);
    const bool written = WriteOutputs(engine, o, palette, recording);
    if (coloured) {
        RenderDisplayField(engine, palette);
        *coloured = engine.TextureBitmap;
    }
    if (failed || !written || result.Outcome == RunOutcome::Aborted)
        return ExitFailed; // an aborted recording ran out of memory; its message is on stderr
    if (result.Outcome == RunOutcome::Escaped) {
        ReportError(QStringLiteral("interrupted after iteration %1").arg(result.Reported));
        return ExitInterrupted;
    }
    return ExitOk;
}

int RunGrowCommand(const QStringList& args) {
    GrowOptions options = ParseGrowOptions(args);
    return ExecuteGrow(options);
}

} // namespace mottler::cli
