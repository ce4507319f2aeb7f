#pragma once

#include <QImage>
#include <QWidget>

namespace mottler {

/// A picture shown stretched over the whole widget, with its mouse events as signals (in the
/// widget's coordinates) so the owner can sample or drag over it.
class ImageWidget : public QWidget {
    Q_OBJECT
public:
    explicit ImageWidget(QWidget* parent) : QWidget(parent) {}

    void SetImage(QImage image);
    const QImage& Image() const { return picture; }

Q_SIGNALS:
    void MousePressed(QMouseEvent* event);
    void MouseMoved(QMouseEvent* event);
    void MouseReleased(QMouseEvent* event);
    void DoubleClicked(QMouseEvent* event);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override { Q_EMIT MousePressed(event); }
    void mouseMoveEvent(QMouseEvent* event) override { Q_EMIT MouseMoved(event); }
    void mouseReleaseEvent(QMouseEvent* event) override { Q_EMIT MouseReleased(event); }
    void mouseDoubleClickEvent(QMouseEvent* event) override { Q_EMIT DoubleClicked(event); }

private:
    QImage picture;
};

} // namespace mottler
