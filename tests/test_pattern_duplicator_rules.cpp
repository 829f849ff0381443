// Pattern Duplicator rules with scripted random values: how many squares a
// pattern draws, which cells, and the texts of a check and of the scores.
#include "exercises/pattern_duplicator/pattern_duplicator_rules.h"

#include <deque>
#include <gtest/gtest.h>

using namespace PatternDuplicator;

namespace {

RandomSource Scripted(std::deque<double> values) {
    return [values]() mutable {
        const double next = values.front();
        values.pop_front();
        return next;
    };
}

int BlackCount(const Squares& squares) {
    return int(std::count(squares.begin(), squares.end(), true));
}

} // namespace

TEST(PatternDuplicatorRules, DrawCountFollowsTheModeAndRoundsHalvesToEven) {
    // The first value picks the mode: below 0.5 mode 1, from 0.5 mode 2.
    EXPECT_EQ(DrawCount(10, Scripted({0.2, 0.96})), 11) << "10.6 rounds to 11";
    EXPECT_EQ(DrawCount(10, Scripted({0.2, 0.05})), 2) << "1.5 goes to the even 2";
    EXPECT_EQ(DrawCount(10, Scripted({0.2, 0.0})), 1);
    EXPECT_EQ(DrawCount(10, Scripted({0.7})), 10);
    EXPECT_EQ(DrawCount(1, Scripted({0.0, 0.0})), 1);
    EXPECT_EQ(DrawCount(1, Scripted({0.0, 0.999})), 2);
    EXPECT_EQ(DrawCount(1, Scripted({0.999})), 1);
}

TEST(PatternDuplicatorRules, DrawPatternReseedsEveryDrawAndNeverUsesTheLastCell) {
    int reseeds = 0;
    const auto reseed = [&] { ++reseeds; };
    const Squares small = DrawPattern(2, 24, reseed, Scripted({0.0, 0.999}));
    EXPECT_EQ(reseeds, 2);
    ASSERT_EQ(small.size(), 25u);
    EXPECT_TRUE(small[0]);
    EXPECT_TRUE(small[23]) << "Int(0.999 x 24) = 23";
    EXPECT_FALSE(small[24]);
    EXPECT_EQ(BlackCount(small), 2);

    const Squares large = DrawPattern(1, 99, reseed, Scripted({0.999}));
    ASSERT_EQ(large.size(), 100u);
    EXPECT_TRUE(large[98]) << "Int(0.999 x 99) = 98";
    EXPECT_FALSE(large[99]);

    const Squares repeated = DrawPattern(3, 24, reseed, Scripted({0.5, 0.5, 0.1}));
    EXPECT_EQ(BlackCount(repeated), 2) << "a cell drawn twice is one square";
}

// The screen tests cover the other score lines.
TEST(PatternDuplicatorRules, TriesPerPatternHasTwoDecimals) {
    EXPECT_EQ(TriesPerPatternText(2, 0, 3), "0.67");
}
