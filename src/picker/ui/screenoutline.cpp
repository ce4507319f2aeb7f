#include "picker/ui/screenoutline.h"

#include <QPainter>

namespace mottler {
namespace {

/// One edge: alternating black and white pixels, visible on any background.
class OutlineEdge : public QWidget {
public:
    OutlineEdge()
        : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                               Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus) {
        setAttribute(Qt::WA_ShowWithoutActivating);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        if (width() >= height())
            painter.drawLine(0, 0, width() - 1, 0);
        else
            painter.drawLine(0, 0, 0, height() - 1);
    }
};

} // namespace

ScreenOutline::ScreenOutline() {
    for (QWidget*& edge : edges)
        edge = new OutlineEdge;
}

ScreenOutline::~ScreenOutline() {
    for (QWidget* edge : edges)
        delete edge;
}

void ScreenOutline::Show(const QRect& r) {
    if (r.width() < 2 || r.height() < 2)
        return;
    edges[0]->setGeometry(r.left(), r.top(), r.width(), 1);
    edges[1]->setGeometry(r.left(), r.bottom(), r.width(), 1);
    edges[2]->setGeometry(r.left(), r.top() + 1, 1, r.height() - 2);
    edges[3]->setGeometry(r.right(), r.top() + 1, 1, r.height() - 2);
    for (QWidget* edge : edges)
        edge->show();
    shown = true;
}

void ScreenOutline::Hide() {
    for (QWidget* edge : edges)
        edge->hide();
    shown = false;
}

} // namespace mottler
