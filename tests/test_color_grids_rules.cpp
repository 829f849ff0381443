// The rules of Discriminating Color Grids with scripted random values: the
// fourteen grid sizes, the odd grid, the altered colours and the colour tables.
#include "exercises/color_grids/color_grids_rules.h"
#include "shell/controls/colors.h"

#include <gtest/gtest.h>

#include <deque>

using namespace ColorGrids;

namespace {

// Hands out the given values in order, then 0.
class Script {
public:
    Script(std::initializer_list<double> values) : values_(values) {}
    void Add(double value, int times = 1) { values_.insert(values_.end(), times, value); }
    RandomSource Source() {
        return [this] {
            const double value = values_.empty() ? 0 : values_.front();
            if (!values_.empty()) {
                values_.pop_front();
            }
            ++draws;
            return value;
        };
    }
    Reseed Reseeds() {
        return [this] { ++reseeds; };
    }
    int draws = 0;
    int reseeds = 0;

private:
    std::deque<double> values_;
};

// A set of the size with one colour per cell, every change drawn with r.
ColorSet SetWithChanges(const GridGeometry& geometry, double changeCount, double changedCell) {
    Script script{0.0, 0.0};
    script.Add(0.5, CellCount(geometry));
    script.Add(changeCount);
    script.Add(changedCell, geometry.maxAltered);
    return DrawSet(geometry, 4, true, script.Reseeds(), script.Source());
}

} // namespace

TEST(ColorGridsRules, EverySizeHasItsRowsColumnsAndAlterableCells) {
    const QStringList texts = SizeTexts();
    ASSERT_EQ(texts.size(), 14);
    for (const QString& text : texts) {
        const int code = SizeCode(text);
        ASSERT_GE(code, 1) << text.toStdString();
        const GridGeometry& geometry = Geometry(code);
        const int rows = text.section('x', 0, 0).toInt();
        const int columns = text.section('x', 1, 1).toInt();
        EXPECT_EQ(Rows(geometry), rows) << geometry.text;
        EXPECT_EQ(Columns(geometry), columns) << geometry.text;
        const int cells = rows * columns;
        // The last cell never changes, except in "2x2" where all four may.
        EXPECT_EQ(geometry.highestAlterable, text == "2x2" ? 4 : cells - 1) << geometry.text;

        const ColorSet most = SetWithChanges(geometry, 0.999, 0.999);
        EXPECT_EQ(most.pattern.size(), std::size_t(cells));
        EXPECT_EQ(most.AlteredCells(), std::vector<int>{geometry.highestAlterable - 1})
            << geometry.text;
        const ColorSet first = SetWithChanges(geometry, 0.0, 0.0);
        EXPECT_EQ(first.AlteredCells(), std::vector<int>{0}) << geometry.text;
    }
    EXPECT_EQ(SizeCode("6x6"), 0);
    EXPECT_EQ(SizeCode("3X3"), 0);
}

TEST(ColorGridsRules, OddGridRoundsHalfToEven) {
    EXPECT_EQ(OddGrid(0.16), 1);
    EXPECT_EQ(OddGrid(0.17), 2);
    EXPECT_EQ(OddGrid(0.5), 2);
    EXPECT_EQ(OddGrid(0.84), 4);
}

TEST(ColorGridsRules, AlteredSquaresTakeAnotherColourOrBlack) {
    EXPECT_EQ(AlteredColorIndex(3, 3), 2);
    EXPECT_EQ(AlteredColorIndex(1, 3), 2);
    EXPECT_EQ(AlteredColorIndex(2, 3), 3);
    EXPECT_EQ(AlteredColorIndex(2, 2), 1);
    EXPECT_EQ(AlteredColorIndex(1, 1), 0);

    // One colour: every square is entry 1; the odd grid's changed one is black.
    Script script{0.0, 0.5};
    script.Add(0.7, 9);
    script.Add(0.0);
    script.Add(0.5);
    const ColorSet set =
        DrawSet(Geometry(SizeCode("3x3")), 1, true, script.Reseeds(), script.Source());
    EXPECT_EQ(set.oddGrid, 2);
    EXPECT_EQ(set.pattern, std::vector<int>(9, 1));
    EXPECT_EQ(set.AlteredCells(), std::vector<int>{4});
    EXPECT_EQ(set.CellColor(2, 4), QColor(Qt::black));
    EXPECT_EQ(set.CellColor(1, 4), VbColor(0xFF0000));
    EXPECT_EQ(set.CellColor(2, 3), set.CellColor(3, 3));
}

TEST(ColorGridsRules, BrightPalettesAndHarderChannels) {
    EXPECT_EQ(PaletteNumber(0.0), 1);
    EXPECT_EQ(PaletteNumber(0.999), 4);

    EXPECT_EQ(HarderChannel(0.0), 25);
    EXPECT_EQ(HarderChannel(0.999), 250);
    Script script{0.0, 0.999, 0.5, 0.1};
    const ColorTable harder = FillColorTable(false, script.Reseeds(), script.Source());
    EXPECT_EQ(script.reseeds, 1);
    EXPECT_EQ(script.draws, 12) << "red, green and blue of four entries";
    EXPECT_EQ(harder[0], QColor(Qt::black));
    EXPECT_EQ(harder[1], QColor(25, 250, 138)); // 137.5 rounds to the even 138
    EXPECT_EQ(harder[2], QColor(48, 25, 25));   // 47.5 rounds to 48
}

TEST(ColorGridsRules, FramesSurroundTheirGridsAndStayInTheGridArea) {
    // The frame line is 3 pixels (45 units) wide, centred on the frame.
    constexpr double HalfLine = 23;
    const QRectF gridArea(QPointF(2900 - HalfLine, 340 - HalfLine),
                          QPointF(8500 + HalfLine, 5700 + HalfLine));
    for (const QString& text : SizeTexts()) {
        const GridGeometry& geometry = Geometry(SizeCode(text));
        for (int grid = 1; grid <= GridCount; ++grid) {
            const QPointF origin = GridOrigin(geometry, grid) + QPointF(1, 1);
            const QRectF cells(origin, QSizeF((Columns(geometry) - 1) * CellStep + CellSide,
                                              (Rows(geometry) - 1) * CellStep + CellSide));
            const QRectF frame = GridFrame(geometry, grid);
            const QRectF inside = frame.adjusted(HalfLine, HalfLine, -HalfLine, -HalfLine);
            EXPECT_TRUE(inside.contains(cells)) << geometry.text << " grid " << grid;
            EXPECT_TRUE(gridArea.contains(frame.adjusted(-HalfLine, -HalfLine, HalfLine, HalfLine)))
                << geometry.text << " grid " << grid;
            for (int other = grid + 1; other <= GridCount; ++other) {
                EXPECT_FALSE(frame.intersects(GridFrame(geometry, other)))
                    << geometry.text << " grids " << grid << " and " << other;
            }
        }
    }
}
