// The "Texture Size" window: a new size seeds a new texture, the same size keeps it.
#include "app/mainwindow.h"
#include "app/messages.h"
#include "base/errors.h"
#include "output/texturesize.h"
#include "output/ui/fullsizeview.h"
#include "output/ui/texturesizedialog.h"

namespace mottler {

void MainWindow::mnuTextureSizeClick() {
    if (running)
        return;
    TextureSizeDialog frmSize(this, engine.Width(), engine.Height(), preserveSize);
    frmTrueImage->hide();
    if (frmSize.exec() != QDialog::Accepted)
        return;
    preserveSize = frmSize.PreserveSize();
    try {
        ChangeTextureSize(frmSize.ChosenWidth(), frmSize.ChosenHeight());
    } catch (const MottlerError& error) {
        ShowError(this, error.Message());
    }
}

// A size the fields cannot have throws before anything changes, so the texture on show
// stays exactly as it was.
void MainWindow::ChangeTextureSize(int width, int height) {
    if (TextureSizeChangeFor(engine, width, height) == TextureSizeChange::KeepTexture) {
        SizeTextureBitmap(width, height);
        RenderDisplayField();
        return;
    }
    SetTextureSize(width, height);
    SeedTexture();
}

} // namespace mottler
