#include "objects.h"

#include <QFont>

#include <cmath>
#include <numbers>

using namespace kit;
namespace c = kit::colour;

namespace {

// Runs `draw` with the painter turned by `degrees` about (cx, cy), the
// origin moved there.
template <typename Draw> void Turned(QPainter& p, double cx, double cy, double degrees, Draw draw) {
    p.save();
    p.translate(cx, cy);
    p.rotate(degrees);
    draw();
    p.restore();
}

void Line(QPainter& p, QPointF a, QPointF b, const QColor& colour, double width) {
    Stroke(p, colour, width);
    p.drawLine(a, b);
}

QPainterPath Ellipse(QPointF centre, double rx, double ry) {
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return path;
}

void Key(QPainter& p, const Ink& k) {
    QPainterPath key = Rect(36, 40, 52, 9, 2);
    key.addRect(QRectF(66, 46, 6, 15));
    key.addRect(QRectF(78, 46, 6, 10));
    key = key.simplified().united(Circle({26, 44}, 17)).subtracted(Circle({21, 44}, 6));
    Filled(p, k.fill);
    p.drawPath(key);
}

void Flag(QPainter& p, const Ink& k) {
    Filled(p, c::DarkGreen);
    p.drawPath(Ellipse({30, 90}, 20, 5));
    Filled(p, c::Brown);
    p.drawPath(Rect(20, 10, 6, 80, 1));
    Filled(p, k.accent);
    p.drawPath(Circle({23, 9}, 4.5));
    QPainterPath cloth;
    cloth.moveTo(26, 14);
    cloth.cubicTo(44, 6, 62, 22, 86, 14);
    cloth.lineTo(86, 50);
    cloth.cubicTo(62, 58, 44, 42, 26, 50);
    cloth.closeSubpath();
    Filled(p, k.fill);
    p.drawPath(cloth);
    Filled(p, k.fill2, 1.5);
    p.drawPath(Star({54, 32}, 11, 4.5, 5, 8));
}

void Boot(QPainter& p, const Ink& k) {
    QPainterPath boot;
    boot.moveTo(30, 10);
    boot.lineTo(60, 10);
    boot.lineTo(60, 56);
    boot.cubicTo(74, 60, 92, 64, 92, 80);
    boot.lineTo(92, 86);
    boot.lineTo(26, 86);
    boot.lineTo(26, 40);
    boot.closeSubpath();
    Filled(p, k.fill);
    p.drawPath(boot);
    Filled(p, k.fill2);
    p.drawPath(Rect(24, 84, 70, 7, 2));
    p.drawPath(Rect(27, 10, 36, 8, 2));
    Line(p, {48, 30}, {58, 30}, c::White, 2);
    Line(p, {48, 40}, {58, 40}, c::White, 2);
    Line(p, {48, 50}, {58, 50}, c::White, 2);
}

void Teapot(QPainter& p, const Ink& k) {
    Stroke(p, k.fill, 6);
    p.drawPath(Ellipse({24, 58}, 10, 13));
    QPainterPath spout = Polygon({{72, 58}, {90, 34}, {97, 36}, {80, 74}});
    Filled(p, k.fill);
    p.drawPath(spout);
    p.drawPath(Ellipse({52, 62}, 27, 21));
    Filled(p, k.fill2);
    p.drawPath(Rect(36, 80, 32, 6, 2));
    p.drawPath(Ellipse({52, 42}, 14, 5));
    p.drawPath(Circle({52, 34}, 4.5));
    Filled(p, k.accent, 1.5);
    p.drawPath(Circle({46, 62}, 5));
    p.drawPath(Circle({60, 66}, 4));
}

void Hammer(QPainter& p, const Ink& k) {
    Turned(p, 50, 52, 28, [&] {
        Filled(p, k.fill2);
        p.drawPath(Rect(-5, -20, 10, 62, 3));
        QPainterPath head = Rect(-26, -34, 30, 16, 2);
        head.addPath(Polygon({{2, -34}, {30, -44}, {26, -30}, {2, -18}}));
        Filled(p, k.fill);
        p.drawPath(head.simplified());
    });
}

void Umbrella(QPainter& p, const Ink& k) {
    Turned(p, 50, 50, -14, [&] {
        Line(p, {0, -6}, {0, 34}, c::Outline, 4);
        QPainterPath hook;
        hook.moveTo(0, 34);
        hook.cubicTo(0, 46, 14, 46, 14, 36);
        Stroke(p, c::Outline, 4);
        p.drawPath(hook);
        QPainterPath canopy;
        canopy.moveTo(-38, -4);
        canopy.cubicTo(-36, -44, 36, -44, 38, -4);
        for (int i = 0; i < 3; ++i) {
            const double x = 38 - i * 25.33;
            canopy.cubicTo(x - 6, -12, x - 19, -12, x - 25.33, -4);
        }
        canopy.closeSubpath();
        Filled(p, k.fill);
        p.drawPath(canopy);
        QPainterPath stripe;
        stripe.moveTo(0, -34);
        stripe.cubicTo(-10, -24, -14, -12, -12.7, -6);
        stripe.cubicTo(-6, -12, 6, -12, 12.7, -6);
        stripe.cubicTo(14, -12, 10, -24, 0, -34);
        Filled(p, k.fill2, 1.5);
        p.drawPath(stripe);
        Line(p, {0, -34}, {0, -42}, c::Outline, 3);
    });
}

void Bird(QPainter& p, const Ink& k) {
    Line(p, {44, 74}, {40, 90}, c::Orange, 3);
    Line(p, {56, 74}, {58, 90}, c::Orange, 3);
    Line(p, {34, 90}, {46, 90}, c::Orange, 3);
    Line(p, {52, 90}, {64, 90}, c::Orange, 3);
    Filled(p, k.fill);
    p.drawPath(Polygon({{24, 56}, {4, 44}, {8, 68}}));
    p.drawPath(Ellipse({46, 58}, 26, 18));
    p.drawPath(Circle({70, 38}, 13));
    Filled(p, c::Orange);
    p.drawPath(Polygon({{81, 34}, {96, 40}, {81, 45}}));
    Filled(p, k.fill2);
    QPainterPath wing;
    wing.moveTo(30, 52);
    wing.cubicTo(40, 40, 58, 46, 56, 58);
    wing.cubicTo(48, 68, 36, 64, 30, 52);
    p.drawPath(wing);
    Plain(p, c::Black);
    p.drawPath(Circle({73, 35}, 2.6));
}

void Fish(QPainter& p, const Ink& k) {
    Filled(p, k.fill2);
    p.drawPath(Polygon({{26, 50}, {6, 32}, {11, 50}, {6, 68}}));
    p.drawPath(Polygon({{42, 33}, {56, 16}, {64, 33}}));
    p.drawPath(Polygon({{52, 66}, {58, 78}, {64, 66}}));
    QPainterPath body;
    body.moveTo(88, 50);
    body.cubicTo(72, 24, 36, 26, 22, 50);
    body.cubicTo(36, 72, 72, 72, 88, 50);
    Filled(p, k.fill);
    p.drawPath(body);
    Stroke(p, k.fill2, 3);
    p.drawArc(QRectF(36, 36, 16, 28), -70 * 16, 140 * 16);
    p.drawArc(QRectF(48, 36, 16, 28), -70 * 16, 140 * 16);
    Filled(p, c::White, 1.5);
    p.drawPath(Circle({75, 46}, 4));
    Plain(p, c::Black);
    p.drawPath(Circle({76, 46}, 2));
    Stroke(p, c::Sky, 1.8);
    p.drawPath(Circle({90, 28}, 3));
    p.drawPath(Circle({94, 16}, 2.2));
}

void House(QPainter& p, const Ink& k) {
    Filled(p, c::Brown);
    p.drawPath(Rect(62, 20, 9, 20));
    Filled(p, k.fill);
    p.drawPath(Rect(24, 46, 52, 40));
    Filled(p, k.fill2);
    p.drawPath(Polygon({{16, 48}, {50, 18}, {84, 48}}));
    Filled(p, c::Brown);
    p.drawPath(Rect(31, 60, 14, 26));
    Filled(p, c::Sky);
    p.drawPath(Rect(55, 56, 14, 13));
    Line(p, {62, 56}, {62, 69}, c::Outline, 1.5);
    Line(p, {55, 62.5}, {69, 62.5}, c::Outline, 1.5);
    Plain(p, c::Yellow);
    p.drawPath(Circle({42, 74}, 1.8));
    Line(p, {6, 87}, {94, 87}, c::DarkGreen, 3);
    Stroke(p, c::LightGrey, 2.5);
    p.drawPath(Circle({70, 12}, 4));
    p.drawPath(Circle({78, 6}, 3));
}

void Car(QPainter& p, const Ink& k) {
    Filled(p, k.fill);
    p.drawPath(Polygon({{22, 54}, {32, 34}, {58, 34}, {70, 54}}));
    p.drawPath(Rect(8, 50, 86, 22, 6));
    Filled(p, c::Sky, 1.5);
    p.drawPath(Polygon({{28, 52}, {35, 38}, {44, 38}, {44, 52}}));
    p.drawPath(Polygon({{48, 52}, {48, 38}, {56, 38}, {64, 52}}));
    Filled(p, c::Yellow, 1.5);
    p.drawPath(Ellipse({91, 58}, 3, 4));
    Filled(p, c::Black);
    p.drawPath(Circle({28, 74}, 9.5));
    p.drawPath(Circle({74, 74}, 9.5));
    Plain(p, c::LightGrey);
    p.drawPath(Circle({28, 74}, 4));
    p.drawPath(Circle({74, 74}, 4));
    Line(p, {46, 58}, {52, 58}, c::Outline, 2);
}

void Sailboat(QPainter& p, const Ink& k) {
    Stroke(p, c::Blue, 2.5);
    QPainterPath wave;
    wave.moveTo(6, 92);
    for (int i = 0; i < 6; ++i) {
        wave.cubicTo(10 + i * 15, 86, 16 + i * 15, 98, 21 + i * 15, 92);
    }
    p.drawPath(wave);
    Line(p, {40, 10}, {40, 70}, c::Brown, 3);
    Filled(p, k.fill);
    p.drawPath(Polygon({{43, 12}, {43, 64}, {84, 64}}));
    Filled(p, k.fill2);
    p.drawPath(Polygon({{37, 26}, {37, 64}, {16, 64}}));
    Filled(p, c::Red, 1.5);
    p.drawPath(Polygon({{40, 6}, {54, 10}, {40, 14}}));
    Filled(p, c::Brown);
    p.drawPath(Polygon({{12, 68}, {92, 68}, {80, 84}, {22, 84}}));
}

void Mug(QPainter& p, const Ink& k) {
    Stroke(p, c::Outline, 8.5);
    p.drawPath(Ellipse({70, 60}, 11, 13));
    Stroke(p, k.fill, 5);
    p.drawPath(Ellipse({70, 60}, 11, 13));
    Filled(p, k.fill);
    p.drawPath(Rect(24, 38, 46, 50, 5));
    Filled(p, k.fill2, 1.5);
    p.drawPath(Rect(24, 54, 46, 9));
    Stroke(p, c::Grey, 2.5);
    for (int i = 0; i < 3; ++i) {
        QPainterPath steam;
        const double x = 28 + i * 10;
        steam.moveTo(x, 32);
        steam.cubicTo(x - 6, 24, x + 6, 18, x, 8 + i * 3);
        p.drawPath(steam);
    }
}

void WateringCan(QPainter& p, const Ink& k) {
    Stroke(p, c::Outline, 9);
    QPainterPath handle;
    handle.moveTo(30, 46);
    handle.cubicTo(30, 16, 60, 16, 60, 46);
    p.drawPath(handle);
    Stroke(p, k.fill, 5);
    p.drawPath(handle);
    Filled(p, k.fill);
    p.drawPath(Polygon({{62, 72}, {86, 36}, {92, 40}, {66, 82}}));
    p.drawPath(Polygon({{24, 44}, {66, 44}, {70, 88}, {20, 88}}));
    Filled(p, k.fill2);
    p.drawPath(Ellipse({89, 37}, 5, 8));
    p.drawPath(Rect(20, 70, 50, 6));
    Plain(p, c::Sky);
    p.drawPath(Circle({95, 50}, 2));
    p.drawPath(Circle({91, 58}, 2));
    p.drawPath(Circle({97, 64}, 2));
}

void Axe(QPainter& p, const Ink& k) {
    Turned(p, 50, 52, 12, [&] {
        Filled(p, c::Brown);
        p.drawPath(Rect(-4, -40, 9, 82, 3));
        QPainterPath blade;
        blade.moveTo(4, -34);
        blade.lineTo(24, -46);
        blade.quadTo(40, -24, 26, -2);
        blade.lineTo(4, -14);
        blade.closeSubpath();
        Filled(p, k.fill);
        p.drawPath(blade);
        Line(p, {27, -41}, {32, -10}, c::White, 2);
    });
}

void Saucepan(QPainter& p, const Ink& k) {
    QPainterPath pan;
    pan.moveTo(10, 50);
    pan.lineTo(60, 50);
    pan.lineTo(58, 76);
    pan.quadTo(57, 84, 48, 84);
    pan.lineTo(22, 84);
    pan.quadTo(13, 84, 12, 76);
    pan.closeSubpath();
    Filled(p, k.fill2);
    p.drawPath(Rect(58, 53, 36, 8, 4));
    Filled(p, k.fill);
    p.drawPath(pan);
    Filled(p, k.fill2);
    p.drawPath(Rect(7, 47, 56, 6, 2));
    Stroke(p, c::Grey, 2.5);
    for (int i = 0; i < 2; ++i) {
        QPainterPath steam;
        const double x = 26 + i * 16;
        steam.moveTo(x, 40);
        steam.cubicTo(x - 6, 30, x + 6, 24, x, 12);
        p.drawPath(steam);
    }
}

void Apple(QPainter& p, const Ink& k) {
    Line(p, {48, 32}, {54, 14}, c::Brown, 3.5);
    QPainterPath leaf;
    leaf.moveTo(50, 22);
    leaf.cubicTo(40, 8, 28, 14, 26, 22);
    leaf.cubicTo(34, 28, 44, 28, 50, 22);
    Filled(p, c::Green, 1.5);
    p.drawPath(leaf);
    QPainterPath apple =
        Circle({47, 60}, 30).united(Circle({38, 54}, 24)).subtracted(Circle({86, 58}, 13));
    Filled(p, k.fill);
    p.drawPath(apple);
    Plain(p, c::White);
    p.drawPath(Ellipse({33, 50}, 4, 7));
}

void Pear(QPainter& p, const Ink& k) {
    Turned(p, 50, 56, 14, [&] {
        Line(p, {0, -34}, {4, -46}, c::Brown, 3.5);
        Filled(p, c::Green, 1.5);
        p.drawPath(Ellipse({14, -40}, 10, 4.5));
        QPainterPath pear;
        pear.moveTo(0, -36);
        pear.cubicTo(10, -36, 10, -18, 16, -8);
        pear.cubicTo(34, 10, 24, 38, 0, 38);
        pear.cubicTo(-24, 38, -34, 10, -16, -8);
        pear.cubicTo(-10, -18, -10, -36, 0, -36);
        Filled(p, k.fill);
        p.drawPath(pear);
        Plain(p, c::White);
        p.drawPath(Ellipse({-12, 14}, 3.5, 8));
    });
}

void Cherries(QPainter& p, const Ink& k) {
    Stroke(p, c::Brown, 3);
    QPainterPath stems;
    stems.moveTo(32, 64);
    stems.quadTo(38, 36, 60, 16);
    stems.moveTo(68, 70);
    stems.quadTo(64, 40, 60, 16);
    p.drawPath(stems);
    QPainterPath leaf;
    leaf.moveTo(60, 16);
    leaf.cubicTo(70, 4, 86, 8, 90, 16);
    leaf.cubicTo(82, 26, 68, 26, 60, 16);
    Filled(p, c::Green, 1.5);
    p.drawPath(leaf);
    Filled(p, k.fill);
    p.drawPath(Circle({30, 72}, 14));
    p.drawPath(Circle({68, 78}, 14));
    Plain(p, c::White);
    p.drawPath(Circle({25, 67}, 3));
    p.drawPath(Circle({63, 73}, 3));
}

void Banana(QPainter& p, const Ink& k) {
    QPainterPath banana;
    banana.moveTo(14, 30);
    banana.cubicTo(16, 82, 70, 96, 92, 62);
    banana.cubicTo(70, 76, 32, 68, 26, 28);
    banana.closeSubpath();
    Filled(p, k.fill);
    p.drawPath(banana);
    Filled(p, c::Brown, 1.5);
    p.drawPath(Rect(14, 20, 10, 10, 2));
    p.drawPath(Circle({91, 63}, 2.5));
    Stroke(p, k.fill2, 2);
    QPainterPath ridge;
    ridge.moveTo(22, 40);
    ridge.cubicTo(26, 72, 60, 84, 82, 70);
    p.drawPath(ridge);
}

void Carrot(QPainter& p, const Ink& k) {
    // Drawn a little smaller so that the leaves stay inside the picture.
    p.save();
    p.translate(50, 52);
    p.scale(0.88, 0.88);
    p.translate(-52, -48);
    Filled(p, c::Green);
    p.drawPath(Ellipse({84, 12}, 5, 12));
    Turned(p, 88, 22, 55, [&] { p.drawPath(Ellipse({0, -10}, 4.5, 12)); });
    Turned(p, 80, 18, -35, [&] { p.drawPath(Ellipse({0, -10}, 4.5, 11)); });
    QPainterPath body;
    body.moveTo(70, 16);
    body.quadTo(92, 20, 88, 34);
    body.lineTo(18, 90);
    body.closeSubpath();
    Filled(p, k.fill);
    p.drawPath(body);
    Line(p, {62, 34}, {70, 40}, k.fill2, 2);
    Line(p, {46, 50}, {54, 56}, k.fill2, 2);
    Line(p, {32, 66}, {38, 71}, k.fill2, 2);
    p.restore();
}

void Mushrooms(QPainter& p, const Ink& k) {
    Filled(p, c::Tan);
    p.drawPath(Rect(32, 46, 22, 40, 6));
    QPainterPath cap;
    cap.moveTo(10, 52);
    cap.cubicTo(10, 12, 74, 6, 78, 48);
    cap.closeSubpath();
    Filled(p, k.fill);
    p.drawPath(cap);
    Plain(p, c::White);
    p.drawPath(Circle({30, 34}, 5));
    p.drawPath(Circle({52, 24}, 4));
    p.drawPath(Circle({62, 40}, 4.5));
    Filled(p, c::Tan);
    p.drawPath(Rect(76, 72, 9, 16, 3));
    QPainterPath small;
    small.moveTo(68, 74);
    small.cubicTo(68, 58, 94, 58, 94, 74);
    small.closeSubpath();
    Filled(p, k.fill2);
    p.drawPath(small);
    Line(p, {4, 88}, {96, 88}, c::DarkGreen, 3);
}

void Tree(QPainter& p, const Ink& k) {
    Filled(p, c::Brown);
    p.drawPath(Polygon({{42, 90}, {56, 90}, {53, 48}, {45, 48}}));
    Line(p, {52, 64}, {72, 52}, c::Brown, 5);
    Filled(p, k.fill);
    p.drawPath(Circle({40, 34}, 22).united(Circle({60, 28}, 17)).united(Circle({26, 50}, 14)));
    Filled(p, k.accent, 1.5);
    p.drawPath(Circle({79, 85}, 6));
    p.drawPath(Circle({30, 30}, 4));
    p.drawPath(Circle({54, 22}, 4));
    Line(p, {6, 91}, {94, 91}, c::DarkGreen, 3);
}

void Leaf(QPainter& p, const Ink& k) {
    QPainterPath leaf;
    leaf.moveTo(18, 84);
    leaf.cubicTo(20, 40, 52, 14, 90, 12);
    leaf.cubicTo(84, 52, 58, 80, 18, 84);
    Filled(p, k.fill);
    p.drawPath(leaf);
    Line(p, {18, 84}, {8, 96}, c::Brown, 3);
    Stroke(p, k.fill2, 2);
    QPainterPath veins;
    veins.moveTo(18, 84);
    veins.quadTo(50, 56, 86, 16);
    for (int i = 1; i <= 4; ++i) {
        const double t = i / 5.0;
        const QPointF on(18 + 62 * t, 84 - 62 * t);
        veins.moveTo(on);
        veins.lineTo(on.x() - 4, on.y() - 14);
        veins.moveTo(on);
        veins.lineTo(on.x() + 14, on.y() + 3);
    }
    p.drawPath(veins);
}

void SunAndCloud(QPainter& p, const Ink& k) {
    Stroke(p, c::Orange, 3);
    for (int i = 0; i < 8; ++i) {
        const double a = i * std::numbers::pi / 4;
        p.drawLine(QPointF(32 + 20 * std::cos(a), 32 + 20 * std::sin(a)),
                   QPointF(32 + 28 * std::cos(a), 32 + 28 * std::sin(a)));
    }
    Filled(p, k.fill);
    p.drawPath(Circle({32, 32}, 15));
    Filled(p, k.fill2);
    p.drawPath(Circle({58, 68}, 13)
                   .united(Circle({72, 58}, 16))
                   .united(Circle({87, 68}, 11))
                   .united(Rect(50, 66, 40, 15, 7)));
    Stroke(p, c::Blue, 2.5);
    p.drawLine(QPointF(60, 86), QPointF(56, 94));
    p.drawLine(QPointF(72, 86), QPointF(68, 94));
    p.drawLine(QPointF(84, 86), QPointF(80, 94));
}

void MoonAndStars(QPainter& p, const Ink& k) {
    Filled(p, k.fill);
    p.drawPath(Circle({40, 54}, 32).subtracted(Circle({56, 44}, 27)));
    Filled(p, k.fill2, 1.5);
    p.drawPath(Star({78, 22}, 11, 4.5, 5));
    p.drawPath(Star({86, 56}, 6, 2.5, 5, 20));
    p.drawPath(Star({64, 86}, 5, 2, 5, 10));
}

void Lightning(QPainter& p, const Ink& k) {
    Filled(p, k.fill);
    p.drawPath(Polygon({{58, 4}, {20, 54}, {44, 54}, {32, 96}, {82, 38}, {56, 38}, {72, 4}}));
}

void Snail(QPainter& p, const Ink& k) {
    Filled(p, k.fill2);
    QPainterPath body;
    body.moveTo(10, 82);
    body.lineTo(78, 82);
    body.lineTo(78, 52);
    body.cubicTo(78, 44, 92, 44, 92, 54);
    body.lineTo(92, 82);
    body.quadTo(92, 90, 82, 90);
    body.lineTo(14, 90);
    body.closeSubpath();
    p.drawPath(body);
    Line(p, {82, 47}, {76, 30}, c::Outline, 2.2);
    Line(p, {88, 47}, {94, 32}, c::Outline, 2.2);
    Plain(p, c::Outline);
    p.drawPath(Circle({76, 29}, 2.8));
    p.drawPath(Circle({94, 31}, 2.8));
    Filled(p, k.fill);
    p.drawPath(Circle({42, 56}, 26));
    Stroke(p, c::Outline, 2.2);
    QPainterPath spiral;
    for (int i = 0; i <= 60; ++i) {
        const double a = i * 0.2;
        const double r = 2 + i * 0.33;
        const QPointF point(42 + r * std::cos(a), 56 + r * std::sin(a));
        if (i == 0) {
            spiral.moveTo(point);
        } else {
            spiral.lineTo(point);
        }
    }
    p.drawPath(spiral);
}

void Cat(QPainter& p, const Ink& k) {
    Stroke(p, c::Outline, 9);
    QPainterPath tail;
    tail.moveTo(24, 78);
    tail.cubicTo(4, 76, 4, 44, 16, 38);
    p.drawPath(tail);
    Stroke(p, k.fill, 5);
    p.drawPath(tail);
    Filled(p, k.fill);
    p.drawPath(Ellipse({42, 68}, 24, 20));
    p.drawPath(Polygon({{56, 28}, {58, 8}, {68, 22}}));
    p.drawPath(Polygon({{72, 22}, {82, 8}, {84, 28}}));
    p.drawPath(Circle({70, 36}, 16));
    p.drawPath(Ellipse({56, 87}, 7, 4));
    p.drawPath(Ellipse({70, 86}, 7, 4));
    Plain(p, c::Black);
    p.drawPath(Ellipse({65, 34}, 2, 3));
    p.drawPath(Ellipse({76, 34}, 2, 3));
    Plain(p, c::Pink);
    p.drawPath(Polygon({{69, 40}, {73, 40}, {71, 43}}));
    Stroke(p, c::Outline, 1.2);
    p.drawLine(QPointF(74, 42), QPointF(92, 38));
    p.drawLine(QPointF(74, 44), QPointF(92, 46));
    p.drawLine(QPointF(66, 42), QPointF(50, 38));
}

void Duck(QPainter& p, const Ink& k) {
    Stroke(p, c::Blue, 2.5);
    p.drawLine(QPointF(6, 82), QPointF(30, 82));
    p.drawLine(QPointF(40, 88), QPointF(74, 88));
    p.drawLine(QPointF(70, 80), QPointF(94, 80));
    Filled(p, k.fill);
    QPainterPath body;
    body.moveTo(14, 50);
    body.cubicTo(26, 58, 52, 54, 64, 52);
    body.cubicTo(80, 56, 76, 76, 60, 76);
    body.lineTo(30, 76);
    body.cubicTo(16, 76, 10, 62, 14, 50);
    p.drawPath(body);
    p.drawPath(Rect(60, 32, 12, 24, 5));
    p.drawPath(Circle({68, 30}, 12));
    Filled(p, c::Orange);
    p.drawPath(Polygon({{78, 28}, {94, 33}, {78, 37}}));
    Filled(p, k.fill2, 1.5);
    QPainterPath wing;
    wing.moveTo(26, 58);
    wing.cubicTo(36, 52, 50, 58, 50, 64);
    wing.cubicTo(42, 70, 32, 68, 26, 58);
    p.drawPath(wing);
    Plain(p, c::Black);
    p.drawPath(Circle({71, 27}, 2.4));
}

void Balloon(QPainter& p, const Ink& k) {
    Stroke(p, c::Grey, 2);
    QPainterPath string;
    string.moveTo(44, 70);
    string.cubicTo(56, 80, 32, 86, 62, 97);
    p.drawPath(string);
    Filled(p, k.fill);
    p.drawPath(Polygon({{44, 64}, {39, 71}, {49, 71}}));
    p.drawPath(Ellipse({44, 36}, 25, 30));
    Plain(p, c::White);
    p.drawPath(Ellipse({34, 24}, 5, 9));
}

void Kite(QPainter& p, const Ink& k) {
    Stroke(p, c::Outline, 2);
    QPainterPath tail;
    tail.moveTo(50, 64);
    tail.cubicTo(38, 76, 64, 82, 50, 97);
    p.drawPath(tail);
    Filled(p, k.fill2, 1.5);
    p.drawPath(Polygon({{42, 74}, {50, 72}, {46, 80}}));
    p.drawPath(Polygon({{48, 84}, {58, 84}, {52, 91}}));
    Filled(p, k.fill);
    p.drawPath(Polygon({{60, 4}, {88, 34}, {50, 64}, {24, 24}}));
    Stroke(p, c::Outline, 1.8);
    p.drawLine(QPointF(60, 4), QPointF(50, 64));
    p.drawLine(QPointF(24, 24), QPointF(88, 34));
    Plain(p, k.fill2);
    p.drawPath(Polygon({{60, 5.5}, {86, 33.5}, {56.4, 29.6}}));
    Stroke(p, c::Outline, 2.2);
    p.drawPath(Polygon({{60, 4}, {88, 34}, {50, 64}, {24, 24}}));
}

void Rocket(QPainter& p, const Ink& k) {
    Turned(p, 50, 52, 40, [&] {
        Filled(p, c::Orange);
        p.drawPath(Polygon({{-9, 24}, {0, 46}, {9, 24}}));
        Filled(p, c::Yellow, 1.2);
        p.drawPath(Polygon({{-5, 24}, {0, 36}, {5, 24}}));
        Filled(p, k.fill2);
        p.drawPath(Polygon({{-12, 6}, {-26, 30}, {-12, 24}}));
        p.drawPath(Polygon({{12, 6}, {26, 30}, {12, 24}}));
        QPainterPath body;
        body.moveTo(0, -44);
        body.cubicTo(16, -28, 14, 10, 12, 24);
        body.lineTo(-12, 24);
        body.cubicTo(-14, 10, -16, -28, 0, -44);
        Filled(p, k.fill);
        p.drawPath(body);
        Filled(p, c::Sky, 1.8);
        p.drawPath(Circle({0, -12}, 6.5));
    });
}

void Airplane(QPainter& p, const Ink& k) {
    Filled(p, k.fill2);
    p.drawPath(Polygon({{12, 50}, {6, 24}, {24, 48}}));
    p.drawPath(Polygon({{40, 46}, {52, 46}, {40, 30}, {32, 30}}));
    QPainterPath body;
    body.moveTo(10, 48);
    body.lineTo(80, 44);
    body.cubicTo(96, 44, 96, 58, 80, 58);
    body.lineTo(16, 58);
    body.closeSubpath();
    Filled(p, k.fill);
    p.drawPath(body);
    Filled(p, k.fill2);
    p.drawPath(Polygon({{44, 54}, {58, 54}, {38, 84}, {28, 84}}));
    Plain(p, c::Sky);
    for (int i = 0; i < 5; ++i) {
        p.drawPath(Circle({28 + i * 9.0, 50}, 2.2));
    }
    p.drawPath(Polygon({{80, 46}, {88, 47}, {90, 51}, {80, 51}}));
}

void Train(QPainter& p, const Ink& k) {
    Plain(p, c::LightGrey);
    p.drawPath(Circle({64, 14}, 6));
    p.drawPath(Circle({52, 8}, 5));
    p.drawPath(Circle({42, 6}, 3.5));
    Filled(p, c::Black);
    p.drawPath(Rect(64, 22, 9, 20));
    Filled(p, k.fill);
    p.drawPath(Rect(38, 42, 46, 28, 3));
    Filled(p, k.fill2);
    p.drawPath(Rect(10, 30, 30, 40, 2));
    p.drawPath(Rect(7, 26, 36, 6, 2));
    Filled(p, c::Sky, 1.5);
    p.drawPath(Rect(16, 36, 18, 12));
    Filled(p, c::Grey);
    p.drawPath(Polygon({{84, 62}, {96, 78}, {84, 78}}));
    Filled(p, c::Black);
    p.drawPath(Circle({24, 78}, 9));
    p.drawPath(Circle({50, 80}, 7));
    p.drawPath(Circle({70, 80}, 7));
    Line(p, {24, 78}, {70, 80}, c::Grey, 2);
}

void Truck(QPainter& p, const Ink& k) {
    Filled(p, k.fill);
    p.drawPath(Rect(6, 28, 54, 42, 2));
    Filled(p, k.fill2);
    QPainterPath cab;
    cab.moveTo(60, 70);
    cab.lineTo(60, 40);
    cab.lineTo(80, 40);
    cab.lineTo(92, 54);
    cab.lineTo(92, 70);
    cab.closeSubpath();
    p.drawPath(cab);
    Filled(p, c::Sky, 1.5);
    p.drawPath(Polygon({{66, 44}, {78, 44}, {86, 54}, {66, 54}}));
    Filled(p, c::Yellow, 1.2);
    p.drawPath(Rect(88, 58, 5, 5));
    Filled(p, c::Black);
    p.drawPath(Circle({20, 76}, 8));
    p.drawPath(Circle({42, 76}, 8));
    p.drawPath(Circle({78, 76}, 8));
    Stroke(p, c::White, 2.5);
    p.drawLine(QPointF(14, 40), QPointF(50, 40));
}

void Bicycle(QPainter& p, const Ink& k) {
    Stroke(p, c::Outline, 3.5);
    p.drawPath(Circle({22, 66}, 18));
    p.drawPath(Circle({78, 66}, 18));
    Stroke(p, k.fill, 3.5);
    const QPointF rear(22, 66), crank(46, 66), seat(38, 36), head(68, 36), front(78, 66);
    QPainterPath frame;
    frame.moveTo(rear);
    frame.lineTo(crank);
    frame.lineTo(seat);
    frame.lineTo(rear);
    frame.moveTo(seat);
    frame.lineTo(head);
    frame.lineTo(crank);
    frame.moveTo(head);
    frame.lineTo(front);
    p.drawPath(frame);
    Filled(p, c::Black, 1.5);
    p.drawPath(Polygon({{30, 30}, {44, 30}, {42, 34}, {32, 34}}));
    Stroke(p, c::Black, 3.5);
    QPainterPath bars;
    bars.moveTo(68, 36);
    bars.lineTo(64, 24);
    bars.lineTo(74, 22);
    p.drawPath(bars);
    Plain(p, c::Outline);
    p.drawPath(Circle({46, 66}, 4));
}

void MusicNotes(QPainter& p, const Ink& k) {
    Filled(p, k.fill);
    p.drawPath(Polygon({{36, 22}, {76, 12}, {76, 22}, {36, 32}}));
    Line(p, {36, 24}, {36, 76}, c::Outline, 3.5);
    Line(p, {76, 14}, {76, 66}, c::Outline, 3.5);
    Filled(p, k.fill);
    Turned(p, 28, 78, -20, [&] { p.drawPath(Ellipse({0, 0}, 10, 7)); });
    Turned(p, 68, 68, -20, [&] { p.drawPath(Ellipse({0, 0}, 10, 7)); });
    Filled(p, k.fill2, 1.5);
    p.drawPath(Star({14, 24}, 7, 3, 4));
}

void Clock(QPainter& p, const Ink& k) {
    Filled(p, k.fill);
    p.drawPath(Rect(74, 12, 10, 9, 2));
    p.drawPath(Circle({50, 52}, 40));
    Filled(p, c::White);
    p.drawPath(Circle({50, 52}, 32));
    Stroke(p, c::Outline, 2.5);
    for (int i = 0; i < 12; ++i) {
        const double a = i * std::numbers::pi / 6;
        const double inner = i % 3 == 0 ? 23 : 27;
        p.drawLine(QPointF(50 + inner * std::sin(a), 52 - inner * std::cos(a)),
                   QPointF(50 + 30 * std::sin(a), 52 - 30 * std::cos(a)));
    }
    Line(p, {50, 52}, {50 + 17 * std::sin(2.1), 52 - 17 * std::cos(2.1)}, c::Outline, 5);
    Line(p, {50, 52}, {50 + 26 * std::sin(-0.3), 52 - 26 * std::cos(-0.3)}, k.fill2, 3.5);
    Plain(p, c::Outline);
    p.drawPath(Circle({50, 52}, 3.5));
}

void DeskLamp(QPainter& p, const Ink& k) {
    Plain(p, QColor(255, 240, 150));
    p.drawPath(Polygon({{70, 46}, {88, 54}, {98, 96}, {52, 96}}));
    Stroke(p, c::Outline, 7);
    QPainterPath arm;
    arm.moveTo(24, 86);
    arm.lineTo(38, 52);
    arm.lineTo(64, 34);
    p.drawPath(arm);
    Stroke(p, k.fill2, 3.5);
    p.drawPath(arm);
    Filled(p, k.fill2);
    p.drawPath(Ellipse({24, 88}, 18, 6));
    p.drawPath(Circle({38, 52}, 4));
    Filled(p, k.fill);
    p.drawPath(Polygon({{58, 28}, {74, 24}, {92, 52}, {66, 50}}));
}

void Chair(QPainter& p, const Ink& k) {
    Stroke(p, c::Outline, 6.5);
    p.drawLine(QPointF(34, 60), QPointF(30, 92));
    p.drawLine(QPointF(70, 60), QPointF(74, 92));
    Stroke(p, k.fill2, 3.5);
    p.drawLine(QPointF(34, 60), QPointF(30, 92));
    p.drawLine(QPointF(70, 60), QPointF(74, 92));
    Filled(p, k.fill);
    p.drawPath(Polygon({{26, 14}, {34, 12}, {38, 58}, {30, 58}}));
    p.drawPath(Rect(26, 54, 50, 8, 2));
    Filled(p, k.fill2, 1.5);
    p.drawPath(Rect(30, 22, 5, 26, 2));
}

void IceCream(QPainter& p, const Ink& k) {
    Filled(p, c::Tan);
    p.drawPath(Polygon({{32, 50}, {64, 50}, {44, 96}}));
    Stroke(p, c::Brown, 1.5);
    p.drawLine(QPointF(38, 56), QPointF(58, 70));
    p.drawLine(QPointF(36, 66), QPointF(52, 82));
    p.drawLine(QPointF(58, 56), QPointF(40, 74));
    Filled(p, k.fill2);
    p.drawPath(Circle({58, 30}, 15));
    Filled(p, k.fill);
    QPainterPath scoop = Circle({42, 44}, 16);
    scoop.addPath(Polygon({{30, 50}, {32, 64}, {36, 52}}));
    p.drawPath(scoop.simplified());
    Filled(p, c::Red);
    p.drawPath(Circle({66, 14}, 5.5));
    Line(p, {66, 9}, {72, 3}, c::DarkGreen, 2);
}

void Candle(QPainter& p, const Ink& k) {
    Stroke(p, c::Outline, 7);
    p.drawPath(Ellipse({82, 86}, 7, 6));
    Stroke(p, c::Yellow, 3);
    p.drawPath(Ellipse({82, 86}, 7, 6));
    Filled(p, c::Yellow);
    p.drawPath(Ellipse({50, 88}, 30, 6));
    QPainterPath candle = Rect(38, 38, 22, 48, 2);
    candle.addPath(Rect(35, 38, 7, 20, 3));
    Filled(p, k.fill);
    p.drawPath(candle.simplified());
    Line(p, {49, 38}, {50, 30}, c::Outline, 2);
    QPainterPath flame;
    flame.moveTo(50, 32);
    flame.cubicTo(40, 26, 46, 12, 58, 4);
    flame.cubicTo(60, 16, 64, 26, 50, 32);
    Filled(p, c::Orange, 1.5);
    p.drawPath(flame);
}

void LightBulb(QPainter& p, const Ink& k) {
    Stroke(p, c::Orange, 3);
    p.drawLine(QPointF(78, 14), QPointF(86, 8));
    p.drawLine(QPointF(82, 32), QPointF(92, 32));
    p.drawLine(QPointF(78, 50), QPointF(86, 56));
    Filled(p, k.fill);
    p.drawPath(Circle({48, 36}, 26).united(Polygon({{34, 56}, {62, 56}, {58, 66}, {38, 66}})));
    Filled(p, c::Grey);
    p.drawPath(Rect(38, 64, 20, 18, 2));
    Stroke(p, c::Outline, 1.8);
    p.drawLine(QPointF(38, 70), QPointF(58, 68));
    p.drawLine(QPointF(38, 76), QPointF(58, 74));
    Filled(p, c::Black);
    p.drawPath(Polygon({{44, 82}, {52, 82}, {48, 90}}));
    Stroke(p, c::Orange, 2);
    QPainterPath filament;
    filament.moveTo(42, 56);
    filament.lineTo(42, 40);
    filament.lineTo(46, 34);
    filament.lineTo(50, 40);
    filament.lineTo(54, 34);
    filament.lineTo(54, 56);
    p.drawPath(filament);
}

void Bell(QPainter& p, const Ink& k) {
    Stroke(p, c::Outline, 2.5);
    p.drawLine(QPointF(84, 36), QPointF(94, 32));
    p.drawLine(QPointF(86, 52), QPointF(96, 54));
    p.drawLine(QPointF(82, 68), QPointF(90, 76));
    Turned(p, 50, 50, 14, [&] {
        Filled(p, k.fill2);
        p.drawPath(Circle({12, 32}, 7));
        Stroke(p, c::Outline, 3);
        p.drawPath(Circle({0, -38}, 5));
        QPainterPath bell;
        bell.moveTo(-30, 26);
        bell.cubicTo(-22, 18, -24, -32, 0, -33);
        bell.cubicTo(24, -32, 22, 18, 30, 26);
        bell.closeSubpath();
        Filled(p, k.fill);
        p.drawPath(bell);
        Filled(p, k.fill2);
        p.drawPath(Rect(-32, 24, 64, 6, 3));
    });
}

void Mitten(QPainter& p, const Ink& k) {
    Filled(p, k.fill);
    Turned(p, 74, 52, 28, [&] { p.drawPath(Ellipse({0, 0}, 9, 17)); });
    QPainterPath hand;
    hand.moveTo(28, 86);
    hand.lineTo(28, 40);
    hand.cubicTo(28, 10, 70, 10, 70, 40);
    hand.lineTo(70, 86);
    hand.closeSubpath();
    p.drawPath(hand);
    Filled(p, k.fill2);
    p.drawPath(Rect(24, 78, 50, 16, 3));
    Stroke(p, c::White, 2);
    p.drawLine(QPointF(30, 86), QPointF(68, 86));
    Plain(p, k.fill2);
    p.drawPath(Star({44, 44}, 8, 3.5, 6));
}

void Sock(QPainter& p, const Ink& k) {
    QPainterPath sock;
    sock.moveTo(32, 8);
    sock.lineTo(58, 8);
    sock.lineTo(58, 54);
    sock.cubicTo(58, 62, 64, 66, 74, 66);
    sock.lineTo(84, 66);
    sock.cubicTo(98, 66, 98, 90, 84, 90);
    sock.lineTo(46, 90);
    sock.cubicTo(32, 90, 32, 80, 32, 70);
    sock.closeSubpath();
    Filled(p, k.fill);
    p.drawPath(sock);
    p.save();
    p.setClipPath(sock);
    Plain(p, k.fill2);
    p.drawPath(Rect(30, 8, 30, 7));
    p.drawPath(Rect(30, 22, 30, 7));
    p.drawPath(Circle({40, 86}, 12));
    p.drawPath(Circle({92, 78}, 12));
    p.restore();
    Stroke(p, c::Outline, 2.2);
    p.drawPath(sock);
}

void Sneaker(QPainter& p, const Ink& k) {
    QPainterPath shoe;
    shoe.moveTo(8, 72);
    shoe.lineTo(12, 42);
    shoe.lineTo(34, 40);
    shoe.lineTo(52, 56);
    shoe.lineTo(80, 60);
    shoe.cubicTo(94, 62, 96, 72, 94, 78);
    shoe.lineTo(8, 78);
    shoe.closeSubpath();
    Filled(p, k.fill);
    p.drawPath(shoe);
    Filled(p, c::White);
    p.drawPath(Rect(6, 76, 90, 9, 3));
    Stroke(p, k.fill2, 4);
    QPainterPath swoosh;
    swoosh.moveTo(20, 68);
    swoosh.cubicTo(40, 72, 60, 66, 76, 64);
    p.drawPath(swoosh);
    Stroke(p, c::White, 2);
    p.drawLine(QPointF(36, 46), QPointF(30, 54));
    p.drawLine(QPointF(42, 51), QPointF(36, 58));
}

void Cap(QPainter& p, const Ink& k) {
    Filled(p, k.fill2);
    p.drawPath(Polygon({{58, 56}, {96, 62}, {92, 70}, {58, 66}}));
    QPainterPath dome;
    dome.moveTo(14, 64);
    dome.cubicTo(12, 22, 66, 20, 66, 64);
    dome.closeSubpath();
    Filled(p, k.fill);
    p.drawPath(dome);
    Filled(p, k.fill2, 1.5);
    p.drawPath(Circle({38, 30}, 3.5));
    p.drawPath(Rect(14, 60, 52, 6, 2));
    Stroke(p, k.fill2, 2);
    p.drawLine(QPointF(38, 32), QPointF(30, 62));
    p.drawLine(QPointF(38, 32), QPointF(52, 62));
}

void Spoon(QPainter& p, const Ink& k) {
    Turned(p, 50, 50, 35, [&] {
        Filled(p, k.fill);
        p.drawPath(Ellipse({0, -24}, 13, 20).united(Rect(-3.5, -6, 7, 52, 3.5)));
        Plain(p, c::White);
        p.drawPath(Ellipse({-4, -28}, 3, 8));
    });
}

void Wrench(QPainter& p, const Ink& k) {
    Turned(p, 50, 50, -40, [&] {
        QPainterPath w = Rect(-5, -30, 10, 62, 3).united(Circle({0, -34}, 13));
        w = w.subtracted(Rect(-5, -52, 10, 18))
                .united(Circle({0, 34}, 10))
                .subtracted(Circle({0, 34}, 5));
        Filled(p, k.fill);
        p.drawPath(w);
    });
}

void Screwdriver(QPainter& p, const Ink& k) {
    Turned(p, 50, 50, 30, [&] {
        Filled(p, c::Grey);
        p.drawPath(Rect(-2.5, -42, 5, 54));
        p.drawPath(Rect(-4, -46, 8, 5));
        Filled(p, k.fill);
        p.drawPath(Rect(-8, 10, 16, 36, 6));
        Stroke(p, k.fill2, 2);
        p.drawLine(QPointF(-3, 16), QPointF(-3, 40));
        p.drawLine(QPointF(3, 16), QPointF(3, 40));
    });
}

void Pencil(QPainter& p, const Ink& k) {
    Turned(p, 50, 50, 45, [&] {
        Filled(p, c::Tan);
        p.drawPath(Polygon({{-7, 24}, {7, 24}, {0, 44}}));
        Plain(p, c::Black);
        p.drawPath(Polygon({{-2.5, 37}, {2.5, 37}, {0, 44}}));
        Filled(p, k.fill);
        p.drawPath(Rect(-7, -32, 14, 56));
        Filled(p, c::Pink);
        p.drawPath(Rect(-7, -44, 14, 8, 2));
        Filled(p, c::Grey);
        p.drawPath(Rect(-7, -37, 14, 6));
        Line(p, {-2.3, -30}, {-2.3, 22}, k.fill2, 1.5);
    });
}

void Paintbrush(QPainter& p, const Ink& k) {
    QPainterPath blob;
    blob.moveTo(12, 80);
    blob.cubicTo(8, 64, 30, 62, 36, 72);
    blob.cubicTo(44, 84, 30, 96, 20, 90);
    blob.cubicTo(14, 88, 14, 84, 12, 80);
    Plain(p, k.fill2);
    p.drawPath(blob);
    Turned(p, 56, 44, -35, [&] {
        Filled(p, k.fill);
        p.drawPath(Rect(-4.5, -4, 9, 46, 4));
        Filled(p, c::Grey);
        p.drawPath(Rect(-6, -16, 12, 13));
        Filled(p, k.fill2);
        p.drawPath(Polygon({{-6, -16}, {0, -42}, {6, -16}}));
    });
}

void Magnifier(QPainter& p, const Ink& k) {
    Filled(p, c::Brown);
    Turned(p, 72, 72, -45, [&] { p.drawPath(Rect(-5.5, -4, 11, 36, 4)); });
    Filled(p, QColor(215, 235, 250), 8);
    p.drawPath(Circle({40, 40}, 25));
    Stroke(p, k.fill, 5);
    p.drawPath(Circle({40, 40}, 25));
    Stroke(p, c::White, 3);
    p.drawArc(QRectF(25, 25, 30, 30), 100 * 16, 70 * 16);
}

void BottleAndGlass(QPainter& p, const Ink& k) {
    Filled(p, k.fill);
    p.drawPath(Rect(18, 40, 28, 52, 5).united(Rect(27, 18, 10, 26)));
    Filled(p, c::Red);
    p.drawPath(Rect(26, 12, 12, 8, 2));
    Filled(p, k.fill2, 1.5);
    p.drawPath(Rect(18, 56, 28, 18));
    Plain(p, c::Sky);
    p.drawPath(Polygon({{61, 70}, {87, 70}, {84, 92}, {64, 92}}));
    Stroke(p, c::Outline, 2.2);
    p.drawPath(Polygon({{58, 52}, {90, 52}, {84, 92}, {64, 92}}));
}

void Envelope(QPainter& p, const Ink& k) {
    Filled(p, k.fill2);
    p.drawPath(Rect(10, 26, 80, 54));
    Stroke(p, c::Outline, 2);
    p.drawLine(QPointF(10, 26), QPointF(50, 56));
    p.drawLine(QPointF(50, 56), QPointF(90, 26));
    Filled(p, k.fill, 1.5);
    p.drawPath(Rect(72, 30, 13, 16));
    Plain(p, c::White);
    p.drawPath(Star({78.5, 38}, 5, 2, 5));
    Stroke(p, c::Navy, 2.5);
    p.drawLine(QPointF(20, 64), QPointF(46, 64));
    p.drawLine(QPointF(20, 71), QPointF(54, 71));
}

void HeartAndArrow(QPainter& p, const Ink& k) {
    const QPointF tail(12, 80), tip(88, 22);
    Line(p, tail, {40, 59}, c::Brown, 3);
    Filled(p, k.fill2, 1.5);
    p.drawPath(Polygon({{12, 80}, {6, 74}, {16, 72}, {22, 78}}));
    p.drawPath(Polygon({{12, 80}, {10, 90}, {18, 86}, {20, 78}}));
    QPainterPath heart;
    heart.moveTo(50, 86);
    heart.cubicTo(10, 58, 14, 20, 36, 22);
    heart.cubicTo(46, 22, 50, 30, 50, 36);
    heart.cubicTo(50, 30, 54, 22, 64, 22);
    heart.cubicTo(86, 20, 90, 58, 50, 86);
    Filled(p, k.fill);
    p.drawPath(heart);
    Line(p, {70, 36}, tip, c::Brown, 3);
    Filled(p, c::Grey, 1.5);
    p.drawPath(ArrowHead({92, 19}, -37, 13, 11));
}

void Padlock(QPainter& p, const Ink& k) {
    Stroke(p, c::Outline, 11);
    QPainterPath shackle;
    shackle.moveTo(32, 46);
    shackle.lineTo(32, 28);
    shackle.cubicTo(32, 4, 68, 4, 68, 24);
    p.drawPath(shackle);
    Stroke(p, c::LightGrey, 6);
    p.drawPath(shackle);
    Filled(p, k.fill);
    p.drawPath(Rect(20, 44, 52, 44, 5));
    Plain(p, c::Outline);
    p.drawPath(Circle({46, 62}, 5).united(Polygon({{43, 64}, {49, 64}, {51, 76}, {41, 76}})));
}

void Ladder(QPainter& p, const Ink& k) {
    Line(p, {86, 4}, {86, 96}, c::Grey, 3);
    Line(p, {4, 95}, {96, 95}, c::DarkGreen, 3);
    Stroke(p, c::Outline, 7);
    p.drawLine(QPointF(18, 94), QPointF(58, 6));
    p.drawLine(QPointF(40, 94), QPointF(80, 6));
    for (int i = 1; i <= 6; ++i) {
        const double t = i / 7.0;
        p.drawLine(QPointF(18 + 40 * t, 94 - 88 * t), QPointF(40 + 40 * t, 94 - 88 * t));
    }
    Stroke(p, k.fill, 3.5);
    p.drawLine(QPointF(18, 94), QPointF(58, 6));
    p.drawLine(QPointF(40, 94), QPointF(80, 6));
    for (int i = 1; i <= 6; ++i) {
        const double t = i / 7.0;
        p.drawLine(QPointF(18 + 40 * t, 94 - 88 * t), QPointF(40 + 40 * t, 94 - 88 * t));
    }
}

void Tent(QPainter& p, const Ink& k) {
    Line(p, {44, 22}, {44, 6}, c::Outline, 2.5);
    Filled(p, k.fill2, 1.5);
    p.drawPath(Polygon({{44, 6}, {58, 10}, {44, 14}}));
    Filled(p, k.fill);
    p.drawPath(Polygon({{8, 84}, {44, 20}, {92, 84}}));
    Filled(p, c::Navy);
    p.drawPath(Polygon({{44, 84}, {44, 44}, {60, 84}}));
    Line(p, {4, 86}, {96, 86}, c::DarkGreen, 3);
}

void Tower(QPainter& p, const Ink& k) {
    Line(p, {62, 26}, {62, 4}, c::Outline, 2.5);
    Filled(p, c::Red, 1.5);
    p.drawPath(Polygon({{62, 4}, {80, 9}, {62, 14}}));
    QPainterPath tower = Rect(28, 34, 40, 58);
    for (int i = 0; i < 4; ++i) {
        tower.addRect(QRectF(26 + i * 12, 24, 8, 12));
    }
    Filled(p, k.fill);
    p.drawPath(tower.simplified());
    Filled(p, c::Navy);
    QPainterPath window;
    window.moveTo(34, 58);
    window.lineTo(34, 48);
    window.arcTo(QRectF(34, 42, 10, 12), 180, -180);
    window.lineTo(44, 58);
    window.closeSubpath();
    p.drawPath(window);
    QPainterPath door;
    door.moveTo(50, 92);
    door.lineTo(50, 78);
    door.arcTo(QRectF(50, 72, 12, 12), 180, -180);
    door.lineTo(62, 92);
    door.closeSubpath();
    Filled(p, c::Brown);
    p.drawPath(door);
}

void Snowman(QPainter& p, const Ink& k) {
    Line(p, {62, 64}, {88, 50}, c::Brown, 3);
    Line(p, {82, 53}, {86, 44}, c::Brown, 2.5);
    Filled(p, c::White);
    p.drawPath(Circle({46, 72}, 21));
    p.drawPath(Circle({50, 38}, 14));
    Filled(p, k.fill);
    p.drawPath(Rect(36, 50, 30, 7, 3));
    p.drawPath(Rect(36, 52, 8, 20, 3));
    Turned(p, 50, 24, 14, [&] {
        Filled(p, c::Black);
        p.drawPath(Rect(-10, -16, 20, 16));
        p.drawPath(Rect(-15, -2, 30, 4));
    });
    Filled(p, c::Orange, 1.5);
    p.drawPath(Polygon({{52, 38}, {68, 41}, {52, 43}}));
    Plain(p, c::Black);
    p.drawPath(Circle({46, 34}, 2));
    p.drawPath(Circle({55, 33}, 2));
    p.drawPath(Circle({46, 66}, 2.2));
    p.drawPath(Circle({46, 76}, 2.2));
}

void Cactus(QPainter& p, const Ink& k) {
    Stroke(p, c::Outline, 14);
    QPainterPath arms;
    arms.moveTo(44, 56);
    arms.lineTo(26, 56);
    arms.lineTo(26, 34);
    arms.moveTo(56, 68);
    arms.lineTo(74, 68);
    arms.lineTo(74, 54);
    p.drawPath(arms);
    Stroke(p, k.fill, 9.5);
    p.drawPath(arms);
    Filled(p, k.fill);
    p.drawPath(Rect(39, 16, 22, 70, 11));
    Filled(p, c::Pink, 1.5);
    p.drawPath(Star({50, 16}, 7, 3, 5));
    Filled(p, k.fill2);
    p.drawPath(Polygon({{28, 82}, {72, 82}, {66, 97}, {34, 97}}));
}

void FlowerPot(QPainter& p, const Ink& k) {
    Stroke(p, c::DarkGreen, 3);
    QPainterPath stem;
    stem.moveTo(46, 72);
    stem.cubicTo(46, 50, 62, 42, 66, 28);
    p.drawPath(stem);
    Filled(p, c::Green, 1.5);
    Turned(p, 36, 56, -30, [&] { p.drawPath(Ellipse({0, 0}, 11, 5)); });
    Filled(p, k.fill, 1.5);
    for (int i = 0; i < 5; ++i) {
        const double a = i * 2 * std::numbers::pi / 5;
        p.drawPath(Circle({66 + 10 * std::cos(a), 22 + 10 * std::sin(a)}, 7));
    }
    Filled(p, c::Yellow, 1.5);
    p.drawPath(Circle({66, 22}, 6));
    Filled(p, k.fill2);
    p.drawPath(Polygon({{28, 72}, {64, 72}, {59, 94}, {33, 94}}));
    p.drawPath(Rect(26, 70, 40, 7, 2));
}

void Guitar(QPainter& p, const Ink& k) {
    Turned(p, 52, 50, 35, [&] {
        Filled(p, c::Brown);
        p.drawPath(Rect(-3.5, -44, 7, 40));
        p.drawPath(Rect(-6, -54, 12, 12, 2));
        Filled(p, k.fill);
        p.drawPath(Circle({0, 24}, 20).united(Circle({0, 0}, 15)));
        Plain(p, c::Outline);
        p.drawPath(Circle({0, 8}, 5.5));
        Filled(p, k.fill2, 1.2);
        p.drawPath(Rect(-8, 28, 16, 4));
    });
}

void Trumpet(QPainter& p, const Ink& k) {
    Stroke(p, c::Outline, 9);
    p.drawPath(Rect(30, 54, 30, 14, 7));
    Stroke(p, k.fill, 5);
    p.drawPath(Rect(30, 54, 30, 14, 7));
    Filled(p, k.fill);
    p.drawPath(Rect(14, 46, 56, 8));
    QPainterPath bell;
    bell.moveTo(66, 46);
    bell.quadTo(80, 44, 92, 28);
    bell.lineTo(92, 72);
    bell.quadTo(80, 56, 66, 54);
    bell.closeSubpath();
    p.drawPath(bell);
    Filled(p, k.fill2);
    p.drawPath(Rect(6, 47, 9, 6, 2));
    for (int i = 0; i < 3; ++i) {
        p.drawPath(Rect(34 + i * 9.0, 32, 5, 14));
        p.drawPath(Rect(32.5 + i * 9.0, 28, 8, 4, 1));
    }
}

void BucketAndSpade(QPainter& p, const Ink& k) {
    Stroke(p, c::Outline, 2.5);
    QPainterPath handle;
    handle.moveTo(20, 44);
    handle.cubicTo(20, 20, 52, 20, 52, 44);
    p.drawPath(handle);
    Filled(p, k.fill);
    p.drawPath(Polygon({{16, 44}, {56, 44}, {50, 90}, {22, 90}}));
    Filled(p, k.fill2, 1.5);
    p.drawPath(Rect(16, 52, 40, 6));
    Line(p, {66, 14}, {78, 66}, c::Brown, 4);
    Filled(p, c::Grey);
    p.drawPath(Polygon({{70, 64}, {86, 60}, {90, 84}, {80, 92}}));
    Filled(p, k.fill2);
    p.drawPath(Rect(61, 10, 12, 5, 2));
}

void QuestionBubble(QPainter& p, const Ink& k) {
    Filled(p, c::White);
    QPainterPath bubble = Ellipse({54, 40}, 38, 30).united(Polygon({{26, 56}, {10, 92}, {46, 66}}));
    p.drawPath(bubble);
    QFont font("Liberation Sans");
    font.setBold(true);
    font.setPixelSize(44);
    QPainterPath mark;
    mark.addText(0, 0, font, "?");
    const QRectF box = mark.boundingRect();
    mark.translate(54 - box.center().x(), 40 - box.center().y());
    Filled(p, k.fill, 1.2);
    p.drawPath(mark);
}

void Pizza(QPainter& p, const Ink& k) {
    Filled(p, c::Tan);
    p.drawPath(Polygon({{12, 20}, {90, 34}, {28, 94}}));
    Plain(p, k.fill2);
    p.drawPath(Polygon({{20, 28}, {80, 38}, {30, 84}}));
    Filled(p, k.fill, 1.5);
    p.drawPath(Circle({36, 40}, 7));
    p.drawPath(Circle({58, 44}, 6));
    p.drawPath(Circle({34, 64}, 6));
    Stroke(p, c::Brown, 6);
    p.drawLine(QPointF(12, 20), QPointF(90, 34));
}

void Cheese(QPainter& p, const Ink& k) {
    QPainterPath wedge = Polygon({{8, 84}, {92, 84}, {92, 32}});
    wedge = wedge.subtracted(Circle({70, 64}, 7))
                .subtracted(Circle({84, 48}, 4))
                .subtracted(Circle({50, 80}, 6))
                .subtracted(Circle({76, 82}, 4));
    Filled(p, k.fill);
    p.drawPath(wedge);
    Filled(p, k.fill2);
    p.drawPath(Polygon({{92, 32}, {96, 30}, {96, 86}, {92, 84}}));
}

void Toothbrush(QPainter& p, const Ink& k) {
    Turned(p, 50, 50, -30, [&] {
        Filled(p, k.fill);
        p.drawPath(Rect(-4.5, -44, 9, 90, 4.5));
        Filled(p, c::White, 1.5);
        p.drawPath(Rect(4, -42, 12, 24, 2));
        Stroke(p, k.fill2, 1.5);
        for (int i = 0; i < 5; ++i) {
            p.drawLine(QPointF(6, -38 + i * 4.5), QPointF(15, -38 + i * 4.5));
        }
    });
}

void Mailbox(QPainter& p, const Ink& k) {
    Filled(p, c::Brown);
    p.drawPath(Rect(42, 58, 10, 36));
    Line(p, {76, 56}, {76, 24}, c::Outline, 3);
    Filled(p, c::Red, 1.5);
    p.drawPath(Rect(76, 24, 14, 9));
    QPainterPath box;
    box.moveTo(16, 60);
    box.lineTo(16, 40);
    box.cubicTo(16, 24, 74, 24, 74, 40);
    box.lineTo(74, 60);
    box.closeSubpath();
    Filled(p, k.fill);
    p.drawPath(box);
    Stroke(p, k.fill2, 2.5);
    p.drawLine(QPointF(24, 48), QPointF(40, 48));
}

void Footprint(QPainter& p, const Ink& k) {
    Filled(p, k.fill);
    QPainterPath sole;
    sole.moveTo(46, 94);
    sole.cubicTo(30, 94, 28, 76, 32, 64);
    sole.cubicTo(36, 52, 30, 40, 38, 32);
    sole.cubicTo(48, 22, 70, 26, 70, 42);
    sole.cubicTo(70, 56, 62, 62, 62, 76);
    sole.cubicTo(62, 88, 58, 94, 46, 94);
    p.drawPath(sole);
    p.drawPath(Ellipse({64, 16}, 7, 8));
    p.drawPath(Circle({51, 14}, 5));
    p.drawPath(Circle({41, 17}, 4.3));
    p.drawPath(Circle({33, 22}, 3.8));
    p.drawPath(Circle({27, 29}, 3.3));
}

kit::Ink Ink3(QColor a, QColor b, QColor c3) {
    return {a, b, c3};
}

} // namespace

