#include "picker/ui/zoomwindow.h"

#include "help/ui/showhelp.h"
#include "picker/pickersettings.h"
#include "picker/ui/colourpickerdialog.h"
#include "picker/ui/pickercursors.h"
#include "picker/ui/screengrab.h"
#include "picker/zoomgeometry.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QSlider>
#include <QVBoxLayout>

namespace mottler {
namespace {

constexpr int BevelWidth = 2;
/// Gap between the view and the track bar, and below the view.
constexpr int EdgeGap = 3;
const QPoint NoPoint(-1, -1);
constexpr int NotStored = -999;

QString PositionGroup() {
    return QStringLiteral("Form Positions/Color Picker Zoom");
}

QFrame* Bevel(QWidget* parent) {
    auto* bevel = new QFrame(parent);
    bevel->setFrameShape(QFrame::Panel);
    bevel->setFrameShadow(QFrame::Raised);
    bevel->setLineWidth(1);
    return bevel;
}

/// A small mouse with its left button up or pressed, for the hint shown before any zoom.
QPixmap MousePicture(bool leftDown) {
    QPixmap picture(22, 32);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(1.5, 1.5, 19, 29), 9, 9);
    painter.drawLine(QPointF(1.5, 13.5), QPointF(20.5, 13.5));
    painter.drawLine(QPointF(11, 1.5), QPointF(11, 13.5));
    if (leftDown) {
        painter.setBrush(Qt::darkGray);
        painter.drawChord(QRectF(1.5, 1.5, 19, 24), 90 * 16, 90 * 16);
        painter.fillRect(QRectF(2, 7, 8.5, 6.5), Qt::darkGray);
    }
    return picture;
}

QColor ButtonFace() {
    return QApplication::palette().color(QPalette::Button);
}

} // namespace

ZoomWindow::ZoomWindow(ColourPickerDialog* ownerDialog)
    : QDialog(ownerDialog, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                               Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      owner(ownerDialog) {
    setWindowTitle(tr("Zoom"));
    InstallHelpKey(this, HelpContext::ZoomHowToUse);
    BuildParts();
    tmrRefresh.setInterval(200);
    tmrDelayed.setInterval(1000);
    connect(&tmrRefresh, &QTimer::timeout, this, [this] { UpdateZoom(NoPoint, false); });
    connect(&tmrDelayed, &QTimer::timeout, this, &ZoomWindow::tmrDelayedTimer);
    connect(trZoom, &QSlider::valueChanged, this, [this] {
        UpdateZoom(NoPoint, true);
        tmrDelayed.start();
    });
    resize(211, 223);
}

ZoomWindow::~ZoomWindow() = default;

void ZoomWindow::BuildParts() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    menu = new QMenuBar(this);
    QMenu* help = menu->addMenu(tr("&Help"));
    connect(help->addAction(tr("&How To Use")), &QAction::triggered, this,
            &ZoomWindow::mnuHowToUseClick);
    layout->setMenuBar(menu);

    client = new QWidget(this);
    client->setCursor(Qt::CrossCursor);
    client->setMouseTracking(true);
    client->installEventFilter(this);
    layout->addWidget(client);

    trZoom = new QSlider(Qt::Vertical, client);
    trZoom->setRange(1, 16);
    trZoom->setValue(2);
    trZoom->setTickInterval(1);
    trZoom->setTickPosition(QSlider::TicksBothSides);
    trZoom->setFocusPolicy(Qt::NoFocus); // Escape must reach the window
    trZoom->setAccessibleName(tr("Zoom"));
    bvlTop = Bevel(client);
    bvlLeft = Bevel(client);
    bvlBottom = Bevel(client);
    bvlRight = Bevel(client);
    lblHowTo = new QLabel(tr("Hold the left mouse button down on this window then "
                             "drag to the area you want to magnify"),
                          client);
    lblHowTo->setAlignment(Qt::AlignCenter);
    lblHowTo->setWordWrap(true);
    // Presses and moves over the label count as the window's own.
    lblHowTo->setAttribute(Qt::WA_TransparentForMouseEvents);
}

