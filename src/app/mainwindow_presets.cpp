// Texture presets from the main window: the list, loading a preset (which regrows it), saving
// the current texture under a name, and importing texture packs.
#include "app/mainwindow.h"
#include "app/messages.h"
#include "base/errors.h"
#include "engine/random.h"
#include "engine/ui/advancedwindow.h"
#include "palette/colourtext.h"
#include "palette/ui/adjustpanel.h"
#include "palette/ui/gradienteditor.h"
#include "presets/datafolder.h"
#include "presets/inifile.h"
#include "presets/preset.h"
#include "presets/presetgrowth.h"
#include "presets/texturepack.h"
#include "widgets/numericeditrules.h"
#include "widgets/ui/colourdropdown.h"
#include "widgets/ui/numericedit.h"
#include "widgets/ui/plainmessagebox.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QSlider>
#include <QSpinBox>
#include <QToolButton>
#include <algorithm>

namespace mottler {
namespace {

// The name's place in a list kept in alphabetical order without regard to case.
int SortedPlace(const QComboBox* list, const QString& name) {
    int i = 0;
    while (i < list->count() && list->itemText(i).compare(name, Qt::CaseInsensitive) < 0)
        ++i;
    return i;
}

// Asks for the preset's name until the user gives a new one, agrees to replace the preset of
// that name (then the name as listed), or cancels (an empty result).
QString AskPresetName(QWidget* parent, const QComboBox* list) {
    QString name = list->currentText();
    for (;;) {
        bool ok = false;
        name = QInputDialog::getText(parent, "Enter Name Of Preset",
                                     "What is the name of this preset ?", QLineEdit::Normal, name,
                                     &ok);
        if (!ok || name.isEmpty())
            return {};
        const int existing = list->findText(name, Qt::MatchFixedString);
        if (existing < 0)
            return name;
        const QString question =
            QStringLiteral("Replace the preset \"%1\"?").arg(list->itemText(existing));
        if (AskPlainQuestion(parent, "Mottler", question))
            return list->itemText(existing);
    }
}

// The value as the trackbar can hold it.
int InRange(const QSlider* bar, int value) {
    return std::clamp(value, bar->minimum(), bar->maximum());
}

void ReadColourKey(ColourDropDown* box, const QString& value, const QString& fallback) {
    box->SetColour(ColourFromPresetHex(value.isEmpty() ? fallback : value));
}

} // namespace

void MainWindow::ConnectPresets() {
    connect(page.cmbPresets, &QComboBox::activated, this, [this] { cmbPresetsClick(); });
    connect(page.btnSavePreset, &QToolButton::clicked, this, [this] { btnSavePresetClick(); });
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

void MainWindow::RefreshPresetLists() {
    try {
        if (presetFile && presetFile->ReloadIfChanged()) {
            const QString shown = page.cmbPresets->currentText();
            page.cmbPresets->clear();
            page.cmbPresets->addItems(PresetNames(*presetFile));
            page.cmbPresets->setCurrentIndex(page.cmbPresets->findText(shown, Qt::MatchExactly));
        }
        if (gradientFile && gradientFile->ReloadIfChanged())
            ShowGradientPresetNames(gradientPage.cmbGradients->currentText());
    } catch (const MottlerError&) {
        // A file that cannot be read now is reported when it is next used.
    }
}

void MainWindow::LoadPresetNames() {
    page.cmbPresets->clear();
    try {
        presetFile = std::make_unique<IniFile>(DataFile(PresetFileName));
        page.cmbPresets->addItems(PresetNames(*presetFile));
    } catch (const MottlerError& error) {
        ShowError(this, error.Message());
    }
    page.cmbPresets->setCurrentIndex(-1);
}

Preset MainWindow::CurrentPreset() const {
    Preset p;
    const TextureSettings& settings = document.Settings;
    p.Seed = engine.CurrentSeed;
    p.Iterations = document.ShownIteration.value_or(0);
    p.FactorA = QString::number(settings.FactorA);
    p.FactorB = QString::number(settings.FactorB);
    p.DriftKind = settings.DriftKind;
    const auto& records = gradient.Records;
    p.StartColour = ColourToHex(records.front().BaseColour);
    p.EndColour = ColourToHex(records.back().BaseColour);
    for (std::size_t i = 1; i + 1 < records.size(); ++i)
        p.MiddlePoints.append(
            {ColourToHex(records[i].BaseColour), QString::number(records[i].Position)});
    p.Width = settings.Width;
    p.Height = settings.Height;
    p.TextColour = textPage.scpText->HtmlCode();
    p.LinkColour = textPage.scpLink->HtmlCode();
    p.VisitedLinkColour = textPage.scpVisitedLink->HtmlCode();
    p.ActiveLinkColour = textPage.scpActive->HtmlCode();
    p.Type = settings.Type;
    p.Contrast = gradient.Contrast;
    p.Brightness = gradient.Brightness;
    p.ImageFile = imageFile;
    const AdvancedFactorTexts& advanced = document.Advanced;
    p.FactorC = advanced.FactorC;
    p.FactorD = advanced.FactorD;
    p.MultiplierA = advanced.MultiplierA;
    p.MultiplierB = advanced.MultiplierB;
    p.Zero = advanced.ZeroAction;
    return p;
}

void MainWindow::btnSavePresetClick() {
    if (!presetFile)
        return;
    const QString name = AskPresetName(this, page.cmbPresets);
    if (name.isEmpty())
        return;
    try {
        SavePreset(*presetFile, name, CurrentPreset());
    } catch (const MottlerError& error) {
        ShowError(this, error.Message());
        return;
    }
    if (page.cmbPresets->findText(name, Qt::MatchFixedString) < 0) {
        const QString shown = page.cmbPresets->currentText();
        page.cmbPresets->insertItem(SortedPlace(page.cmbPresets, name), name);
        page.cmbPresets->setCurrentIndex(page.cmbPresets->findText(shown, Qt::MatchExactly));
    }
}

void MainWindow::cmbPresetsClick() {
    if (running || !presetFile || page.cmbPresets->currentIndex() < 0)
        return;
    try {
        LoadPreset(ReadPreset(*presetFile, page.cmbPresets->currentText()));
    } catch (const MottlerError& error) {
        ShowError(this, error.Message());
    }
    ReseedFromClock(); // later random choices do not repeat the preset's seed
}

// The steps of the one preset load (presets/presetgrowth.h) applied to the window: each
// writes its values to the document, then shows them in the controls.
class MainWindow::PresetLoad : public PresetLoadSteps {
public:
    explicit PresetLoad(MainWindow& owner) : w(owner) {}

    void Size(int width, int height) override {
        if (!w.preserveSize && (width != w.engine.Width() || height != w.engine.Height()))
            w.SetTextureSize(width, height);
    }
    void Factors(const Preset& preset) override {
        // Each value is shown before the next is read, so a factor that is no number stops
        // the load with the values before it done.
        TextureSettings& settings = w.document.Settings;
        settings.Iterations = InRange(w.page.tbIterations, preset.Iterations);
        w.ShowFactors();
        settings.FactorA =
            InRange(w.page.tbFactorA, FactorPosition(preset.FactorA, PresetKey::FactorA));
        w.ShowFactors();
        settings.FactorB =
            InRange(w.page.tbFactorB, FactorPosition(preset.FactorB, PresetKey::FactorB));
        w.ShowFactors();
        settings.DriftKind = preset.DriftKind;
        w.ShowFactors();
    }
    void Colours(const Preset& preset) override {
        if (!w.gradient.PaletteLocked)
            w.LoadPresetColours(preset);
    }
    void PreviewColours(const Preset& preset) override {
        const Preset standard;
        w.updatingColours = true;
        ReadColourKey(w.textPage.scpText, preset.TextColour, standard.TextColour);
        ReadColourKey(w.textPage.scpVisitedLink, preset.VisitedLinkColour,
                      standard.VisitedLinkColour);
        ReadColourKey(w.textPage.scpLink, preset.LinkColour, standard.LinkColour);
        ReadColourKey(w.textPage.scpActive, preset.ActiveLinkColour, standard.ActiveLinkColour);
        w.updatingColours = false;
    }
    void Seed(const Preset& preset) override {
        w.document.Settings.Type = preset.Type;
        w.ShowTextureType();
        w.page.btnOpenImage->setEnabled(preset.Type >= ImageFile);
        w.page.txtRandomSeed->setText(QString::number(preset.Seed)); // sets Settings.Seed
        SetRandomSeed(static_cast<std::uint32_t>(w.document.Settings.Seed));
        w.SeedTexture();
    }
    void Picture(const QString& path) override { w.LoadInitialImage(path); }
    void Grow() override { w.GrowTexture(RunMode::Fresh); }

private:
    MainWindow& w;
};

void MainWindow::LoadPreset(const Preset& preset) {
    PresetLoad steps(*this);
    mottler::LoadPreset(preset, steps);
}

void MainWindow::LoadPresetColours(const Preset& preset) {
    gradientEditor->ClearControlPoints();
    const int refused = AddPresetControlPoints(gradient.Points, preset);
    if (refused > 0)
        ShowMessage(this, RefusedPointsMessage(refused));
    gradient.Contrast = preset.Contrast;
    gradient.Brightness = preset.Brightness;
    adjustPanel->ShowValues();
    // The advanced values: written to the document, then shown; a load shows the window
    // for values other than the defaults and never hides it.
    AdvancedFactorTexts& advanced = document.Advanced;
    advanced.FactorC = preset.FactorC;
    advanced.FactorD = preset.FactorD;
    advanced.MultiplierA = preset.MultiplierA;
    advanced.MultiplierB = preset.MultiplierB;
    advanced.ZeroAction = preset.Zero;
    const bool needsWindow = NeedsAdvancedWindow(preset);
    advanced.Shown = advanced.Shown || needsWindow;
    frmAdvanced->ShowTexts(advanced);
    if (needsWindow)
        frmAdvanced->repaint();
    gradientEditor->RebuildPalette();
}

void MainWindow::mnuFileImportTexturePackClick() {
    const QString pack = QFileDialog::getOpenFileName(this, "Import Texture Pack", QString(),
                                                      "Texture Pack (*.txp);;All Files (*)");
    if (pack.isEmpty() || !presetFile)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        const PackImport result = ImportTexturePack(pack, *presetFile, [this](const QString& q) {
            const auto answer =
                ShowPlainMessageBox(this, QMessageBox::Question, "Confirm", q,
                                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            return answer == QMessageBox::Yes  ? PackAnswer::Yes
                   : answer == QMessageBox::No ? PackAnswer::No
                                               : PackAnswer::Cancel;
        });
        if (!result.Cancelled)
            ShowMessage(this, ImportSummary(result.Installed));
    } catch (const MottlerError& error) {
        ShowError(this, error.Message());
    }
    LoadPresetNames();
    QApplication::restoreOverrideCursor();
}

} // namespace mottler
