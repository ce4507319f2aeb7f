#pragma once

#include "document/documentchange.h"
#include "engine/engine.h"
#include "engine/growth.h"
#include "engine/initialimage.h"
#include "engine/shapes.h"
#include "engine/texturesettings.h"
#include "gradients/gradientsettings.h"
#include "palette/gradientstate.h"
#include "presets/advancedfactors.h"
#include "preview/previewsettings.h"
#include "recording/frames.h"
#include "recording/recordsettings.h"

#include <QImage>
#include <QObject>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>

class QUndoStack;

namespace mottler {

struct Preset;
class RunHost;

/// What an undo step keeps besides the values: the texture too, for the steps that change
/// the fields.
enum class StepKeeps { Values, Texture };

/// The two tabs whose image the main window saves, copies and previews.
enum class ImageTab {
    Texture,  ///< "Texture Settings": the texture
    Gradient, ///< "Gradient Settings": the fading-border strip
};

/// The three values set by a trackbar with a box under it; Shift+right-click on the box
/// raises the range.
enum class RangedValue { Iterations = 0, FactorA = 1, FactorB = 2 };

/// The texture the main window shows and everything its windows show or a run reads: the
/// engine with its fields, the gradient, the recorded frames and their playback, the texture
/// settings, the fading border, the preview page's settings, the recording options and the
/// state of the runs.
///
/// Windows never keep these values themselves: they show them, change them through the
/// setters and operations, and follow the change signals. Setters compare before they
/// emit, so showing a value in a control (under a signal blocker) never loops back.
class TextureDocument : public QObject {
    Q_OBJECT
public:
    explicit TextureDocument(QObject* parent = nullptr);
    ~TextureDocument() override;

    /// The fields and bitmaps: runs, seedings and rendering work on them directly; the
    /// operations below say what changed.
    TextureEngine Engine;
    /// The gradient: the gradient editor and the contrast and brightness pointers edit it and
    /// then call GradientEdited (or SetContrastBrightness); a preset load replaces it through
    /// ApplyPresetColours.
    GradientState Gradient;
    /// The frames recorded into memory.
    FrameList Frames;

    // --- The texture settings -------------------------------------------------------------
    /// Seed: what the seed box was last given (typed, or set by a seeding or a preset load).
    /// Width and Height follow the engine's size.
    const TextureSettings& Settings() const { return settings; }
    void SetSeed(std::int32_t seed);
    void SetType(int type);
    void SetImageFile(const QString& file);
    void SetIterations(int iterations);
    void SetFactorA(int factor);
    void SetFactorB(int factor);
    void SetDrift(int drift);
    void SetAnimate(bool on);
    void SetAnimateEvery(int every);
    void SetTile(bool on);
    /// The largest value of a trackbar (1000 at start-up).
    int Maximum(RangedValue value) const { return maxima[static_cast<std::size_t>(value)]; }
    /// Shift+right-click on a box: its range grows by 1000.
    void RaiseMaximum(RangedValue value);

    /// The Advanced window's texts and whether it is shown.
    const AdvancedFactorTexts& Advanced() const { return advanced; }
    void SetAdvanced(const AdvancedFactorTexts& texts);
    /// The factors a run reads at its start: A and B from the settings, the rest from the
    /// advanced texts while the Advanced window is shown. Throws MottlerError for a shown
    /// multiplier that is no number.
    GrowthFactors Factors() const;

    // --- Recording and playback -----------------------------------------------------------
    const RecordSettings& Recording() const { return recording; }
    void SetRecording(const RecordSettings& options);
    /// The recorded frame on display, 1 … count; 0 when a run or a seeding took over.
    int ShownFrame() const { return shownFrame; }
    /// Shows recorded frame p (clamped to the frames there are); nothing without frames.
    void ShowFrame(int p);
    /// Back (−1) or forward (+1) a frame, wrapping around at either end.
    void StepFrame(int delta);
    bool Playing() const { return playing; }
    void SetPlaying(bool on);
    /// An age thumbnail clicked while frames are recorded: shows the frame of that age when
    /// the recording reaches it (true), else false and nothing changes.
    bool ShowRecordedAge(int age);
    /// Recording into memory has frames that Export Animation can save.
    bool CanSaveRecording() const { return recording.RecordsToMemory() && !Frames.IsEmpty(); }

    // --- Colours --------------------------------------------------------------------------
    /// The gradient (points, contrast or brightness) was edited in place: its palette is
    /// rebuilt and the texture recoloured.
    void GradientEdited();
    /// A preset's gradient, contrast, brightness and advanced texts. Returns how many middle
    /// points were left out beyond the tenth. Throws MottlerError for a position that is no
    /// whole number, with the points before it kept.
    int ApplyPresetColours(const Preset& preset);

