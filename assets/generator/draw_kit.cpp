#include "draw_kit.h"

#include <QPen>

#include <cmath>
#include <numbers>

namespace kit {

QImage NewPicture(int width, int height) {
    QImage image(width * PixelsPerScreenPixel, height * PixelsPerScreenPixel, QImage::Format_RGB32);
    image.setDevicePixelRatio(PixelsPerScreenPixel);
    const int dotsPerMeter = qRound(PixelsPerScreenPixel * 96 / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    return image;
}

void Filled(QPainter& p, const QColor& fill, double outline) {
    p.setBrush(fill);
    p.setPen(QPen(colour::Outline, outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void Plain(QPainter& p, const QColor& fill) {
    p.setBrush(fill);
    p.setPen(Qt::NoPen);
}

void Stroke(QPainter& p, const QColor& colour, double width) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

QPainterPath Path(std::initializer_list<QPointF> points) {
    QPainterPath path;
    bool first = true;
    for (const QPointF& point : points) {
        if (first) {
            path.moveTo(point);
            first = false;
        } else {
            path.lineTo(point);
        }
    }
    return path;
}

QPainterPath Polygon(std::initializer_list<QPointF> points) {
    QPainterPath path = Path(points);
    path.closeSubpath();
    return path;
}

QPainterPath Rect(double x, double y, double w, double h, double round) {
    QPainterPath path;
    if (round > 0) {
        path.addRoundedRect(QRectF(x, y, w, h), round, round);
    } else {
        path.addRect(QRectF(x, y, w, h));
    }
    return path;
}

QPainterPath Circle(QPointF centre, double radius) {
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

QPainterPath Star(QPointF centre, double outer, double inner, int points, double turnDegrees) {
    QPainterPath path;
    for (int i = 0; i < points * 2; ++i) {
        const double radius = i % 2 == 0 ? outer : inner;
        const double angle = (turnDegrees - 90.0 + i * 180.0 / points) * std::numbers::pi / 180.0;
        const QPointF point(centre.x() + radius * std::cos(angle),
                            centre.y() + radius * std::sin(angle));
        if (i == 0) {
            path.moveTo(point);
        } else {
            path.lineTo(point);
        }
    }
    path.closeSubpath();
    return path;
}

QPainterPath ArrowHead(QPointF tip, double degrees, double length, double width) {
    const double a = degrees * std::numbers::pi / 180.0;
    const QPointF back(tip.x() - length * std::cos(a), tip.y() - length * std::sin(a));
    const QPointF side(-std::sin(a) * width / 2, std::cos(a) * width / 2);
    return Polygon({tip, back + side, back - side});
}

} // namespace kit
