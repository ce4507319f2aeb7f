#include "explore/mapimage.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace mottler {
namespace {

QSize CellSize(const std::vector<QImage>& cells) {
    for (const QImage& cell : cells)
        if (!cell.isNull())
            return cell.size();
    return {64, 64};
}

void DrawFailedCell(QPainter& painter, const QRect& area) {
    painter.fillRect(area, QColor(128, 128, 128));
    painter.setPen(QPen(QColor(200, 60, 60), 2));
    painter.drawLine(area.topLeft(), area.bottomRight());
    painter.drawLine(area.topRight(), area.bottomLeft());
}

void DrawLabels(QPainter& painter, const MapLabels& labels, QSize cell, QPoint origin) {
    painter.setPen(Qt::black);
    const QFontMetrics metrics = painter.fontMetrics();
    const int line = metrics.height();
    painter.drawText(QRect(0, 0, origin.x(), origin.y()), Qt::AlignCenter,
                     labels.RowTitle + QStringLiteral(" \u2193 ") + labels.ColumnTitle +
                         QStringLiteral(" \u2192"));
    for (int c = 0; c < labels.Columns.size(); ++c)
        painter.drawText(QRect(origin.x() + c * cell.width(), 0, cell.width(), origin.y()),
                         Qt::AlignCenter, labels.Columns[c]);
    for (int r = 0; r < labels.Rows.size(); ++r)
        painter.drawText(
            QRect(0, origin.y() + r * cell.height(), origin.x() - line / 2, cell.height()),
            Qt::AlignRight | Qt::AlignVCenter, labels.Rows[r]);
}

QPoint LabelBands(const MapLabels& labels, const QFontMetrics& metrics) {
    int width = metrics.horizontalAdvance(labels.RowTitle + labels.ColumnTitle + " \u2193  \u2192");
    for (const QString& text : labels.Rows)
        width = std::max(width, metrics.horizontalAdvance(text));
    return {width + metrics.height(), 2 * metrics.height()};
}

} // namespace

QImage ComposeMapImage(const std::vector<QImage>& cells, int columns, const MapLabels* labels) {
    const QSize cell = CellSize(cells);
    const int rows = columns > 0 ? (static_cast<int>(cells.size()) + columns - 1) / columns : 0;
    QPoint origin(0, 0);
    if (labels)
        origin = LabelBands(*labels, QFontMetrics(QFont()));
    QImage map(origin.x() + columns * cell.width(), origin.y() + rows * cell.height(),
               QImage::Format_RGB888);
    map.fill(Qt::white);
    QPainter painter(&map);
    for (std::size_t k = 0; k < cells.size(); ++k) {
        const QRect area(origin.x() + static_cast<int>(k) % columns * cell.width(),
                         origin.y() + static_cast<int>(k) / columns * cell.height(), cell.width(),
                         cell.height());
        if (cells[k].isNull())
            DrawFailedCell(painter, area);
        else
            painter.drawImage(area.topLeft(), cells[k]);
    }
    if (labels)
        DrawLabels(painter, *labels, cell, origin);
    return map;
}

} // namespace mottler
