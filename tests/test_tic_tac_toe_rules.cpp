// The widget-free rules of Tic Tac Toe Rotations: drawing, rotating and
// judging a pattern, and the display time.
#include "exercises/tic_tac_toe/tic_tac_toe_rules.h"

#include <gtest/gtest.h>

using namespace TicTacToe;

namespace {

XPattern PatternOf(std::initializer_list<int> cells) {
    XPattern pattern{};
    for (int cell : cells) {
        pattern[std::size_t(cell)] = true;
    }
    return pattern;
}

struct Drawn {
    XPattern pattern;
    int reseeds = 0;
    int draws = 0;
};

Drawn DrawWithEvery(double value, int maxXs) {
    Drawn drawn;
    drawn.pattern = DrawPattern(
        maxXs, [&drawn] { ++drawn.reseeds; },
        [&drawn, value] {
            ++drawn.draws;
            return value;
        });
    return drawn;
}

} // namespace

TEST(TicTacToeRules, PatternFillsReadingOrderUpToTheCapReseedingBeforeEveryDraw) {
    const Drawn three = DrawWithEvery(0.9, 3);
    EXPECT_EQ(three.pattern, PatternOf({0, 1, 2}));
    EXPECT_EQ(three.reseeds, 9);
    EXPECT_EQ(three.draws, 9) << "the cells after the cap are still drawn";
    EXPECT_EQ(DrawWithEvery(0.9, 7).pattern, PatternOf({0, 1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(DrawWithEvery(0.9, 1).pattern, PatternOf({0}));
    EXPECT_EQ(DrawWithEvery(0.1, 7).pattern, PatternOf({}));
    EXPECT_EQ(CountXs(DrawWithEvery(0.5, 9).pattern), 9) << "0.5 × 2 is 1: an X";
    EXPECT_EQ(CountXs(DrawWithEvery(0.9, 0).pattern), 0);
}

TEST(TicTacToeRules, EveryOneXPatternTurnsToItsCell) {
    const int clockwise[9] = {2, 5, 8, 1, 4, 7, 0, 3, 6};
    const int counterClockwise[9] = {6, 3, 0, 7, 4, 1, 8, 5, 2};
    for (int cell = 0; cell < CellCount; ++cell) {
        EXPECT_EQ(Rotated(PatternOf({cell}), PatternRotation::Clockwise),
                  PatternOf({clockwise[cell]}))
            << "clockwise from " << cell;
        EXPECT_EQ(Rotated(PatternOf({cell}), PatternRotation::CounterClockwise),
                  PatternOf({counterClockwise[cell]}))
            << "counter-clockwise from " << cell;
        EXPECT_EQ(Rotated(PatternOf({cell}), PatternRotation::None), PatternOf({cell}));
    }
    const XPattern l = PatternOf({0, 3, 6, 7});
    EXPECT_EQ(Rotated(Rotated(l, PatternRotation::Clockwise), PatternRotation::CounterClockwise),
              l);
}

TEST(TicTacToeRules, FoundXsAreCorrectMissedAndExtraOnesWrong) {
    const struct {
        XPattern answer, expected;
        int correct, wrong;
        bool allCorrect;
    } cases[] = {
        {PatternOf({1, 2}), PatternOf({1, 3}), 1, 2, false},
        {PatternOf({1, 3, 4}), PatternOf({1, 3}), 2, 1, true}, // every X found, an extra too
        {PatternOf({}), PatternOf({}), 0, 0, true},
        {PatternOf({}), PatternOf({5}), 0, 1, false},
    };
    for (const auto& c : cases) {
        const GridScore score = ScoreGrid(c.answer, c.expected);
        EXPECT_EQ(score.correct, c.correct);
        EXPECT_EQ(score.wrong, c.wrong);
        EXPECT_EQ(score.allCorrect, c.allCorrect) << c.correct << " found, " << c.wrong << " wrong";
    }
}

TEST(TicTacToeRules, DisplayTimeIsTheSpeedHeldToATimerThatRuns) {
    EXPECT_EQ(FlashIntervalMs("0.10"), 100);
    EXPECT_EQ(FlashIntervalMs("0.095"), 95);
    EXPECT_EQ(FlashIntervalMs("5"), 5000);
    EXPECT_EQ(FlashIntervalMs("0.0005"), 100) << "never a timer that does not run";
    EXPECT_EQ(FlashIntervalMs("9"), 5000);
}
