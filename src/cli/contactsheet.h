#pragma once

#include <QImage>
#include <QString>
#include <vector>

namespace mottler::cli {

/// One cell of a contact sheet: a grown texture (null when it could not be grown) and the
/// caption underneath.
struct SheetCell {
    QImage Texture;
    QString Caption;
};

/// The picture in a cell of `size` × `size` pixels: a texture no larger than the cell is
/// shown tiled 2 × 2, so that its seams (or their absence) show; the picture is then scaled
/// to fit the cell, keeping its proportions.
QImage CellPicture(const QImage& texture, int size);

/// Draws the cells in rows of `columns`, each picture in a square of `size` pixels with its
/// caption below (shortened with "…" when too wide). A cell without a texture shows a
/// crossed-out square. Needs a QGuiApplication for the fonts.
QImage DrawContactSheet(const std::vector<SheetCell>& cells, int columns, int size);

} // namespace mottler::cli
