#include "shell/controls/text_fit.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

namespace TextFit {

QSize Needed(const QFont& font, const QString& text, QSize room, int flags) {
    if (text.isEmpty()) {
        return {0, 0};
    }
    const QRectF bounds = QFontMetricsF(font).boundingRect(
        QRectF(0, 0, room.width(), room.height()), flags | Qt::AlignLeft | Qt::AlignTop, text);
    return {static_cast<int>(std::ceil(bounds.width() - 0.01)),
            static_cast<int>(std::ceil(bounds.height() - 0.01))};
}

bool Fits(const QFont& font, const QString& text, QSize room, int flags) {
    const QSize needed = Needed(font, text, room, flags);
    return needed.width() <= room.width() && needed.height() <= room.height();
}

namespace {

bool allFit(const QFont& font, const QStringList& texts, QSize room, int flags) {
    return std::all_of(texts.begin(), texts.end(),
                       [&](const QString& text) { return Fits(font, text, room, flags); });
}

// The sizes to try after the font's own, largest first: half points, or
// whole pixels for a font set in pixels.
QList<QFont> smallerFonts(const QFont& font) {
    QList<QFont> fonts;
    QFont smaller = font;
    if (font.pointSizeF() <= 0) {
        for (int pixels = font.pixelSize() - 1; pixels >= 8; --pixels) {
            smaller.setPixelSize(pixels);
            fonts << smaller;
        }
        return fonts;
    }
    for (double points = std::floor(font.pointSizeF() * 2 - 0.5) / 2; points >= SmallestPoints;
         points -= 0.5) {
        smaller.setPointSizeF(points);
        fonts << smaller;
    }
    return fonts;
}

} // namespace

Fitting Fit(const QFont& font, const QStringList& texts, QSize room, int flags) {
    if (allFit(font, texts, room, flags)) {
        return {font, flags};
    }
    const QList<QFont> smaller = smallerFonts(font);
    for (int tryFlags : {flags, flags | int(Qt::TextWordWrap)}) {
        for (const QFont& each : smaller) {
            if (allFit(each, texts, room, tryFlags)) {
                return {each, tryFlags};
            }
        }
    }
    return {smaller.isEmpty() ? font : smaller.last(), flags};
}

} // namespace TextFit
