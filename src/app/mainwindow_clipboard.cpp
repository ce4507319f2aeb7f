// The current image to the clipboard, and the texture as the desktop wallpaper.
#include "app/mainwindow.h"
#include "app/texturepage.h"
#include "base/errors.h"
#include "gradients/gradientstrip.h"
#include "output/ui/savetiledialog.h"
#include "output/wallpaper.h"
#include "presets/datafolder.h"
#include "widgets/ui/busycursor.h"
#include "widgets/ui/messages.h"

#include <QClipboard>
#include <QMessageBox>
#include <QTabWidget>

namespace mottler {

// The texture page copies the texture; elsewhere the current image is copied, the gradient
// strip's output image when the gradient tab was the last image tab shown.
void MainWindow::mnuCopyToClipboardClick() {
    const std::optional<GradientStripImage> strip = CurrentGradientStrip();
    QImage image = document.DisplayedTexture();
    if (pgControl->currentWidget() != page && strip) {
        try {
            image = MakeGradientImage(strip->Strip, strip->Settings);
        } catch (const MottlerError& error) {
            ShowError(this, error.Message());
            return;
        }
    }
    QGuiApplication::clipboard()->setImage(image);
    ShowMessage(this, tr("Your image has been copied to the clipboard."));
}

void MainWindow::mnuSetAsWallpaperClick() {
    if (QMessageBox::question(this, QStringLiteral("Mottler"),
                              tr("Would you like to make this texture your desktop wallpaper ?")) !=
        QMessageBox::Yes)
        return;
    WallpaperResult result;
    {
        const BusyCursor busy;
        result = SetDesktopWallpaper(document.DisplayedTexture(), DataFolder());
    }
    if (!result.Changed)
        ShowError(this, result.Message);
}

} // namespace mottler
