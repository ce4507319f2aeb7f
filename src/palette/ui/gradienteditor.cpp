#include "palette/ui/gradienteditor.h"

#include "base/errors.h"
#include "engine/random.h"
#include "palette/colourbands.h"
#include "palette/colourtext.h"
#include "palette/markernumbers.h"
#include "palette/strips.h"
#include "palette/ui/imagewidget.h"
#include "palette/ui/trianglemarker.h"
#include "picker/ui/colourpickerdialog.h"
#include "picker/ui/pickercursors.h"
#include "widgets/ui/toolicons.h"

#include <QCoreApplication>
#include <QFrame>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QStyle>
#include <QToolButton>
#include <algorithm>

namespace mottler {
namespace {

constexpr int MarkerLeft = GradientEditor::StripLeft - 25;

QToolButton* Button(QWidget* page, const char* name, int x, const QIcon& icon,
                    const QString& hint) {
    auto* button = new QToolButton(page);
    button->setObjectName(name);
    button->setGeometry(x, 271, 24, 24);
    button->setIcon(icon);
    button->setToolTip(hint);
    button->setAccessibleName(hint);
    button->setAutoRaise(true);
    return button;
}

QString PointHint(PackedColour c) {
    return ColourToHex(c) + "\r\n" +
           QStringLiteral("%1,%2,%3").arg(RedOf(c)).arg(GreenOf(c)).arg(BlueOf(c));
}

QString HintText(const QString& text) {
    return QString(text).replace("\r\n", "\n");
}

} // namespace

GradientEditor::GradientEditor(QWidget* owner, GradientState& gradient)
    : QObject(owner), state(gradient), page(owner) {
    BuildWidgets(owner);
    BuildMenu();
}

void GradientEditor::BuildWidgets(QWidget* p) {
    spectrum = DrawSpectrum(52, 43);
    imgSpectrum = new ImageWidget(p);
    imgSpectrum->setObjectName("imgSpectrum");
    imgSpectrum->setGeometry(8, 10, spectrum.width(), spectrum.height());
    imgSpectrum->SetImage(spectrum);
    imgSpectrum->setCursor(SampleCursor());
    connect(imgSpectrum, &ImageWidget::MouseMoved, this, &GradientEditor::imgSpectrumMouseMove);
    connect(imgSpectrum, &ImageWidget::MouseReleased, this, &GradientEditor::imgSpectrumMouseUp);

    auto* shape1 = new QFrame(p);
    shape1->setGeometry(StripLeft - 1, StripTop - 1, 39, 258);
    shape1->setFrameStyle(QFrame::Box | QFrame::Plain);
    imgGradient = new ImageWidget(p);
    imgGradient->setObjectName("imgGradient");
    imgGradient->setGeometry(StripLeft, StripTop, 37, ControlPointList::StripHeight);
    imgGradient->setToolTip(tr("Double-click to add new point\nRight click to randomize"));
    connect(imgGradient, &ImageWidget::DoubleClicked, this, &GradientEditor::imgGradientDblClick);
    connect(imgGradient, &ImageWidget::MousePressed, this, &GradientEditor::imgGradientMouseDown);

    pnlActiveGPColour = new QFrame(p);
    pnlActiveGPColour->setObjectName("pnlActiveGPColour");
    pnlActiveGPColour->setGeometry(7, 271, 25, 23);
    pnlActiveGPColour->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pnlActiveGPColour->setAutoFillBackground(true);
    pnlActiveGPColour->installEventFilter(this);

    btnPickEnd =
        Button(p, "btnPickEnd", 34, QIcon::fromTheme("color-select", SampleCursor().pixmap()),
               tr("Choose the color of the selected point"));
    btnPickEnd->setAutoRaise(false);
    connect(btnPickEnd, &QToolButton::clicked, this, &GradientEditor::PickColourForActive);
    btnDeleteGradientPoint =
        Button(p, "btnDeleteGradientPoint", 71, ToolIcon("edit-delete", QStyle::SP_TrashIcon),
               tr("Delete control point"));
    connect(btnDeleteGradientPoint, &QToolButton::clicked, this,
            &GradientEditor::btnDeleteGradientPointClick);
    btnLockGradient = Button(p, "btnLockGradient", 104, LockIcon(), tr("Lock palette"));
    btnLockGradient->setCheckable(true);
    connect(btnLockGradient, &QToolButton::clicked, this, [this] {
        state.PaletteLocked = !state.PaletteLocked;
        btnLockGradient->setChecked(state.PaletteLocked);
    });
}

void GradientEditor::BuildMenu() {
    mnuGCP = new QMenu(page);
    mnuGCP->setObjectName("mnuGCP");
    mnuGCP->addAction(tr("&Duplicate"), this, &GradientEditor::mnuDuplicateClick);
    QMenu* copy = mnuGCP->addMenu(tr("Copy Color"));
    for (int i = 0; i < ControlPointList::MaxPoints; ++i) {
        const QString caption = i < 9 ? QStringLiteral("&%1").arg(i + 1) : QStringLiteral("1&0");
        QAction* item = copy->addAction(caption, this, [this, i] { mnuCC0Click(i + 1); });
        item->setObjectName(QStringLiteral("mnuCC%1").arg(i));
        item->setVisible(i < 2);
        copyColourItems.append(item);
    }
    connect(mnuGCP, &QMenu::aboutToShow, this, &GradientEditor::mnuGCPPopup);
}

TriangleMarker* GradientEditor::Marker(int id) const {
    const auto found = markers.find(id);
    return found == markers.end() ? nullptr : found->second;
}

void GradientEditor::AddControlPoint(int position, PackedColour colour, bool movable,
                                     PointKind kind) {
    if (!state.Points.AddControlPoint(position, colour, movable, kind)) {
        QMessageBox::information(
            page, "Mottler",
            QCoreApplication::translate("mottler::ControlPoints", TooManyControlPointsMessage));
        return;
    }
    SyncMarkers();
}

void GradientEditor::RemoveControlPoint(int id) {
    state.Points.RemoveControlPoint(id);
    SyncMarkers();
}

void GradientEditor::ClearControlPoints() {
    state.Points.ClearControlPoints();
    SyncMarkers();
}

void GradientEditor::SelectControlPoint(int id) {
    state.Points.SelectControlPoint(id);
    SyncMarkers();
}

void GradientEditor::SetPointColour(int id, PackedColour colour) {
    state.Points.SetPointColour(id, colour);
    SyncMarkers();
}

// Creates, moves, relabels and removes markers so that there is exactly one per point, each
// showing its point's place, number, colour and whether it is the active one.
void GradientEditor::SyncMarkers() {
    std::map<int, TriangleMarker*> kept;
    for (const ControlPoint& point : state.Points.Points()) {
        TriangleMarker* marker = Marker(point.Id);
        if (marker == nullptr) {
            marker = new TriangleMarker(page);
            marker->Id = point.Id;
            marker->MinTop = StripTop + ControlPointList::MinTop;
            marker->MaxTop = StripTop + ControlPointList::MaxTop;
            connect(marker, &TriangleMarker::Pressed, this, &GradientEditor::MarkerPressed);
            connect(marker, &TriangleMarker::Dragged, this, &GradientEditor::MarkerDragged);
            connect(marker, &TriangleMarker::DoubleClicked, this,
                    &GradientEditor::PickColourForActive);
            connect(marker, &TriangleMarker::Focused, this, [this](TriangleMarker* focused) {
                if (state.Points.ActivePoint() != focused->Id)
                    SelectControlPoint(focused->Id);
            });
            connect(marker, &TriangleMarker::DeletePressed, this, [this](TriangleMarker* m) {
                SelectControlPoint(m->Id);
                btnDeleteGradientPointClick();
                FocusActiveMarker();
            });
            connect(marker, &TriangleMarker::InsertPressed, this, &GradientEditor::AddPointBeside);
            marker->show();
        }
        marker->Kind = static_cast<int>(point.Kind);
        marker->Movable = point.Movable;
        marker->setCursor(point.Movable ? Qt::SizeVerCursor : Qt::ArrowCursor);
        marker->move(MarkerLeft, StripTop + point.MarkerTop);
        marker->SetNumber(point.Number);
        marker->SetPosition(point.Position());
        marker->SetColour(point.Colour);
        marker->setToolTip(HintText(PointHint(point.Colour)));
        marker->SetActive(state.Points.ActivePoint() == point.Id);
        kept[point.Id] = marker;
        markers.erase(point.Id);
    }
    std::map<int, TriangleMarker*> removed = std::move(markers);
    markers = std::move(kept);
    OrderMarkerFocus();
    ShowMarkerNumbers();
    // The focus of a removed marker passes to the active point's, not to whatever follows it.
    // A marker may be removed from inside its own key handler (Delete), so it goes once the
    // event is done.
    for (auto& [id, marker] : removed) {
        if (marker->hasFocus())
            FocusActiveMarker();
        marker->hide();
        marker->deleteLater();
    }
    if (const ControlPoint* active = state.Points.Active()) {
        ShowActiveColour(active->Colour);
        btnDeleteGradientPoint->setEnabled(active->Movable);
    }
}

// Numbers of markers close together would be drawn over each other: one of them shows.
void GradientEditor::ShowMarkerNumbers() {
    if (markers.empty())
        return;
    const std::set<int> hidden =
        HiddenMarkerNumbers(state.Points, markers.begin()->second->NumberHeight());
    for (auto& [id, marker] : markers)
        marker->SetNumberShown(!hidden.contains(id));
}

// Tab reaches the markers from the top of the strip down, before the editor's buttons: they
// follow the last control that takes the focus before the buttons (Qt orders only those).
void GradientEditor::OrderMarkerFocus() {
    QWidget* previous = btnPickEnd->previousInFocusChain();
    while (previous != btnPickEnd && (qobject_cast<TriangleMarker*>(previous) != nullptr ||
                                      !(previous->focusPolicy() & Qt::TabFocus)))
        previous = previous->previousInFocusChain();
    if (previous == btnPickEnd)
        return;
    for (const ControlPoint& point : state.Points.Points()) {
        TriangleMarker* marker = Marker(point.Id);
        QWidget::setTabOrder(previous, marker);
        previous = marker;
    }
}

void GradientEditor::FocusActiveMarker() {
    if (const auto active = state.Points.ActivePoint())
        if (TriangleMarker* marker = Marker(*active))
            marker->setFocus(Qt::OtherFocusReason);
}

void GradientEditor::RebuildPalette() {
    state.Rebuild();
    SyncMarkers();
    imgGradient->SetImage(DrawGradientStrip(state.Colours));
    imgGradient->repaint();
}

void GradientEditor::Edited() {
    RebuildPalette();
    Q_EMIT RecolourTexture();
}

void GradientEditor::ShowActiveColour(PackedColour colour) {
    panelColour = colour;
    QPalette colours = pnlActiveGPColour->palette();
    colours.setColor(QPalette::Window, QColor(RedOf(colour), GreenOf(colour), BlueOf(colour)));
    pnlActiveGPColour->setPalette(colours);
    pnlActiveGPColour->repaint();
}

void GradientEditor::ApplyColourToActive(PackedColour colour) {
    ShowActiveColour(colour);
    if (const auto active = state.Points.ActivePoint())
        SetPointColour(*active, colour);
    Edited();
}

void GradientEditor::PickColourForActive() {
    const ControlPoint* active = state.Points.Active();
    if (active == nullptr)
        return;
    // The panel may show another colour than the point (dragged off the spectrum's edge):
    // the picker starts from what the user sees.
    ColourPickerDialog dialog(page->window());
    dialog.SetInitialColour(panelColour);
    if (dialog.exec() == QDialog::Accepted)
        ApplyColourToActive(dialog.ChosenColour());
}

void GradientEditor::imgGradientDblClick(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        AddPointAt(static_cast<int>(event->position().y()));
}

// A new point at a row of the strip takes the colour the strip has there.
void GradientEditor::AddPointAt(int row) {
    const auto& pixel = state.Colours.Pixels[static_cast<std::size_t>(std::clamp(row, 0, 255))];
    const PackedColour sampled = PackRgb(pixel[2], pixel[1], pixel[0]);
    AddControlPoint(row, sampled, true, PointKind::Middle);
    Edited(); // the palette looks the same, but the new point is an edit to undo
}

// Insert on a marker adds a point halfway to the next marker down (up from the end point),
// as a double-click on the strip there would.
void GradientEditor::AddPointBeside(TriangleMarker* marker) {
    const auto& points = state.Points.Points();
    const int index = state.Points.IndexOf(marker->Id);
    if (index < 0 || points.size() < 2)
        return;
    const bool last = index + 1 == static_cast<int>(points.size());
    const int here = points[static_cast<std::size_t>(index)].Position();
    const int other = points[static_cast<std::size_t>(last ? index - 1 : index + 1)].Position();
    AddPointAt((here + other) / 2);
    FocusActiveMarker();
}

void GradientEditor::imgGradientMouseDown(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && event->modifiers().testFlag(Qt::ShiftModifier))
        ColourCycle();
    else if (event->button() == Qt::RightButton)
        RandomGradient();
}

