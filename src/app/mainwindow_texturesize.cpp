// The "Texture Size" window: a new size seeds a new texture, the same size keeps it.
#include "app/mainwindow.h"
#include "app/texturecommands.h"
#include "base/errors.h"
#include "gradients/ui/gradientpage.h"
#include "output/texturesize.h"
#include "output/ui/fullsizeview.h"
#include "output/ui/texturesizedialog.h"
#include "presets/shapetuning.h"
#include "widgets/ui/messages.h"

namespace mottler {

// A size the fields cannot have throws before anything changes, so the texture on show
// stays exactly as it was.
void MainWindow::mnuTextureSizeClick() {
    if (document.Running() || pgControl->currentWidget() == gradientPage)
        return;
    TextureSizeDialog frmSize(this, document.Engine.Width(), document.Engine.Height(),
                              document.PreserveSize());
    frmTrueImage->hide();
    if (frmSize.exec() != QDialog::Accepted)
        return;
    document.SetPreserveSize(frmSize.PreserveSize());
    const int width = frmSize.ChosenWidth();
    const int height = frmSize.ChosenHeight();
    TryShowingError(this, [&] {
        commands->Allocating([&] { document.ChangeSize(width, height, ReadShapeTuning()); });
    });
}

} // namespace mottler
