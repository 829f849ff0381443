// Captions that fit their control: a text that needs more room than its
// control has is wrapped where the control allows it, and drawn in a smaller
// font, a half point at a time, until it fits. A text that cannot fit on one
// line even in the smallest font is wrapped as well.
#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <QStringList>

namespace TextFit {

// No caption is drawn smaller than this, whatever its room.
constexpr double SmallestPoints = 6.0;

// The room text needs in font; flags may hold Qt::TextWordWrap (wrapped at
// room's width) and Qt::TextShowMnemonic.
QSize Needed(const QFont& font, const QString& text, QSize room, int flags);
bool Fits(const QFont& font, const QString& text, QSize room, int flags);

// How a control draws its texts: the font and the layout flags.
struct Fitting {
    QFont font;
    int flags;
};
// font and flags when every text fits in room; otherwise the largest smaller
// font in which all of them fit, wrapped if they fit no other way. When
// nothing fits, the smallest font allowed.
Fitting Fit(const QFont& font, const QStringList& texts, QSize room, int flags);

} // namespace TextFit