    // --- The fading border and the preview page -------------------------------------------
    const GradientSettings& FadingBorder() const { return fadingBorder; }
    void SetFadingBorder(const GradientSettings& settings);
    /// "Use Texture gradient": the width box shows 256 while it is on, and the width from
    /// before afterwards.
    void SetUseTextureGradient(bool on);
    const PreviewSettings& Preview() const { return preview; }
    void SetPreview(const PreviewSettings& settings);

    /// The image tab shown last: its image is the one saved, copied and previewed.
    ImageTab LastImageTab() const { return lastImageTab; }
    void SetLastImageTab(ImageTab tab);
    /// "Preserve Size": a preset load keeps the texture size.
    bool PreserveSize() const { return preserveSize; }
    void SetPreserveSize(bool on) { preserveSize = on; }

    // --- The texture on display -----------------------------------------------------------
    /// The iteration the texture on display shows; nothing until a run has grown the fields
    /// that were last seeded.
    std::optional<int> ShownIteration() const { return shownIteration; }
    /// A grown texture (or a recorded frame) is on display; freshly seeded fields show none.
    bool ShowsTexture() const { return showsTexture; }
    /// The iterations the last run reported.
    int IterationsGrown() const { return iterationsGrown; }
    /// Continue can grow on: a run has grown these fields and fewer iterations than set.
    bool CanContinue() const;
    /// The image on display on the texture tab: the texture bitmap, or a recorded frame of
    /// an earlier texture size.
    const QImage& DisplayedTexture() const;
    /// The current image: the texture on display, or with the gradient tab shown last the
    /// fading-border output image (drawn in full, so it never depends on the window's
    /// size). Throws MottlerError with MakeGradientImage's messages.
    QImage CurrentImage() const;

    // --- Operations -----------------------------------------------------------------------
    /// Replaces the fields with ones of a new size (throws MottlerError before anything
    /// changes when they do not fit into memory). The fields wait for a seeding.
    void SetTextureSize(int width, int height);
    /// The texture size window's OK: the same size keeps the texture and renders it afresh, a
    /// new one seeds a new texture of that size.
    void ChangeSize(int width, int height, const ShapeTuning& tuning);
    /// Seeds the fields from the random generator as it stands, for the texture type set
    /// (the picture of "Image File" is the caller's); the seed box shows the seed. Nothing
    /// is shown until a run grows it.
    void Seed(const ShapeTuning& tuning);
    /// RandomSeed := the seed set, then Seed.
    void SeedFromSettings(const ShapeTuning& tuning);
    /// A variation: a new seed drawn after reseeding from the clock, then Seed; a picture
    /// ("Image File") gives way to random noise.
    void Randomize(const ShapeTuning& tuning);
    /// The picture as the initial texture, fitted as the caller decided (KeepOwnSize changes
    /// the texture size to the picture's first).
    void UsePicture(const QImage& picture, PictureFit fit);
    /// Colours the state on display through the palette and shows it (a quarter turn is
    /// undone: the fields are never drawn turned).
    void RenderTexture();
    /// Turns the texture on display by quarter turns to the right, as Save Tile showed it.
    void TurnDisplayedTexture(int quarterTurns);

    /// Applies a preset in the one load order: size, factors, colours, preview colours, seed
    /// and seeding, then `picture` with the picture's path for "Image File" presets, else
    /// `grow`. Returns how many middle points were left out beyond the tenth. Throws
    /// MottlerError from the step that failed, the steps before it kept.
    int ApplyPreset(const Preset& preset, const ShapeTuning& tuning,
                    const std::function<void(const QString&)>& picture,
                    const std::function<void()>& grow);
    /// The texture as a preset stores it.
    Preset CurrentPreset() const;

    // --- Runs -----------------------------------------------------------------------------
    /// One run at a time: true from a run's start to its end.
    bool Running() const { return running; }
    /// Grows the texture with the window's side of the run in `host`. Does nothing while a
    /// run is going or before the fields exist. The run's failure is returned (its message
    /// for the caller to show); an exception from reading the factors propagates. However the
    /// run ends, what is on display afterwards is the state the fields hold.
    RunResult Grow(RunMode mode, RunHost& host);

    // --- Undo and redo --------------------------------------------------------------------
    /// The steps: each setter's change, each gradient edit, and each Step (a preset load, a
    /// size change, a run). Consecutive changes of one control merge into one step.
    QUndoStack& UndoStack() { return *undoStack; }
    /// Undo and redo put back what the step changed and never start a run; they do nothing
    /// while a run goes.
    bool CanUndo() const;
    bool CanRedo() const;
    void Undo();
    void Redo();
    /// Forgets every step: what the document holds now is where undo stops (start-up).
    void ClearUndo();

