#include "cli/growcommand.h"

#include "cli/arguments.h"
#include "cli/clirecording.h"
#include "cli/growoptions.h"
#include "engine/errors.h"
#include "engine/random.h"
#include "engine/render.h"
#include "engine/seeding.h"
#include "output/bmpfile.h"
#include "output/imagefile.h"

#include <QByteArray>
#include <QtEndian>
#include <cstdio>

namespace mottler::cli {
namespace {

void Print(const QString& text) { std::fputs(qPrintable(text + '\n'), stdout); }
void PrintError(const QString& text) { std::fputs(qPrintable(text + '\n'), stderr); }

// A picture is read before the generator is set, and its B noise is drawn straight from the
// seed: no shapes are drawn first, so the result does not depend on the shape settings.
void Seed(TextureEngine& engine, const GrowOptions& o) {
    QImage picture;
    if (o.Texture.Type == ImageFile)
        picture = ReadPicture(o.Texture.ImageFile);
    SetRandomSeed(static_cast<std::uint32_t>(*o.Seed));
    if (picture.isNull()) {
        SeedTexture(engine, o.Texture.Type, ShapeTuning::FromUserSettings());
        return;
    }
    engine.CurrentSeed = *o.Seed;
    UsePictureAsInitialTexture(engine, picture, o.Fit);
}

RunResult Grow(TextureEngine& engine, const GrowOptions& o, const Palette& palette,
               CliRecording& recording) {
    GrowthFactors factors;
    factors.FactorA = o.FactorA;
    factors.FactorB = o.FactorB;
    factors.FactorC = o.Texture.FactorC;
    factors.FactorD = o.Texture.FactorD;
    factors.MultiplierA = o.Texture.MultiplierA;
    factors.MultiplierB = o.Texture.MultiplierB;
    factors.Zero = o.Texture.Zero;
    RunParameters params;
    params.Iterations = o.Texture.Iterations;
    params.Animate = false;
    params.Record = o.Recording.Enabled();
    params.DriftKind = o.Texture.DriftKind;
    engine.Switches.PaintAges = false;
    engine.Switches.ShowProgress = o.Progress;
    CliRecordingObserver observer(engine, palette, recording, factors, o.Progress,
                                  o.Texture.Iterations);
    return GrowTexture(engine, params, observer);
}

void WriteRaw(const ChemicalField& field, const QString& path) {
    QByteArray bytes(static_cast<qsizetype>(field.Cells() * sizeof(float)), '\0');
    qToLittleEndian<float>(field.Data(), static_cast<qsizetype>(field.Cells()), bytes.data());
    WriteFileAtomically(path, bytes);
}

Palette OutputPalette(const GrowOptions& o) { return BuildPalette(o.Colours); }

void WriteOutputs(TextureEngine& engine, const GrowOptions& o, const Palette& palette) {
    if (!o.Output.isEmpty()) {
        RenderDisplayField(engine, palette);
        WriteImage(engine.TextureBitmap, o.Output, o.Quality);
    }
    if (!o.RawA.isEmpty())
        WriteRaw(engine.FieldA, o.RawA);
    if (!o.RawB.isEmpty())
        WriteRaw(engine.FieldB, o.RawB);
}

QString FloatText(float v) { return QString::asprintf("%.9g", static_cast<double>(v)); }

int Execute(GrowOptions& o) {
    TextureEngine engine;
    engine.SetTextureSize(o.Texture.Width, o.Texture.Height);
    if (!o.Seed) {
        ReseedFromClock();
        o.Seed = static_cast<std::int32_t>(RandomSeed());
    }
    Seed(engine, o);
    const Palette palette = OutputPalette(o);
    CliRecording recording(o.Recording, o.Texture.Iterations);
    const RunResult result = Grow(engine, o, palette, recording);
    if (result.Outcome == RunOutcome::Overflow || result.Outcome == RunOutcome::InternalError) {
        PrintError(QString(result.Message).replace("\r\n", "\n"));
        return ExitFailed;
    }
    Print(QStringLiteral("seed: %1").arg(*o.Seed));
    Print(QStringLiteral("iterations: %1").arg(result.Reported));
    Print(QStringLiteral("minimum: %1").arg(FloatText(engine.FieldMin)));
    Print(QStringLiteral("maximum: %1").arg(FloatText(engine.FieldMax)));
    if (result.Outcome == RunOutcome::UniformField)
        Print("stopped: the field of A became uniform");
    WriteOutputs(engine, o, palette);
    recording.WriteFiles(palette);
    if (result.Outcome == RunOutcome::Aborted)
        return ExitFailed; // recording ran out of memory; its message is on stderr
    if (result.Outcome == RunOutcome::Escaped) {
        PrintError(QStringLiteral("interrupted after iteration %1").arg(result.Reported));
        return 130;
    }
    return ExitOk;
}

} // namespace

int RunGrowCommand(const QStringList& args) {
    GrowOptions options = ParseGrowOptions(args);
    if (options.Help) {
        std::fputs(GrowHelp, stdout);
        std::fputs(ColourOptionsHelp, stdout);
        std::fputs(GrowOutputHelp, stdout);
        return ExitOk;
    }
    try {
        return Execute(options);
    } catch (const MottlerError& error) {
        PrintError(error.Message());
        return ExitFailed;
    }
}

} // namespace mottler::cli
