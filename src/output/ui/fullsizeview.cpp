#include "output/ui/fullsizeview.h"

#include "engine/tilepreview.h"
#include "help/ui/showhelp.h"
#include "output/fullsizeview.h"
#include "widgets/ui/screenscale.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

namespace mottler {

FullSizeView::FullSizeView(QWidget* parent, std::function<int()> typeIndex)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint |
                          Qt::WindowCloseButtonHint),
      textureTypeIndex(std::move(typeIndex)) {
    setObjectName("frmTrueImage");
    setWindowTitle(QCoreApplication::translate("mottler::FullSizeView", FullSizeInitialCaption));
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(193, 198);
    InstallHelpKey(this, HelpContext::FullSizeView);
}

void FullSizeView::ShowFullSize(const QImage& shown, int frame) {
    CopyImage(shown, picture);
    frameNumber = frame;
    showsInitial = false;
    UpdateCaption();
    update();
    if (!isHidden())
        return;
    if (!shownBefore)
        FitTwoTiles();
    shownBefore = true;
    show();
    raise();
    activateWindow();
}

// The first showing makes room for two tiles each way, so that the seams are in view; later
// showings keep the size the user gave the window.
void FullSizeView::FitTwoTiles() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    const QRect available = screen->availableGeometry();
    resize((2 * picture.size()).boundedTo(available.size() * 9 / 10).expandedTo(size()));
    move(available.center() - rect().center());
}

void FullSizeView::SetFrameNumber(int number) {
    frameNumber = number;
    UpdateCaption();
}

void FullSizeView::UpdateCaption() {
    const QString caption =
        FullSizeCaption({picture.size(), size(), textureTypeIndex(), frameNumber});
    if (!caption.isEmpty())
        setWindowTitle(caption);
}

void FullSizeView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.setRenderHint(QPainter::SmoothPixmapTransform, HasFractionalScale(painter));
    PaintFullSizeTiles(painter, picture, size());
}

void FullSizeView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    UpdateCaption();
}

void FullSizeView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape)
        hide();
    else
        QWidget::keyPressEvent(event);
}

void FullSizeView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        hide();
    else if (event->button() == Qt::RightButton && textureTypeIndex() > 0)
        Q_EMIT RightClicked();
}

// The close box hides the view; it lives until the program ends.
void FullSizeView::closeEvent(QCloseEvent* event) {
    event->ignore();
    hide();
}

// A minimised view is still open; only a real hide ends the frame display.
void FullSizeView::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (event->spontaneous())
        return;
    frameNumber = 0;
    Q_EMIT Hidden();
}

} // namespace mottler
