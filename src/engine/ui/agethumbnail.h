#pragma once

#include <QAbstractButton>
#include <QImage>

namespace mottler {

/// One of the nine age thumbnails: a small stretched image of the texture at one stage of a
/// run. Its tag is the iteration count it shows; clicking it (or Space or Enter while it has
/// the focus) regrows the texture to that age.
class AgeThumbnail : public QAbstractButton {
    Q_OBJECT
public:
    AgeThumbnail(int index, QWidget* parent);

    int Index() const { return index; }
    int Tag() const { return tag; }

    /// Fills the thumbnail with the button-face colour (the image and tag stay otherwise).
    void Clear();
    /// Draws the texture stretched over the canvas; tag := iteration + 1 and the hint says so.
    void PaintFrom(const QImage& texture, int iteration);

Q_SIGNALS:
    void Clicked(mottler::AgeThumbnail* thumbnail);
    void ShiftRightPressed(mottler::AgeThumbnail* thumbnail);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void EnsureCanvas();

    int index;
    int tag;
    QImage canvas;
};

} // namespace mottler
