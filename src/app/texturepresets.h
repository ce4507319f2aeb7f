#pragma once

#include <QObject>
#include <memory>

class QWidget;

namespace mottler {

class GradientPage;
class IniFile;
class TextureCommands;
class TextureDocument;
class TexturePage;
struct Preset;

/// The texture presets of the "Texture Settings" page: the list, loading a preset (which
/// regrows it), saving the current texture under a name and importing texture packs. The
/// lists follow other writers of the preset files.
class TexturePresets : public QObject {
    Q_OBJECT
public:
    TexturePresets(TextureDocument& doc, QWidget& owner, TexturePage& texturePage,
                   GradientPage& gradientPage, TextureCommands& textureCommands);
    ~TexturePresets() override;

    void LoadPresetNames();
    /// Shows the preset and gradient names again when another writer changed their files.
    void RefreshPresetLists();
    void btnSavePresetClick();
    void cmbPresetsClick();
    /// The one preset load, applied to the document; points beyond the tenth are reported once.
    void LoadPreset(const Preset& preset);
    void mnuFileImportTexturePackClick();

private:
    void WatchPresetFiles();

    TextureDocument& document;
    QWidget& window;
    TexturePage& page;
    GradientPage& gradients;
    TextureCommands& commands;
    std::unique_ptr<IniFile> presetFile;
};

} // namespace mottler
