// The "Save Tile" window over the current image.
#include "app/mainwindow.h"
#include "output/ui/savetiledialog.h"

namespace mottler {

void MainWindow::btnSaveImageClick() {
    if (!engine.TextureBitmap.isNull())
        mnuSaveImageClick();
}

// The quarter turns the window makes stay in the texture bitmap until it is next rendered;
// the preview shows them at once.
void MainWindow::mnuSaveImageClick() {
    if (running)
        return;
    SaveTileDialog frmPicture(this, engine.TextureBitmap, CurrentGradientStrip());
    frmPicture.exec();
    if (!CurrentGradientStrip())
        ShowPreview();
}

} // namespace mottler
