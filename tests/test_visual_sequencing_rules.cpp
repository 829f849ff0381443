// Visual Sequencing rules: drawing the squares and the settings as the
// therapy screen reads them (the screen tests cover the growing length).
#include "exercises/visual_sequencing/visual_sequencing_rules.h"

#include <QList>
#include <gtest/gtest.h>
#include <random>
#include <set>

using namespace VisualSequencing;

TEST(VisualSequencingRules, ASquareNeverComesUpTwiceInARow) {
    QList<double> script{0.45, 0.45, 0.12};
    int reseeds = 0;
    const auto reseed = [&] { ++reseeds; };
    const auto scripted = [&] { return script.takeFirst(); };
    const int first = DrawTarget(0, reseed, scripted);
    EXPECT_EQ(first, 5);
    EXPECT_EQ(DrawTarget(first, reseed, scripted), 2) << "5 again is drawn again";
    EXPECT_EQ(reseeds, 3) << "a reseed before every draw";

    std::mt19937_64 generator(2024);
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    std::set<int> seen;
    int previous = 0;
    for (int draw = 0; draw < 10000; ++draw) {
        const int target = DrawTarget(
            previous, [] {}, [&] { return uniform(generator); });
        ASSERT_TRUE(target >= 1 && target <= 9 && target != previous) << target;
        seen.insert(target);
        previous = target;
    }
    EXPECT_EQ(seen.size(), 9u);
}

TEST(VisualSequencingRules, SettingsAreReadWithinWhatTheOptionsAllow) {
    EXPECT_EQ(FixedLength("2.5"), 2);
    EXPECT_EQ(FixedLength("26"), 25);
    EXPECT_EQ(FixedLength("abc"), 1);
    EXPECT_EQ(LitMs("0.50"), 500);
    EXPECT_EQ(LitMs("0.095"), 95);
    EXPECT_EQ(LitMs("7"), 1000);
    EXPECT_EQ(NextIncreasingLength(0, true), 1) << "never below one square";
}
