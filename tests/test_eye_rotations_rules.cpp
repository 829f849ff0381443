// The rules of Eye Rotations: path positions, orders, characters, colours.
#include "exercises/eye_rotations/eye_rotations_rules.h"

#include <QSet>
#include <gtest/gtest.h>
#include <tuple>
#include <vector>

namespace {

using D = RotationDirection;
using P = RotationPattern;

// Returns the given values in order, then fails loudly.
RandomSource Scripted(std::vector<double> values) {
    auto shared = std::make_shared<std::vector<double>>(std::move(values));
    auto next = std::make_shared<std::size_t>(0);
    return [shared, next] {
        if (*next >= shared->size()) {
            ADD_FAILURE() << "more random values drawn than scripted";
            return 0.0;
        }
        return (*shared)[(*next)++];
    };
}

// The members visited by a run of fixed-order steps, and the rotations counted.
std::pair<std::vector<int>, int> Visit(D direction, P pattern, int steps) {
    RotationCycle cycle;
    std::pair<std::vector<int>, int> run{{}, 0};
    for (int i = 0; i < steps; ++i) {
        const RotationCycle::Step step = cycle.Next(direction, pattern, Scripted({}));
        run.first.push_back(step.member);
        run.second += step.addsToRotations ? 1 : 0;
    }
    return run;
}

} // namespace

TEST(EyeRotationOrder, FixedOrdersVisitThePathAndCountARotationAfterItsLastStep) {
    const std::vector<int> clockwise{1, 2, 3, 4, 5, 6, 7, 8, 1};
    const std::vector<int> counter{1, 8, 7, 6, 5, 4, 3, 2, 1};
    for (P pattern : {P::Rectangle, P::Circle}) {
        EXPECT_EQ(Visit(D::Clockwise, pattern, 9), std::pair(clockwise, 1));
        EXPECT_EQ(Visit(D::CounterClockwise, pattern, 9), std::pair(counter, 1));
    }
    EXPECT_EQ(Visit(D::Clockwise, P::FourCorners, 5), std::pair(std::vector{1, 3, 5, 7, 1}, 1));
    EXPECT_EQ(Visit(D::CounterClockwise, P::FourCorners, 8),
              std::pair(std::vector{1, 7, 5, 3, 1, 7, 5, 3}, 2));
    EXPECT_EQ(Visit(D::Clockwise, P::Rectangle, 7).second, 0);
    EXPECT_EQ(Visit(D::Clockwise, P::Rectangle, 8).second, 1);

    // Changing to a shorter pattern mid-run keeps drawing.
    RotationCycle cycle;
    for (int i = 0; i < 6; ++i) {
        cycle.Next(D::Clockwise, P::Rectangle, Scripted({}));
    }
    const int member = cycle.Next(D::Clockwise, P::FourCorners, Scripted({})).member;
    EXPECT_TRUE(member >= 1 && member <= 8) << member;
}

TEST(EyeRotationOrder, RandomStepsDrawTheIndexAndCountEveryDisc) {
    RotationCycle cycle;
    const auto rnd = Scripted({0.0, 0.999, 0.5, 0.999, 0.999, 0.26});
    EXPECT_EQ(cycle.Next(D::Random, P::Circle, rnd).member, 1);
    EXPECT_EQ(cycle.Next(D::Random, P::Circle, rnd).member, 2); // last of "18765432"
    EXPECT_EQ(cycle.Next(D::Random, P::Rectangle, rnd).member, 5);
    // Random positions, whatever the direction, never reach the eighth step.
    EXPECT_EQ(cycle.Next(D::Clockwise, P::RandomPosition, rnd).member, 7);
    EXPECT_EQ(cycle.Next(D::CounterClockwise, P::RandomPosition, rnd).member, 7);
    const RotationCycle::Step step = cycle.Next(D::Random, P::FourCorners, rnd);
    EXPECT_EQ(step.member, 3);
    EXPECT_TRUE(step.addsToRotations);
}

