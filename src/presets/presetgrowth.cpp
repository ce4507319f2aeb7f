#include "presets/presetgrowth.h"

#include "base/numbers.h"
#include "engine/random.h"
#include "engine/render.h"
#include "engine/seeding.h"
#include "palette/colourtext.h"
#include "presets/datafolder.h"

#include <QCoreApplication>
#include <QDir>

namespace mottler {
namespace {

/// A run without display: only the factors are read, nothing is shown or polled.
class HeadlessObserver : public GrowthObserver {
public:
    explicit HeadlessObserver(const GrowthFactors& runFactors) : factors(runFactors) {}
    GrowthFactors ReadFactors() override { return factors; }

private:
    GrowthFactors factors;
};

/// The load's steps on an engine without windows; the run itself is left to the caller.
class HeadlessLoad : public PresetLoadSteps {
public:
    HeadlessLoad(TextureEngine& target, PreparedPreset& result, const ShapeTuning& shapes,
                 PictureFit pictureFit)
        : engine(target), prepared(result), tuning(shapes), fit(pictureFit) {}

    void Size(int width, int height) override {
        if (!engine.HasFields() || width != engine.Width() || height != engine.Height())
            engine.SetTextureSize(width, height);
    }
    void Factors(const Preset& preset) override {
        prepared.Run = HeadlessFreshRun(preset.Iterations, preset.DriftKind);
        prepared.Factors = PresetFactors(preset);
    }
    void Colours(const Preset& preset) override {
        prepared.RefusedPoints = AddPresetControlPoints(prepared.Points, preset);
        prepared.Records =
            RebuildPalette(prepared.Points, preset.Contrast, preset.Brightness, prepared.Colours);
    }
    void Seed(const Preset& preset) override {
        SetRandomSeed(static_cast<std::uint32_t>(preset.Seed));
        SeedTexture(engine, preset.Type, tuning);
    }
    void Picture(const QString& path) override {
        UsePictureAsInitialTexture(engine, ReadPicture(path), fit);
    }

private:
    TextureEngine& engine;
    PreparedPreset& prepared;
    const ShapeTuning& tuning;
    PictureFit fit;
};

} // namespace

int AddPresetControlPoints(ControlPointList& points, const Preset& preset) {
    points.AddControlPoint(0, ColourFromPresetHex(preset.StartColour), false, PointKind::Start);
    points.AddControlPoint(255, ColourFromPresetHex(preset.EndColour), false, PointKind::End);
    int refused = 0;
    for (int i = 0; i < preset.MiddlePoints.size(); ++i) {
        const PresetPoint& point = preset.MiddlePoints[i];
        const int position = PointPosition(point, i + 1);
        if (!points.AddControlPoint(position, ColourFromPresetHex(point.Colour), true,
                                    PointKind::Middle))
            ++refused;
    }
    return refused;
}

QString RefusedPointsMessage(int refused) {
    const QString message =
        QCoreApplication::translate("mottler::ControlPoints", TooManyControlPointsMessage);
    if (refused <= 1)
        return message;
    return message + QCoreApplication::translate("mottler::PresetGrowth",
                                                 "  %1 points of the preset were left out.")
                         .arg(refused);
}

GrowthFactors PresetFactors(const Preset& preset) {
    GrowthFactors factors;
    factors.FactorA = FactorNumber(preset.FactorA, PresetKey::FactorA);
    factors.FactorB = FactorNumber(preset.FactorB, PresetKey::FactorB);
    // The advanced values steer a run only while the Advanced window is shown, and a load
    // shows it only for values other than the defaults.
    if (NeedsAdvancedWindow(preset)) {
        factors.FactorC = IntValue(preset.FactorC);
        factors.FactorD = IntValue(preset.FactorD);
        factors.MultiplierA = FactorNumber(preset.MultiplierA, PresetKey::MultiplierA);
        factors.MultiplierB = FactorNumber(preset.MultiplierB, PresetKey::MultiplierB);
        factors.Zero = preset.Zero;
    }
    return factors;
}

QString PresetPicturePath(const Preset& preset) {
    if (preset.ImageFile.isEmpty() || !QDir::isRelativePath(preset.ImageFile))
        return preset.ImageFile;
    return QDir(DataFolder()).filePath(preset.ImageFile);
}

void LoadPreset(const Preset& preset, PresetLoadSteps& steps) {
    steps.Size(preset.Width, preset.Height);
    steps.Factors(preset);
    steps.Colours(preset);
    steps.PreviewColours(preset);
    steps.Seed(preset);
    if (preset.Type == ImageFile)
        steps.Picture(PresetPicturePath(preset));
    else
        steps.Grow();
}

PreparedPreset PreparePreset(TextureEngine& engine, const Preset& preset, const ShapeTuning& tuning,
                             PictureFit fit) {
    PreparedPreset prepared;
    HeadlessLoad steps(engine, prepared, tuning, fit);
    LoadPreset(preset, steps);
    return prepared;
}

PresetGrowth GrowPreset(TextureEngine& engine, const Preset& preset, const ShapeTuning& tuning,
                        int threads, PictureFit fit) {
    PresetGrowth growth;
    growth.Prepared = PreparePreset(engine, preset, tuning, fit);
    growth.Prepared.Run.Sweeping.Threads = threads;
    engine.Switches.PaintAges = false;
    engine.Switches.ShowProgress = false;
    HeadlessObserver observer(growth.Prepared.Factors);
    growth.Result = GrowTexture(engine, growth.Prepared.Run, observer);
    const RunOutcome outcome = growth.Result.Outcome;
    if (outcome != RunOutcome::Overflow && outcome != RunOutcome::InternalError)
        RenderDisplayField(engine, growth.Prepared.Colours);
    return growth;
}

} // namespace mottler
