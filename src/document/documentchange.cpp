#include "document/documentchange.h"

#include "document/texturedocument.h"

namespace mottler {

bool SameAdvanced(const AdvancedFactorTexts& a, const AdvancedFactorTexts& b) {
    return a.FactorC == b.FactorC && a.FactorD == b.FactorD && a.MultiplierA == b.MultiplierA &&
           a.MultiplierB == b.MultiplierB && a.ZeroAction == b.ZeroAction && a.Shown == b.Shown;
}

bool SamePreviewColours(const PreviewColours& a, const PreviewColours& b) {
    return a.Text == b.Text && a.Link == b.Link && a.VisitedLink == b.VisitedLink &&
           a.ActiveLink == b.ActiveLink;
}

bool SameSettings(const TextureSettings& a, const TextureSettings& b) {
    return a.Seed == b.Seed && a.Type == b.Type && a.ImageFile == b.ImageFile &&
           a.Iterations == b.Iterations && a.FactorA == b.FactorA && a.FactorB == b.FactorB &&
           a.DriftKind == b.DriftKind && a.Animate == b.Animate &&
           a.AnimateEvery == b.AnimateEvery && a.Tile == b.Tile;
}

bool SameValues(const DocumentValues& a, const DocumentValues& b) {
    return SameSettings(a.Settings, b.Settings) && a.Maxima == b.Maxima &&
           SameAdvanced(a.Advanced, b.Advanced) && SameGradient(a.Gradient, b.Gradient) &&
           SamePreviewColours(a.Colours, b.Colours);
}

DocumentChange::DocumentChange(TextureDocument& document, DocumentValues valuesBefore,
                               DocumentValues valuesAfter, const QString& text, int mergeKey)
    : QUndoCommand(text), doc(document), before(std::move(valuesBefore)),
      after(std::move(valuesAfter)), key(mergeKey) {}

void DocumentChange::undo() {
    doc.Restore(before, after);
}

void DocumentChange::redo() {
    if (done)
        doc.Restore(after, before);
    done = true;
}

int DocumentChange::id() const {
    return key == 0 ? -1 : 1;
}

bool DocumentChange::mergeWith(const QUndoCommand* other) {
    const auto* next = dynamic_cast<const DocumentChange*>(other);
    if (next == nullptr || next->key != key || before.Texture || next->before.Texture)
        return false;
    after = next->after;
    setObsolete(SameValues(before, after));
    return true;
}

} // namespace mottler