QString ZoomWindow::HowToUseText() {
    return tr(
        "The Color Picker's Zoom Window allows you to magnify an area of the screen "
        "and easily select a pixel who's color you wish to use.\n\n"
        "To magnify an area of the screen simply put the cursor over the zoom window and hold "
        "down the left mouse button and drag the cursor to the area of interest.  Make sure you "
        "keep the button held down while moving or the zoom window will not magnify the area "
        "you want.\n\n"
        "Once you have the appropriate area visible in the zoom window let go of the mouse "
        "button and point the mouse back at the zoom window.  Find your color and click on it "
        "- that's all it takes !\n\n"
        "The slider bar on the side of the zoom window controls the level of magnification.");
}

QSize ZoomWindow::ViewSize() const {
    return {bvlRight->x() - bvlLeft->width(), bvlBottom->y() - bvlTop->height()};
}

void ZoomWindow::PlaceParts() {
    const int w = client->width();
    const int h = client->height();
    const int sliderWidth = trZoom->sizeHint().width();
    trZoom->setGeometry(w - sliderWidth, 0, sliderWidth, h);
    const int areaWidth = trZoom->x() - EdgeGap;
    bvlTop->setGeometry(0, 0, areaWidth, BevelWidth);
    bvlBottom->setGeometry(0, h - EdgeGap - BevelWidth, areaWidth, BevelWidth);
    bvlLeft->setGeometry(0, 0, BevelWidth, h - EdgeGap);
    bvlRight->setGeometry(areaWidth - BevelWidth, 0, BevelWidth, h - EdgeGap);

    QImage resized(client->size(), QImage::Format_RGB32);
    resized.fill(ButtonFace());
    if (hasZoom) {
        QPainter painter(&resized);
        painter.drawImage(0, 0, canvas);
    }
    canvas = resized;
    PlaceHint();
}

void ZoomWindow::PlaceHint() {
    const int areaWidth = trZoom->x() - EdgeGap;
    const QPixmap picture = MousePicture(hintMouseDown);
    const int labelTop = 10 + picture.height() + 15;
    lblHowTo->setGeometry(BevelWidth + 4, labelTop, std::max(areaWidth - 2 * BevelWidth - 8, 1),
                          lblHowTo->heightForWidth(std::max(areaWidth - 2 * BevelWidth - 8, 1)));
    lblHowTo->setVisible(!hasZoom);
    client->update();
}

void ZoomWindow::PaintClient() {
    QPainter painter(client);
    painter.drawImage(0, 0, canvas);
    if (hasZoom)
        return;
    const QPixmap picture = MousePicture(hintMouseDown);
    const int areaWidth = trZoom->x() - EdgeGap;
    painter.drawPixmap((areaWidth - picture.width()) / 2, 10, picture);
}

void ZoomWindow::UpdateZoom(QPoint point, bool outline) {
    if (!isVisible() || !shown)
        return;
    if (point != NoPoint)
        lastPoint = point;
    if (lastPoint == NoPoint)
        return; // nothing magnified yet
    const QPoint global = client->mapToGlobal(lastPoint);
    QScreen* screen = QGuiApplication::screenAt(global);
    if (screen == nullptr)
        return;
    const QSize view = ViewSize();
    const ZoomGeometry geometry =
        ComputeZoomGeometry(global, view, trZoom->value(), screen->geometry());
    // The window never magnifies itself.
    if (geometry.Source.intersects(frameGeometry()) || geometry.Copied.isEmpty())
        return;
    const std::optional<QImage> pixels = GrabScreenArea(geometry.Copied);
    if (!pixels) {
        lblHowTo->setText(ScreenUnreadableText());
        return;
    }
    ShowOutline(false);
    {
        QPainter painter(&canvas);
        painter.drawImage(geometry.Target, *pixels);
    }
    sourceRect = geometry.Source;
    ShowOutline(outline);
    hasZoom = true;
    lblHowTo->hide();
    client->update();
}

void ZoomWindow::ShowOutline(bool on) {
    if (on && !sourceRect.isEmpty())
        outlineWindows.Show(sourceRect);
    else if (outlineWindows.IsShown())
        outlineWindows.Hide();
}

bool ZoomWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched != client)
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Paint:
        PaintClient();
        return true;
    case QEvent::Resize:
        PlaceParts();
        UpdateZoom(NoPoint, true);
        tmrDelayed.start();
        return false;
    case QEvent::MouseButtonPress:
        ClientMouseDown(static_cast<QMouseEvent*>(event));
        return true;
    case QEvent::MouseMove:
        ClientMouseMove(static_cast<QMouseEvent*>(event));
        return true;
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            ClientMouseUp();
        return true;
    default:
        return false;
    }
}

