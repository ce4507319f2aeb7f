#include "widgets/ui/partsprogressbar.h"

#include "palette/colourmaths.h"

#include <QPainter>
#include <algorithm>

namespace mottler {
namespace {

/// Draws the four edges of a one-pixel frame on the border of `r`.
void DrawEdges(QPainter& painter, const QRect& r, const QColor& topLeft,
               const QColor& bottomRight) {
    painter.fillRect(r.left(), r.top(), r.width() - 1, 1, topLeft);
    painter.fillRect(r.left(), r.top(), 1, r.height() - 1, topLeft);
    painter.fillRect(r.left(), r.bottom(), r.width(), 1, bottomRight);
    painter.fillRect(r.right(), r.top(), 1, r.height(), bottomRight);
}

/// Draws `text` clipped to `area`, centred horizontally in `interior` and placed
/// (interior height − text height) div 2 below its top.
void DrawCaption(QPainter& painter, const QRect& interior, const QRect& area, const QString& text,
                 const QColor& colour) {
    if (text.isEmpty())
        return;
    const QFontMetrics metrics = painter.fontMetrics();
    const int x = interior.left() + (interior.width() - metrics.horizontalAdvance(text)) / 2;
    const int y = interior.top() + (interior.height() - metrics.height()) / 2;
    painter.save();
    painter.setClipRect(area);
    painter.setPen(colour);
    painter.drawText(x, y + metrics.ascent(), text);
    painter.restore();
}

/// Black or white, whichever reads on the fill.
QColor CaptionColourOn(const QColor& fill) {
    const PackedColour text = TextColourOn(PackRgb(fill.red(), fill.green(), fill.blue()));
    return QColor(RedOf(text), GreenOf(text), BlueOf(text));
}

} // namespace

PartsProgressBar::PartsProgressBar(QWidget* parent)
    : QWidget(parent), barColour(palette().color(QPalette::Highlight)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(sizeHint());
}

template <typename T> void PartsProgressBar::Store(T& field, const T& value) {
    if (field == value)
        return;
    field = value;
    update();
}

void PartsProgressBar::SetTotalParts(int parts) {
    if (parts == progress.Total)
        return;
    const int oldPercent = progress.Percent;
    progress.SetTotal(parts);
    RepaintAndAnnounce(oldPercent);
}

void PartsProgressBar::SetPartsComplete(int parts) {
    const int oldComplete = progress.Complete;
    const int oldPercent = progress.Percent;
    progress.SetComplete(parts);
    if (progress.Complete != oldComplete)
        RepaintAndAnnounce(oldPercent);
}

void PartsProgressBar::RepaintAndAnnounce(int oldPercent) {
    update();
    if (progress.Percent != oldPercent)
        Q_EMIT Changed(progress.Percent);
}

void PartsProgressBar::SetShowPercent(bool on) {
    Store(showPercent, on);
}

void PartsProgressBar::SetText(const QString& text) {
    if (text == caption)
        return;
    caption = text;
    updateGeometry(); // a longer caption asks for a wider bar
    update();
}

QSize PartsProgressBar::minimumSizeHint() const {
    const QFontMetrics metrics = fontMetrics();
    const int frame = 2 * (borderWidth + interiorOffset + 2);
    const int text = std::max(metrics.horizontalAdvance(caption),
                              metrics.horizontalAdvance(QStringLiteral("100%")));
    return {text + frame + metrics.averageCharWidth() * 2, metrics.height() + frame};
}

QSize PartsProgressBar::sizeHint() const {
    const QSize least = minimumSizeHint();
    return {std::max(100, least.width()), std::max(24, least.height())};
}

void PartsProgressBar::SetBackColour(const QColor& colour) {
    Store(backColour, colour);
}

void PartsProgressBar::SetBarColour(const QColor& colour) {
    Store(barColour, colour);
}

void PartsProgressBar::SetBorderStyle(TBorderStyle style) {
    if (style == borderStyle)
        return;
    if (style == bsStatusControl && borderWidth == 0)
        borderWidth = 2;
    else if (borderStyle == bsStatusControl && borderWidth == 2)
        borderWidth = 0;
    borderStyle = style;
    update();
}

void PartsProgressBar::SetInteriorOffset(int width) {
    Store(interiorOffset, std::clamp(width, 0, 255));
}

void PartsProgressBar::SetOrientation(Qt::Orientation direction) {
    Store(orientation, direction);
}

void PartsProgressBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // The whole control is painted, so the margins show the control's own colour.
    painter.fillRect(rect(), palette().color(QPalette::Window));
    QRect interior = DrawFrame(painter);
    if (interiorOffset > 0) {
        const QRect inner =
            interior.adjusted(interiorOffset, interiorOffset, -interiorOffset, -interiorOffset);
        // The ring between the frame and the bar in the control's own colour.
        painter.save();
        painter.setClipRegion(QRegion(interior).subtracted(QRegion(inner)));
        painter.fillRect(interior, palette().color(QPalette::Window));
        painter.restore();
        interior = inner;
    }
    if (interior.width() > 0 && interior.height() > 0)
        DrawBar(painter, interior);
}

QRect PartsProgressBar::DrawFrame(QPainter& painter) const {
    const QRect outer = rect().adjusted(borderWidth, borderWidth, -borderWidth, -borderWidth);
    if (outer.width() <= 0 || outer.height() <= 0)
        return {};
    const QPalette& colours = palette();
    int inset = 1;
    switch (borderStyle) {
    case bsFlat:
        DrawEdges(painter, outer, colours.color(QPalette::WindowText),
                  colours.color(QPalette::WindowText));
        break;
    case bsCtl3D: {
        DrawEdges(painter, outer, colours.color(QPalette::Dark), colours.color(QPalette::Light));
        const QRect inner = outer.adjusted(1, 1, -1, -1);
        if (inner.width() > 0 && inner.height() > 0)
            DrawEdges(painter, inner, colours.color(QPalette::Shadow),
                      colours.color(QPalette::Button));
        inset = 2;
        break;
    }
    case bsStatusControl:
        DrawEdges(painter, outer, colours.color(QPalette::Mid), colours.color(QPalette::Mid));
        break;
    }
    return outer.adjusted(inset, inset, -inset, -inset);
}

void PartsProgressBar::DrawBar(QPainter& painter, const QRect& interior) const {
    QRect filled = interior;
    QRect rest = interior;
    if (orientation == Qt::Horizontal) {
        const int length = FillLength(interior.width(), progress.Percent);
        filled.setWidth(length);
        rest.setLeft(interior.left() + length);
    } else {
        const int length = FillLength(interior.height(), progress.Percent);
        filled.setTop(interior.bottom() + 1 - length);
        rest.setBottom(interior.bottom() - length);
    }
    const QString text = showPercent ? QStringLiteral("%1%").arg(progress.Percent) : caption;
    painter.setFont(font());
    if (!filled.isEmpty()) {
        painter.fillRect(filled, barColour);
        DrawCaption(painter, interior, filled, text, CaptionColourOn(barColour));
    }
    if (!rest.isEmpty()) {
        painter.fillRect(rest, backColour);
        DrawCaption(painter, interior, rest, text, CaptionColourOn(backColour));
    }
}

} // namespace mottler
