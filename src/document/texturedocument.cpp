#include "document/texturedocument.h"

#include "document/documentrun.h"
#include "engine/random.h"
#include "engine/render.h"
#include "engine/seeding.h"
#include "gradients/gradientstrip.h"
#include "output/quarterturn.h"
#include "output/texturesize.h"
#include "palette/colourtext.h"
#include "presets/preset.h"
#include "presets/presetgrowth.h"
#include "recording/framebitmap.h"
#include "recording/recordstep.h"

#include <algorithm>

namespace mottler {

TextureDocument::TextureDocument(QObject* parent) : QObject(parent) {}

TextureDocument::~TextureDocument() = default;

template <typename T> void TextureDocument::Change(T& field, const T& value) {
    if (field == value)
        return;
    field = value;
    Q_EMIT SettingsChanged();
}

void TextureDocument::SetSeed(std::int32_t seed) {
    Change(settings.Seed, seed);
}

void TextureDocument::SetType(int type) {
    Change(settings.Type, type);
}

void TextureDocument::SetImageFile(const QString& file) {
    Change(settings.ImageFile, file);
}

void TextureDocument::SetIterations(int iterations) {
    Change(settings.Iterations, iterations);
}

void TextureDocument::SetFactorA(int factor) {
    Change(settings.FactorA, factor);
}

void TextureDocument::SetFactorB(int factor) {
    Change(settings.FactorB, factor);
}

void TextureDocument::SetDrift(int drift) {
    Change(settings.DriftKind, drift);
}

void TextureDocument::SetAnimate(bool on) {
    Change(settings.Animate, on);
}

void TextureDocument::SetAnimateEvery(int every) {
    Change(settings.AnimateEvery, every);
}

void TextureDocument::SetTile(bool on) {
    Change(settings.Tile, on);
}

void TextureDocument::RaiseMaximum(RangedValue value) {
    maxima[static_cast<std::size_t>(value)] += 1000;
    Q_EMIT SettingsChanged();
}

void TextureDocument::SetAdvanced(const AdvancedFactorTexts& texts) {
    if (advanced.FactorC == texts.FactorC && advanced.FactorD == texts.FactorD &&
        advanced.MultiplierA == texts.MultiplierA && advanced.MultiplierB == texts.MultiplierB &&
        advanced.ZeroAction == texts.ZeroAction && advanced.Shown == texts.Shown)
        return;
    advanced = texts;
    Q_EMIT AdvancedChanged();
}

GrowthFactors TextureDocument::Factors() const {
    GrowthFactors factors;
    factors.FactorA = settings.FactorA;
    factors.FactorB = settings.FactorB;
    return AdvancedFactors(factors, advanced);
}

void TextureDocument::SetRecording(const RecordSettings& options) {
    if (recording == options)
        return;
    recording = options;
    Q_EMIT RecordingChanged();
}

void TextureDocument::ShowFrame(int p) {
    if (Frames.IsEmpty())
        return;
    p = std::clamp(p, 1, Frames.Count());
    if (p == shownFrame)
        return;
    shownFrame = p;
    showsTexture = true;
    const Frame& frame = Frames[p - 1];
    SetShownIteration(frame.Iteration);
    if (CopyFrameToDisplayField(frame, Engine)) {
        SetOtherSizeFrame(std::nullopt);
        RenderTexture();
    } else {
        // Recorded before the texture size changed: shown at its own size, read only within
        // its own block, while the fields keep the current size.
        SetOtherSizeFrame(FrameToBitmap(frame, Gradient.Colours));
        Q_EMIT TextureRendered();
    }
    Q_EMIT ShownFrameChanged(shownFrame);
}

void TextureDocument::StepFrame(int delta) {
    if (Frames.IsEmpty())
        return;
    const int count = Frames.Count();
    const int from = std::clamp(shownFrame, 1, count);
    ShowFrame((from - 1 + delta % count + count) % count + 1);
}

void TextureDocument::SetPlaying(bool on) {
    if (playing == on)
        return;
    playing = on;
    Q_EMIT PlayingChanged(on);
}

bool TextureDocument::ShowRecordedAge(int age) {
    const int n = EffectiveRecordEvery(recording.Every);
    if (Frames.IsEmpty() || static_cast<long long>(n) * Frames.Count() < age)
        return false;
    ShowFrame(age / n);
    return true;
}

void TextureDocument::ForgetShownFrame() {
    if (shownFrame == 0)
        return;
    shownFrame = 0;
    Q_EMIT ShownFrameChanged(0);
}

void TextureDocument::GradientEdited() {
    Gradient.Rebuild();
    Q_EMIT GradientChanged();
    RenderTexture();
}

int TextureDocument::ApplyPresetColours(const Preset& preset) {
    Gradient.Points.ClearControlPoints();
    int refused = 0;
    try {
        refused = AddPresetControlPoints(Gradient.Points, preset);
    } catch (...) {
        Gradient.Rebuild();
        Q_EMIT GradientReplaced();
        throw;
    }
    Gradient.Contrast = preset.Contrast;
    Gradient.Brightness = preset.Brightness;
    // A load shows the Advanced window for values other than the defaults, never hides it.
    AdvancedFactorTexts texts;
    texts.FactorC = preset.FactorC;
    texts.FactorD = preset.FactorD;
    texts.MultiplierA = preset.MultiplierA;
    texts.MultiplierB = preset.MultiplierB;
    texts.ZeroAction = preset.Zero;
    texts.Shown = advanced.Shown || NeedsAdvancedWindow(preset);
    SetAdvanced(texts);
    Gradient.Rebuild();
    Q_EMIT GradientReplaced();
    Q_EMIT GradientChanged();
    return refused;
}

void TextureDocument::SetFadingBorder(const GradientSettings& border) {
    if (fadingBorder == border)
        return;
    fadingBorder = border;
    Q_EMIT FadingBorderChanged();
}

void TextureDocument::SetUseTextureGradient(bool on) {
    GradientSettings border = fadingBorder;
    if (on && !border.UseTextureGradient)
        savedGradientWidth = SavedGradientWidth(border.GradientWidth);
    border.UseTextureGradient = on;
    border.GradientWidth =
        on ? QString(TextureGradientWidthText) : QString::number(savedGradientWidth);
    SetFadingBorder(border);
}

void TextureDocument::SetPreview(const PreviewSettings& settingsOfPage) {
    const auto same = [](const PreviewColours& a, const PreviewColours& b) {
        return a.Text == b.Text && a.Link == b.Link && a.VisitedLink == b.VisitedLink &&
               a.ActiveLink == b.ActiveLink;
    };
    if (same(preview.Colours, settingsOfPage.Colours) &&
        preview.TestPage == settingsOfPage.TestPage &&
        preview.FontName == settingsOfPage.FontName &&
        preview.UseNewFilename == settingsOfPage.UseNewFilename)
        return;
    preview = settingsOfPage;
    Q_EMIT PreviewSettingsChanged();
}

void TextureDocument::SetLastImageTab(ImageTab tab) {
    if (lastImageTab == tab)
        return;
    lastImageTab = tab;
    Q_EMIT ImageTabChanged(tab);
}

bool TextureDocument::CanContinue() const {
    return !running && continuable && shownIteration.has_value() &&
           iterationsGrown < settings.Iterations;
}

const QImage& TextureDocument::DisplayedTexture() const {
    return otherSizeFrame ? *otherSizeFrame : Engine.TextureBitmap;
}

QImage TextureDocument::CurrentImage() const {
    if (lastImageTab == ImageTab::Texture)
        return DisplayedTexture();
    return MakeGradientImage(DrawFullGradientStrip(fadingBorder, Gradient.Colours), fadingBorder);
}

void TextureDocument::SetShownIteration(std::optional<int> iteration) {
    if (shownIteration == iteration)
        return;
    shownIteration = iteration;
    Q_EMIT ShownIterationChanged();
}

void TextureDocument::SetOtherSizeFrame(std::optional<QImage> frame) {
    otherSizeFrame = std::move(frame);
}

void TextureDocument::SetTextureSize(int width, int height) {
    Engine.SetTextureSize(width, height);
    continuable = false; // the new fields wait for a seeding and a run
    showsTexture = false;
    settings.Width = width;
    settings.Height = height;
    SetOtherSizeFrame(std::nullopt);
    Q_EMIT SizeChanged(width, height);
    Q_EMIT SettingsChanged();
}

void TextureDocument::ChangeSize(int width, int height, const ShapeTuning& tuning) {
    if (TextureSizeChangeFor(Engine, width, height) == TextureSizeChange::KeepTexture) {
        SetOtherSizeFrame(std::nullopt);
        Q_EMIT SizeChanged(width, height);
        RenderTexture();
        return;
    }
    SetTextureSize(width, height);
    Seed(tuning);
}

void TextureDocument::Seed(const ShapeTuning& tuning) {
    if (running || !Engine.HasFields())
        return;
    SeedTexture(Engine, settings.Type, tuning);
    SetSeed(Engine.CurrentSeed);
    SetOtherSizeFrame(std::nullopt);
    // The new fields have grown nothing yet: Continue waits for a run, and the display,
    // the frame label and the thumbnails no longer show an earlier texture.
    iterationsGrown = 0;
    continuable = false;
    showsTexture = false;
    SetShownIteration(std::nullopt);
    Q_EMIT TextureSeeded();
}

void TextureDocument::SeedFromSettings(const ShapeTuning& tuning) {
    SetRandomSeed(static_cast<std::uint32_t>(settings.Seed));
    Seed(tuning);
}

void TextureDocument::Randomize(const ShapeTuning& tuning) {
    if (settings.Type == ImageFile)
        SetType(RandomNoise);
    ReseedFromClock();
    SetRandomSeed(RandomInt(2147483647));
    Seed(tuning);
}

void TextureDocument::UsePicture(const QImage& picture, PictureFit fit) {
    if (fit == PictureFit::KeepOwnSize)
        SetTextureSize(picture.width(), picture.height());
    UsePictureAsInitialTexture(Engine, picture, fit);
    SetOtherSizeFrame(std::nullopt);
    iterationsGrown = 0;
    continuable = false;
    showsTexture = false;
    SetShownIteration(std::nullopt);
    Q_EMIT TextureSeeded();
}

// Nothing to colour until a run has grown the fields; a frame of an earlier size is coloured
// afresh from its own values.
void TextureDocument::RenderTexture() {
    if (!Engine.HasFields() || !showsTexture)
        return;
    if (otherSizeFrame && shownFrame > 0)
        otherSizeFrame = FrameToBitmap(Frames[shownFrame - 1], Gradient.Colours);
    else
        RenderDisplayField(Engine, Gradient.Colours);
    Q_EMIT TextureRendered();
}

void TextureDocument::TurnDisplayedTexture(int quarterTurns) {
    if (quarterTurns % 4 == 0)
        return;
    QImage& shown = otherSizeFrame ? *otherSizeFrame : Engine.TextureBitmap;
    shown = TurnedBy(shown, quarterTurns);
    Q_EMIT TextureRendered();
}

void TextureDocument::FinishRun(int k) {
    SetOtherSizeFrame(std::nullopt);
    RenderDisplayField(Engine, Gradient.Colours);
    iterationsGrown = k;
    continuable = true;
    showsTexture = true;
    SetShownIteration(k);
    Q_EMIT FramesChanged();
    Q_EMIT TextureRendered();
    if (recording.RecordsToMemory() && !Frames.IsEmpty())
        ShowFrame(Frames.Count()); // the last frame in place of the run's own last state
}

void TextureDocument::AfterFailedRun(std::optional<int> rendered) {
    SetOtherSizeFrame(std::nullopt);
    continuable = false;
    if (rendered) {
        showsTexture = true;
        SetShownIteration(rendered);
    }
    Q_EMIT FramesChanged();
    Q_EMIT TextureRendered();
}

void TextureDocument::ClearFrames() {
    shownFrame = 0;
    Q_EMIT FramesChanged();
}

void TextureDocument::SetRunning(bool on) {
    if (running == on)
        return;
    running = on;
    Q_EMIT RunStateChanged(on);
}

RunResult TextureDocument::Grow(RunMode mode, RunHost& host) {
    if (running || !Engine.HasFields())
        return {};
    if (mode == RunMode::Continued && (!continuable || !shownIteration))
        return {}; // nothing grown to continue: fresh fields, or a run that failed
    if (mode == RunMode::Continued && recording.RecordsToMemory() && !Frames.IsEmpty())
        ShowFrame(Frames.Count()); // a run continues from the last recorded state
    DocumentRun run(*this, host);
    return run.Execute(mode);
}

} // namespace mottler
