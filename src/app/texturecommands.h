#pragma once

#include "engine/growth.h"

#include <QObject>
#include <functional>

class QWidget;

namespace mottler {

class AdvancedWindow;
class PreviewFrame;
class RunInputFilter;
class TextureDocument;
class TexturePage;

/// The generation commands of the "Texture Settings" page: generate, randomize, continue, the
/// texture type and picture, and the run every one of them ends in. Messages and questions
/// appear over `window`, the main window.
class TextureCommands : public QObject {
    Q_OBJECT
public:
    TextureCommands(TextureDocument& doc, QWidget& owner, TexturePage& texturePage,
                    PreviewFrame& previewFrame, AdvancedWindow& advanced);

    void btnGoClick();
    void btnRandomizeClick();
    void btnContinueClick();
    void cmbTextureTypeClick();
    void btnOpenImageClick();
    void btnChangeModeClick();
    /// Seeds from a picture file, asking how a picture of another size fits, and grows it.
    void LoadInitialImage(const QString& file);
    /// Runs the growth and shows how it failed, if it did.
    void GrowTexture(RunMode mode);
    /// Work that allocates new fields, with "Allocating memory" on the progress bar.
    void Allocating(const std::function<void()>& work);

protected:
    /// Enter in the seed box or the animation's box seeds and grows afresh.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    /// A seeding, with the busy cursor while shapes are drawn; false when it failed.
    bool Seeded(const std::function<void()>& seeding);
    void ShowRunFailure(const RunResult& result);

    TextureDocument& document;
    QWidget& window;
    TexturePage& page;
    PreviewFrame& preview;
    AdvancedWindow& frmAdvanced;
    RunInputFilter* runInput = nullptr;
};

} // namespace mottler
