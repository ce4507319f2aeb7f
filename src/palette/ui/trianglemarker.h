#pragma once

#include "palette/controlpoints.h"
#include "palette/palette.h"
#include "widgets/ui/accessibleslider.h"

#include <QWidget>

namespace mottler {

/// The small marker beside the gradient strip for one control point: a box with the point's
/// number and a triangle in the point's colour whose shape tells the kind (flat top for the
/// start point, an arrow for middle points, flat bottom for the end point). It takes the
/// keyboard focus, which selects its point: the arrow keys move it a row (Page Up and Page Down
/// a sixteenth of the strip) as a drag does, Delete and Insert ask for the point's removal and
/// for a new point beside it, Enter or Space for the colour picker, the menu key for its menu.
class TriangleMarker : public QWidget, public AccessibleSlider {
    Q_OBJECT
public:
    explicit TriangleMarker(QWidget* parent);

    bool Horizontal = false;
    bool Movable = false;
    int MinTop = 0;
    int MaxTop = 0;
    int Kind = 1;
    int Id = -1; ///< the control point this marker stands for

    int Number() const { return number; }
    void SetNumber(int value);
    /// Whether the number box is drawn: left out where another marker's number is close.
    bool NumberShown() const { return numberShown; }
    void SetNumberShown(bool shown);
    /// The height of the number box: markers closer than this would draw over each other.
    int NumberHeight() const { return height(); }
    PackedColour Colour() const { return colour; }
    void SetColour(PackedColour value);
    bool Active() const { return active; }
    void SetActive(bool on);
    /// The point's place in the gradient, 0 … 255, which screen readers hear as the value.
    void SetPosition(int value);

    int AccessibleValue() const override { return position; }
    int AccessibleMinimum() const override { return 0; }
    int AccessibleMaximum() const override { return 255; }

Q_SIGNALS:
    void Pressed(mottler::TriangleMarker* marker, Qt::MouseButton button);
    /// Left-button drag: the marker's top edge follows the pointer (already clamped).
    void Dragged(mottler::TriangleMarker* marker);
    void DoubleClicked(mottler::TriangleMarker* marker);
    /// The marker took the keyboard focus.
    void Focused(mottler::TriangleMarker* marker);
    void DeletePressed(mottler::TriangleMarker* marker);
    void InsertPressed(mottler::TriangleMarker* marker);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QPolygon Triangle(int x0, int y0, int w, int h) const;
    void MoveBy(int rows);

    int number = 0;
    bool numberShown = true;
    PackedColour colour = 0;
    bool active = false;
    int position = 0;
    int digitWidth = 0;
};

} // namespace mottler
