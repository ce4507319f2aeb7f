// The "Save Tile" window over the current image.
#include "app/mainwindow.h"
#include "app/previewframe.h"
#include "output/ui/savetiledialog.h"

namespace mottler {

void MainWindow::btnSaveImageClick() {
    if (!document.Engine.TextureBitmap.isNull())
        mnuSaveImageClick();
}

// The quarter turns the window makes stay in the texture bitmap until it is next rendered;
// the preview shows them at once.
void MainWindow::mnuSaveImageClick() {
    if (document.Running())
        return;
    SaveTileDialog frmPicture(this, document.Engine.TextureBitmap, CurrentGradientStrip());
    frmPicture.exec();
    if (!CurrentGradientStrip())
        preview->ShowPreview();
}

} // namespace mottler