void GradientEditor::ColourCycle() {
    for (int step = 0; step < 256; ++step) {
        std::rotate(state.Colours.Pixels.begin(), state.Colours.Pixels.begin() + 1,
                    state.Colours.Pixels.end());
        imgGradient->SetImage(DrawGradientStrip(state.Colours));
        imgGradient->repaint();
        Q_EMIT RecolourTexture();
    }
}

void GradientEditor::RandomGradient() {
    ClearControlPoints();
    const auto n = static_cast<int>(RandomInt(8)) + 2;
    for (int i = 0; i < n; ++i) {
        const auto red = static_cast<int>(RandomInt(256));
        const auto green = static_cast<int>(RandomInt(256));
        const auto blue = static_cast<int>(RandomInt(256));
        const auto position = static_cast<int>(RandomInt(245)) + 5;
        const PointKind kind =
            i == 0 ? PointKind::Start : (i == n - 1 ? PointKind::End : PointKind::Middle);
        AddControlPoint(position, PackRgb(red, green, blue), kind == PointKind::Middle, kind);
    }
    Edited();
}

void GradientEditor::imgSpectrumMouseMove(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton))
        return;
    const int x = static_cast<int>(event->position().x());
    const int y = static_cast<int>(event->position().y());
    const int w = imgSpectrum->width(), h = imgSpectrum->height();
    if (x < 0)
        ShowActiveColour(PackRgb(0, 0, 0));
    else if (x > w - 1)
        ShowActiveColour(PackRgb(255, 255, 255));
    else if (y >= 0 && y < h - 1)
        ApplyColourToActive(PixelAt(spectrum, x, y));
}

