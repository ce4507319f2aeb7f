#pragma once

#include "document/gradientedit.h"
#include "document/texturesnapshot.h"
#include "engine/texturesettings.h"
#include "presets/advancedfactors.h"
#include "preview/previewsettings.h"

#include <QUndoCommand>
#include <array>
#include <memory>

namespace mottler {

class TextureDocument;

/// The values of the document an undo step puts back: the texture settings with the
/// trackbars' ranges, the Advanced texts, the gradient, the preview page's colours and, for
/// the steps that change the fields (runs, seedings, a preset load, a size change), the
/// texture.
struct DocumentValues {
    TextureSettings Settings;
    std::array<int, 3> Maxima{};
    AdvancedFactorTexts Advanced;
    GradientValues Gradient;
    PreviewColours Colours;
    std::shared_ptr<const TextureSnapshot> Texture;
};

bool SameAdvanced(const AdvancedFactorTexts& a, const AdvancedFactorTexts& b);
bool SamePreviewColours(const PreviewColours& a, const PreviewColours& b);
/// The settings a user sets (the size follows the fields and is not among them).
bool SameSettings(const TextureSettings& a, const TextureSettings& b);
/// Equal values, the texture aside.
bool SameValues(const DocumentValues& a, const DocumentValues& b);

/// One undo step: the document's values before and after it. Undo and redo put back only
/// what the step changed, so a step never takes back another's change.
class DocumentChange : public QUndoCommand {
public:
    DocumentChange(TextureDocument& document, DocumentValues before, DocumentValues after,
                   const QString& text, int mergeKey);

    void undo() override;
    /// The first redo is the change itself, already made.
    void redo() override;
    int id() const override;
    /// Consecutive steps of one control become one; a step that ends where it began goes.
    bool mergeWith(const QUndoCommand* other) override;

private:
    TextureDocument& doc;
    DocumentValues before;
    DocumentValues after;
    int key;
    bool done = false;
};

} // namespace mottler
