#include "picker/ui/swatchstrip.h"

#include "palette/colourtext.h"

#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

namespace mottler {
namespace {

constexpr PackedColour White = 0xFFFFFF;

} // namespace

SwatchStrip::SwatchStrip(QWidget* parent)
    : QWidget(parent), pitch(std::max(13, fontMetrics().height() * 3 / 4)) {
    colours.fill(White);
    setFixedSize(sizeHint());
}

void SwatchStrip::SetColours(const SchemeColours& newColours) {
    colours = newColours;
    hinted.fill(true);
    update();
}

void SwatchStrip::SetSwatch(int index, PackedColour colour) {
    if (index < 0 || index >= Count)
        return;
    colours[index] = colour;
    hinted[index] = true;
    update();
}

void SwatchStrip::ClearAll() {
    colours.fill(White);
    hinted.fill(false);
    update();
}

QString SwatchStrip::Hint(int index) const {
    if (index < 0 || index >= Count || !hinted[index])
        return {};
    return QLatin1Char('#') + ColourToHex(colours[index]) + QStringLiteral("\r\n") +
           DecimalTextOf(colours[index]);
}

QRect SwatchStrip::SwatchRect(int index) const {
    return QRect(1 + pitch * index, 2, pitch - 2, pitch - 2);
}

int SwatchStrip::SwatchAt(QPoint point) const {
    for (int i = 0; i < Count; ++i)
        if (SwatchRect(i).contains(point))
            return i;
    return -1;
}

bool SwatchStrip::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QString hint = Hint(SwatchAt(help->pos()));
        if (hint.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), QString(hint).replace("\r\n", "\n"), this);
        return true;
    }
    return QWidget::event(event);
}

void SwatchStrip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QPen outline(palette().color(QPalette::Dark));
    outline.setCosmetic(true); // one device pixel at any scale, just outside the swatch
    painter.setPen(outline);
    for (int i = 0; i < Count; ++i) {
        const QRect r = SwatchRect(i);
        painter.fillRect(r, QColor(RedOf(colours[i]), GreenOf(colours[i]), BlueOf(colours[i])));
        painter.drawRect(QRectF(r).adjusted(-0.5, -0.5, 0.5, 0.5));
    }
}

void SwatchStrip::mousePressEvent(QMouseEvent* event) {
    const int index = SwatchAt(event->position().toPoint());
    if (index >= 0 && event->button() == Qt::LeftButton)
        Q_EMIT SwatchClicked(index);
}

void SwatchStrip::contextMenuEvent(QContextMenuEvent* event) {
    const int index = SwatchAt(event->pos());
    if (index >= 0)
        Q_EMIT MenuRequested(index, event->globalPos());
}

} // namespace mottler
