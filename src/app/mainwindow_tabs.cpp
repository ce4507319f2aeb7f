// The tabs: what entering one changes, and the "Gradient Settings" strip's edge dragged in
// the tile preview.
#include "app/agestrip.h"
#include "app/mainwindow.h"
#include "app/previewframe.h"
#include "app/recordframe.h"
#include "app/texturepage.h"
#include "engine/ui/texturepreview.h"
#include "gradients/ui/gradientpage.h"
#include "help/ui/showhelp.h"
#include "preview/ui/previewsettingspage.h"

#include <QAction>
#include <QMouseEvent>
#include <QTabWidget>

namespace mottler {

void MainWindow::ConnectGradient() {
    connect(pgControl, &QTabWidget::currentChanged, this, [this] { pgControlChange(); });
    preview->imgTexture->setMouseTracking(true); // the split cursor over the strip's edge
    InstallPageHelpKey(textPage, HelpContext::WebPreview);
}

void MainWindow::imgTextureMouse(const QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease)
        preview->imgTexture->unsetCursor(); // imgTextureMouseUp
    else if (event->type() == QEvent::MouseMove && pgControl->currentWidget() == gradientPage)
        imgTextureMouseMove(static_cast<const QMouseEvent*>(event));
}

// Dragging left of the preview would give the width box a width it cannot hold; the strip
// then keeps its last width.
void MainWindow::imgTextureMouseMove(const QMouseEvent* event) {
    const int x = event->position().toPoint().x();
    if (event->buttons().testFlag(Qt::LeftButton)) {
        if (x >= 1) {
            mottler::GradientSettings border = document.FadingBorder();
            border.GradientWidth = QString::number(x);
            document.SetFadingBorder(border);
        }
    } else if (IsOnGradientEdge(x, document.FadingBorder().GradientWidth)) {
        preview->imgTexture->setCursor(Qt::SplitHCursor);
    } else {
        preview->imgTexture->unsetCursor();
    }
}

// Entering a page decides the image that is saved, copied and previewed: the texture page's
// texture or the gradient page's strip; the preview page keeps the image shown last.
void MainWindow::pgControlChange() {
    QWidget* current = pgControl->currentWidget();
    const bool onGradient = current == gradientPage;
    if (auto* textureSize = findChild<QAction*>("mnuTextureSize"))
        textureSize->setEnabled(!onGradient);
    if (onGradient) {
        document.SetLastImageTab(ImageTab::Gradient);
        gradientPage->EnterTab();
    } else if (current == page) {
        document.SetLastImageTab(ImageTab::Texture);
    }
    ShowTextureControls(current == page);
    ShowTextColourPreview(current == textPage);
}

// The preview page's words show over the tile; the image cannot be saved meanwhile.
void MainWindow::ShowTextColourPreview(bool show) {
    if (auto* saveImage = findChild<QAction*>("mnuSaveImage")) {
        saveImage->setEnabled(!show);
        saveImage->setVisible(!show);
    }
    if (show)
        textPage->FillEmptyPickers();
    preview->ShowTextColours(show);
}

// The age thumbnails and the recording controls belong to the texture. Their place stays
// empty while they are hidden, so the tabs and the preview keep their size.
void MainWindow::ShowTextureControls(bool shown) {
    for (QWidget* control : std::initializer_list<QWidget*>{recording, ages}) {
        QSizePolicy policy = control->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        control->setSizePolicy(policy);
        control->setVisible(shown);
    }
}

} // namespace mottler
