#pragma once

#include <QImage>
#include <QStringList>
#include <vector>

namespace mottler {

/// The labels of a map's axes: one per column and one per row, with each axis's title.
struct MapLabels {
    QString ColumnTitle;
    QString RowTitle;
    QStringList Columns;
    QStringList Rows;
};

/// The cells (row by row, `columns` to a row, all of the first cell's size) side by side
/// without gaps; a cell that failed to grow (a null image) is grey with a cross. With labels,
/// a band above names the columns and a band on the left the rows (drawing text needs a
/// QGuiApplication).
QImage ComposeMapImage(const std::vector<QImage>& cells, int columns,
                       const MapLabels* labels = nullptr);

} // namespace mottler
