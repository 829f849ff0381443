#include "shell/controls/shapes.h"

#include "shell/resizer.h"
#include "shell/twips.h"

#include <QPainter>

ShapeControl::ShapeControl(const QString& name, QWidget* parent, Kind kind)
    : QWidget(parent), Shape(kind) {
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double borderWidth = BorderWidth * DesignScale(this);
    painter.setPen(QPen(BorderColor, borderWidth));
    painter.setBrush(FillColor.isValid() ? QBrush(FillColor) : Qt::NoBrush);
    const double inset = borderWidth / 2.0;
    QRectF area = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
    if (Shape == Square || Shape == Circle) {
        const double side = std::min(area.width(), area.height());
        area = QRectF(area.center().x() - side / 2, area.center().y() - side / 2, side, side);
    }
    switch (Shape) {
    case Oval:
    case Circle:
        painter.drawEllipse(area);
        break;
    case RoundedRectangle:
        painter.drawRoundedRect(area, 8, 8);
        break;
    default:
        painter.drawRect(area);
    }
}

LineControl::LineControl(const QString& name, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineControl::SetEnds(double x1, double y1, double x2, double y2) {
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    const int margin = BorderWidth + 1;
    QRect box = QRect(QPoint(Twips(std::min(x1, x2)), Twips(std::min(y1, y2))),
                      QPoint(Twips(std::max(x1, x2)), Twips(std::max(y1, y2))));
    designBox_ = box.adjusted(-margin, -margin, margin, margin);
    PlaceInDesign(this, designBox_);
    update();
}

void LineControl::paintEvent(QPaintEvent*) {
    if (designBox_.isEmpty()) {
        return;
    }
    QPainter painter(this);
    // The ends in the control's own pixels: its design box stretched to
    // wherever the form's scaler has put the control.
    const double xScale = double(width()) / designBox_.width();
    const double yScale = double(height()) / designBox_.height();
    const auto local = [&](double x, double y) {
        const QPointF inBox = QPointF(Twips(x), Twips(y)) - designBox_.topLeft();
        return QPointF(inBox.x() * xScale, inBox.y() * yScale);
    };
    painter.setPen(QPen(BorderColor, BorderWidth * DesignScale(this)));
    painter.drawLine(local(x1_, y1_), local(x2_, y2_));
}
