#include "letters.h"

#include "draw_kit.h"
#include <QFont>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

QFont LetterFont() {
    QFont font("Liberation Sans");
    font.setBold(true);
    font.setPixelSize(100);
    return font;
}

QPainterPath Outline(const QString& text) {
    QPainterPath path;
    path.addText(0, 0, LetterFont(), text);
    return path;
}

// Vertical extent (relative to the baseline, at 100 pixels) that a whole
// case must fit into, so that every letter of a case shares one baseline and
// one size, as in print.
struct Band {
    double top;
    double bottom;
};

Band CaseBand(bool capital) {
    Band band{0, 0};
    // Q's long tail is left out: it would shrink every other capital.
    const QString letters =
        capital ? QString("ABCDEFGHIJKLMNOPRSTUVWXYZ") : QString("abcdefghijklmnopqrstuvwxyz");
    for (const QChar letter : letters) {
        const QRectF box = Outline(letter).boundingRect();
        band.top = std::min(band.top, box.top());
        band.bottom = std::max(band.bottom, box.bottom());
    }
    return band;
}

// The letter's outline. A plain capital I is a bare bar that a patient
// cannot tell from a small l, so it gets the crossbars of a printed I.
QPainterPath LetterOutline(QChar letter) {
    QPainterPath path = Outline(letter);
    if (letter == 'I') {
        const QRectF stem = path.boundingRect();
        const double bar = stem.width() * 0.8;
        QPainterPath serifs;
        serifs.addRect(
            QRectF(stem.left() - bar, stem.top(), stem.width() + 2 * bar, stem.width() * 0.9));
        serifs.addRect(QRectF(stem.left() - bar, stem.bottom() - stem.width() * 0.9,
                              stem.width() + 2 * bar, stem.width() * 0.9));
        path = path.united(serifs).simplified();
    }
    return path;
}

} // namespace

QString LetterFileName(QChar letter) {
    return letter.isUpper() ? QString("Letter%1.jpg").arg(letter)
                            : QString("LetterLC%1.jpg").arg(letter);
}

QImage DrawLetter(QChar letter) {
    static const Band capitals = CaseBand(true);
    static const Band smalls = CaseBand(false);
    const Band band = letter.isUpper() ? capitals : smalls;
    constexpr double margin = 8;
    constexpr double room = LetterSize - 2 * margin;

    // Every letter of a case shares one size and one baseline, as in print.
    // A letter too wide for the box (W) is first narrowed a little; one that
    // still would not fit (Q with its tail) is made just small enough and
    // centred.
    QPainterPath path = LetterOutline(letter);
    const QRectF box = path.boundingRect();
    // Capitals stand about 5/6 of the box high; small letters use the whole
    // height from ascender to descender.
    const double height = letter.isUpper() ? 152 : room;
    const double caseScale = height / (band.bottom - band.top);
    const double baseline = (LetterSize - height) / 2 - band.top * caseScale;
    constexpr double wide = LetterSize - 8;
    const double scaleX = std::max(std::min(caseScale, wide / box.width()), 0.85 * caseScale);
    QTransform place;
    place.translate(LetterSize / 2.0, baseline);
    place.scale(scaleX, caseScale);
    place.translate(-box.center().x(), 0);
    const QRectF inside(4, margin, wide, room);
    if (!inside.contains(place.mapRect(box))) {
        const double scale = std::min(wide / box.width(), room / box.height());
        place.reset();
        place.translate(LetterSize / 2.0, LetterSize / 2.0);
        place.scale(scale, scale);
        place.translate(-box.center().x(), -box.center().y());
    }
    path = place.map(path);

    QImage image = kit::NewPicture(LetterSize, LetterSize);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawPath(path);
    return image;
}
