#pragma once

#include "explore/mapimage.h"

#include <QImage>
#include <QTimer>
#include <QWidget>
#include <vector>

namespace mottler {

/// The map's cells in a grid with the axes' values above and to the left. A click adopts a
/// cell once the double-click time has passed without a second click, a double click zooms
/// into it; the arrow keys move the current cell, Enter adopts it
/// and "+" zooms into it.
class VariationMapView : public QWidget {
    Q_OBJECT
public:
    explicit VariationMapView(QWidget* parent = nullptr);

    /// A new map of steps × steps cells, all still growing.
    void Reset(int steps, QSize cellSize, const MapLabels& labels);
    /// A cell's picture (a null image: the cell failed to grow).
    void SetCell(int index, const QImage& picture);
    int Current() const { return current; }
    /// The cell under a point of the widget, -1 outside the cells.
    int CellAt(QPoint point) const;
    /// Where cell `index` is drawn.
    QRect CellRect(int index) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    void CellAdopted(int index);
    void CellZoomed(int index);
    void CurrentChanged(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    enum class CellState { Growing, Grown, Failed };
    QRect GridRect() const;
    QSize ShownCellSize() const;
    void SetCurrent(int index);

    int steps = 0;
    QSize cellSize{64, 64};
    MapLabels labels;
    std::vector<QImage> pictures;
    std::vector<CellState> states;
    int current = 0;
    QTimer pendingClick; ///< a click waits to see whether it becomes a double click
};

} // namespace mottler
