// The widget-free rules of Character Searching: drawing a grid and its
// target, counting targets by their text, and laying the rows out.
#include "exercises/character_searching/character_searching_rules.h"

#include <gtest/gtest.h>
#include <random>

using namespace CharacterSearching;

namespace {

// Hands out the values in order, then 0.
RandomSource Scripted(std::vector<double> values) {
    return [values = std::move(values), next = std::size_t(0)]() mutable {
        return next < values.size() ? values[next++] : 0.0;
    };
}

std::vector<PrintPoint> LayOut(const LayoutSettings& settings, double charWidth,
                               RandomSource rnd = Scripted({})) {
    const std::vector<QString> chars(std::size_t(settings.rows * settings.perRow), "7");
    return LayOutGrid(
        chars, settings, [charWidth](const QString&) { return charWidth; }, rnd, 98);
}

} // namespace

TEST(CharacterSearchingRules, TargetsAreCountedByTheirTextWithCase) {
    const Grid digits =
        MakeGrid(TypeChoice::Numbers, 6, Scripted({0.7, 0.7, 0.1, 0.7, 0.7, 0.5, 0.7}));
    EXPECT_EQ(digits.target, "7");
    EXPECT_EQ(digits.chars, (std::vector<QString>{"7", "1", "7", "7", "5", "7"}));
    EXPECT_EQ(digits.targets, 4);
    EXPECT_EQ(MakeGrid(TypeChoice::UpperCase, 1, Scripted({0.0, 0.999})).chars[0], "Y");

    // Random: a type 0, 0.34, 0.9 (digit, capital, small), then the character.
    // A 7 over "7", "A", "a" counts 1; an "A" over "a", "A", "1" counts 1.
    const Grid seven = MakeGrid(TypeChoice::Random, 3, Scripted({0, 0.7, 0, 0.7, 0.34, 0, 0.9, 0}));
    EXPECT_EQ(seven.chars, (std::vector<QString>{"7", "A", "a"}));
    EXPECT_EQ(seven.targets, 1);
    const Grid capital =
        MakeGrid(TypeChoice::Random, 3, Scripted({0.34, 0, 0.9, 0, 0.34, 0, 0, 0}));
    EXPECT_EQ(capital.target, "A");
    EXPECT_EQ(capital.targets, 1);
    EXPECT_EQ(DrawCharacter(TypeChoice::Random, Scripted({0.9999, 0.5})), "m")
        << "never a fourth, empty type";
}

TEST(CharacterSearchingRules, RandomGridsHaveNoEmptyCellAndEachTypeAThird) {
    std::mt19937_64 generator(7);
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    const RandomSource rnd = [&] { return uniform(generator); };
    int digits = 0, capitals = 0, smalls = 0;
    for (int g = 0; g < 40; ++g) {
        const Grid grid = MakeGrid(TypeChoice::Random, 225, rnd);
        ASSERT_EQ(grid.target.size(), 1);
        EXPECT_EQ(grid.targets, std::count(grid.chars.begin(), grid.chars.end(), grid.target));
        for (const QString& c : grid.chars) {
            ASSERT_EQ(c.size(), 1);
            digits += c >= "1" && c <= "9";
            capitals += c >= "A" && c <= "Y";
            smalls += c >= "a" && c <= "y";
        }
    }
    EXPECT_EQ(digits + capitals + smalls, 40 * 225);
    for (int count : {digits, capitals, smalls}) {
        EXPECT_NEAR(count, 3000, 250);
    }
}

// Rows step down by the font size (checked with the gaps below); where a row
// starts keeps two quirks of the layout.
TEST(CharacterSearchingRules, RowsStartCentredUnlessCapitalsFillAWideRow) {
    EXPECT_DOUBLE_EQ(RowStartX({10, 15, 30, true}), 9);
    EXPECT_DOUBLE_EQ(RowStartX({10, 15, 25, false}), 18.75);
    EXPECT_DOUBLE_EQ(RowStartX({10, 12, 25, true}), 24) << "12 per row is not above 12";
    EXPECT_DOUBLE_EQ(RowStartX({10, 15, 20, true}), 26) << "font 20 keeps the centred start";
}

TEST(CharacterSearchingRules, EachFurtherCharacterStartsTwoToFourPastThePreviousEnd) {
    // 4 per row from (100 - 15) / 2; the first draw of a row is spent unused.
    const auto places = LayOut({5, 4, 12, false}, 1.5, Scripted({0.9, 0.0, 0.5, 0.9}));
    EXPECT_DOUBLE_EQ(places[0].x, 42.5);
    EXPECT_DOUBLE_EQ(places[1].x, 46); // Int(44 + 2)
    EXPECT_DOUBLE_EQ(places[2].x, 50); // Int(47.5 + 3)
    EXPECT_DOUBLE_EQ(places[3].x, 55); // Int(51.5 + 4)
    EXPECT_DOUBLE_EQ(places[4].x, 42.5);
    EXPECT_DOUBLE_EQ(places[4].y, 26);
    // The answer grid reprints from just past each character, less one.
    EXPECT_DOUBLE_EQ(AnswerPlace(places[0], 1.5).x, 43);
    EXPECT_DOUBLE_EQ(AnswerPlace(places[1], 1.5).x, 46);
    EXPECT_DOUBLE_EQ(AnswerPlace(places[1], 1.5).y, 22);
    EXPECT_DOUBLE_EQ(AnswerPlace({94, 22}, 3.4, 98).x, 94.6) << "not past the frame";
}

TEST(CharacterSearchingRules, ARowThatWouldLeaveTheFrameHasItsGapsNarrowed) {
    // 15 capitals 3.4 wide from 9 with gaps of 4 would end at 117.
    const auto places = LayOut({5, 15, 30, true}, 3.4, [] { return 0.9; });
    for (std::size_t row : {0u, 15u}) {
        EXPECT_DOUBLE_EQ(places[row].x, 9);
        EXPECT_NEAR(places[row + 14].x + 3.4, 98, 1e-9);
        for (std::size_t k = row + 1; k < row + 15; ++k) {
            EXPECT_GT(places[k].x, places[k - 1].x + 3.4) << k;
        }
    }
    EXPECT_DOUBLE_EQ(LayOut({5, 15, 30, true}, 1, [] { return 0.9; })[1].x, 14)
        << "a row that fits keeps its places: Int(10 + 4)";
}
