// Presets and the document: the one preset load applied to it, and the preset it saves.
#include "document/texturedocument.h"
#include "engine/random.h"
#include "palette/colourtext.h"
#include "presets/preset.h"
#include "presets/presetgrowth.h"

#include <algorithm>

namespace mottler {
namespace {

// The steps of the one preset load (presets/presetgrowth.h) applied to the document; the
// picture and the run are the caller's, which may ask the user and show the run.
class DocumentPresetLoad : public PresetLoadSteps {
public:
    DocumentPresetLoad(TextureDocument& document, const ShapeTuning& shapeTuning,
                       const std::function<void(const QString&)>& pictureStep,
                       const std::function<void()>& growStep)
        : doc(document), tuning(shapeTuning), picture(pictureStep), grow(growStep) {}

    void Size(int width, int height) override {
        if (!doc.PreserveSize() && (width != doc.Engine.Width() || height != doc.Engine.Height()))
            doc.SetTextureSize(width, height);
    }
    // Each value is set before the next is read, so a factor that is no number stops the load
    // with the values before it done.
    void Factors(const Preset& preset) override {
        doc.SetIterations(InRange(RangedValue::Iterations, preset.Iterations));
        doc.SetFactorA(
            InRange(RangedValue::FactorA, FactorPosition(preset.FactorA, PresetKey::FactorA)));
        doc.SetFactorB(
            InRange(RangedValue::FactorB, FactorPosition(preset.FactorB, PresetKey::FactorB)));
        doc.SetDrift(preset.DriftKind);
    }
    void Colours(const Preset& preset) override {
        if (!doc.Gradient.PaletteLocked)
            refused = doc.ApplyPresetColours(preset);
    }
    void PreviewColours(const Preset& preset) override {
        const Preset standard;
        const auto colour = [](const QString& value, const QString& fallback) {
            return ColourFromPresetHex(value.isEmpty() ? fallback : value);
        };
        PreviewSettings settings = doc.Preview();
        settings.Colours.Text = colour(preset.TextColour, standard.TextColour);
        settings.Colours.VisitedLink = colour(preset.VisitedLinkColour, standard.VisitedLinkColour);
        settings.Colours.Link = colour(preset.LinkColour, standard.LinkColour);
        settings.Colours.ActiveLink = colour(preset.ActiveLinkColour, standard.ActiveLinkColour);
        doc.SetPreview(settings);
    }
    void Seed(const Preset& preset) override {
        doc.SetType(preset.Type);
        doc.SetSeed(preset.Seed);
        doc.SeedFromSettings(tuning);
    }
    void Picture(const QString& path) override { picture(path); }
    void Grow() override { grow(); }

    int refused = 0;

private:
    int InRange(RangedValue value, int wanted) const {
        return std::clamp(wanted, 0, doc.Maximum(value));
    }

    TextureDocument& doc;
    const ShapeTuning& tuning;
    const std::function<void(const QString&)>& picture;
    const std::function<void()>& grow;
};

} // namespace

int TextureDocument::ApplyPreset(const Preset& preset, const ShapeTuning& tuning,
                                 const std::function<void(const QString&)>& picture,
                                 const std::function<void()>& grow) {
    // The whole load, its run included, is one undo step back to the texture before it.
    const Step step(*this, tr("Load Preset"), StepKeeps::Texture);
    DocumentPresetLoad steps(*this, tuning, picture, grow);
    LoadPreset(preset, steps);
    return steps.refused;
}

Preset TextureDocument::CurrentPreset() const {
    Preset p;
    p.Seed = Engine.CurrentSeed;
    p.Iterations = shownIteration.value_or(0);
    p.FactorA = QString::number(settings.FactorA);
    p.FactorB = QString::number(settings.FactorB);
    p.DriftKind = settings.DriftKind;
    const auto& records = Gradient.Records;
    p.StartColour = ColourToHex(records.front().BaseColour);
    p.EndColour = ColourToHex(records.back().BaseColour);
    for (std::size_t i = 1; i + 1 < records.size(); ++i)
        p.MiddlePoints.append(
            {ColourToHex(records[i].BaseColour), QString::number(records[i].Position)});
    p.Width = settings.Width;
    p.Height = settings.Height;
    const auto hex = [](std::optional<PackedColour> colour) {
        return colour ? ColourToHex(*colour) : QString();
    };
    p.TextColour = hex(preview.Colours.Text);
    p.LinkColour = hex(preview.Colours.Link);
    p.VisitedLinkColour = hex(preview.Colours.VisitedLink);
    p.ActiveLinkColour = hex(preview.Colours.ActiveLink);
    p.Type = settings.Type;
    p.Contrast = Gradient.Contrast;
    p.Brightness = Gradient.Brightness;
    p.ImageFile = settings.ImageFile;
    p.FactorC = advanced.FactorC;
    p.FactorD = advanced.FactorD;
    p.MultiplierA = advanced.MultiplierA;
    p.MultiplierB = advanced.MultiplierB;
    p.Zero = advanced.ZeroAction;
    return p;
}

} // namespace mottler