void ZoomWindow::ClientMouseDown(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    client->grabMouse();
    tmrRefresh.stop();
    dragging = true;
}

void ZoomWindow::ClientMouseMove(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (dragging && event->buttons().testFlag(Qt::LeftButton)) {
        if (QApplication::overrideCursor() == nullptr)
            QApplication::setOverrideCursor(MagnifyCursor());
        UpdateZoom(at, true);
        return;
    }
    if (!hasZoom)
        return;
    if (QApplication::overrideCursor() != nullptr)
        QApplication::restoreOverrideCursor();
    client->setCursor(SampleCursor());
    sampleCursorShown = true;
    if (!canvas.rect().contains(at))
        return;
    const QColor colour = canvas.pixelColor(at);
    pixelColour = PackRgb(colour.red(), colour.green(), colour.blue());
    pixelPicked = true;
    owner->SetCurrentColour(pixelColour);
}

void ZoomWindow::ClientMouseUp() {
    client->releaseMouse();
    dragging = false;
    tmrRefresh.start();
    ShowOutline(false);
    if (QApplication::overrideCursor() != nullptr)
        QApplication::restoreOverrideCursor();
    // The click: only a pixel actually pointed at is given to the picker, so the release that
    // ends the very first drag does not turn its colour black.
    if (pixelPicked)
        owner->SetCurrentColour(pixelColour);
    if (!sampleCursorShown) {
        client->setCursor(SampleCursor());
        sampleCursorShown = true;
    } else {
        accept();
    }
}

void ZoomWindow::tmrDelayedTimer() {
    if (hasZoom) {
        ShowOutline(false);
        tmrDelayed.stop();
        return;
    }
    hintMouseDown = !hintMouseDown;
    PlaceHint();
}

void ZoomWindow::mnuHowToUseClick() {
    // A window that stays on top would hide the message.
    setWindowFlag(Qt::WindowStaysOnTopHint, false);
    show();
    ColourPickerDialog::Prompts().Message(this, HowToUseText());
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    show();
}

void ZoomWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    shown = true;
    tmrRefresh.start();
    tmrDelayed.start();
}

void ZoomWindow::hideEvent(QHideEvent* event) {
    SavePosition();
    tmrRefresh.stop();
    tmrDelayed.stop();
    while (QApplication::overrideCursor() != nullptr)
        QApplication::restoreOverrideCursor();
    client->releaseMouse();
    ShowOutline(false);
    QDialog::hideEvent(event);
}

void ZoomWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape)
        return; // closes on release
    QDialog::keyPressEvent(event);
}

void ZoomWindow::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && !event->isAutoRepeat()) {
        reject();
        return;
    }
    QDialog::keyReleaseEvent(event);
}

void ZoomWindow::RestorePosition() {
    QSettings settings = PickerSettings::Open();
    settings.beginGroup(PositionGroup());
    const auto read = [&settings](const char* name) {
        bool ok = false;
        const int value = settings.value(QLatin1String(name)).toString().toInt(&ok);
        return ok ? value : NotStored;
    };
    const int top = read("Top");
    const int left = read("Left");
    const int width = read("Width");
    const int height = read("Height");
    if (width != NotStored && height != NotStored && width > 0 && height > 0)
        resize(width, height);
    if (top != NotStored && left != NotStored) {
        move(left, top);
    } else if (QScreen* screen = this->screen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    // A modal window restored minimised could not be reached to end it; only maximised counts.
    if (settings.value(QStringLiteral("Window State")).toString() == QLatin1String("Max"))
        setWindowState(Qt::WindowMaximized);
}

void ZoomWindow::SavePosition() const {
    QSettings settings = PickerSettings::Open();
    settings.beginGroup(PositionGroup());
    settings.setValue(QStringLiteral("Top"), QString::number(y()));
    settings.setValue(QStringLiteral("Left"), QString::number(x()));
    settings.setValue(QStringLiteral("Width"), QString::number(width()));
    settings.setValue(QStringLiteral("Height"), QString::number(height()));
    settings.setValue(QStringLiteral("Window State"), isMaximized()   ? QStringLiteral("Max")
                                                      : isMinimized() ? QStringLiteral("Min")
                                                                      : QStringLiteral("Normal"));
}

} // namespace mottler
