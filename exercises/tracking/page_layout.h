// Where the positions of a tracking page lie: six lines, each holding the
// chosen number of items per line, in reading order.
#pragma once

#include <QList>
#include <QRect>
#include <functional>

struct PageSettings {
    int perLine = 2;
    int fontSize = 14;
    bool sequences = false;    // sequences are wider than single characters
    bool doubleDigits = false; // two-digit numbers need a little more room at large sizes
    // Width in twips that the widest possible item needs at the page's font
    // size; a position narrower than that grows to it, as far as the next
    // position allows.
    int itemWidth = 0;
};

// The smallest font size a page steps down to.
constexpr int MinimumPageFontSize = 8;

// The width of the page in twips; positions end inside it.
constexpr int PageWidth = 12000;

// Horizontal distance between positions: 8 -> 1500, 6 -> 2025, 5 -> 2600,
// 4 -> 3400, 2 (and any value not offered) -> 10250 twips.
int HorizontalStep(int perLine);

// The rectangles of the positions in twips, in reading order (left to right,
// then the next line down); each line holds exactly perLine positions. All
// have one width: the design's, or the widest item's when that is wider.
QList<QRect> PagePositions(const PageSettings& settings);

// The position index at which a page ends: one past the last position.
int PageLimit(const PageSettings& settings);

// The left edges of one line's positions as designed, in twips.
QList<int> DesignLefts(const PageSettings& settings);

// The widest a page's positions can grow, in twips, all alike: up to the
// next position, the last one of a line moving left from the page's edge
// as far as the one before it allows.
int ItemRoom(const PageSettings& settings);

// The one font size of every item of a page: the chosen size when the widest
// possible item fits every position at it, otherwise the largest smaller size
// at which it does. widestAt gives that item's width in twips at a size.
int PageFontSize(const PageSettings& settings, const std::function<int(int)>& widestAt);