void GradientEditor::imgSpectrumMouseUp(QMouseEvent* event) {
    const int x = static_cast<int>(event->position().x());
    const int y = static_cast<int>(event->position().y());
    if (x < imgSpectrum->width() - 1 && y > 0 && y < imgSpectrum->height() - 1)
        ApplyColourToActive(PixelAt(spectrum, x, y));
}

void GradientEditor::btnDeleteGradientPointClick() {
    const ControlPoint* active = state.Points.Active();
    if (active == nullptr || !active->Movable)
        return;
    RemoveControlPoint(active->Id);
    Edited();
}

void GradientEditor::MarkerPressed(TriangleMarker* marker, Qt::MouseButton button) {
    SelectControlPoint(marker->Id);
    if (button == Qt::RightButton)
        mnuGCP->popup(page->mapToGlobal(QPoint(marker->x() + 25, marker->y())));
}

void GradientEditor::MarkerDragged(TriangleMarker* marker) {
    state.Points.MoveMarker(marker->Id, marker->y() - StripTop);
    Edited();
}

void GradientEditor::mnuGCPPopup() {
    for (int i = 2; i < ControlPointList::MaxPoints; ++i)
        copyColourItems[i]->setVisible(i < state.Points.Count());
}

void GradientEditor::mnuCC0Click(int number) {
    const auto& points = state.Points.Points();
    if (number < 1 || number > static_cast<int>(points.size()))
        return;
    ApplyColourToActive(points[static_cast<std::size_t>(number - 1)].Colour);
}

void GradientEditor::mnuDuplicateClick() {
    const ControlPoint* active = state.Points.Active();
    if (active == nullptr)
        return;
    AddControlPoint(DuplicatePosition(PageStripTop + active->MarkerTop), active->Colour, true,
                    PointKind::Middle);
    Edited();
}

bool GradientEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == pnlActiveGPColour && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        PickColourForActive();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void GradientEditor::DigitKey(int digit) {
    int n = digit == 0 ? 10 : digit;
    n = std::min(n, state.Points.Count());
    if (n > 0)
        SelectControlPoint(state.Points.Points()[static_cast<std::size_t>(n - 1)].Id);
}

} // namespace mottler
