#include "exercises/tracking/page_layout.h"

#include <algorithm>

namespace {

constexpr int LineTops[] = {200, 1400, 2600, 3800, 5000, 6200};
constexpr int RightmostLeft = 11000;
constexpr int Gap = 60; // kept free between a grown position and the next

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
    const int step = HorizontalStep(settings.perLine);
    QList<QRect> positions;
    for (const int top : LineTops) {
        for (int left = columns.firstLeft; left <= RightmostLeft; left += step) {
            const int room = std::min(step, PageWidth - left) - Gap;
            const int width = std::max(columns.width, std::min(settings.itemWidth, room));
            positions.append(QRect(left, top, width, height));
        }
    }
    return positions;
}

int PageLimit(const PageSettings& settings) {
    return static_cast<int>(PagePositions(settings).size()) + 1;
}
