#include "shell/controls/drawing_surface.h"

#include "shell/controls/surface_accessible.h"
#include "shell/resizer.h"
#include "shell/twips.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <vector>

DrawingSurface::DrawingSurface(const QString& name, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
    SetBackColor(palette().color(QPalette::Window));
    SurfaceAccessible::Install();
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

// The drawing has one pixel per device pixel, so that it is sharp on a
// high-density display too; painters on it work in the widget's pixels.
bool DrawingSurface::ensureCanvas() {
    const double ratio = devicePixelRatioF();
    const QSize size = (QSizeF(Interior().size().expandedTo(QSize(1, 1))) * ratio).toSize();
    if (canvas_.size() == size && canvas_.devicePixelRatio() == ratio) {
        return false;
    }
    QImage grown(size, QImage::Format_ARGB32_Premultiplied);
    grown.setDevicePixelRatio(ratio);
    grown.fill(Qt::transparent);
    if (!canvas_.isNull()) {
        QPainter painter(&grown);
        if (width_ != 0 && height_ != 0) {
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawImage(QRectF(QPointF(), QSizeF(size) / ratio), canvas_);
        } else {
            painter.drawImage(0, 0, canvas_); // twips stay where they were
        }
    }
    const bool hadDrawing = !canvas_.isNull();
    canvas_ = grown;
    return hadDrawing;
}

void DrawingSurface::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (ensureCanvas() && Redraw) {
        Redraw();
    }
}

void DrawingSurface::Cls() {
    ensureCanvas();
    canvas_.fill(Qt::transparent);
    CurrentX = CurrentY = 0;
    if (!printed_.isEmpty()) {
        printed_.clear();
        SurfaceAccessible::ItemsChanged(this);
    }
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
    printed_.append(
        {text, ForeColor, QRectF(CurrentX, CurrentY, TextWidth(text), TextHeight(text))});
    SurfaceAccessible::ItemsChanged(this);
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
    SetDesignFontSize(this, points);
}

void DrawingSurface::SetBackColor(const QColor& color) {
    backColor_ = color;
    // The paint fills the whole surface with an opaque back colour first:
    // what lies under the surface need not be painted before it.
    setAttribute(Qt::WA_OpaquePaintEvent, color.isValid() && color.alpha() == 255);
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
    if (PointerShown()) {
        paintPointer(painter);
    } else if (FocusFrameShown()) {
        DrawFocusFrame(painter, QRect(QPoint(0, 0), in.size()));
    }
}

void DrawingSurface::TakeKeyPresses() {
    takesKeyPresses_ = true;
    setFocusPolicy(Qt::TabFocus);
}

void DrawingSurface::SetKeyboardPointer(bool on) {
    pointerOn_ = on;
    if (on) {
        const double left = width_ != 0 ? left_ : 0;
        const double top = height_ != 0 ? top_ : 0;
        pointer_ = {left + ScaleWidth() / 2, top + ScaleHeight() / 2};
        setFocusPolicy(Qt::StrongFocus);
        setFocus(Qt::OtherFocusReason);
    } else {
        setFocusPolicy(takesKeyPresses_ ? Qt::TabFocus : Qt::NoFocus);
        keyFocus_.Hide();
    }
    update();
}

bool DrawingSurface::movePointer(int key, bool fine) {
    constexpr double Steps = 40;     // arrow presses across the drawing
    constexpr double FineSteps = 10; // Shift+arrow presses in one step
    const double dx = ScaleWidth() / Steps / (fine ? FineSteps : 1);
    const double dy = ScaleHeight() / Steps / (fine ? FineSteps : 1);
    QPointF move;
    switch (key) {
    case Qt::Key_Left:
        move = {-dx, 0};
        break;
    case Qt::Key_Right:
        move = {dx, 0};
        break;
    case Qt::Key_Up:
        move = {0, -dy};
        break;
    case Qt::Key_Down:
        move = {0, dy};
        break;
    default:
        return false;
    }
    const double left = width_ != 0 ? left_ : 0;
    const double top = height_ != 0 ? top_ : 0;
    pointer_ = {std::clamp(pointer_.x() + move.x(), left, left + ScaleWidth()),
                std::clamp(pointer_.y() + move.y(), top, top + ScaleHeight())};
    return true;
}

