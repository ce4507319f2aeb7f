// The "Gradient Settings" tab's strip in the tile preview: dragging its edge; and what
// entering a tab changes.
#include "app/agestrip.h"
#include "app/mainwindow.h"
#include "app/previewframe.h"
#include "app/recordframe.h"
#include "app/texturepage.h"
#include "engine/ui/texturepreview.h"
#include "gradients/ui/gradientpage.h"

#include <QAction>
#include <QMouseEvent>
#include <QTabWidget>

namespace mottler {

void MainWindow::ConnectGradient() {
    connect(pgControl, &QTabWidget::currentChanged, this, [this] { pgControlChange(); });
    preview->imgTexture->setMouseTracking(true); // the split cursor over the strip's edge
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
