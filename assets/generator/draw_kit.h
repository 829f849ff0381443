// Small drawing helpers shared by the picture recipes. Every recipe draws in a
// 100 x 100 unit square (y grows downward); the caller scales it to pixels.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>

#include <initializer_list>

namespace kit {

// Pictures are drawn at this many pixels per screen pixel of their design
// size, so that they stay sharp when a screen shows them larger or on a
// high-density display; their resolution (96 dpi per screen pixel) says so.
constexpr int PixelsPerScreenPixel = 4;
// A white picture of width x height screen pixels; painters on it draw in
// screen pixels.
QImage NewPicture(int width, int height);

// The colours a recipe may use: a main fill, a second fill and an accent.
struct Ink {
    QColor fill;
    QColor fill2;
    QColor accent;
};

// A named palette of strong, easily told apart colours.
namespace colour {
inline const QColor Outline(45, 45, 50);
inline const QColor Red(220, 50, 47);
inline const QColor Orange(245, 130, 32);
inline const QColor Yellow(245, 205, 40);
inline const QColor Green(70, 170, 70);
inline const QColor DarkGreen(30, 110, 55);
inline const QColor Teal(20, 160, 160);
inline const QColor Sky(110, 180, 235);
inline const QColor Blue(40, 95, 210);
inline const QColor Navy(30, 45, 120);
inline const QColor Purple(140, 70, 180);
inline const QColor Pink(235, 100, 160);
inline const QColor Brown(140, 90, 50);
inline const QColor Tan(215, 175, 120);
inline const QColor Grey(130, 130, 135);
inline const QColor LightGrey(205, 205, 210);
inline const QColor White(255, 255, 255);
inline const QColor Black(30, 30, 30);
inline const QColor Skin(250, 210, 170);
} // namespace colour

// Outlined filling: a dark rounded outline around `fill`.
void Filled(QPainter& p, const QColor& fill, double outline = 2.2);
// Filling without an outline.
void Plain(QPainter& p, const QColor& fill);
// A stroke only, with round ends.
void Stroke(QPainter& p, const QColor& colour, double width);

// An open path through the points, and the same path closed.
QPainterPath Path(std::initializer_list<QPointF> points);
QPainterPath Polygon(std::initializer_list<QPointF> points);
// A rectangle, with rounded corners of that radius when round > 0.
QPainterPath Rect(double x, double y, double w, double h, double round = 0);
QPainterPath Circle(QPointF centre, double radius);
QPainterPath Star(QPointF centre, double outer, double inner, int points, double turnDegrees = 0);
// An arrow head with its tip at `tip`, pointing along the direction `degrees`
// (0 = right, 90 = down).
QPainterPath ArrowHead(QPointF tip, double degrees, double length, double width);

// Draws `draw` scaled into the square box at (x, y) with side `size`.
template <typename Draw> void InBox(QPainter& p, double x, double y, double size, Draw draw) {
    p.save();
    p.translate(x, y);
    p.scale(size / 100.0, size / 100.0);
    draw(p);
    p.restore();
}

} // namespace kit
