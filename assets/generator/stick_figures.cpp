#include "stick_figures.h"

#include "draw_kit.h"

#include <QPainter>
#include <QPainterPath>

using namespace kit;
namespace c = kit::colour;

namespace {

const QColor Shirt(70, 165, 80);
const QColor Trousers(75, 75, 85);
const QColor Shoe(120, 75, 40);
const QColor Hair(105, 65, 35);
const QColor Badge(245, 205, 40);

constexpr double Middle = 80.5;

void Limb(QPainter& p, std::initializer_list<QPointF> joints, const QColor& colour, double width) {
    QPainterPath path;
    bool first = true;
    for (const QPointF& joint : joints) {
        if (first) {
            path.moveTo(joint);
            first = false;
        } else {
            path.lineTo(joint);
        }
    }
    Stroke(p, c::Outline, width + 3);
    p.drawPath(path);
    Stroke(p, colour, width);
    p.drawPath(path);
}

void Head(QPainter& p, bool front) {
    const QPointF centre(Middle, 40);
    Filled(p, c::Skin, 2);
    p.drawPath(Circle({Middle - 21, 42}, 5));
    p.drawPath(Circle({Middle + 21, 42}, 5));
    p.drawPath(Circle(centre, 21));
    if (front) {
        // Hair on top only, the face below it.
        QPainterPath hair;
        hair.moveTo(Middle - 21, 36);
        hair.cubicTo(Middle - 22, 12, Middle + 22, 12, Middle + 21, 36);
        hair.cubicTo(Middle + 10, 26, Middle - 10, 26, Middle - 21, 36);
        Filled(p, Hair, 2);
        p.drawPath(hair);
        Plain(p, FaceColour);
        p.drawPath(Circle({Middle - 8, 40}, 3.2));
        p.drawPath(Circle({Middle + 8, 40}, 3.2));
        Stroke(p, FaceColour, 2.6);
        p.drawArc(QRectF(Middle - 9, 40, 18, 12), 200 * 16, 140 * 16);
    } else {
        // The back of the head: hair all over, a little neck showing below.
        QPainterPath hair = Circle(centre, 21).subtracted(Circle({Middle, 74}, 16));
        Filled(p, Hair, 2);
        p.drawPath(hair);
    }
}

} // namespace

std::vector<StickFigure> StickFigures() {
    return {
        {"StkManFL.jpg", true, true, false},      {"StkManFR.jpg", true, false, false},
        {"StkManBL.jpg", false, true, false},     {"StkManBR.jpg", false, false, false},
        {"StkManFL_Ball.jpg", true, true, true},  {"StkManFR_Ball.jpg", true, false, true},
        {"StkManBL_Ball.jpg", false, true, true}, {"StkManBR_Ball.jpg", false, false, true},
    };
}

QImage DrawStickFigure(const StickFigure& figure) {
    QImage image = kit::NewPicture(StickFigureWidth, StickFigureHeight);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // Seen from the front the figure's own left is on the viewer's right;
    // seen from the back it is on the viewer's left. s = +1 puts the balloon
    // or the ball on the viewer's right.
    const double s = (figure.front == figure.leftSide) ? 1 : -1;

    const QPointF hip(Middle, 134);
    const QPointF shoulderActive(Middle + s * 10, 76);
    const QPointF shoulderOther(Middle - s * 10, 76);

    // Ground shadow.
    Plain(p, QColor(225, 225, 228));
    p.drawEllipse(QPointF(Middle, 205), 52, 7);

    // Legs, then shoes.
    QPointF footActive;
    QPointF footOther;
    if (figure.ball) {
        footActive = QPointF(Middle + s * 40, 176);
        footOther = QPointF(Middle - s * 12, 198);
        Limb(p, {hip + QPointF(-s * 5, 0), footOther}, Trousers, 8);
        Limb(p, {hip + QPointF(s * 5, 0), QPointF(Middle + s * 20, 162), footActive}, Trousers, 8);
    } else {
        footActive = QPointF(Middle + s * 20, 198);
        footOther = QPointF(Middle - s * 20, 198);
        Limb(p, {hip + QPointF(s * 5, 0), footActive}, Trousers, 8);
        Limb(p, {hip + QPointF(-s * 5, 0), footOther}, Trousers, 8);
    }
    Filled(p, Shoe, 2);
    p.drawEllipse(footOther + QPointF(-s * 3, 3), 10, 6);
    p.drawEllipse(footActive + QPointF(s * 4, figure.ball ? 1 : 3), 10, 6);

    // Arms: the balloon hand raised to the side, the other hanging down; when
    // kicking, both arms are held out for balance.
    QPointF handActive;
    QPointF handOther;
    if (figure.ball) {
        handActive = QPointF(Middle + s * 42, 104);
        handOther = QPointF(Middle - s * 44, 100);
    } else {
        handActive = QPointF(Middle + s * 44, 92);
        handOther = QPointF(Middle - s * 30, 124);
    }
    Limb(p, {shoulderActive, QPointF(Middle + s * 28, 92), handActive}, c::Outline, 5);
    Limb(p, {shoulderOther, QPointF(Middle - s * 24, 100), handOther}, c::Outline, 5);
    Filled(p, c::Skin, 2);
    p.drawPath(Circle(handActive, 5.5));
    p.drawPath(Circle(handOther, 5.5));

    // Body: a shirt; the front carries a badge.
    QPainterPath shirt;
    shirt.addRoundedRect(QRectF(Middle - 15, 66, 30, 72), 8, 8);
    Filled(p, Shirt, 2.2);
    p.drawPath(shirt);
    if (figure.front) {
        Filled(p, Badge, 1.5);
        p.drawPath(Star({Middle + 7, 84}, 6, 2.6, 5));
    }
    Head(p, figure.front);

    if (figure.ball) {
        const QPointF centre(Middle + s * 56, 184);
        Filled(p, BallColour, 2);
        p.drawPath(Circle(centre, 14));
        Plain(p, c::White);
        p.drawPath(Circle(centre + QPointF(-4, -5), 3.5));
    } else {
        const QPointF balloon(Middle + s * 50, 32);
        Stroke(p, c::Grey, 1.6);
        QPainterPath string;
        string.moveTo(handActive);
        string.cubicTo(handActive + QPointF(s * 8, -10), balloon + QPointF(-s * 6, 40),
                       balloon + QPointF(0, 30));
        p.drawPath(string);
        Filled(p, BalloonColour, 2);
        p.drawPath(Polygon(
            {balloon + QPointF(0, 24), balloon + QPointF(-4, 31), balloon + QPointF(4, 31)}));
        p.drawEllipse(balloon, 20, 25);
        Plain(p, c::White);
        p.drawEllipse(balloon + QPointF(-7, -9), 4, 7);
    }
    return image;
}
