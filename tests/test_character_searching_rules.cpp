// The widget-free rules of Character Searching: drawing a grid and its
// target, counting targets by their text, laying the rows out, and judging.
#include "exercises/character_searching/character_searching_rules.h"

#include <QSet>
#include <deque>
#include <gtest/gtest.h>
#include <random>

using namespace CharacterSearching;

namespace {

// Hands out the scripted values in order; fails the test when they run out.
class Script {
public:
    Script(std::initializer_list<double> values) : values_(values) {}
    RandomSource Source() {
        return [this] {
            if (values_.empty()) {
                ADD_FAILURE() << "more draws than scripted";
                return 0.0;
            }
            const double next = values_.front();
            values_.pop_front();
            return next;
        };
    }
    bool AllUsed() const { return values_.empty(); }

private:
    std::deque<double> values_;
};

std::vector<double> RowTops(const std::vector<PrintPoint>& places, int perRow) {
    std::vector<double> tops;
    for (std::size_t i = 0; i < places.size(); i += std::size_t(perRow)) {
        tops.push_back(places[i].y);
    }
    return tops;
}

std::vector<PrintPoint> LayOut(const LayoutSettings& settings, double charWidth = 1.5) {
    const std::vector<QString> chars(std::size_t(settings.rows * settings.perRow), "7");
    return LayOutGrid(
        chars, settings, [charWidth](const QString&) { return charWidth; }, [] { return 0.5; });
}

} // namespace

TEST(CharacterSearchingRules, DigitGridCountsEveryCellEqualToTheTarget) {
    Script script{0.7, 0.7, 0.1, 0.7, 0.7, 0.5, 0.7};
    const Grid grid = MakeGrid(TypeChoice::Numbers, 6, script.Source());
    EXPECT_EQ(grid.target, "7");
    const std::vector<QString> expected{"7", "1", "7", "7", "5", "7"};
    EXPECT_EQ(grid.chars, expected);
    EXPECT_EQ(grid.targets, 4);
    EXPECT_TRUE(script.AllUsed());

    Script letters{0.0, 0.0, 0.999, 0.04};
    const Grid capitals = MakeGrid(TypeChoice::UpperCase, 3, letters.Source());
    EXPECT_EQ(capitals.target, "A");
    EXPECT_EQ(capitals.chars, (std::vector<QString>{"A", "Y", "B"}));
    EXPECT_EQ(capitals.targets, 1);
    Script small{0.999, 0.0};
    EXPECT_EQ(MakeGrid(TypeChoice::LowerCase, 1, small.Source()).chars[0], "a");
}

TEST(CharacterSearchingRules, RandomTypeIsOneThirdEachAndMatchesByTextWithCase) {
    Script types{0.0, 0.5, 0.34, 0.5, 0.9, 0.5, 0.9999, 0.5};
    const RandomSource rnd = types.Source();
    EXPECT_EQ(DrawCharacter(TypeChoice::Random, rnd), "5");
    EXPECT_EQ(DrawCharacter(TypeChoice::Random, rnd), "M");
    EXPECT_EQ(DrawCharacter(TypeChoice::Random, rnd), "m");
    EXPECT_EQ(DrawCharacter(TypeChoice::Random, rnd), "m") << "never a fourth, empty type";

    // A 7 over "7", "A", "a": only the 7 counts.
    Script seven{0.0, 0.7, 0.0, 0.7, 0.34, 0.0, 0.9, 0.0};
    EXPECT_EQ(MakeGrid(TypeChoice::Random, 3, seven.Source()).targets, 1);
    // An "A" over "a", "A", "1": a small a is not a capital A.
    Script capital{0.34, 0.0, 0.9, 0.0, 0.34, 0.0, 0.0, 0.0};
    const Grid grid = MakeGrid(TypeChoice::Random, 3, capital.Source());
    EXPECT_EQ(grid.target, "A");
    EXPECT_EQ(grid.chars, (std::vector<QString>{"a", "A", "1"}));
    EXPECT_EQ(grid.targets, 1);
}

TEST(CharacterSearchingRules, RandomGridsHaveNoEmptyCellAndEveryTypeEvenly) {
    std::mt19937_64 generator(7);
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    const RandomSource rnd = [&] { return uniform(generator); };
    int digits = 0, capitals = 0, smalls = 0;
    QSet<QString> seen;
    for (int g = 0; g < 40; ++g) {
        const Grid grid = MakeGrid(TypeChoice::Random, 225, rnd);
        ASSERT_EQ(grid.target.size(), 1);
        int counted = 0;
        for (const QString& c : grid.chars) {
            ASSERT_EQ(c.size(), 1);
            const QChar ch = c.at(0);
            digits += ch >= '1' && ch <= '9';
            capitals += ch >= 'A' && ch <= 'Y';
            smalls += ch >= 'a' && ch <= 'y';
            counted += c == grid.target;
            seen.insert(c);
        }
        EXPECT_EQ(grid.targets, counted);
    }
    EXPECT_EQ(digits + capitals + smalls, 40 * 225);
    EXPECT_EQ(seen.size(), 9 + 25 + 25);
    for (int count : {digits, capitals, smalls}) {
        EXPECT_NEAR(count, 3000, 250);
    }
}