// Four Corners uses the Rectangle's points.
TEST(EyeRotationPositions, EightMembersForEveryPatternAndSeparation) {
    using S = PatternSeparation;
    // Separation, then the Rectangle's members 1 to 8, then the Circle's.
    const std::vector<std::tuple<S, std::vector<GridPoint>, std::vector<GridPoint>>> expected{
        {S::Wide,
         {{10, 15}, {48, 15}, {93, 15}, {93, 45}, {93, 82}, {48, 82}, {10, 82}, {10, 45}},
         {{24, 19}, {48, 15}, {73, 23}, {78, 45}, {73, 74}, {48, 82}, {24, 76}, {17, 45}}},
        {S::Narrow,
         {{20, 25}, {48, 25}, {83, 25}, {83, 45}, {83, 72}, {48, 72}, {20, 72}, {20, 45}},
         {{34, 29}, {48, 25}, {63, 33}, {68, 45}, {63, 64}, {48, 72}, {34, 66}, {27, 45}}},
        {S::VeryNarrow,
         {{30, 35}, {48, 35}, {73, 35}, {73, 45}, {73, 62}, {48, 62}, {30, 62}, {30, 45}},
         {{44, 39}, {48, 35}, {53, 43}, {58, 45}, {53, 54}, {48, 62}, {44, 56}, {37, 45}}}};
    for (const auto& [separation, rectangle, circle] : expected) {
        const int inset = SeparationInset(separation);
        for (int member = 1; member <= 8; ++member) {
            const auto i = std::size_t(member - 1);
            EXPECT_EQ(PathPosition(member, P::Rectangle, inset), rectangle[i]) << inset << member;
            EXPECT_EQ(PathPosition(member, P::FourCorners, inset), rectangle[i]) << inset << member;
            EXPECT_EQ(PathPosition(member, P::Circle, inset), circle[i]) << inset << member;
        }
    }
}

TEST(EyeRotationPositions, RandomPositionsStayInsideTheScreen) {
    EXPECT_EQ(PickRandomPosition(Scripted({0.0, 0.0})), (GridPoint{5, 5}));
    EXPECT_EQ(PickRandomPosition(Scripted({0.99999, 0.99999})), (GridPoint{94, 89}));
}

TEST(EyeRotationCharacters, TargetsOfEachType) {
    using T = TargetType;
    const std::vector<std::tuple<T, double, QString>> cases{
        {T::Numbers, 0.0, "1"},     {T::Numbers, 0.999, "9"},   {T::UpperCase, 0.0, "A"},
        {T::UpperCase, 0.999, "Y"}, {T::LowerCase, 0.999, "y"}, {T::Bdpq, 0.0, "b"},
        {T::Bdpq, 0.3, "d"},        {T::Bdpq, 0.999, "q"},      {T::Random, 0.0, "a"},
        {T::Random, 0.999, "y"}};
    for (const auto& [type, rnd, target] : cases) {
        EXPECT_EQ(ChooseRotationTarget(type, Scripted({rnd})), target) << rnd;
    }
}

