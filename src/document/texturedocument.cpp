#include "document/texturedocument.h"

#include "document/documentrun.h"
#include "document/undokeys.h"
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

#include <QUndoStack>
#include <algorithm>

namespace mottler {
namespace {

constexpr int UndoDepth = 100;

} // namespace

TextureDocument::TextureDocument(QObject* parent)
    : QObject(parent), undoStack(new QUndoStack(this)) {
    // Each kept texture holds several copies of the fields: the depth is bounded, and a step
    // keeps a texture only while memory allows.
    undoStack->setUndoLimit(UndoDepth);
}

// The stack clears its steps as it goes and reports the change of index to listeners that
// read the document: it goes first, quietly, while the document is still whole.
TextureDocument::~TextureDocument() {
    undoStack->blockSignals(true);
    delete undoStack;
}

template <typename T>
void TextureDocument::EditSetting(T TextureSettings::*field, const T& value, const char* text,
                                  int key) {
    if (settings.*field == value)
        return;
    DocumentValues before = Values();
    settings.*field = value;
    Q_EMIT SettingsChanged();
    Record(std::move(before), tr(text), key);
}

void TextureDocument::SetSeed(std::int32_t seed) {
    EditSetting(&TextureSettings::Seed, seed, QT_TR_NOOP("Change Seed"), UndoKey::Seed);
}

void TextureDocument::SetType(int type) {
    EditSetting(&TextureSettings::Type, type, QT_TR_NOOP("Change Texture Type"), UndoKey::Type);
}

void TextureDocument::SetImageFile(const QString& file) {
    EditSetting(&TextureSettings::ImageFile, file, QT_TR_NOOP("Change Picture"),
                UndoKey::ImageFile);
}

void TextureDocument::SetIterations(int iterations) {
    EditSetting(&TextureSettings::Iterations, iterations, QT_TR_NOOP("Change Iterations"),
                UndoKey::Iterations);
}

void TextureDocument::SetFactorA(int factor) {
    EditSetting(&TextureSettings::FactorA, factor, QT_TR_NOOP("Change A"), UndoKey::FactorA);
}

void TextureDocument::SetFactorB(int factor) {
    EditSetting(&TextureSettings::FactorB, factor, QT_TR_NOOP("Change B"), UndoKey::FactorB);
}

void TextureDocument::SetDrift(int drift) {
    EditSetting(&TextureSettings::DriftKind, drift, QT_TR_NOOP("Change Drift"), UndoKey::Drift);
}

void TextureDocument::SetAnimate(bool on) {
    EditSetting(&TextureSettings::Animate, on, QT_TR_NOOP("Change Animate"), UndoKey::Animate);
}

void TextureDocument::SetAnimateEvery(int every) {
    EditSetting(&TextureSettings::AnimateEvery, every, QT_TR_NOOP("Change Animate Every"),
                UndoKey::AnimateEvery);
}

void TextureDocument::SetTile(bool on) {
    EditSetting(&TextureSettings::Tile, on, QT_TR_NOOP("Change Tile"), UndoKey::Tile);
}

void TextureDocument::RaiseMaximum(RangedValue value) {
    maxima[static_cast<std::size_t>(value)] += 1000;
    Q_EMIT SettingsChanged();
}

// Showing or hiding the Advanced window alone is no edit of its values.
void TextureDocument::SetAdvanced(const AdvancedFactorTexts& texts) {
    if (SameAdvanced(advanced, texts))
        return;
    DocumentValues before = Values();
    AdvancedFactorTexts shownAsBefore = texts;
    shownAsBefore.Shown = advanced.Shown;
    const bool shownOnly = SameAdvanced(shownAsBefore, advanced);
    advanced = texts;
    Q_EMIT AdvancedChanged();
    if (!shownOnly)
        Record(std::move(before), tr("Change Advanced Factors"), UndoKey::Advanced);
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
    const GradientValues edited = CurrentGradient();
    if (RecordsUndo() && !SameGradient(committedGradient, edited)) {
        const GradientEditName name = DescribeGradientEdit(committedGradient, edited);
        DocumentValues before = Values();
        committedGradient = edited;
        Record(std::move(before), name.Text, name.MergeKey);
    } else {
        committedGradient = edited;
    }
    Q_EMIT GradientChanged();
    RenderTexture();
}

int TextureDocument::ApplyPresetColours(const Preset& preset) {
    const Step step(*this, tr("Apply Preset Colours"));
    Gradient.Points.ClearControlPoints();
    int refused = 0;
    try {
        refused = AddPresetControlPoints(Gradient.Points, preset);
    } catch (...) {
        Gradient.Rebuild();
        CommitGradient();
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
    CommitGradient();
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
    ++fieldsVersion;
    continuable = false; // the new fields wait for a seeding and a run
    showsTexture = false;
    settings.Width = width;
    settings.Height = height;
    SetOtherSizeFrame(std::nullopt);
    Q_EMIT SizeChanged(width, height);
    Q_EMIT SettingsChanged();
}

void TextureDocument::ChangeSize(int width, int height, const ShapeTuning& tuning) {
    const Step step(*this, tr("Change Size"), StepKeeps::Texture);
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
    const Step seeding(*this, QString()); // the seed box follows the seeding: no step of its own
    SeedTexture(Engine, settings.Type, tuning);
    ++fieldsVersion;
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
    const Step randomizing(*this, QString());
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
    ++fieldsVersion;
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
    const Step step(*this, mode == RunMode::Fresh ? tr("Generate Texture") : tr("Continue"),
                    StepKeeps::Texture);
    ++fieldsVersion;
    DocumentRun run(*this, host);
    return run.Execute(mode);
}

} // namespace mottler
