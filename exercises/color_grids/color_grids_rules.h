// The rules of Discriminating Color Grids, free of widgets: the geometry of
// each grid size, the colour tables, and how a set of four grids is drawn
// with one odd grid whose squares differ.
#pragma once

#include "shell/framework/adaptive_level.h"

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace ColorGrids {

// A source of uniform random values in [0, 1), and a reseed from the clock.
using RandomSource = std::function<double()>;
using Reseed = std::function<void()>;

constexpr int GridCount = 4;
constexpr int MostColors = 4;
// Cells are 500 units wide on a 490 step, the first one 1 unit in from the
// grid's origin: neighbours share a border line.
constexpr double CellSide = 500;
constexpr double CellStep = 490;
constexpr double FirstCellOffset = 1;

// From one coordinate to another, in the screen's units.
struct Span {
    double from;
    double to;
};

// One grid size: where the four grids lie, how many squares may change and
// the frames drawn around the grids.
struct GridGeometry {
    const char* text; // "3x3"
    double rowExtent; // offsets 1, 491, ... up to this make the rows
    double columnExtent;
    double leftA; // grids 1 and 3
    double leftB; // grids 2 and 4
    double topA;  // grids 1 and 2
    double topB;  // grids 3 and 4
    int maxAltered;
    int highestAlterable; // cells 1 to this may change
    std::uint32_t frameColor;
    Span frameLeft; // x of the frames around grids 1 and 3
    Span frameRight;
    Span frameTop; // y of the frames around grids 1 and 2
    Span frameBottom;
};

// The grid sizes in the order of the options list, "1x2" to "5x5".
QStringList SizeTexts();
// The code (1 to 14) of a size text, or 0 when it names none.
int SizeCode(const QString& text);
// The geometry of a code from 1 to 14.
const GridGeometry& Geometry(int code);

int Rows(const GridGeometry& geometry);
int Columns(const GridGeometry& geometry);
int CellCount(const GridGeometry& geometry);
// The origin of grid 1 to 4; its first cell lies 1 unit further in.
QPointF GridOrigin(const GridGeometry& geometry, int grid);
// The frame drawn around grid 1 to 4.
QRectF GridFrame(const GridGeometry& geometry, int grid);

// Which grid is odd: r × 3 + 1 rounded half to even (1 and 4 are half as
// likely as 2 and 3).
int OddGrid(double r);
// A cell's colour index, 1 to colors.
int CellColorIndex(int colors, double r);
// The colour an altered square takes: the last colour in use goes one back,
// any other one forward; with one colour, 0 (black).
int AlteredColorIndex(int index, int colors);
// The bright palette, 1 to 4, drawn as Int(r × 4 + 1).
int PaletteNumber(double r);
// A colour channel of the harder colours, 25 to 250.
int HarderChannel(double r);

// Colour table entries 0 to 4; entry 0 stays black.
using ColorTable = std::array<QColor, MostColors + 1>;
ColorTable BrightPalette(int number);
// Bright: one draw picks a palette. Harder: a reseed, then red, green and
// blue drawn for each entry in turn.
ColorTable FillColorTable(bool brighter, const Reseed& reseed, const RandomSource& rnd);

// One set: the pattern every grid shows and the odd grid's own copy.
struct ColorSet {
    ColorTable table;
    int oddGrid = 1;
    std::vector<int> pattern; // colour index of cell n at [n - 1]
    std::vector<int> odd;     // the odd grid's colour indexes
    // The colour of a cell (from 0) of grid 1 to 4.
    QColor CellColor(int grid, int cell) const;
    // Cells (from 0) where the odd grid differs.
    std::vector<int> AlteredCells() const;
};

// Draws a set in the order the screen's random draws come: the colour table,
// the odd grid, one colour per cell (each after a reseed), then 1 to the
// size's maximum changes among cells 1 to its highest alterable cell.
ColorSet DrawSet(const GridGeometry& geometry, int colors, bool brighter, const Reseed& reseed,
                 const RandomSource& rnd);

// The adaptive ladder: one row of option values per level, easiest first.
const AdaptiveLadder& Ladder();

} // namespace ColorGrids
