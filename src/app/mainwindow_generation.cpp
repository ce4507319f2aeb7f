// The generation commands of the texture page: generate, randomize, continue, the texture
// type and picture, and the mirrored trackbars and spin boxes.
#include "app/mainwindow.h"
#include "app/messages.h"
#include "base/errors.h"
#include "base/usersettings.h"
#include "engine/initialimage.h"
#include "engine/random.h"
#include "engine/texturesettings.h"
#include "engine/ui/advancedwindow.h"
#include "widgets/numericeditrules.h"
#include "widgets/ui/numericedit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QToolButton>

namespace mottler {
namespace {

QString DifferentSizeQuestion(int w, int h, QSize picture) {
    return QStringLiteral("The picture being loaded is a different size to the current "
                          "texture. \nWould you like to resize the picture to %1 by %2.  "
                          "Choose \"No\" to retain the pictures original size of %3 by %4")
        .arg(w)
        .arg(h)
        .arg(picture.width())
        .arg(picture.height());
}

} // namespace

void MainWindow::ConnectGeneration() {
    connect(page.btnGo, &QPushButton::clicked, this, [this] { btnGoClick(); });
    connect(page.btnRandomize, &QToolButton::clicked, this, [this] { btnRandomizeClick(); });
    connect(page.btnContinue, &QPushButton::clicked, this, [this] { btnContinueClick(); });
    // The drop-down edits the document's type before its click handler reads it.
    connect(page.cmbTextureType, &QComboBox::currentIndexChanged, this,
            [this](int index) { document.Settings.Type = index; });
    connect(page.cmbTextureType, &QComboBox::activated, this, [this] { cmbTextureTypeClick(); });
    connect(page.btnOpenImage, &QToolButton::clicked, this, [this] { btnOpenImageClick(); });
    connect(page.btnChangeMode, &QPushButton::clicked, this, [this] { btnChangeModeClick(); });
    connect(frmAdvanced, &AdvancedWindow::GoClicked, this, [this] { GrowTexture(RunMode::Fresh); });
    connect(frmAdvanced, &AdvancedWindow::Edited, this,
            [this] { document.Advanced = frmAdvanced->Texts(); });
    // The animation switch and its every-n-th box edit the run's settings in the document.
    connect(preview.chkAnimate, &QCheckBox::toggled, this,
            [this](bool checked) { document.Settings.Animate = checked; });
    connect(preview.txtAnimateMod, &QLineEdit::textChanged, this,
            [this](const QString& text) { document.Settings.AnimateEvery = IntValue(text); });
    // The seed box edits the document's seed; seedings and preset loads fill the box.
    connect(page.txtRandomSeed, &QLineEdit::textChanged, this,
            [this](const QString& text) { document.Settings.Seed = IntValue(text); });
}

void MainWindow::btnGoClick() {
    if (running)
        return;
    if (document.Settings.Type != ImageFile) {
        SetRandomSeed(static_cast<std::uint32_t>(document.Settings.Seed));
        SeedTexture();
    }
    GrowTexture(RunMode::Fresh);
}

void MainWindow::btnRandomizeClick() {
    if (running)
        return;
    if (document.Settings.Type == ImageFile) {
        document.Settings.Type = RandomNoise;
        ShowTextureType();
    }
    ReseedFromClock();
    SetRandomSeed(RandomInt(2147483647));
    SeedTexture();
    GrowTexture(RunMode::Fresh);
}

void MainWindow::btnContinueClick() {
    if (running || !document.ShownIteration)
        return;
    ShowLastRecordedFrame();
    tbIterationsChange();
    GrowTexture(RunMode::Continued);
}

void MainWindow::cmbTextureTypeClick() {
    if (running)
        return;
    if (document.Settings.Type >= ImageFile) {
        page.btnOpenImage->setEnabled(true);
        return;
    }
    SetRandomSeed(static_cast<std::uint32_t>(document.Settings.Seed));
    SeedTexture();
    GrowTexture(RunMode::Fresh);
    page.btnOpenImage->setEnabled(false);
}

void MainWindow::btnOpenImageClick() {
    const QString file =
        QFileDialog::getOpenFileName(this, "Open", UserSettings::ReadString("Open Image Dir"),
                                     "GIF,BMP, JPEG (*.jpg *.jpeg *.bmp *.gif);;All Files (*)");
    if (file.isEmpty())
        return;
    UserSettings::WriteString("Open Image Dir", QFileInfo(file).absolutePath() + '/');
    LoadInitialImage(file);
}

void MainWindow::LoadInitialImage(const QString& file) {
    if (running)
        return;
    imageFile = file;
    try {
        const QImage picture = ReadPicture(file);
        const QSize size(engine.Width(), engine.Height());
        PictureFit fit = PictureFit::Stretch;
        if (picture.size() != size) {
            const auto answer = QMessageBox::question(
                this, "Confirm",
                ForDisplay(DifferentSizeQuestion(size.width(), size.height(), picture.size())));
            if (answer != QMessageBox::Yes) {
                fit = PictureFit::KeepOwnSize;
                SetTextureSize(picture.width(), picture.height());
            }
        }
        UsePictureAsInitialTexture(engine, picture, fit);
    } catch (const MottlerError& error) {
        ShowError(this, error.Message());
        return;
    }
    GrowTexture(RunMode::Fresh);
}

void MainWindow::btnChangeModeClick() {
    frmAdvanced->setWindowIcon(windowIcon());
    frmAdvanced->show();
    frmAdvanced->raise();
}

bool MainWindow::EnterRegenerates(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress ||
        (watched != page.txtRandomSeed && watched != preview.txtAnimateMod))
        return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    if (!running) {
        SetRandomSeed(static_cast<std::uint32_t>(document.Settings.Seed));
        SeedTexture();
        GrowTexture(RunMode::Fresh);
    }
    return true;
}

} // namespace mottler
