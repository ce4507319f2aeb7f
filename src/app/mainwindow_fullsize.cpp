// The full-size view: opened by a double-click on the preview, it follows every rendering,
// recorded frame and playback step while it is shown.
#include "app/mainwindow.h"
#include "output/fullsizeview.h"
#include "output/ui/fullsizeview.h"
#include "output/ui/savetiledialog.h"

#include <QColor>

namespace mottler {

void MainWindow::imgTextureDblClick() {
    if (const std::optional<GradientStripImage> strip = CurrentGradientStrip()) {
        const PackedColour background = strip->Settings.BackgroundColour;
        frmTrueImage->ShowFullSize(
            WidenGradientStrip(strip->Strip, GradientPageWidth(),
                               QColor(RedOf(background), GreenOf(background), BlueOf(background))));
        return;
    }
    frmTrueImage->ShowFullSize(document.DisplayedTexture());
}

// A recolour of the recorded frame on display keeps its number in the view's caption.
void MainWindow::FollowInFullView() {
    if (frmTrueImage != nullptr && frmTrueImage->isVisible() && !CurrentGradientStrip())
        frmTrueImage->ShowFullSize(document.DisplayedTexture(), document.ShownFrame());
}

// Right-click switches between the grown texture and the picture it was seeded from.
void MainWindow::frmTrueImageRightClick() {
    const bool initial = !frmTrueImage->ShowsInitial();
    frmTrueImage->ShowFullSize(initial ? document.Engine.InitialTextureBitmap
                                       : document.DisplayedTexture());
    frmTrueImage->SetShowsInitial(initial);
}

// Shows the state on display again in the main window: the current recorded frame, or the
// texture rendered afresh (which also undoes a quarter turn of the save window).
void MainWindow::frmTrueImageHide() {
    if (!CurrentGradientStrip())
        document.RenderTexture();
}

} // namespace mottler
