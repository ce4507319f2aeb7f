// The commands that get the image out of the window: the menu items and buttons of saving,
// the texture size, the full-size view, the clipboard and the wallpaper, and which image
// they take.
#include "app/mainwindow.h"
#include "engine/ui/texturepreview.h"
#include "output/ui/fullsizeview.h"

#include <QMenu>
#include <QPushButton>

namespace mottler {

void MainWindow::AddOutputCommands(QMenu* file, QMenu* texture) {
    auto* save = new QAction("&Save Image", file);
    save->setObjectName("mnuSaveImage");
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(save, &QAction::triggered, this, [this] { mnuSaveImageClick(); });
    file->insertAction(file->actions().value(0), save);
    file->insertSeparator(file->actions().value(1));

    QAction* size = texture->addAction("Change &Size", this, [this] { mnuTextureSizeClick(); });
    size->setObjectName("mnuTextureSize");
    size->setShortcut(QKeySequence(Qt::Key_F2));
    QAction* copy =
        texture->addAction("&Copy to Clipboard", this, [this] { mnuCopyToClipboardClick(); });
    copy->setObjectName("mnuCopyToClipboard");
    copy->setShortcut(QKeySequence(Qt::Key_F4));
    texture->addSeparator();
    texture->addAction("Set as &Wallpaper", this, [this] { mnuSetAsWallpaperClick(); })
        ->setObjectName("mnuSetAsWallpaper");
}

void MainWindow::ConnectOutput() {
    frmTrueImage = new FullSizeView(this, [this] { return document.Settings.Type; });
    connect(frmTrueImage, &FullSizeView::RightClicked, this, [this] { frmTrueImageRightClick(); });
    connect(frmTrueImage, &FullSizeView::Hidden, this, [this] { frmTrueImageHide(); });
    connect(preview.imgTexture, &TexturePreview::DoubleClicked, this,
            [this] { imgTextureDblClick(); });
    connect(preview.btnSaveImage, &QPushButton::clicked, this, [this] { btnSaveImageClick(); });
    connect(preview.btnChangeSize, &QPushButton::clicked, this, [this] { mnuTextureSizeClick(); });
}

// The "Gradient Settings" tab does not draw its strip yet, so the texture is always the
// current image; this is the one place that will ask the tab.
std::optional<GradientStripImage> MainWindow::CurrentGradientStrip() const {
    if (document.LastImageTab != ImageTab::Gradient)
        return std::nullopt;
    // The full strip, so what is saved or copied never depends on the preview's width.
    return GradientStripImage{
        DrawFullGradientStrip(document.FadingBorder, document.Gradient.Colours),
        document.FadingBorder};
}

} // namespace mottler
