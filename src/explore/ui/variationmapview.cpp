#include "explore/ui/variationmapview.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace mottler {

VariationMapView::VariationMapView(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("Variation map"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    pendingClick.setSingleShot(true);
    pendingClick.setInterval(QApplication::doubleClickInterval());
    connect(&pendingClick, &QTimer::timeout, this, [this] { Q_EMIT CellAdopted(current); });
}

void VariationMapView::Reset(int count, QSize size, const MapLabels& axisLabels) {
    steps = count;
    cellSize = size.isEmpty() ? QSize(64, 64) : size;
    labels = axisLabels;
    pictures.assign(static_cast<std::size_t>(steps * steps), QImage());
    states.assign(pictures.size(), CellState::Growing);
    current = std::clamp(current, 0, std::max(0, steps * steps - 1));
    updateGeometry();
    update();
}

void VariationMapView::SetCell(int index, const QImage& picture) {
    if (index < 0 || static_cast<std::size_t>(index) >= pictures.size())
        return;
    pictures[static_cast<std::size_t>(index)] = picture;
    states[static_cast<std::size_t>(index)] =
        picture.isNull() ? CellState::Failed : CellState::Grown;
    update(CellRect(index));
}

// The bands for the labels take a line above and the widest row label on the left.
QRect VariationMapView::GridRect() const {
    const QFontMetrics metrics = fontMetrics();
    int left = metrics.horizontalAdvance(labels.RowTitle);
    for (const QString& text : labels.Rows)
        left = std::max(left, metrics.horizontalAdvance(text));
    left += metrics.height();
    const int top = 2 * metrics.height();
    return rect().adjusted(left, top, -2, -2);
}

// Cells keep the texture's shape and fill the space there is.
QSize VariationMapView::ShownCellSize() const {
    if (steps == 0)
        return {};
    const QRect grid = GridRect();
    const QSize fitted =
        cellSize.scaled(grid.width() / steps, grid.height() / steps, Qt::KeepAspectRatio);
    return fitted.expandedTo(QSize(1, 1));
}

QRect VariationMapView::CellRect(int index) const {
    const QSize shown = ShownCellSize();
    const QRect grid = GridRect();
    return {grid.left() + index % std::max(steps, 1) * shown.width(),
            grid.top() + index / std::max(steps, 1) * shown.height(), shown.width(),
            shown.height()};
}

int VariationMapView::CellAt(QPoint point) const {
    for (int index = 0; index < steps * steps; ++index)
        if (CellRect(index).contains(point))
            return index;
    return -1;
}

QSize VariationMapView::sizeHint() const {
    const int count = std::max(steps, 5);
    const QSize shown = cellSize.scaled(96, 96, Qt::KeepAspectRatio);
    return {count * shown.width() + 8 * fontMetrics().height(),
            count * shown.height() + 3 * fontMetrics().height()};
}

QSize VariationMapView::minimumSizeHint() const {
    return {20 * fontMetrics().height(), 16 * fontMetrics().height()};
}

void VariationMapView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QFontMetrics metrics = fontMetrics();
    const QRect grid = GridRect();
    const QSize shown = ShownCellSize();
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRect(grid.left(), 0, steps * shown.width(), metrics.height()),
                     Qt::AlignCenter, labels.ColumnTitle + QStringLiteral(" \u2192"));
    painter.drawText(QRect(0, 0, grid.left(), 2 * metrics.height()), Qt::AlignCenter,
                     labels.RowTitle + QStringLiteral(" \u2193"));
    for (int c = 0; c < labels.Columns.size() && c < steps; ++c)
        painter.drawText(QRect(grid.left() + c * shown.width(), metrics.height(), shown.width(),
                               metrics.height()),
                         Qt::AlignCenter, labels.Columns[c]);
    for (int r = 0; r < labels.Rows.size() && r < steps; ++r)
        painter.drawText(QRect(0, grid.top() + r * shown.height(),
                               grid.left() - metrics.height() / 2, shown.height()),
                         Qt::AlignRight | Qt::AlignVCenter, labels.Rows[r]);
    for (int index = 0; index < steps * steps; ++index) {
        const QRect area = CellRect(index);
        switch (states[static_cast<std::size_t>(index)]) {
        case CellState::Grown:
            painter.drawImage(area, pictures[static_cast<std::size_t>(index)]);
            break;
        case CellState::Failed:
            painter.fillRect(area, Qt::gray);
            painter.drawLine(area.topLeft(), area.bottomRight());
            painter.drawLine(area.topRight(), area.bottomLeft());
            break;
        case CellState::Growing: // inset, so the cells still to come show as a grid
            painter.fillRect(area.adjusted(1, 1, -1, -1), palette().color(QPalette::Mid));
            break;
        }
    }
    if (steps > 0 && hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 3));
        painter.drawRect(CellRect(current).adjusted(1, 1, -2, -2));
    }
}

void VariationMapView::SetCurrent(int index) {
    if (index < 0 || index >= steps * steps || index == current)
        return;
    current = index;
    update();
    Q_EMIT CurrentChanged(current);
}

void VariationMapView::mousePressEvent(QMouseEvent* event) {
    const int index = CellAt(event->position().toPoint());
    if (event->button() != Qt::LeftButton || index < 0)
        return;
    SetCurrent(index);
    pendingClick.start();
}

void VariationMapView::mouseDoubleClickEvent(QMouseEvent* event) {
    const int index = CellAt(event->position().toPoint());
    if (event->button() != Qt::LeftButton || index < 0)
        return;
    pendingClick.stop();
    Q_EMIT CellZoomed(index);
}

void VariationMapView::keyPressEvent(QKeyEvent* event) {
    const int column = current % std::max(steps, 1);
    switch (event->key()) {
    case Qt::Key_Left:
        SetCurrent(column > 0 ? current - 1 : current);
        break;
    case Qt::Key_Right:
        SetCurrent(column < steps - 1 ? current + 1 : current);
        break;
    case Qt::Key_Up:
        SetCurrent(current - steps);
        break;
    case Qt::Key_Down:
        SetCurrent(current + steps);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        Q_EMIT CellAdopted(current);
        break;
    case Qt::Key_Plus:
        Q_EMIT CellZoomed(current);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

} // namespace mottler
