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

// Four Corners uses the Rectangle's points; a narrower separation draws the
// path further in.
TEST(EyeRotationPositions, FourCornersUseTheRectanglesPointsAndNarrowerPathsLieInside) {
    using S = PatternSeparation;
    const int wide = SeparationInset(S::Wide), narrow = SeparationInset(S::Narrow);
    for (int member = 1; member <= 8; ++member) {
        EXPECT_EQ(PathPosition(member, P::FourCorners, narrow),
                  PathPosition(member, P::Rectangle, narrow));
    }
    EXPECT_EQ(PathPosition(1, P::Rectangle, wide), (GridPoint{10, 15}));
    EXPECT_EQ(PathPosition(1, P::Rectangle, narrow), (GridPoint{20, 25}));
    EXPECT_EQ(PathPosition(5, P::Circle, SeparationInset(S::VeryNarrow)), (GridPoint{53, 54}));
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
