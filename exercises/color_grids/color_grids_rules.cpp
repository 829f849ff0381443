#include "exercises/color_grids/color_grids_rules.h"

#include "shell/controls/colors.h"
#include "shell/vb_runtime.h"

#include <algorithm>

namespace ColorGrids {

namespace {

constexpr std::uint32_t Yellow = 0x00FFFF;
constexpr std::uint32_t Green = 0x00FF00;
constexpr std::uint32_t Cyan = 0xFFFF00;
constexpr std::uint32_t Black = 0x000000;
constexpr std::uint32_t Red = 0x0000FF;
constexpr std::uint32_t Blue = 0xFF0000;

constexpr Span NarrowLeft{3415, 5005};
constexpr Span NarrowRight{6420, 8010};
constexpr Span MiddleLeft{3170, 5250};
constexpr Span MiddleRight{6175, 8255};
constexpr Span WideLeft{2900, 5520};
constexpr Span WideRight{5900, 8500};

// Indexed by code - 1: text, row and column extents, left A and B, top A and B, most
// altered squares, highest alterable cell, frame colour, frame spans.
// clang-format off
constexpr GridGeometry Geometries[] = {
    {"1x2",  200,  950, 3750, 6750, 600, 3400, 1,  1,
     Yellow, NarrowLeft, NarrowRight, {340, 1360}, {3140, 4160}},
    {"1x3",  200,  990, 3500, 6500, 600, 3400, 1,  2,
     Green, MiddleLeft, MiddleRight, {340, 1360}, {3140, 4160}},
    {"1x4",  200, 1600, 3250, 6250, 600, 3400, 2,  3,
     Cyan, WideLeft, WideRight, {340, 1430}, {3140, 4230}},
    {"1x5",  200, 2000, 3000, 6000, 400, 3200, 2,  4,
     Black, WideLeft, WideRight, {340, 940}, {3140, 3740}},
    {"2x2",  950,  950, 3750, 6750, 600, 3400, 1,  4,
     Red, NarrowLeft, NarrowRight, {340, 1850}, {3140, 4650}},
    {"2x3",  900,  990, 3500, 6500, 600, 3400, 2,  5,
     Green, MiddleLeft, MiddleRight, {340, 1850}, {3140, 4650}},
    {"2x4",  900, 1600, 3250, 6250, 600, 3400, 3,  7,
     Green, WideLeft, WideRight, {340, 1920}, {3140, 4720}},
    {"2x5",  900, 2000, 3000, 6000, 400, 3200, 3,  9,
     Cyan, WideLeft, WideRight, {340, 1430}, {3140, 4230}},
    {"3x3",  990,  990, 3500, 6500, 600, 3400, 3,  8,
     Blue, MiddleLeft, MiddleRight, {340, 2340}, {3140, 5140}},
    {"3x4", 1000, 1600, 3250, 6250, 600, 3400, 4, 11,
     Red, WideLeft, WideRight, {340, 2410}, {3140, 5210}},
    {"3x5", 1000, 2000, 3000, 6000, 400, 3200, 4, 14,
     Green, WideLeft, WideRight, {340, 1920}, {3140, 4720}},
    {"4x4", 1600, 1600, 3250, 6250, 600, 3400, 5, 15,
     Blue, WideLeft, WideRight, {340, 2900}, {3140, 5700}},
    {"4x5", 1500, 2000, 3000, 6000, 400, 3200, 5, 19,
     Red, WideLeft, WideRight, {340, 2410}, {3140, 5210}},
    {"5x5", 2000, 2000, 3000, 6000, 400, 3200, 6, 24,
     Blue, WideLeft, WideRight, {340, 2900}, {3140, 5700}},
};
// clang-format on
constexpr int CodeCount = int(std::size(Geometries));

// Cells along one side: offsets 1, 491, 981, ... while within the extent.
int CellsWithin(double extent) {
    int cells = 0;
    while (cells < 5 && FirstCellOffset + cells * CellStep <= extent) {
        ++cells;
    }
    return cells;
}

bool LeftColumn(int grid) {
    return grid == 1 || grid == 3;
}

bool TopRow(int grid) {
    return grid == 1 || grid == 2;
}

} // namespace

QStringList SizeTexts() {
    return {"1x2", "2x2", "1x3", "2x3", "3x3", "1x4", "2x4",
            "3x4", "4x4", "1x5", "2x5", "3x5", "4x5", "5x5"};
}

int SizeCode(const QString& text) {
    for (int code = 1; code <= CodeCount; ++code) {
        if (text == Geometries[code - 1].text) {
            return code;
        }
    }
    return 0;
}

const GridGeometry& Geometry(int code) {
    return Geometries[std::clamp(code, 1, CodeCount) - 1];
}

int Rows(const GridGeometry& geometry) {
    return CellsWithin(geometry.rowExtent);
}

int Columns(const GridGeometry& geometry) {
    return CellsWithin(geometry.columnExtent);
}

int CellCount(const GridGeometry& geometry) {
    return Rows(geometry) * Columns(geometry);
}

QPointF GridOrigin(const GridGeometry& geometry, int grid) {
    return {LeftColumn(grid) ? geometry.leftA : geometry.leftB,
            TopRow(grid) ? geometry.topA : geometry.topB};
}

QRectF GridFrame(const GridGeometry& geometry, int grid) {
    const Span x = LeftColumn(grid) ? geometry.frameLeft : geometry.frameRight;
    const Span y = TopRow(grid) ? geometry.frameTop : geometry.frameBottom;
    return QRectF(QPointF(x.from, y.from), QPointF(x.to, y.to));
}

int OddGrid(double r) {
    return int(RoundHalfEven(r * 3 + 1));
}

int CellColorIndex(int colors, double r) {
    return int(Int(colors * r + 1));
}

int AlteredColorIndex(int index, int colors) {
    return colors < index + 1 ? index - 1 : index + 1;
}

int PaletteNumber(double r) {
    return int(Int(r * 4 + 1));
}

int HarderChannel(double r) {
    return int(RoundHalfEven(r * 225 + 25));
}

ColorTable BrightPalette(int number) {
    switch (number) {
    case 1:
        return {Qt::black, VbColor(Blue), VbColor(Green), VbColor(Cyan), VbColor(Yellow)};
    case 2:
        return {Qt::black, VbColor(Red), VbColor(0xFF00FF), VbColor(Yellow), VbColor(0xFFFFFF)};
    case 3:
        return {Qt::black, QBColor(9), QBColor(10), QBColor(11), QBColor(12)};
    default:
        return {Qt::black, QBColor(9), QBColor(13), QBColor(14), QBColor(15)};
    }
}

ColorTable FillColorTable(bool brighter, const Reseed& reseed, const RandomSource& rnd) {
    if (brighter) {
        return BrightPalette(PaletteNumber(rnd()));
    }
    reseed();
    ColorTable table{Qt::black};
    for (int entry = 1; entry <= MostColors; ++entry) {
        const int red = HarderChannel(rnd());
        const int green = HarderChannel(rnd());
        const int blue = HarderChannel(rnd());
        table[std::size_t(entry)] = QColor(red, green, blue);
    }
    return table;
}

QColor ColorSet::CellColor(int grid, int cell) const {
    const std::vector<int>& indexes = grid == oddGrid ? odd : pattern;
    return table[std::size_t(indexes.at(std::size_t(cell)))];
}

std::vector<int> ColorSet::AlteredCells() const {
    std::vector<int> cells;
    for (std::size_t cell = 0; cell < pattern.size(); ++cell) {
        if (odd[cell] != pattern[cell]) {
            cells.push_back(int(cell));
        }
    }
    return cells;
}

ColorSet DrawSet(const GridGeometry& geometry, int colors, bool brighter, const Reseed& reseed,
                 const RandomSource& rnd) {
    colors = std::clamp(colors, 1, MostColors);
    ColorSet set;
    set.table = FillColorTable(brighter, reseed, rnd);
    set.oddGrid = OddGrid(rnd());
    const int cells = CellCount(geometry);
    for (int cell = 0; cell < cells; ++cell) {
        reseed();
        set.pattern.push_back(CellColorIndex(colors, rnd()));
    }
    set.odd = set.pattern;
    const int changes = int(Int(geometry.maxAltered * rnd() + 1));
    for (int change = 0; change < changes; ++change) {
        const int cell = int(Int(geometry.highestAlterable * rnd() + 1));
        if (cell >= 1 && cell <= cells) {
            const std::size_t at = std::size_t(cell - 1);
            set.odd[at] = AlteredColorIndex(set.pattern[at], colors);
        }
    }
    return set;
}

const AdaptiveLadder& Ladder() {
    // Each level makes one thing harder and nothing easier: a larger grid
    // (more squares to compare across the four grids), one more colour (a
    // busier pattern that hides the changed squares), the harder pastel
    // colours (nearer to one another), and at the top no borders (the
    // squares run together).
    static const AdaptiveLadder ladder{
        {"cboGridSize", "cboColorVar", "chkColorLevel", "chkBorders"},
        {
            {"2x2", "2", "True", "True"},   // 1
            {"2x3", "2", "True", "True"},   // 2
            {"3x3", "2", "True", "True"},   // 3
            {"3x3", "3", "True", "True"},   // 4
            {"3x4", "3", "True", "True"},   // 5
            {"4x4", "3", "True", "True"},   // 6
            {"4x4", "4", "True", "True"},   // 7
            {"4x4", "4", "False", "True"},  // 8
            {"4x5", "4", "False", "True"},  // 9
            {"5x5", "4", "False", "True"},  // 10
            {"5x5", "4", "False", "False"}, // 11
        }};
    return ladder;
}

} // namespace ColorGrids