    /// The changes made while a Step lives are one undo step named `text` (an empty text:
    /// none at all). Steps inside another join it. A step that keeps the texture copies the
    /// fields before and after it where the memory allows, else says so through UndoNotice
    /// and keeps the values alone.
    class Step {
    public:
        Step(TextureDocument& document, const QString& text, StepKeeps keeps = StepKeeps::Values);
        ~Step();
        Step(const Step&) = delete;
        Step& operator=(const Step&) = delete;

    private:
        TextureDocument& doc;
        QString text;
        bool outermost;
        bool keepsTexture;
        std::uint64_t fieldsVersion;
        DocumentValues before;
    };

Q_SIGNALS:
    /// Something the user should know about undo: a texture too large to keep for it, or
    /// one that could not be put back.
    void UndoNotice(const QString& text);
    /// A texture setting or a trackbar range changed.
    void SettingsChanged();
    void AdvancedChanged();
    /// The gradient's palette changed (edited, adjusted or loaded).
    void GradientChanged();
    /// The gradient's points were replaced wholesale: editors rebuild their markers.
    void GradientReplaced();
    /// The texture on display changed (a run, a recolouring, a frame shown).
    void TextureRendered();
    /// New fields were seeded (or the size changed): nothing grown is on display.
    void TextureSeeded();
    void SizeChanged(int width, int height);
    /// The recorded frames changed (cleared or added by a run).
    void FramesChanged();
    void ShownFrameChanged(int frame);
    void ShownIterationChanged();
    void PlayingChanged(bool playing);
    void RecordingChanged();
    void FadingBorderChanged();
    void PreviewSettingsChanged();
    void ImageTabChanged(ImageTab tab);
    void RunStateChanged(bool running);

    // During a run.
    void RunProgressText(const QString& text);
    /// parts of total; total 0 hides the progress bar.
    void RunProgress(int parts, int total);
    void AgesCleared();
    /// Age thumbnail `index` (1 … 9) shows the texture bitmap as at `iteration`.
    void AgePainted(int index, int iteration);
    void RunTimeMeasured(double seconds);

private:
    friend class DocumentRun;
    friend class DocumentChange;
    void Record(DocumentValues before, const QString& text, int key);
    bool RecordsUndo() const { return openSteps == 0 && restoring == 0; }
    DocumentValues Values() const;
    GradientValues CurrentGradient() const;
    void CommitGradient() { committedGradient = CurrentGradient(); }
    std::shared_ptr<const TextureSnapshot> TakeTexture() const;
    void Restore(const DocumentValues& target, const DocumentValues& other);
    void RestoreSettings(const DocumentValues& target, const DocumentValues& other);
    void RestoreGradient(const GradientValues& target);
    void RestoreTexture(const TextureSnapshot& texture);
    template <typename T>
    void EditSetting(T TextureSettings::*field, const T& value, const char* text, int key);
    void SetShownIteration(std::optional<int> iteration);
    void SetRunning(bool on);
    void FinishRun(int k);
    /// A run that failed: the bitmap stays as the run last rendered it (iteration
    /// `rendered`, when it rendered one) and is shown, and nothing is left to continue.
    void AfterFailedRun(std::optional<int> rendered);
    void ClearFrames();
    void ForgetShownFrame();
    void SetOtherSizeFrame(std::optional<QImage> frame);

    TextureSettings settings;
    std::array<int, 3> maxima{1000, 1000, 1000};
    AdvancedFactorTexts advanced;
    RecordSettings recording;
    int shownFrame = 0;
    bool playing = false;
    GradientSettings fadingBorder;
    int savedGradientWidth = 100; ///< the width before "Use Texture gradient" was checked
    PreviewSettings preview;
    ImageTab lastImageTab = ImageTab::Texture;
    bool preserveSize = false;
    std::optional<int> shownIteration;
    int iterationsGrown = 0;
    bool continuable = false;  ///< a run has grown the fields as they are
    bool showsTexture = false; ///< the texture bitmap shows grown fields
    bool running = false;
    std::optional<QImage> otherSizeFrame; ///< a frame recorded before a size change, shown

    QUndoStack* undoStack;
    /// The gradient as last reported: the editors change the points in place, so this is the
    /// gradient before their edit.
    GradientValues committedGradient;
    int openSteps = 0;               ///< Steps alive: their changes record nothing of their own
    int restoring = 0;               ///< inside undo or redo: setters record nothing
    std::uint64_t fieldsVersion = 0; ///< counts the changes of the fields (seeding, runs, sizes)
};

} // namespace mottler
