// The rules of Closing Letters that the screen tests do not reach.
#include "exercises/closing_letters/closing_letters_rules.h"

#include <gtest/gtest.h>
#include <random>
#include <set>

using namespace ClosingLetters;

TEST(ClosingLettersRules, EveryLetterFromAToYComesUpInBothCasesAndNeverZ) {
    std::mt19937_64 generator(7);
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    std::set<int> seen;
    for (int i = 0; i < 5000; ++i) {
        seen.insert(ChooseLetterCode(LetterCase::Both, [&] { return uniform(generator); }));
    }
    EXPECT_EQ(seen.size(), 50u);
    EXPECT_EQ(*seen.begin(), 'A');
    EXPECT_EQ(*seen.rbegin(), 'y');
    EXPECT_FALSE(seen.contains('Z') || seen.contains('z'));

    // A case draw of exactly one half gives lower case.
    std::vector<double> draws{0.5, 0.22};
    size_t next = 0;
    EXPECT_EQ(ChooseLetterCode(LetterCase::Both, [&] { return draws.at(next++); }), 'f');
}

TEST(ClosingLettersRules, TileDrawsRoundHalvesToTheEvenTile) {
    EXPECT_EQ(TileForDraw(0.5), 72);        // 71.5 up
    EXPECT_EQ(TileForDraw(70.5 / 143), 70); // 70.5 down
    EXPECT_EQ(TileForDraw(0.99999), 143);
    EXPECT_EQ(TileCorner(143), QPoint(2520, 2640));
}
