// The tile preview: colouring the state on display, tiling it (or a reduced copy) over the
// preview, and the display options under it.
#include "app/mainwindow.h"
#include "engine/render.h"
#include "engine/tilepreview.h"
#include "engine/ui/texturepreview.h"
#include "widgets/ui/numericedit.h"
#include "widgets/ui/partsprogressbar.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace mottler {

void MainWindow::ConnectPreview() {
    connect(preview.chkTile, &QCheckBox::toggled, this,
            [this](bool checked) { document.Settings.Tile = checked; });
    connect(preview.chkTile, &QCheckBox::clicked, this, [this] {
        SetPreviewMode(document.Settings.Tile);
        ShowPreview();
    });
    connect(preview.chkAnimate, &QCheckBox::clicked, this,
            [this] { preview.txtAnimateMod->setEnabled(preview.chkAnimate->isChecked()); });
    connect(preview.imgTexture, &TexturePreview::Resized, this, [this] { PreviewResized(); });
}

void MainWindow::RenderDisplayField() {
    if (!engine.HasFields())
        return;
    mottler::RenderDisplayField(engine, gradient.Colours);
    ShowPreview();
}

// The preview shows the image of the tab shown last: the texture or the gradient strip.
void MainWindow::ShowPreview() {
    BackgroundChanged(); // whatever the preview shows, the readability figures follow it
    if (document.LastImageTab == ImageTab::Gradient) {
        RedrawGradient();
        return;
    }
    FollowInFullView(engine.TextureBitmap);
    preview.imgTexture->ShowTexture(engine.TextureBitmap, DesignPreviewSize,
                                    document.Settings.Tile);
}

// The composition follows the Tile option by itself; switching it only needs a white slate
// until the next ShowPreview.
void MainWindow::SetPreviewMode(bool) {
    preview.imgTexture->Clear();
}

void MainWindow::SizeTextureBitmap(int width, int height) {
    preview.lblTextureSize->setText(QStringLiteral("%1 by %2").arg(width).arg(height));
    SetPreviewMode(document.Settings.Tile);
}

// A resize recomposes the preview for the new size and says how much of it is shown.
void MainWindow::PreviewResized() {
    const QSize size = preview.imgTexture->size();
    preview.fraTilePreview->setTitle(
        QStringLiteral("Texture Preview (Double-click to expand) %1 by %2 currently shown")
            .arg(size.width())
            .arg(size.height()));
    if (engine.HasFields())
        ShowPreview();
}

} // namespace mottler
