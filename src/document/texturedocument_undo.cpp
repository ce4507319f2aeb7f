// Undo and redo of the document: the steps, and putting back what a step changed.
#include "base/errors.h"
#include "document/texturedocument.h"

#include <QUndoStack>

namespace mottler {

TextureDocument::Step::Step(TextureDocument& document, const QString& stepText, StepKeeps keeps)
    : doc(document), text(stepText), outermost(document.RecordsUndo()),
      keepsTexture(keeps == StepKeeps::Texture), fieldsVersion(document.fieldsVersion) {
    ++doc.openSteps;
    if (!outermost || text.isEmpty())
        return;
    before = doc.Values();
    if (keepsTexture)
        before.Texture = doc.TakeTexture();
}

// Runs while an exception unwinds too (a preset load that stopped halfway): what changed up
// to there is still one step. Nothing here may throw.
TextureDocument::Step::~Step() {
    --doc.openSteps;
    if (!outermost || text.isEmpty())
        return;
    try {
        DocumentValues after = doc.Values();
        const bool fieldsChanged = doc.fieldsVersion != fieldsVersion;
        if (!fieldsChanged)
            before.Texture.reset();
        else if (keepsTexture && before.Texture)
            after.Texture = doc.TakeTexture();
        if (keepsTexture && fieldsChanged && !after.Texture) {
            before.Texture.reset();
            Q_EMIT doc.UndoNotice(
                TextureDocument::tr("Too little memory to keep the texture for Undo: undoing "
                                    "\"%1\" leaves the texture as it is.")
                    .arg(text));
        }
        if (before.Texture || !SameValues(before, after))
            doc.undoStack->push(
                new DocumentChange(doc, std::move(before), std::move(after), text, 0));
    } catch (...) {
        // Memory ran out while keeping the step: the change stays, it cannot be undone.
    }
}

bool TextureDocument::CanUndo() const {
    return !running && undoStack->canUndo();
}

bool TextureDocument::CanRedo() const {
    return !running && undoStack->canRedo();
}

void TextureDocument::Undo() {
    if (!running)
        undoStack->undo();
}

void TextureDocument::Redo() {
    if (!running)
        undoStack->redo();
}

void TextureDocument::ClearUndo() {
    undoStack->clear();
    CommitGradient();
}

void TextureDocument::Record(DocumentValues before, const QString& text, int key) {
    if (!RecordsUndo())
        return;
    undoStack->push(new DocumentChange(*this, std::move(before), Values(), text, key));
}

GradientValues TextureDocument::CurrentGradient() const {
    return {Gradient.Points, Gradient.Contrast, Gradient.Brightness};
}

DocumentValues TextureDocument::Values() const {
    DocumentValues values;
    values.Settings = settings;
    values.Maxima = maxima;
    values.Advanced = advanced;
    values.Gradient = committedGradient;
    values.Colours = preview.Colours;
    return values;
}

std::shared_ptr<const TextureSnapshot> TextureDocument::TakeTexture() const {
    std::shared_ptr<TextureSnapshot> texture = TextureSnapshot::Take(Engine);
    if (!texture)
        return nullptr;
    texture->ShownIteration = shownIteration;
    texture->IterationsGrown = iterationsGrown;
    texture->Continuable = continuable;
    texture->ShowsTexture = showsTexture;
    return texture;
}

// `other` is the step's other side: whatever is the same on both sides is no part of the
// step and stays as it is now.
void TextureDocument::Restore(const DocumentValues& target, const DocumentValues& other) {
    ++restoring;
    if (target.Texture)
        RestoreTexture(*target.Texture);
    RestoreSettings(target, other);
    if (!SameAdvanced(target.Advanced, other.Advanced))
        SetAdvanced(target.Advanced);
    if (!SameGradient(target.Gradient, other.Gradient))
        RestoreGradient(target.Gradient);
    if (!SamePreviewColours(target.Colours, other.Colours)) {
        PreviewSettings page = preview;
        page.Colours = target.Colours;
        SetPreview(page);
    }
    if (target.Texture)
        RenderTexture();
    --restoring;
}

void TextureDocument::RestoreSettings(const DocumentValues& target, const DocumentValues& other) {
    TextureSettings s = settings;
    const TextureSettings& to = target.Settings;
    const TextureSettings& from = other.Settings;
    const auto take = [](auto& field, const auto& toValue, const auto& fromValue) {
        if (toValue != fromValue)
            field = toValue;
    };
    take(s.Seed, to.Seed, from.Seed);
    take(s.Type, to.Type, from.Type);
    take(s.ImageFile, to.ImageFile, from.ImageFile);
    take(s.Iterations, to.Iterations, from.Iterations);
    take(s.FactorA, to.FactorA, from.FactorA);
    take(s.FactorB, to.FactorB, from.FactorB);
    take(s.DriftKind, to.DriftKind, from.DriftKind);
    take(s.Animate, to.Animate, from.Animate);
    take(s.AnimateEvery, to.AnimateEvery, from.AnimateEvery);
    take(s.Tile, to.Tile, from.Tile);
    std::array<int, 3> ranges = maxima;
    take(ranges, target.Maxima, other.Maxima);
    if (SameSettings(s, settings) && ranges == maxima)
        return;
    settings = s;
    maxima = ranges;
    Q_EMIT SettingsChanged();
}

void TextureDocument::RestoreGradient(const GradientValues& target) {
    Gradient.Points = target.Points;
    Gradient.Contrast = target.Contrast;
    Gradient.Brightness = target.Brightness;
    Gradient.Rebuild();
    committedGradient = target;
    Q_EMIT GradientReplaced();
    Q_EMIT GradientChanged();
    RenderTexture();
}

// The fields as the step found them, with what was known of them: how far they had grown and
// whether a run could continue them. Fields that no longer fit into memory stay as they are.
void TextureDocument::RestoreTexture(const TextureSnapshot& texture) {
    const bool resized = texture.Width != Engine.Width() || texture.Height != Engine.Height();
    try {
        texture.RestoreInto(Engine);
    } catch (const MottlerError& error) {
        Q_EMIT UndoNotice(error.Message());
        return;
    }
    ++fieldsVersion;
    settings.Width = texture.Width;
    settings.Height = texture.Height;
    iterationsGrown = texture.IterationsGrown;
    continuable = texture.Continuable;
    showsTexture = texture.ShowsTexture;
    SetOtherSizeFrame(std::nullopt);
    ForgetShownFrame();
    SetShownIteration(texture.ShownIteration);
    if (resized) {
        Q_EMIT SizeChanged(texture.Width, texture.Height);
        Q_EMIT SettingsChanged();
    }
    if (!showsTexture)
        Q_EMIT TextureSeeded();
}

} // namespace mottler