void DrawingSurface::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool press = key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    const bool pointerMoved =
        pointerOn_ && !press && movePointer(key, event->modifiers() & Qt::ShiftModifier);
    const bool pressed = press && (pointerOn_ || (plain && takesKeyPresses_));
    if (!pointerMoved && !pressed) {
        QWidget::keyPressEvent(event);
        return;
    }
    keyFocus_.KeyPressed();
    update();
    if (pressed && pointerOn_) {
        Q_EMIT mouseDown(pointer_.x(), pointer_.y());
    } else if (pressed) {
        Q_EMIT clicked();
    }
}

void DrawingSurface::focusInEvent(QFocusEvent* event) {
    keyFocus_.FocusIn(*event);
    update();
    QWidget::focusInEvent(event);
}

void DrawingSurface::focusOutEvent(QFocusEvent* event) {
    keyFocus_.Hide();
    update();
    QWidget::focusOutEvent(event);
}

// A black cross edged in white, so that it shows on every colour, and the
// focus frame round the drawing.
void DrawingSurface::paintPointer(QPainter& painter) const {
    const QRect area(QPoint(0, 0), Interior().size());
    DrawFocusFrame(painter, area);
    const QPointF at = ToPixels(pointer_.x(), pointer_.y());
    const int arm = std::max(8, std::min(area.width(), area.height()) / 30);
    const int band = std::max(5, arm / 3);
    const QPoint centre = at.toPoint();
    const auto drawCross = [&](const QColor& color, int inset) {
        const int half = band / 2 - inset;
        const int reach = arm - inset;
        painter.fillRect(QRect(centre.x() - reach, centre.y() - half, 2 * reach + 1, 2 * half + 1),
                         color);
        painter.fillRect(QRect(centre.x() - half, centre.y() - reach, 2 * half + 1, 2 * reach + 1),
                         color);
    };
    drawCross(Qt::white, 0);
    drawCross(Qt::black, std::max(1, band / 4));
}

void DrawingSurface::mousePressEvent(QMouseEvent* event) {
    QWidget::mousePressEvent(event);
    keyFocus_.Hide();
    update();
    // A press of any button is a mouse-down; only the left one is a click.
    const QPointF at = FromPixels(event->position());
    Q_EMIT mouseDown(at.x(), at.y());
    if (event->button() == Qt::LeftButton) {
        Q_EMIT clicked();
    }
}

DrawingPass::DrawingPass(DrawingSurface& surface)
    : surface_(surface), designScale_(DesignScale(&surface)) {
    surface.ensureCanvas();
}

double DrawingPass::penWidth() const {
    return std::max(1.0, surface_.DrawWidth * designScale_);
}

DrawingPass::~DrawingPass() {
    if (painter_.isActive()) {
        painter_.end();
    }
    surface_.update();
}

QPainter& DrawingPass::painter() {
    if (!painter_.isActive()) {
        bits_ = nullptr; // taken again once the painter has had the drawing
        painter_.begin(&surface_.canvas_);
    }
    return painter_;
}

QRgb* DrawingPass::pixels() {
    if (painter_.isActive()) {
        painter_.end(); // nothing may paint the drawing while it is written directly
    }
    if (bits_ == nullptr) {
        QImage& canvas = surface_.canvas_;
        bits_ = reinterpret_cast<QRgb*>(canvas.bits());
        stride_ = canvas.bytesPerLine() / qsizetype(sizeof(QRgb));
    }
    return bits_;
}

void DrawingPass::fillPixels(const QRect& area, const QColor& color) {
    const double ratio = surface_.canvas_.devicePixelRatio();
    painter().fillRect(QRectF(QPointF(area.topLeft()) / ratio, QSizeF(area.size()) / ratio), color);
}

