// The commands that get the image out of the window: the menu items and buttons of saving,
// the texture size, the full-size view, the clipboard and the wallpaper, and which image
// they take.
#include "app/mainwindow.h"
#include "app/previewframe.h"
#include "engine/ui/texturepreview.h"
#include "gradients/gradientstrip.h"
#include "output/ui/fullsizeview.h"
#include "output/ui/savetiledialog.h"
#include "recording/ui/recordtofilewindow.h"

#include <QMenu>
#include <QPushButton>

namespace mottler {

void MainWindow::AddOutputCommands(QMenu* file, QMenu* texture) {
    auto* save = new QAction(tr("&Save Image"), file);
    save->setObjectName("mnuSaveImage");
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(save, &QAction::triggered, this, [this] { mnuSaveImageClick(); });
    file->insertAction(file->actions().value(0), save);
    file->insertSeparator(file->actions().value(1));

    QAction* size = texture->addAction(tr("Change &Size"), this, [this] { mnuTextureSizeClick(); });
    size->setObjectName("mnuTextureSize");
    size->setShortcut(QKeySequence(Qt::Key_F2));
    QAction* copy =
        texture->addAction(tr("&Copy to Clipboard"), this, [this] { mnuCopyToClipboardClick(); });
    copy->setObjectName("mnuCopyToClipboard");
    copy->setShortcut(QKeySequence(Qt::Key_F4));
    texture->addSeparator();
    texture->addAction(tr("Set as &Wallpaper"), this, [this] { mnuSetAsWallpaperClick(); })
        ->setObjectName("mnuSetAsWallpaper");
}

void MainWindow::ConnectOutput() {
    frmTrueImage = new FullSizeView(this, [this] { return document.Settings().Type; });
    connect(frmTrueImage, &FullSizeView::RightClicked, this, [this] { frmTrueImageRightClick(); });
    connect(frmTrueImage, &FullSizeView::Hidden, this, [this] { frmTrueImageHide(); });
    connect(&document, &TextureDocument::ShownFrameChanged, this, [this](int frame) {
        if (frame > 0 && frmTrueImage->isVisible())
            frmTrueImage->SetFrameNumber(frame);
    });
    connect(preview->imgTexture, &TexturePreview::DoubleClicked, this,
            [this] { imgTextureDblClick(); });
    connect(preview->btnSaveImage, &QPushButton::clicked, this, [this] { btnSaveImageClick(); });
    connect(preview->btnChangeSize, &QPushButton::clicked, this, [this] { mnuTextureSizeClick(); });
}

// The full strip, so what is saved or copied never depends on the preview's width.
std::optional<GradientStripImage> MainWindow::CurrentGradientStrip() const {
    if (document.LastImageTab() != ImageTab::Gradient)
        return std::nullopt;
    return GradientStripImage{
        DrawFullGradientStrip(document.FadingBorder(), document.Gradient.Colours),
        document.FadingBorder()};
}

// The record-to-file window edits a copy of the recording options.
void MainWindow::mnuFileSetRecordingOptionsClick() {
    RecordToFileWindow frmRecordToFile(this, document.Recording());
    frmRecordToFile.exec();
    document.SetRecording(frmRecordToFile.Options());
}

} // namespace mottler
