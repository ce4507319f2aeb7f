#pragma once

#include "palette/palette.h"

#include <QImage>
#include <QWidget>

namespace mottler {

/// The colour picker's spectrum panel (`pnlSpectrum`): the hue/lightness spectrum
/// (`imgSpectrum`, 91 pixels wide, n = 65), a triangle marker right of it pointing at the
/// picked row and one below it pointing at the picked column, and the grey ramp (`imgGreys`,
/// 91 × 26) under them. Clicking or dragging with the left button picks a colour; the arrow
/// keys move the pick.
class SpectrumView : public QWidget {
    Q_OBJECT
public:
    static constexpr int ImageWidth = 91;
    static constexpr int Bands = 65;
    static constexpr int GreysHeight = 26;

    explicit SpectrumView(QWidget* parent);

    const QImage& Spectrum() const { return spectrum; }
    /// The last picked spectrum position (`SpectrumPos`); (−1, −1) before any pick.
    QPoint Pick() const { return pick; }
    /// Moves the markers to a spectrum position (kept inside the image) without picking.
    void MoveMarkers(QPoint position);
    /// Moves the pick by (dx, dy), kept inside the image, and picks the colour there.
    void MovePick(int dx, int dy);
    /// The step of Ctrl+arrow keys.
    void SetArrowStep(int step) { arrowStep = step; }

    QSize sizeHint() const override;

Q_SIGNALS:
    void ColourPicked(PackedColour colour);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void PickAt(QPoint point);
    QRect GreysRect() const;

    QImage spectrum;
    QImage greys;
    QPoint pick{-1, -1};
    int arrowStep = 10;
};

} // namespace mottler