QPen DrawingPass::pen(const QColor& color) const {
    QPen pen(color, penWidth());
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

// Every call sets the whole painter state it uses, so that what one call
// leaves behind never changes the next.
void DrawingPass::Line(double x1, double y1, double x2, double y2, const QColor& color) {
    QPainter& painter = this->painter();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(pen(color));
    painter.drawLine(surface_.ToPixels(x1, y1), surface_.ToPixels(x2, y2));
}

void DrawingPass::Box(double x1, double y1, double x2, double y2, const QColor& color,
                      bool filled) {
    QPainter& painter = this->painter();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(pen(color));
    painter.setBrush(filled ? QBrush(color) : Qt::NoBrush);
    painter.drawRect(QRectF(surface_.ToPixels(x1, y1), surface_.ToPixels(x2, y2)).normalized());
}

void DrawingPass::Circle(double x, double y, double radius, const QColor& outline,
                         const QColor& fill) {
    QPainter& painter = this->painter();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QPointF centre = surface_.ToPixels(x, y);
    const double r = surface_.ToPixelsX(radius);
    const double width = penWidth();
    if (fill.isValid()) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(fill);
        painter.drawEllipse(centre, r, r);
    }
    // A wide outline as circles at most a pixel wide side by side: the same
    // ring, drawn several times faster than one wide stroke of a large circle.
    const int strokes = std::max(1, static_cast<int>(std::lround(width)));
    const double step = width / strokes;
    QPen thin = pen(outline);
    thin.setWidthF(step);
    painter.setPen(thin);
    painter.setBrush(Qt::NoBrush);
    for (int k = 0; k < strokes; ++k) {
        const double at = r - width / 2 + (k + 0.5) * step;
        painter.drawEllipse(centre, at, at);
    }
}

namespace {

// Rows of a dot `width` pixels across with the same columns inside its disc,
// counted from the dot's top-left corner.
struct DotRun {
    int row;
    int rows;
    int from;
    int to;
};

std::vector<DotRun> MakeDotRuns(int width) {
    const double centre = (width - 1) / 2.0;
    std::vector<DotRun> runs;
    for (int row = 0; row < width; ++row) {
        const double dy = row - centre;
        const double half = std::sqrt(std::max(0.0, width * width / 4.0 - dy * dy));
        const int from = static_cast<int>(std::ceil(centre - half - 1e-9));
        const int to = static_cast<int>(std::floor(centre + half + 1e-9));
        if (!runs.empty() && runs.back().from == from && runs.back().to == to) {
            ++runs.back().rows;
        } else {
            runs.push_back({row, 1, from, to});
        }
    }
    return runs;
}

// A busy set draws thousands of dots of a few widths: each width's runs are
// worked out once.
const std::vector<DotRun>& DotRuns(int width) {
    constexpr int MostKept = 64;
    static std::vector<DotRun> kept[MostKept + 1];
    static std::vector<DotRun> wider;
    if (width > MostKept) {
        wider = MakeDotRuns(width);
        return wider;
    }
    if (kept[width].empty()) {
        kept[width] = MakeDotRuns(width);
    }
    return kept[width];
}

} // namespace

void DrawingPass::PSet(double x, double y, const QColor& color) {
    // A dot is a disc DrawWidth pixels across (scaled with the form, in
    // device pixels) around the pixel holding the point, filled row by row:
    // far cheaper than stroking a wide point.
    QImage& canvas = surface_.canvas_;
    const double ratio = canvas.devicePixelRatio();
    const int width = std::max(1, static_cast<int>(std::lround(penWidth() * ratio)));
    const QPointF at = surface_.ToPixels(x, y) * ratio;
    const int first = -(width - 1) / 2;
    const int left = static_cast<int>(std::floor(at.x())) + first;
    const int top = static_cast<int>(std::floor(at.y())) + first;
    const std::vector<DotRun>& runs = DotRuns(width);
    if (color.alpha() != 255) {
        for (const DotRun& run : runs) {
            fillPixels(QRect(left + run.from, top + run.row, run.to - run.from + 1, run.rows),
                       color);
        }
        return;
    }
    // An opaque dot is written straight into the drawing, clipped to it: a
    // busy set has thousands of them.
    QRgb* const bits = pixels();
    const QRgb pixel = color.rgba(); // opaque: the same premultiplied
    const int right = canvas.width() - 1;
    const int bottom = canvas.height() - 1;
    for (const DotRun& run : runs) {
        const int from = std::max(0, left + run.from);
        const int to = std::min(right, left + run.to);
        const int rowFrom = std::max(0, top + run.row);
        const int rowTo = std::min(bottom, top + run.row + run.rows - 1);
        for (int row = rowFrom; from <= to && row <= rowTo; ++row) {
            QRgb* const line = bits + row * stride_;
            std::fill(line + from, line + to + 1, pixel);
        }
    }
}