const std::vector<ObjectRecipe>& Objects() {
    static const std::vector<ObjectRecipe> objects = {
        {"key", Key, Ink3(c::Yellow, c::Grey, c::Red), Ink3(c::Grey, c::Grey, c::Red)},
        {"flag", Flag, Ink3(c::Red, c::White, c::Yellow), Ink3(c::Blue, c::Yellow, c::Red)},
        {"boot", Boot, Ink3(c::Brown, c::Black, c::Tan), Ink3(c::Green, c::Navy, c::Tan)},
        {"teapot", Teapot, Ink3(c::Teal, c::Navy, c::White), Ink3(c::Pink, c::Purple, c::White)},
        {"hammer", Hammer, Ink3(c::Grey, c::Brown, c::Red), Ink3(c::Navy, c::Orange, c::Red)},
        {"umbrella", Umbrella, Ink3(c::Purple, c::Yellow, c::Red), Ink3(c::Red, c::White, c::Red)},
        {"bird", Bird, Ink3(c::Blue, c::Sky, c::Red), Ink3(c::Red, c::Orange, c::Red)},
        {"fish", Fish, Ink3(c::Orange, c::Red, c::Sky), Ink3(c::Teal, c::Navy, c::Sky)},
        {"house", House, Ink3(c::Yellow, c::Red, c::Brown), Ink3(c::Sky, c::Navy, c::Brown)},
        {"car", Car, Ink3(c::Red, c::Black, c::Yellow), Ink3(c::Blue, c::Black, c::Yellow)},
        {"sailboat", Sailboat, Ink3(c::White, c::Yellow, c::Red),
         Ink3(c::Orange, c::White, c::Red)},
        {"mug", Mug, Ink3(c::Blue, c::White, c::Grey), Ink3(c::Red, c::Yellow, c::Grey)},
        {"watering can", WateringCan, Ink3(c::Green, c::DarkGreen, c::Sky),
         Ink3(c::Orange, c::Brown, c::Sky)},
        {"axe", Axe, Ink3(c::Grey, c::Brown, c::Red), Ink3(c::Red, c::Brown, c::Red)},
        {"saucepan", Saucepan, Ink3(c::Red, c::Black, c::Grey), Ink3(c::Teal, c::Black, c::Grey)},
        {"apple", Apple, Ink3(c::Red, c::Green, c::Brown), Ink3(c::Green, c::Green, c::Brown)},
        {"pear", Pear, Ink3(QColor(180, 200, 60), c::Green, c::Brown),
         Ink3(c::Yellow, c::Green, c::Brown)},
        {"cherries", Cherries, Ink3(c::Red, c::Green, c::Brown),
         Ink3(c::Purple, c::Green, c::Brown)},
        {"banana", Banana, Ink3(c::Yellow, c::Orange, c::Brown),
         Ink3(c::Yellow, c::Green, c::Brown)},
        {"carrot", Carrot, Ink3(c::Orange, c::Brown, c::Green), Ink3(c::Orange, c::Red, c::Green)},
        {"mushrooms", Mushrooms, Ink3(c::Red, c::Brown, c::White),
         Ink3(c::Brown, c::Orange, c::White)},
        {"tree", Tree, Ink3(c::Green, c::Brown, c::Red), Ink3(c::DarkGreen, c::Brown, c::Orange)},
        {"leaf", Leaf, Ink3(c::Green, c::DarkGreen, c::Brown), Ink3(c::Orange, c::Red, c::Brown)},
        {"sun and cloud", SunAndCloud, Ink3(c::Yellow, c::LightGrey, c::Orange),
         Ink3(c::Orange, c::Sky, c::Orange)},
        {"moon and stars", MoonAndStars, Ink3(c::Yellow, c::Yellow, c::Navy),
         Ink3(c::Sky, c::Orange, c::Navy)},
        {"lightning", Lightning, Ink3(c::Yellow, c::Orange, c::Red),
         Ink3(c::Purple, c::Orange, c::Red)},
        {"snail", Snail, Ink3(c::Orange, c::Tan, c::Brown), Ink3(c::Pink, c::Green, c::Brown)},
        {"cat", Cat, Ink3(c::Grey, c::Pink, c::Black), Ink3(c::Orange, c::Pink, c::Black)},
        {"duck", Duck, Ink3(c::Yellow, c::Orange, c::Blue), Ink3(c::White, c::Grey, c::Blue)},
        {"balloon", Balloon, Ink3(c::Purple, c::White, c::Grey), Ink3(c::Green, c::White, c::Grey)},
        {"kite", Kite, Ink3(c::Red, c::Yellow, c::Blue), Ink3(c::Teal, c::Pink, c::Blue)},
        {"rocket", Rocket, Ink3(c::White, c::Red, c::Sky), Ink3(c::Sky, c::Navy, c::Sky)},
        {"airplane", Airplane, Ink3(c::LightGrey, c::Blue, c::Sky),
         Ink3(c::Yellow, c::Red, c::Sky)},
        {"train", Train, Ink3(c::Green, c::Red, c::Black), Ink3(c::Blue, c::Yellow, c::Black)},
        {"truck", Truck, Ink3(c::Orange, c::Blue, c::Black), Ink3(c::Green, c::Red, c::Black)},
        {"bicycle", Bicycle, Ink3(c::Red, c::Black, c::Grey), Ink3(c::Teal, c::Black, c::Grey)},
        {"music notes", MusicNotes, Ink3(c::Navy, c::Yellow, c::Grey),
         Ink3(c::Purple, c::Orange, c::Grey)},
        {"clock", Clock, Ink3(c::Orange, c::Red, c::Black), Ink3(c::Teal, c::Red, c::Black)},
        {"desk lamp", DeskLamp, Ink3(c::Green, c::Grey, c::Yellow),
         Ink3(c::Red, c::Black, c::Yellow)},
        {"chair", Chair, Ink3(c::Brown, c::Tan, c::Red), Ink3(c::Blue, c::Sky, c::Red)},
        {"ice cream", IceCream, Ink3(c::Pink, c::Brown, c::Red), Ink3(c::Green, c::Yellow, c::Red)},
        {"candle", Candle, Ink3(c::Red, c::Yellow, c::Orange), Ink3(c::Sky, c::Yellow, c::Orange)},
        {"light bulb", LightBulb, Ink3(c::Yellow, c::Grey, c::Orange),
         Ink3(c::White, c::Grey, c::Orange)},
        {"bell", Bell, Ink3(c::Yellow, c::Brown, c::Red), Ink3(c::Sky, c::Navy, c::Red)},
        {"mitten", Mitten, Ink3(c::Red, c::White, c::Green), Ink3(c::Green, c::Yellow, c::Red)},
        {"sock", Sock, Ink3(c::Sky, c::Navy, c::White), Ink3(c::Pink, c::Purple, c::White)},
        {"sneaker", Sneaker, Ink3(c::Blue, c::Red, c::White), Ink3(c::Purple, c::Yellow, c::White)},
        {"cap", Cap, Ink3(c::Green, c::DarkGreen, c::White), Ink3(c::Red, c::Navy, c::White)},
        {"spoon", Spoon, Ink3(c::Grey, c::White, c::Grey), Ink3(c::Orange, c::White, c::Grey)},
        {"wrench", Wrench, Ink3(c::Grey, c::Black, c::Red), Ink3(c::Blue, c::Black, c::Red)},
        {"screwdriver", Screwdriver, Ink3(c::Red, c::Yellow, c::Grey),
         Ink3(c::Yellow, c::Black, c::Grey)},
        {"pencil", Pencil, Ink3(c::Yellow, c::Orange, c::Pink), Ink3(c::Blue, c::Navy, c::Pink)},
        {"paintbrush", Paintbrush, Ink3(c::Red, c::Blue, c::Grey),
         Ink3(c::Brown, c::Green, c::Grey)},
        {"magnifying glass", Magnifier, Ink3(c::Navy, c::Sky, c::White),
         Ink3(c::Red, c::Sky, c::White)},
        {"bottle and glass", BottleAndGlass, Ink3(c::Green, c::White, c::Sky),
         Ink3(c::Brown, c::Yellow, c::Sky)},
        {"envelope", Envelope, Ink3(c::Red, QColor(250, 240, 215), c::Navy),
         Ink3(c::Green, c::White, c::Navy)},
        {"heart and arrow", HeartAndArrow, Ink3(c::Red, c::Yellow, c::Brown),
         Ink3(c::Pink, c::Sky, c::Brown)},
        {"padlock", Padlock, Ink3(c::Yellow, c::Grey, c::Black), Ink3(c::Red, c::Grey, c::Black)},
        {"ladder", Ladder, Ink3(c::Tan, c::Brown, c::Grey), Ink3(c::Red, c::Brown, c::Grey)},
        {"tent", Tent, Ink3(c::Green, c::Red, c::Navy), Ink3(c::Orange, c::Blue, c::Navy)},
        {"tower", Tower, Ink3(c::LightGrey, c::Grey, c::Red), Ink3(c::Tan, c::Grey, c::Red)},
        {"snowman", Snowman, Ink3(c::Red, c::White, c::Black), Ink3(c::Blue, c::White, c::Black)},
        {"cactus", Cactus, Ink3(c::Green, QColor(200, 100, 60), c::Pink),
         Ink3(c::DarkGreen, c::Blue, c::Pink)},
        {"flower pot", FlowerPot, Ink3(c::Pink, QColor(200, 100, 60), c::Yellow),
         Ink3(c::Purple, c::Blue, c::Yellow)},
        {"guitar", Guitar, Ink3(c::Orange, c::Black, c::Brown), Ink3(c::Red, c::White, c::Brown)},
        {"trumpet", Trumpet, Ink3(c::Yellow, c::Orange, c::Grey), Ink3(c::Grey, c::Navy, c::Grey)},
        {"bucket and spade", BucketAndSpade, Ink3(c::Red, c::Yellow, c::Blue),
         Ink3(c::Blue, c::Red, c::Yellow)},
        {"question bubble", QuestionBubble, Ink3(c::Blue, c::White, c::Grey),
         Ink3(c::Red, c::White, c::Grey)},
        {"pizza slice", Pizza, Ink3(c::Red, c::Yellow, c::Green),
         Ink3(c::DarkGreen, c::Yellow, c::Green)},
        {"cheese", Cheese, Ink3(c::Yellow, c::Orange, c::Brown), Ink3(c::Orange, c::Red, c::Brown)},
        {"toothbrush", Toothbrush, Ink3(c::Teal, c::Sky, c::White),
         Ink3(c::Pink, c::Sky, c::White)},
        {"mailbox", Mailbox, Ink3(c::Blue, c::White, c::Red), Ink3(c::Green, c::White, c::Red)},
        {"footprint", Footprint, Ink3(c::Brown, c::Tan, c::Black), Ink3(c::Blue, c::Tan, c::Black)},
    };
    return objects;
}
