// A surface with a user scale and the form drawing operations (clear, line,
// box, filled circle, point, printed text). What is drawn stays across
// repaints until it is cleared.
#pragma once

#include "shell/controls/focus_frame.h"

#include <QFont>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QWidget>
#include <functional>

// Where printing leaves the current position.
enum class AfterPrint {
    NewLine,    // CurrentY a line down, CurrentX back at the left edge
    StayOnLine, // CurrentX just past the text, CurrentY unchanged
};

class DrawingSurface : public QWidget {
    Q_OBJECT
public:
    DrawingSurface(const QString& name, QWidget* parent);

    // User scale: the top-left corner is (left, top), the bottom-right
    // (right, bottom). Without it the scale is twips.
    void Scale(double left, double top, double right, double bottom);
    double ScaleWidth() const;
    double ScaleHeight() const;

    void Cls();
    void Line(double x1, double y1, double x2, double y2, const QColor& color);
    void Box(double x1, double y1, double x2, double y2, const QColor& color, bool filled);
    // A disc of the given radius (in horizontal units), outline ForeColor-free:
    // filled and outlined in the given colours.
    void Circle(double x, double y, double radius, const QColor& outline, const QColor& fill);
    void PSet(double x, double y, const QColor& color);
    // Prints text in ForeColor with its top-left corner at (CurrentX, CurrentY),
    // then moves the current position as after says.
    void Print(const QString& text, AfterPrint after = AfterPrint::NewLine);
    double TextWidth(const QString& text) const;
    double TextHeight(const QString& text) const;

    double CurrentX = 0;
    double CurrentY = 0;
    int DrawWidth = 1; // in pixels of the design size
    QColor ForeColor = Qt::black;
    void SetFontSize(double points);
    void SetBackColor(const QColor& color);
    QColor BackColor() const { return backColor_; }
    // A single sunken border, as a picture box has by default.
    void SetBorder(bool on);

    // Draws again what the surface shows when it changes size, so that the
    // drawing stays sharp; a screen whose drawing stays up sets it. Without
    // it, a drawing in a user scale is stretched with the surface, so that
    // it stays where its scale puts it.
    std::function<void()> Redraw;

    // The interior rectangle (inside the border), in pixels.
    QRect Interior() const;
    // Maps scale units to pixels of the interior.
    QPointF ToPixels(double x, double y) const;
    double ToPixelsX(double length) const;
    double ToPixelsY(double length) const;
    QPointF FromPixels(const QPointF& pixel) const;

    // Answering with the keyboard: while on, the surface takes the focus, the
    // arrow keys move a pointer over the drawing (with Shift in fine steps)
    // and Space or Enter is a mouse-down at the pointer. The pointer and a
    // focus frame are drawn only once a key has moved or used them, so a
    // mouse user sees the drawing as before. Each time it is switched on the
    // pointer starts in the middle.
    void SetKeyboardPointer(bool on);
    bool KeyboardPointerOn() const { return pointerOn_; }
    QPointF Pointer() const { return pointer_; } // in scale units
    bool PointerShown() const { return pointerOn_ && keyFocus_.Shown(*this); }

    // Makes a surface that answers clicks answer the keyboard too: Tab
    // reaches it (a mouse click leaves the focus where it was), Space or
    // Enter clicks it, and a focus frame shows while keys work it.
    void TakeKeyPresses();
    bool FocusFrameShown() const { return keyFocus_.Shown(*this); }

    // The texts printed since the last Cls, for screen readers.
    struct PrintedText {
        QString text;
        QColor color;
        QRectF area; // in scale units
    };
    const QList<PrintedText>& Printed() const { return printed_; }

Q_SIGNALS:
    void clicked();
    void mouseDown(double x, double y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    // Paints the background layer (a picture box draws its picture here).
    virtual void paintBackground(QPainter&) {}
    QImage& canvas() { return canvas_; }

private:
    friend class DrawingPass;
    // Fits the drawing to the surface's size; true when a drawing there was
    // changed size.
    bool ensureCanvas();
    // Moves the pointer one step for an arrow key; false for any other key.
    bool movePointer(int key, bool fine);
    void paintPointer(QPainter& painter) const;
    QImage canvas_; // what was drawn, transparent where nothing was
    QColor backColor_;
    bool border_ = false;
    bool pointerOn_ = false;
    bool takesKeyPresses_ = false;
    QPointF pointer_;
    KeyboardFocus keyFocus_;
    QList<PrintedText> printed_;
    double left_ = 0, top_ = 0, width_ = 0, height_ = 0; // user scale; width 0 = twips
};

// Draws many dots, lines and outlines with one painter; the surface shows
// them with one repaint when the pass ends. Each call reads the surface's
// scale and DrawWidth as the surface's own drawing methods do, and gives the
// same pixels. Clear or print on the surface only once the pass has ended.
class DrawingPass {
public:
    explicit DrawingPass(DrawingSurface& surface);
    ~DrawingPass();
    DrawingPass(const DrawingPass&) = delete;
    DrawingPass& operator=(const DrawingPass&) = delete;

    void Line(double x1, double y1, double x2, double y2, const QColor& color);
    void Box(double x1, double y1, double x2, double y2, const QColor& color, bool filled);
    void Circle(double x, double y, double radius, const QColor& outline, const QColor& fill);
    void PSet(double x, double y, const QColor& color);

private:
    // The surface's DrawWidth in its pixels now (at least one).
    double penWidth() const;
    QPen pen(const QColor& color) const;
    // The painter on the surface's drawing, begun when first needed.
    QPainter& painter();
    // Fills pixels of the drawing with a translucent colour, blended.
    void fillPixels(const QRect& area, const QColor& color);
    // The drawing's pixels for writing directly, with the painter ended.
    QRgb* pixels();

    DrawingSurface& surface_;
    double designScale_; // pixels per design pixel, read once per pass
    QPainter painter_;
    QRgb* bits_ = nullptr; // the drawing's first pixel once taken, else null
    qsizetype stride_ = 0; // pixels from one row of the drawing to the next
};
