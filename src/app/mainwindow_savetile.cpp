// The "Save Tile" window over the current image.
#include "app/mainwindow.h"
#include "output/ui/savetiledialog.h"

namespace mottler {

void MainWindow::btnSaveImageClick() {
    if (!document.Engine.TextureBitmap.isNull())
        mnuSaveImageClick();
}

// The quarter turns made in the window stay on the texture on display until it is next
// rendered; the preview shows them at once.
void MainWindow::mnuSaveImageClick() {
    if (document.Running())
        return;
    SaveTileDialog frmPicture(this, document.DisplayedTexture(), CurrentGradientStrip(),
                              &document.Engine);
    frmPicture.exec();
    if (!CurrentGradientStrip())
        document.TurnDisplayedTexture(frmPicture.QuarterTurns());
}

} // namespace mottler