TEST(CharacterSearchingRules, RowsStartAtTheirMarginAndStepDownByFontSize) {
    const auto small = LayOut({5, 10, 12, false});
    EXPECT_EQ(RowTops(small, 10), (std::vector<double>{22, 26, 30, 34, 38}));
    EXPECT_DOUBLE_EQ(small[0].x, 33.5);
    EXPECT_DOUBLE_EQ(small[40].x, 33.5);

    const auto full = LayOut({15, 15, 18, false}, 0.5);
    EXPECT_DOUBLE_EQ(full.front().y, 12);
    EXPECT_DOUBLE_EQ(full.back().y, 68);
    EXPECT_DOUBLE_EQ(full[15].x, 26);
    EXPECT_EQ(full.size(), 225u);

    const auto large = LayOut({10, 15, 30, false}, 1);
    EXPECT_DOUBLE_EQ(large.front().y, 12);
    EXPECT_DOUBLE_EQ(large.back().y, 57);
    EXPECT_DOUBLE_EQ(large[15].x, 18.75);

    EXPECT_DOUBLE_EQ(RowStartX({10, 15, 30, true}), 9);
    EXPECT_DOUBLE_EQ(RowStartX({10, 15, 25, false}), 18.75);
    EXPECT_DOUBLE_EQ(RowStartX({10, 15, 25, true}), 9);
    EXPECT_DOUBLE_EQ(RowStartX({10, 12, 25, true}), 45 - 12 * 1.75) << "12 per row is not above 12";
    EXPECT_DOUBLE_EQ(RowStartX({10, 15, 20, true}), 26) << "font 20 keeps the centred start";
    EXPECT_DOUBLE_EQ(RowStartX({10, 5, 22, false}), 41);
}

TEST(CharacterSearchingRules, EachFurtherCharacterStartsTwoToFourPastThePreviousEnd) {
    Script steps{0.0, 0.0, 0.5, 0.9, 0.3};
    const std::vector<QString> chars{"7", "7", "7", "7", "7"};
    const auto places = LayOutGrid(
        chars, {5, 4, 12, false}, [](const QString&) { return 1.5; }, steps.Source());
    ASSERT_EQ(places.size(), 5u);
    EXPECT_DOUBLE_EQ(places[0].x, 42.5); // (100 - 15) / 2
    EXPECT_DOUBLE_EQ(places[1].x, 46);   // Int(44 + 2)
    EXPECT_DOUBLE_EQ(places[2].x, 50);   // Int(47.5 + 3)
    EXPECT_DOUBLE_EQ(places[3].x, 55);   // Int(51.5 + 4)
    EXPECT_DOUBLE_EQ(places[4].x, 42.5) << "a new row starts at the margin";
    EXPECT_DOUBLE_EQ(places[4].y, 26);
    EXPECT_TRUE(steps.AllUsed()) << "one step is drawn for every character";

    const PrintPoint answer = AnswerPlace(places[0]);
    EXPECT_DOUBLE_EQ(answer.x, 41);
    EXPECT_DOUBLE_EQ(answer.y, 22);
    EXPECT_DOUBLE_EQ(AnswerPlace(places[1]).x, 45);
}

TEST(CharacterSearchingRules, ARowThatWouldLeaveTheFrameHasItsGapsNarrowed) {
    // 15 capitals 3.4 wide from 9, gaps of 4: the row would end at 117.
    const std::vector<QString> chars(30, "W");
    const auto places = LayOutGrid(
        chars, {5, 15, 30, true}, [](const QString&) { return 3.4; }, [] { return 0.9; }, 98);
    for (std::size_t row : {0u, 15u}) {
        EXPECT_DOUBLE_EQ(places[row].x, 9);
        EXPECT_NEAR(places[row + 14].x + 3.4, 98, 1e-9);
        for (std::size_t k = row + 1; k < row + 15; ++k) {
            EXPECT_GT(places[k].x, places[k - 1].x + 3.4) << k;
        }
    }
    EXPECT_DOUBLE_EQ(places[15].y, places[0].y + 5);
    // A row that fits keeps its places.
    const auto fits = LayOutGrid(
        chars, {5, 15, 30, true}, [](const QString&) { return 1.0; }, [] { return 0.9; }, 98);
    EXPECT_DOUBLE_EQ(fits[1].x, 14); // Int(10 + 4)
}

TEST(CharacterSearchingRules, AnswersAreJudgedByValueAndTheVerdictNamesTheCount) {
    EXPECT_TRUE(IsRightCount("4", 4));
    EXPECT_TRUE(IsRightCount("004", 4));
    EXPECT_TRUE(IsRightCount("", 0)) << "an empty answer is 0";
    EXPECT_FALSE(IsRightCount("", 1));
    EXPECT_FALSE(IsRightCount("99999999999999999999999", 4));
    EXPECT_EQ(Verdict("4", 4, "7"), "4 Is Correct!");
    EXPECT_EQ(Verdict("3", 4, "7"), "3 Is Wrong! There are 4 7's.");
    EXPECT_EQ(Verdict("", 2, "a"), "0 Is Wrong! There are 2 a's.");
    EXPECT_EQ(Question("7"), "How many  7's  are in the grid?");
}
