#pragma once

#include "palette/palette.h"

#include <QWidget>

namespace mottler {

/// The small marker beside the gradient strip for one control point: a box with the point's
/// number and a triangle in the point's colour whose shape tells the kind (flat top for the
/// start point, an arrow for middle points, flat bottom for the end point).
class TriangleMarker : public QWidget {
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
    int NumberHeight() const { return digitHeight + 2; }
    PackedColour Colour() const { return colour; }
    void SetColour(PackedColour value);
    bool Active() const { return active; }
    void SetActive(bool on);

Q_SIGNALS:
    void Pressed(mottler::TriangleMarker* marker, Qt::MouseButton button);
    /// Left-button drag: the marker's top edge follows the pointer (already clamped).
    void Dragged(mottler::TriangleMarker* marker);
    void DoubleClicked(mottler::TriangleMarker* marker);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QPolygon Triangle(int x0, int y0, int w, int h) const;

    int number = 0;
    bool numberShown = true;
    PackedColour colour = 0;
    bool active = false;
    int digitWidth = 0;
    int digitHeight = 0;
};

} // namespace mottler