// Digits that are multiples of four and letters whose codes divide by six
// are replaced by the target; b, d, p and q never are.
TEST(EyeRotationCharacters, SubstitutionRules) {
    QStringList digits;
    for (int digit = 1; digit <= 9; ++digit) {
        const auto c =
            GetRotationCharacter(TargetType::Numbers, "7", Scripted({(digit - 0.5) / 9}));
        digits << c.text;
        EXPECT_EQ(c.isTarget, c.text == "7");
    }
    EXPECT_EQ(digits, (QStringList{"1", "2", "3", "7", "5", "6", "7", "7", "9"}));

    for (const auto& [type, first, replaced] :
         {std::tuple{TargetType::UpperCase, 'A', QSet<QString>{"B", "H", "N", "T"}},
          std::tuple{TargetType::LowerCase, 'a', QSet<QString>{"f", "l", "r", "x"}}}) {
        for (int i = 0; i < 25; ++i) {
            const QString letter(QChar(first + i));
            const DiscCharacter c = GetRotationCharacter(type, "#", Scripted({(i + 0.5) / 25.0}));
            EXPECT_EQ(c.text, replaced.contains(letter) ? "#" : letter);
            EXPECT_EQ(c.isTarget, c.text == "#");
        }
    }

    const DiscCharacter b = GetRotationCharacter(TargetType::Bdpq, "q", Scripted({0.0}));
    EXPECT_EQ(std::pair(b.text, b.isTarget), std::pair(QString("b"), false));
    const DiscCharacter q = GetRotationCharacter(TargetType::Bdpq, "q", Scripted({0.8}));
    EXPECT_EQ(std::pair(q.text, q.isTarget), std::pair(QString("q"), true));
}

// Random draws the character type as Rnd * 3 + 1 rounded half to even, so
// digits and bdpq come up half as often as capitals and small letters; a
// second draw picks the character.
TEST(EyeRotationCharacters, RandomTypeRoundsHalvesToEven) {
    const std::vector<std::pair<double, QString>> cases{
        {0.1, "1"},       // 1.3 -> digits
        {0.5, "A"},       // 2.5 -> 2, capitals
        {0.6, "a"},       // 2.8 -> 3, small letters
        {5.0 / 6.0, "b"}, // 3.5 -> 4, bdpq
    };
    for (const auto& [typeRnd, shown] : cases) {
        EXPECT_EQ(GetRotationCharacter(TargetType::Random, "z", Scripted({typeRnd, 0.0})).text,
                  shown)
            << typeRnd;
    }
    // The substitution applies within the drawn type: capital "B" becomes the target.
    EXPECT_TRUE(GetRotationCharacter(TargetType::Random, "z", Scripted({0.5, 0.05})).isTarget);
}

TEST(EyeRotationColors, RandomDrawsTheTwelveColoursOtherThanWhite) {
    EXPECT_TRUE(IsRandomCircleColor("Random"));
    EXPECT_FALSE(IsRandomCircleColor("White"));
    EXPECT_FALSE(CircleColorValue("Random").has_value());
    // k = Int(Rnd × 12 + 1) picks the named colours in this order.
    const char* const order[12] = {"Lt Yellow", "Dk Yellow", "Lt Red",    "Dk Red",
                                   "Dk Blue",   "Lt Blue",   "LtGreen",   "DKGreen",
                                   "Lt Cyan",   "Dk Cyan",   "Lt Purple", "Dk Purple"};
    for (int k = 1; k <= 12; ++k) {
        for (const double within : {0.0, 0.999}) {
            EXPECT_EQ(RandomCircleColor(Scripted({(k - 1 + within) / 12.0})),
                      CircleColorValue(order[k - 1]).value_or(0))
                << k;
        }
    }
}

TEST(EyeRotationSettings, ValuesOutsideTheAcceptedRangesAreHeldToThem) {
    EXPECT_EQ(DisplayIntervalMs("0.095"), 95);
    EXPECT_EQ(DisplayIntervalMs("7"), 3000);
    EXPECT_EQ(DisplayIntervalMs("Fast"), 100);
    EXPECT_EQ(DiscFontSize("Random"), 12);
    EXPECT_EQ(DiscFontSize("90"), 50);
    EXPECT_EQ(DiscRadius("4"), 4);
    EXPECT_EQ(DiscRadius("0"), 1);
    EXPECT_EQ(DiscRadius("9"), 6);
}

TEST(EyeRotationScores, MissedTargetsNeverGoBelowZeroWhenPressesOutnumberTargets) {
    EXPECT_EQ(TargetsMissed(5, 3), 2);
    EXPECT_EQ(TargetsMissed(2, 2), 0);
    EXPECT_EQ(TargetsMissed(1, 4), 0); // the same target disc pressed four times
}
