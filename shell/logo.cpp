#include "shell/logo.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// The logo is laid out on a square of 240 units.
constexpr int DesignSide = 240;

const QColor Ink(30, 60, 120);
constexpr int InkWidth = 8;

struct Disc {
    double x, y, radius;
    QColor fill;
};

// Iris, pupil and light spot, then the dotted path below the eye.
QList<Disc> discs() {
    QList<Disc> all{
        {120, 120, 42, QColor(40, 120, 200)}, {120, 120, 18, Qt::black}, {108, 108, 7, Qt::white}};
    for (int i = 0; i < 5; ++i) {
        all.append({40.0 + i * 40, 215, 9, QColor(230, 160, 30)});
    }
    return all;
}

// The eye's outline: two arcs from the left corner to the right one and back.
QPainterPath eyeOutline() {
    QPainterPath eye;
    eye.moveTo(20, 120);
    eye.quadTo(120, 20, 220, 120);
    eye.quadTo(120, 220, 20, 120);
    return eye;
}
const char* const EyeOutlineSvg = "M20 120Q120 20 220 120Q120 220 20 120Z";

} // namespace

QImage DrawLogo(int side) {
    QImage logo(side, side, QImage::Format_ARGB32_Premultiplied);
    logo.fill(Qt::transparent);
    QPainter p(&logo);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(double(side) / DesignSide, double(side) / DesignSide);
    p.setPen(QPen(Ink, InkWidth));
    p.setBrush(Qt::white);
    p.drawPath(eyeOutline());
    p.setPen(Qt::NoPen);
    for (const Disc& disc : discs()) {
        p.setBrush(disc.fill);
        p.drawEllipse(QPointF(disc.x, disc.y), disc.radius, disc.radius);
    }
    return logo;
}

QString LogoSvg() {
    QString svg = QString("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" "
                          "viewBox=\"0 0 %1 %1\">\n")
                      .arg(DesignSide);
    svg += QString("  <path d=\"%1\" fill=\"#ffffff\" stroke=\"%2\" stroke-width=\"%3\"/>\n")
               .arg(EyeOutlineSvg, Ink.name())
               .arg(InkWidth);
    for (const Disc& disc : discs()) {
        svg += QString("  <circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"%4\"/>\n")
                   .arg(disc.x)
                   .arg(disc.y)
                   .arg(disc.radius)
                   .arg(disc.fill.name());
    }
    return svg + "</svg>\n";
}
