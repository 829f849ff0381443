// Where the positions of a tracking page lie: six lines, each holding the
// chosen number of items per line, in reading order.
#pragma once

#include <QList>
#include <QRect>

struct PageSettings {
    int perLine = 2;
    int fontSize = 14;
    bool sequences = false;    // sequences are wider than single characters
    bool doubleDigits = false; // two-digit numbers need a little more room at large sizes
    // Width in twips that the widest item needs at this font size; a position
    // narrower than that grows to it, as far as the next position allows.
    int itemWidth = 0;
};

// The width of the page in twips; positions end inside it.
constexpr int PageWidth = 12000;

// Horizontal distance between positions: 8 -> 1500, 6 -> 2025, 5 -> 2600,
// 4 -> 3400, 2 (and any value not offered) -> 10250 twips.
int HorizontalStep(int perLine);

// The rectangles of the positions in twips, in reading order (left to right,
// then the next line down); each line holds exactly perLine positions.
QList<QRect> PagePositions(const PageSettings& settings);

// The position index at which a page ends: one past the last position.
int PageLimit(const PageSettings& settings);
