#include "exercises/tracking/page_layout.h"

#include <algorithm>

namespace {

constexpr int LineTops[] = {200, 1400, 2600, 3800, 5000, 6200};
constexpr int RightmostLeft = 11000;
constexpr int Gap = 60; // kept free between positions and at the page's right edge

int PositionHeight(int fontSize) {
    if (fontSize <= 20) {
        return 495;
    }
    return fontSize <= 30 ? 650 : 820;
}

struct Columns {
    int width;
    int firstLeft;
};

Columns ColumnsFor(const PageSettings& s) {
    if (s.sequences) {
        return s.fontSize <= 20 ? Columns{1200, 300} : Columns{1800, 25};
    }
    if (s.fontSize > 30) {
        return {s.doubleDigits ? 750 : 700, 350};
    }
    return {550, 350};
}

} // namespace

QList<int> DesignLefts(const PageSettings& settings) {
    QList<int> lefts;
    const int step = HorizontalStep(settings.perLine);
    for (int left = ColumnsFor(settings).firstLeft; left <= RightmostLeft; left += step) {
        lefts.append(left);
    }
    return lefts;
}

int HorizontalStep(int perLine) {
    switch (perLine) {
    case 8:
        return 1500;
    case 6:
        return 2025;
    case 5:
        return 2600;
    case 4:
        return 3400;
    default:
        return 10250;
    }
}

QList<QRect> PagePositions(const PageSettings& settings) {
    const Columns columns = ColumnsFor(settings);
    const int height = PositionHeight(settings.fontSize);
    const int width = std::max(columns.width, std::min(settings.itemWidth, ItemRoom(settings)));
    QList<QRect> positions;
    for (const int top : LineTops) {
        for (const int left : DesignLefts(settings)) {
            // A position that would run past the page's edge moves left instead.
            positions.append(QRect(std::min(left, PageWidth - Gap - width), top, width, height));
        }
    }
    return positions;
}

int ItemRoom(const PageSettings& settings) {
    const QList<int> lefts = DesignLefts(settings);
    const int beforeLast = lefts.size() > 1 ? lefts[lefts.size() - 2] : -PageWidth;
    // The last position may move left until it meets the one before it.
    const int lastRoom =
        std::max(PageWidth - Gap - lefts.last(), (PageWidth - 2 * Gap - beforeLast) / 2);
    return std::min(HorizontalStep(settings.perLine) - Gap, lastRoom);
}

int PageFontSize(const PageSettings& settings, const std::function<int(int)>& widestAt) {
    const int room = ItemRoom(settings);
    int size = settings.fontSize;
    while (size > MinimumPageFontSize && widestAt(size) > room) {
        --size;
    }
    return size;
}

int PageLimit(const PageSettings& settings) {
    return static_cast<int>(PagePositions(settings).size()) + 1;
}
