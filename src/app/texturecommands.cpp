// The generation commands of the texture page: generate, randomize, continue, the texture
// type and picture, and the run they start.
#include "app/texturecommands.h"

#include "app/guirunhost.h"
#include "app/previewframe.h"
#include "app/runinputfilter.h"
#include "app/texturepage.h"
#include "base/usersettings.h"
#include "document/texturedocument.h"
#include "engine/initialimage.h"
#include "engine/texturesettings.h"
#include "engine/ui/advancedwindow.h"
#include "presets/shapetuning.h"
#include "widgets/ui/busycursor.h"
#include "widgets/ui/messages.h"
#include "widgets/ui/numericedit.h"
#include "widgets/ui/partsprogressbar.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QToolButton>

namespace mottler {
namespace {

QString DifferentSizeQuestion(int w, int h, QSize picture) {
    return TextureCommands::tr("The picture being loaded is a different size to the current "
                               "texture. \nWould you like to resize the picture to %1 by %2.  "
                               "Choose \"No\" to retain the pictures original size of %3 by %4")
        .arg(w)
        .arg(h)
        .arg(picture.width())
        .arg(picture.height());
}

} // namespace

TextureCommands::TextureCommands(TextureDocument& doc, QWidget& owner, TexturePage& texturePage,
                                 PreviewFrame& previewFrame, AdvancedWindow& advanced)
    : QObject(&owner), document(doc), window(owner), page(texturePage), preview(previewFrame),
      frmAdvanced(advanced), runInput(new RunInputFilter(this)) {
    connect(page.btnGo, &QPushButton::clicked, this, [this] { btnGoClick(); });
    connect(page.btnRandomize, &QToolButton::clicked, this, [this] { btnRandomizeClick(); });
    connect(page.btnContinue, &QPushButton::clicked, this, [this] { btnContinueClick(); });
    connect(page.cmbTextureType, &QComboBox::activated, this, [this] { cmbTextureTypeClick(); });
    connect(page.btnOpenImage, &QToolButton::clicked, this, [this] { btnOpenImageClick(); });
    connect(page.btnChangeMode, &QPushButton::clicked, this, [this] { btnChangeModeClick(); });
    connect(&advanced, &AdvancedWindow::GoClicked, this, [this] { GrowTexture(RunMode::Fresh); });
    page.txtRandomSeed->installEventFilter(this);
    preview.txtAnimateMod->installEventFilter(this);
}

void TextureCommands::btnGoClick() {
    if (document.Running())
        return;
    const TextureDocument::Step step(document, tr("Generate Texture"), StepKeeps::Texture);
    if (document.Settings().Type != ImageFile &&
        !Seeded([this] { document.SeedFromSettings(ReadShapeTuning()); }))
        return;
    GrowTexture(RunMode::Fresh);
}

void TextureCommands::btnRandomizeClick() {
    if (document.Running())
        return;
    const TextureDocument::Step step(document, tr("Randomize"), StepKeeps::Texture);
    if (Seeded([this] { document.Randomize(ReadShapeTuning()); }))
        GrowTexture(RunMode::Fresh);
}

void TextureCommands::btnContinueClick() {
    GrowTexture(RunMode::Continued);
}

void TextureCommands::cmbTextureTypeClick() {
    if (document.Running() || document.Settings().Type >= ImageFile)
        return;
    const TextureDocument::Step step(document, tr("Generate Texture"), StepKeeps::Texture);
    if (Seeded([this] { document.SeedFromSettings(ReadShapeTuning()); }))
        GrowTexture(RunMode::Fresh);
}

void TextureCommands::btnOpenImageClick() {
    const QString file = QFileDialog::getOpenFileName(
        &window, tr("Open"), UserSettings::ReadString("Open Image Dir"), PictureOpenFilter());
    if (file.isEmpty())
        return;
    UserSettings::WriteString("Open Image Dir", QFileInfo(file).absolutePath() + '/');
    LoadInitialImage(file);
}

// A picture of another size is stretched over the texture, or the texture takes its size.
void TextureCommands::LoadInitialImage(const QString& file) {
    if (document.Running())
        return;
    const TextureDocument::Step step(document, tr("Open Picture"), StepKeeps::Texture);
    document.SetImageFile(file);
    const bool loaded = TryShowingError(&window, [&] {
        QImage picture;
        WorkBusy(&window, [&] { picture = ReadPicture(file); });
        const QSize size(document.Engine.Width(), document.Engine.Height());
        PictureFit fit = PictureFit::Stretch;
        if (picture.size() != size) {
            const auto answer = QMessageBox::question(
                &window, tr("Confirm"),
                ForDisplay(DifferentSizeQuestion(size.width(), size.height(), picture.size())));
            if (answer != QMessageBox::Yes)
                fit = PictureFit::KeepOwnSize;
        }
        WorkBusy(&window, [&] { document.UsePicture(picture, fit); });
    });
    if (loaded)
        GrowTexture(RunMode::Fresh);
}

void TextureCommands::btnChangeModeClick() {
    frmAdvanced.setWindowIcon(window.windowIcon());
    frmAdvanced.show();
    frmAdvanced.raise();
}

// Shapes take a while to draw: the busy cursor shows meanwhile. A picture that does not fit
// into memory is reported and changes nothing.
bool TextureCommands::Seeded(const std::function<void()>& seeding) {
    std::optional<BusyCursor> busy;
    if (document.Settings().Type >= RandomShapes)
        busy.emplace();
    return TryShowingError(&window, seeding);
}

void TextureCommands::GrowTexture(RunMode mode) {
    GuiRunHost host(window, *runInput);
    RunResult result;
    if (TryShowingError(&window, [&] { result = document.Grow(mode, host); }))
        ShowRunFailure(result);
}

void TextureCommands::ShowRunFailure(const RunResult& result) {
    if (result.Outcome == RunOutcome::Overflow || result.Outcome == RunOutcome::InternalError)
        ShowError(&window, result.Message);
}

bool TextureCommands::eventFilter(QObject*, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    if (document.Running())
        return true;
    const TextureDocument::Step step(document, tr("Generate Texture"), StepKeeps::Texture);
    if (Seeded([this] { document.SeedFromSettings(ReadShapeTuning()); }))
        GrowTexture(RunMode::Fresh);
    return true;
}

// Work that allocates new fields: the progress bar says what takes the time meanwhile.
// (Also called while the window is made: nothing here handles events.)
void TextureCommands::Allocating(const std::function<void()>& work) {
    window.repaint();
    preview.progressBar->SetText(tr("Allocating memory"));
    const BusyCursor busy;
    try {
        work();
    } catch (...) {
        preview.progressBar->SetText(QString());
        throw;
    }
    preview.progressBar->SetText(QString());
}

} // namespace mottler
