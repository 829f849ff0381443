#include "shell/controls/drawing_surface.h"

#include "shell/twips.h"

#include <QMouseEvent>
#include <QPainter>

DrawingSurface::DrawingSurface(const QString& name, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
    backColor_ = palette().color(QPalette::Window);
}

void DrawingSurface::Scale(double left, double top, double right, double bottom) {
    left_ = left;
    top_ = top;
    width_ = right - left;
    height_ = bottom - top;
}

QRect DrawingSurface::Interior() const {
    return border_ ? rect().adjusted(2, 2, -2, -2) : rect();
}

double DrawingSurface::ScaleWidth() const {
    return width_ != 0 ? width_ : PixelsToTwips(Interior().width());
}

double DrawingSurface::ScaleHeight() const {
    return height_ != 0 ? height_ : PixelsToTwips(Interior().height());
}

double DrawingSurface::ToPixelsX(double length) const {
    return length * Interior().width() / ScaleWidth();
}

double DrawingSurface::ToPixelsY(double length) const {
    return length * Interior().height() / ScaleHeight();
}

QPointF DrawingSurface::ToPixels(double x, double y) const {
    const double left = width_ != 0 ? left_ : 0;
    const double top = height_ != 0 ? top_ : 0;
    return {ToPixelsX(x - left), ToPixelsY(y - top)};
}

QPointF DrawingSurface::FromPixels(const QPointF& pixel) const {
    const QRect in = Interior();
    const double left = width_ != 0 ? left_ : 0;
    const double top = height_ != 0 ? top_ : 0;
    return {left + (pixel.x() - in.left()) * ScaleWidth() / in.width(),
            top + (pixel.y() - in.top()) * ScaleHeight() / in.height()};
}

void DrawingSurface::ensureCanvas() {
    const QSize size = Interior().size().expandedTo(QSize(1, 1));
    if (canvas_.size() == size) {
        return;
    }
    QImage grown(size, QImage::Format_ARGB32_Premultiplied);
    grown.fill(Qt::transparent);
    if (!canvas_.isNull()) {
        QPainter(&grown).drawImage(0, 0, canvas_);
    }
    canvas_ = grown;
}

void DrawingSurface::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ensureCanvas();
}

void DrawingSurface::Cls() {
    ensureCanvas();
    canvas_.fill(Qt::transparent);
    CurrentX = CurrentY = 0;
    update();
}

void DrawingSurface::Line(double x1, double y1, double x2, double y2, const QColor& color) {
    DrawingPass(*this).Line(x1, y1, x2, y2, color);
}

void DrawingSurface::Box(double x1, double y1, double x2, double y2, const QColor& color,
                         bool filled) {
    DrawingPass(*this).Box(x1, y1, x2, y2, color, filled);
}

void DrawingSurface::Circle(double x, double y, double radius, const QColor& outline,
                            const QColor& fill) {
    DrawingPass(*this).Circle(x, y, radius, outline, fill);
}

void DrawingSurface::PSet(double x, double y, const QColor& color) {
    DrawingPass(*this).PSet(x, y, color);
}

void DrawingSurface::Print(const QString& text, AfterPrint after) {
    ensureCanvas();
    QPainter painter(&canvas_);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font());
    painter.setPen(ForeColor);
    const QPointF topLeft = ToPixels(CurrentX, CurrentY);
    painter.drawText(QRectF(topLeft, QSizeF(canvas_.width(), canvas_.height())),
                     Qt::AlignLeft | Qt::AlignTop, text);
    if (after == AfterPrint::StayOnLine) {
        CurrentX += TextWidth(text);
    } else {
        CurrentY += TextHeight(text);
        CurrentX = width_ != 0 ? left_ : 0;
    }
    update();
}

double DrawingSurface::TextWidth(const QString& text) const {
    return fontMetrics().horizontalAdvance(text) * ScaleWidth() / Interior().width();
}

double DrawingSurface::TextHeight(const QString&) const {
    return fontMetrics().height() * ScaleHeight() / Interior().height();
}

void DrawingSurface::SetFontSize(double points) {
    QFont f = font();
    f.setPointSizeF(points);
    setFont(f);
}

void DrawingSurface::SetBackColor(const QColor& color) {
    backColor_ = color;
    update();
}

void DrawingSurface::SetBorder(bool on) {
    border_ = on;
    ensureCanvas();
    update();
}

void DrawingSurface::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), backColor_);
    if (border_) {
        painter.setPen(QPen(palette().color(QPalette::Dark), 1));
        painter.drawLine(0, 0, width() - 1, 0);
        painter.drawLine(0, 0, 0, height() - 1);
        painter.setPen(QPen(palette().color(QPalette::Light), 1));
        painter.drawLine(0, height() - 1, width() - 1, height() - 1);
        painter.drawLine(width() - 1, 0, width() - 1, height() - 1);
        painter.setPen(QPen(Qt::black, 1));
        painter.drawRect(1, 1, width() - 3, height() - 3);
    }
    const QRect in = Interior();
    painter.setClipRect(in);
    painter.translate(in.topLeft());
    paintBackground(painter);
    painter.drawImage(0, 0, canvas_);
}

void DrawingSurface::mousePressEvent(QMouseEvent* event) {
    QWidget::mousePressEvent(event);
    if (event->button() == Qt::LeftButton) {
        const QPointF at = FromPixels(event->position());
        Q_EMIT mouseDown(at.x(), at.y());
        Q_EMIT clicked();
    }
}

DrawingPass::DrawingPass(DrawingSurface& surface) : surface_(surface) {
    surface.ensureCanvas();
    painter_.begin(&surface.canvas_);
}

DrawingPass::~DrawingPass() {
    painter_.end();
    surface_.update();
}

QPen DrawingPass::pen(const QColor& color) const {
    QPen pen(color, surface_.DrawWidth < 1 ? 1 : surface_.DrawWidth);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

// Every call sets the whole painter state it uses, so that what one call
// leaves behind never changes the next.
void DrawingPass::Line(double x1, double y1, double x2, double y2, const QColor& color) {
    painter_.setRenderHint(QPainter::Antialiasing, true);
    painter_.setPen(pen(color));
    painter_.drawLine(surface_.ToPixels(x1, y1), surface_.ToPixels(x2, y2));
}

void DrawingPass::Box(double x1, double y1, double x2, double y2, const QColor& color,
                      bool filled) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setPen(pen(color));
    painter_.setBrush(filled ? QBrush(color) : Qt::NoBrush);
    painter_.drawRect(QRectF(surface_.ToPixels(x1, y1), surface_.ToPixels(x2, y2)).normalized());
}

void DrawingPass::Circle(double x, double y, double radius, const QColor& outline,
                         const QColor& fill) {
    painter_.setRenderHint(QPainter::Antialiasing, true);
    painter_.setPen(pen(outline));
    painter_.setBrush(fill.isValid() ? QBrush(fill) : Qt::NoBrush);
    const double r = surface_.ToPixelsX(radius);
    painter_.drawEllipse(surface_.ToPixels(x, y), r, r);
}

void DrawingPass::PSet(double x, double y, const QColor& color) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setPen(pen(color));
    painter_.drawPoint(surface_.ToPixels(x, y));
}
