#include "engine/shapes.h"

#include "base/errors.h"
#include "base/imagememory.h"
#include "base/memoryprobe.h"
#include "engine/engine.h"
#include "engine/random.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace mottler {
namespace {

QColor RandomColour() {
    const auto blue = static_cast<int>(RandomInt(256));
    const auto green = static_cast<int>(RandomInt(256));
    const auto red = static_cast<int>(RandomInt(256));
    return QColor(red, green, blue);
}

QPoint RandomPoint(int width, int height) {
    const auto y = static_cast<int>(RandomInt(static_cast<std::uint32_t>(height)));
    const auto x = static_cast<int>(RandomInt(static_cast<std::uint32_t>(width)));
    return {x, y};
}

int PointsOfKind(int kind) {
    switch (kind) {
    case 5:
    case 6:
    case 8:
        return 2;
    case 7:
    case 9:
        return 3;
    default:
        return 4;
    }
}

// The box between two corners, the way GDI takes it: right and bottom edges excluded.
QRect BoxOf(QPoint p1, QPoint p2) {
    const int left = std::min(p1.x(), p2.x()), right = std::max(p1.x(), p2.x());
    const int top = std::min(p1.y(), p2.y()), bottom = std::max(p1.y(), p2.y());
    return {left, top, std::max(right - left - 1, 0), std::max(bottom - top - 1, 0)};
}

// Angle (degrees, counter-clockwise from 3 o'clock, y up) of the radial through p.
double RadialAngle(const QRect& box, QPoint p) {
    const QPointF c = QRectF(box).center();
    return std::atan2(c.y() - p.y(), p.x() - c.x()) * 180.0 / std::numbers::pi;
}

// Arc, chord and pie run counter-clockwise from the radial through p3 to the one through p4.
void DrawArcShape(QPainter& painter, int kind, const QPoint* p) {
    const QRect box = BoxOf(p[0], p[1]);
    const double startAngle = RadialAngle(box, p[2]);
    double span = RadialAngle(box, p[3]) - startAngle;
    while (span <= 0.0)
        span += 360.0;
    const int a = static_cast<int>(std::nearbyint(startAngle * 16.0));
    const int s = static_cast<int>(std::nearbyint(span * 16.0));
    if (kind == 0)
        painter.drawArc(box, a, s);
    else if (kind == 1)
        painter.drawChord(box, a, s);
    else
        painter.drawPie(box, a, s);
}

void DrawShape(QPainter& painter, int kind, const QPoint* p) {
    switch (kind) {
    case 0:
    case 1:
    case 2:
        DrawArcShape(painter, kind, p);
        break;
    case 3:
        painter.drawPolyline(p, 4);
        break;
    case 4:
        painter.drawPolygon(p, 4);
        break;
    case 5:
        painter.drawEllipse(BoxOf(p[0], p[1]));
        break;
    case 6:
        painter.drawRect(BoxOf(p[0], p[1]));
        break;
    case 7: {
        const QRect box = BoxOf(p[0], p[1]);
        painter.drawRoundedRect(box, p[2].x() / 2.0, p[2].y() / 2.0, Qt::AbsoluteSize);
        break;
    }
    case 8:
        painter.drawLine(p[0], p[1]);
        break;
    case 9:
        painter.drawPolygon(p, 3);
        break;
    default:
        break;
    }
}

void FillWithNoise(QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const auto red = static_cast<int>(RandomInt(256));
            const auto green = static_cast<int>(RandomInt(256));
            const auto blue = static_cast<int>(RandomInt(256));
            row[x] = qRgb(red, green, blue);
        }
    }
}

void DrawOneShape(QPainter& painter, int width, int height, const ShapeTuning& tuning) {
    int kind = tuning.WhichShape;
    if (kind == -1)
        kind = static_cast<int>(RandomInt(10));
    painter.setPen(QPen(RandomColour(), 1));
    const auto t = static_cast<int>(RandomInt(static_cast<std::uint32_t>(tuning.ClearRange)));
    if (tuning.ClearThreshold > t)
        painter.setBrush(Qt::NoBrush);
    else
        painter.setBrush(RandomColour());
    if (kind < 0 || kind > 9)
        return;
    QPoint points[4];
    for (int i = 0; i < PointsOfKind(kind); ++i)
        points[i] = RandomPoint(width, height);
    DrawShape(painter, kind, points);
}

} // namespace

QImage DrawShapesPicture(int width, int height, bool withNoise, const ShapeTuning& tuning) {
    // The picture is drawn at 4 bytes a pixel and converted to 3, beside the texture's
    // fields: a size whose fields just fit may leave no room for it.
    const double bytes = double(width) * double(height) * (4.0 + 3.0);
    if (!FitsAvailableMemory(static_cast<std::uint64_t>(bytes)))
        throw MottlerError(QCoreApplication::translate("mottler::Engine", NotEnoughMemoryMessage));
    QImage image = NewImage(width, height, QImage::Format_RGB32);
    const QColor background = RandomInt(2) == 0 ? Qt::white : Qt::black;
    image.fill(background);
    if (withNoise)
        FillWithNoise(image);

    const int count = static_cast<int>(RandomInt(static_cast<std::uint32_t>(tuning.ExtraShapes))) +
                      tuning.MinShapes;
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (int i = 0; i < count; ++i)
        DrawOneShape(painter, width, height, tuning);
    painter.end();
    QImage picture = image.convertToFormat(QImage::Format_RGB888);
    if (picture.isNull())
        throw MottlerError(QCoreApplication::translate("mottler::Engine", NotEnoughMemoryMessage));
    return picture;
}

} // namespace mottler
