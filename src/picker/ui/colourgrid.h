#pragma once

#include "palette/palette.h"

#include <QWidget>
#include <array>

namespace mottler {

/// The colour picker's palette grid (`grid1`): 16 × 16 cells with 2-pixel grid lines, 11 × 11
/// pixels on a 13-pixel pitch at the usual font and larger with a larger one, entry
/// row × 16 + column in each cell. Clicking or moving with
/// the arrow keys selects a cell; a double-click is passed on.
class ColourGrid : public QWidget {
    Q_OBJECT
public:
    static constexpr int Cells = 16;
    static constexpr int LineWidth = 2;
    /// Drawn steps of the cross-fade from the old colours to the new ones.
    static constexpr int FadeSteps = 15;

    explicit ColourGrid(QWidget* parent);

    /// Shows new colours; with `fade` each cell first runs through the 15 steps of a straight
    /// run from its old colour to its new one, drawn back to back.
    void SetColours(const std::array<PackedColour, 256>& colours, bool fade);
    const std::array<PackedColour, 256>& Colours() const { return colours; }
    PackedColour CellColour(int column, int row) const { return colours[row * Cells + column]; }

    /// The selected entry (row × 16 + column).
    int Selected() const { return selected; }
    /// Selects an entry and raises CellSelected.
    void SelectCell(int index);

    QSize sizeHint() const override;

Q_SIGNALS:
    void CellSelected(int index);
    void DoubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int CellAt(QPoint point) const;
    QRect CellRect(int index) const;

    int pitch = 13; ///< the cell's side and one grid line

    std::array<PackedColour, 256> colours{};
    int selected = 0;
};

} // namespace mottler
