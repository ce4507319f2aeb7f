// Texture presets from the main window: the list, loading a preset (which regrows it), saving
// the current texture under a name, and importing texture packs.
#include "app/texturepresets.h"

#include "app/texturecommands.h"
#include "app/texturepage.h"
#include "base/errors.h"
#include "document/texturedocument.h"
#include "engine/random.h"
#include "gradients/ui/gradientpage.h"
#include "presets/datafolder.h"
#include "presets/inifile.h"
#include "presets/preset.h"
#include "presets/presetgrowth.h"
#include "presets/shapetuning.h"
#include "presets/texturepack.h"
#include "widgets/ui/messages.h"
#include "widgets/ui/plainmessagebox.h"
#include "widgets/ui/presetnameprompt.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QMessageBox>
#include <QToolButton>

namespace mottler {
namespace {

// The name's place in a list kept in alphabetical order without regard to case.
int SortedPlace(const QComboBox* list, const QString& name) {
    int i = 0;
    while (i < list->count() && list->itemText(i).compare(name, Qt::CaseInsensitive) < 0)
        ++i;
    return i;
}

} // namespace

TexturePresets::TexturePresets(TextureDocument& doc, QWidget& owner, TexturePage& texturePage,
                               GradientPage& gradientPage, TextureCommands& textureCommands)
    : QObject(&owner), document(doc), window(owner), page(texturePage), gradients(gradientPage),
      commands(textureCommands) {
    connect(page.cmbPresets, &QComboBox::activated, this, [this] { cmbPresetsClick(); });
    connect(page.btnSavePreset, &QToolButton::clicked, this, [this] { btnSavePresetClick(); });
    WatchPresetFiles();
}

TexturePresets::~TexturePresets() = default;

void TexturePresets::WatchPresetFiles() {
    // Another window or a hand edit may change the preset files. A file replaced by a rename
    // shows as a change of its folder and is watched afresh.
    const QStringList files = {DataFile(PresetFileName), DataFile(GradientFileName)};
    auto* watcher = new QFileSystemWatcher(QStringList{DataFolder()} + files, this);
    const auto refresh = [this, watcher, files] {
        for (const QString& file : files)
            if (!watcher->files().contains(file) && QFileInfo::exists(file))
                watcher->addPath(file);
        RefreshPresetLists();
    };
    connect(watcher, &QFileSystemWatcher::directoryChanged, this, refresh);
    connect(watcher, &QFileSystemWatcher::fileChanged, this, refresh);
}

void TexturePresets::RefreshPresetLists() {
    try {
        if (presetFile && presetFile->ReloadIfChanged()) {
            const QString shown = page.cmbPresets->currentText();
            page.cmbPresets->clear();
            page.cmbPresets->addItems(PresetNames(*presetFile));
            page.cmbPresets->setCurrentIndex(page.cmbPresets->findText(shown, Qt::MatchExactly));
        }
    } catch (const MottlerError&) {
        // A file that cannot be read now is reported when it is next used.
    }
    gradients.RefreshPresetNames();
}

void TexturePresets::LoadPresetNames() {
    page.cmbPresets->clear();
    try {
        presetFile = std::make_unique<IniFile>(DataFile(PresetFileName));
        page.cmbPresets->addItems(PresetNames(*presetFile));
    } catch (const MottlerError& error) {
        ShowError(&window, error.Message());
    }
    page.cmbPresets->setCurrentIndex(-1);
}

void TexturePresets::btnSavePresetClick() {
    if (!presetFile)
        return;
    const QString name = AskPresetName(&window, page.cmbPresets, TexturePresetNameTexts());
    if (name.isEmpty())
        return;
    try {
        SavePreset(*presetFile, name, document.CurrentPreset());
    } catch (const MottlerError& error) {
        ShowError(&window, error.Message());
        return;
    }
    if (page.cmbPresets->findText(name, Qt::MatchFixedString) < 0) {
        const QString shown = page.cmbPresets->currentText();
        page.cmbPresets->insertItem(SortedPlace(page.cmbPresets, name), name);
        page.cmbPresets->setCurrentIndex(page.cmbPresets->findText(shown, Qt::MatchExactly));
    }
}

void TexturePresets::cmbPresetsClick() {
    if (document.Running() || !presetFile || page.cmbPresets->currentIndex() < 0)
        return;
    TryShowingError(
        &window, [this] { LoadPreset(ReadPreset(*presetFile, page.cmbPresets->currentText())); });
    ReseedFromClock(); // later random choices do not repeat the preset's seed
}

// The window asks about a picture's size and shows the run.
void TexturePresets::LoadPreset(const Preset& preset) {
    const int refused = document.ApplyPreset(
        preset, ReadShapeTuning(), [this](const QString& path) { commands.LoadInitialImage(path); },
        [this] { commands.GrowTexture(RunMode::Fresh); });
    if (refused > 0)
        ShowMessage(&window, RefusedPointsMessage(refused));
}

void TexturePresets::mnuFileImportTexturePackClick() {
    const QString pack = QFileDialog::getOpenFileName(&window, tr("Import Texture Pack"), QString(),
                                                      tr("Texture Pack (*.txp);;All Files (*)"));
    if (pack.isEmpty() || !presetFile)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        const PackImport result = ImportTexturePack(pack, *presetFile, [this](const QString& q) {
            const auto answer =
                ShowPlainMessageBox(&window, QMessageBox::Question, tr("Confirm"), q,
                                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            return answer == QMessageBox::Yes  ? PackAnswer::Yes
                   : answer == QMessageBox::No ? PackAnswer::No
                                               : PackAnswer::Cancel;
        });
        if (!result.Cancelled)
            ShowMessage(&window, ImportSummary(result.Installed));
    } catch (const MottlerError& error) {
        ShowError(&window, error.Message());
    }
    LoadPresetNames();
    QApplication::restoreOverrideCursor();
}

} // namespace mottler
