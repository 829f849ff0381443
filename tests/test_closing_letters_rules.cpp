#include "exercises/closing_letters/closing_letters_rules.h"

#include <gtest/gtest.h>
#include <random>
#include <set>

using namespace ClosingLetters;

namespace {
// A draw function that returns the given values in turn.
std::function<double()> Draws(std::initializer_list<double> values) {
    auto queue = std::make_shared<std::vector<double>>(values);
    auto next = std::make_shared<size_t>(0);
    return [queue, next] { return queue->at((*next)++); };
}
} // namespace

TEST(ClosingLettersRules, TilesLieInABrickPattern) {
    EXPECT_EQ(TileCorner(0), QPoint(0, 0));
    EXPECT_EQ(TileCorner(11), QPoint(2640, 0));
    EXPECT_EQ(TileCorner(12), QPoint(-120, 240));
    EXPECT_EQ(TileCorner(13), QPoint(120, 240));
    EXPECT_EQ(TileCorner(143), QPoint(2520, 2640));
}

TEST(ClosingLettersRules, LettersRunFromAToYInTheChosenCase) {
    EXPECT_EQ(ChooseLetterCode(LetterCase::Upper, Draws({0.0})), 'A');
    EXPECT_EQ(ChooseLetterCode(LetterCase::Upper, Draws({0.999})), 'Y');
    EXPECT_EQ(ChooseLetterCode(LetterCase::Lower, Draws({0.0})), 'a');
    EXPECT_EQ(ChooseLetterCode(LetterCase::Lower, Draws({0.999})), 'y');
    // Both: the first draw picks the case (below 0.5 upper), the next the letter.
    EXPECT_EQ(ChooseLetterCode(LetterCase::Both, Draws({0.49, 0.22})), 'F');
    EXPECT_EQ(ChooseLetterCode(LetterCase::Both, Draws({0.5, 0.22})), 'f');

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
}

TEST(ClosingLettersRules, LetterPicturesAreNamedByCase) {
    EXPECT_EQ(LetterFileName('F'), "LetterF.jpg");
    EXPECT_EQ(LetterFileName('f'), "LetterLCf.jpg");
}

TEST(ClosingLettersRules, TileDrawsRoundHalvesToEvenAndSkipGoneTiles) {
    EXPECT_EQ(TileForDraw(0.5), 72);        // 71.5
    EXPECT_EQ(TileForDraw(70.5 / 143), 70); // a half down to even
    EXPECT_EQ(TileForDraw(0.0), 0);
    EXPECT_EQ(TileForDraw(0.99999), 143);

    TileCover cover;
    cover.Remove(72);
    EXPECT_EQ(DrawTileStillThere(cover, Draws({0.5, 0.5, 0.0})), 0);
}

TEST(ClosingLettersRules, TheLastTileCountsAs143) {
    TileCover cover;
    for (int k = 0; k < TileCount - 1; ++k) {
        cover.Remove(k);
    }
    EXPECT_FALSE(cover.AllGone());
    EXPECT_EQ(cover.TilesErased(), 143);
    cover.Remove(143);
    EXPECT_TRUE(cover.AllGone());
    EXPECT_EQ(cover.TilesErased(), 143);
    cover.Cover();
    EXPECT_EQ(cover.TilesErased(), 0);
    EXPECT_FALSE(cover.IsGone(143));
}

TEST(ClosingLettersRules, PercentagesDivideBy143) {
    EXPECT_EQ(PercentFinishedText(5), "3.5%");
    EXPECT_EQ(PercentFinishedText(143), "100.0%");
    EXPECT_EQ(PercentRevealed(0), 0);
    EXPECT_EQ(PercentRevealed(5), 3);
    EXPECT_EQ(PercentRevealed(143), 100);
    EXPECT_EQ(AverageCompletedText(100, 2), "50%");
    EXPECT_EQ(AverageCompletedText(40000, 400), "100%"); // past 16 bits
    EXPECT_EQ(AverageCompletedText(0, 0), "");
}

TEST(ClosingLettersRules, KeysAreJudgedInTheLettersCase) {
    EXPECT_EQ(InLetterCase('f', 'F'), QChar('F'));
    EXPECT_EQ(InLetterCase('F', 'f'), QChar('f'));
    EXPECT_EQ(InLetterCase('7', 'F'), QChar('7'));
    for (int key : {int('a'), int(' '), 8, 13}) {
        EXPECT_TRUE(IsGuess(key)) << key;
    }
    for (int key : {0, 27, 22, 127}) { // Esc, Ctrl+V and Delete type nothing
        EXPECT_FALSE(IsGuess(key)) << key;
    }
    EXPECT_EQ(AnswerMessage('F', true), "F Is Correct");
    EXPECT_EQ(AnswerMessage('E', false), "E Is Incorrect");
    EXPECT_EQ(AnswerMessage(QChar(8), false), "Backspace Is Incorrect");
    EXPECT_EQ(AnswerMessage(QChar(13), false), "Enter Is Incorrect");
    EXPECT_EQ(BoxText(QChar(13)), "");
    EXPECT_EQ(BoxText('E'), "E");
}
