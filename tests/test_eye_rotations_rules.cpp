// The rules of Eye Rotations: path positions, orders, characters, colours.
#include "exercises/eye_rotations/eye_rotation_rules.h"

#include <QSet>
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <vector>

namespace {

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

RandomSource Seeded(unsigned seed) {
    auto engine = std::make_shared<std::mt19937_64>(seed);
    return [engine] { return double((*engine)() >> 11) * 0x1.0p-53; };
}

// Members visited by one run of the given number of fixed-order steps.
std::vector<int> Visit(RotationDirection direction, RotationPattern pattern, int steps,
                       int* rotations = nullptr) {
    RotationCycle cycle;
    std::vector<int> members;
    for (int i = 0; i < steps; ++i) {
        const RotationCycle::Step step = cycle.Next(direction, pattern, Scripted({}));
        members.push_back(step.member);
        if (rotations != nullptr && step.addsToRotations) {
            ++*rotations;
        }
    }
    return members;
}

} // namespace

TEST(EyeRotationOrder, FixedOrdersVisitThePathAndStartOverAfterEachRotation) {
    using D = RotationDirection;
    using P = RotationPattern;
    const std::vector<int> clockwise{1, 2, 3, 4, 5, 6, 7, 8, 1};
    const std::vector<int> counter{1, 8, 7, 6, 5, 4, 3, 2, 1};
    EXPECT_EQ(Visit(D::Clockwise, P::Rectangle, 9), clockwise);
    EXPECT_EQ(Visit(D::Clockwise, P::Circle, 9), clockwise);
    EXPECT_EQ(Visit(D::CounterClockwise, P::Rectangle, 9), counter);
    EXPECT_EQ(Visit(D::CounterClockwise, P::Circle, 9), counter);
    EXPECT_EQ(Visit(D::Clockwise, P::FourCorners, 5), (std::vector<int>{1, 3, 5, 7, 1}));
    EXPECT_EQ(Visit(D::CounterClockwise, P::FourCorners, 5), (std::vector<int>{1, 7, 5, 3, 1}));
}

TEST(EyeRotationOrder, RotationsAreCountedAfterTheLastStepOfEachRound) {
    int rotations = 0;
    Visit(RotationDirection::Clockwise, RotationPattern::Rectangle, 7, &rotations);
    EXPECT_EQ(rotations, 0);
    Visit(RotationDirection::Clockwise, RotationPattern::Rectangle, 8, &rotations);
    EXPECT_EQ(rotations, 1);
    rotations = 0;
    Visit(RotationDirection::CounterClockwise, RotationPattern::FourCorners, 9, &rotations);
    EXPECT_EQ(rotations, 2);
}

TEST(EyeRotationOrder, RandomDirectionAndPositionUseTheirOwnSequences) {
    using D = RotationDirection;
    using P = RotationPattern;
    EXPECT_EQ(SequenceFor(D::Random, P::Rectangle), (RotationSequence{"12345678", 8}));
    EXPECT_EQ(SequenceFor(D::Random, P::Circle), (RotationSequence{"18765432", 8}));
    EXPECT_EQ(SequenceFor(D::Random, P::FourCorners), (RotationSequence{"1357", 4}));
    for (D direction : {D::Clockwise, D::CounterClockwise, D::Random}) {
        EXPECT_EQ(SequenceFor(direction, P::RandomPosition), (RotationSequence{"12345678", 7}));
        EXPECT_TRUE(StepsAtRandom(direction, P::RandomPosition));
    }
    EXPECT_TRUE(StepsAtRandom(D::Random, P::Circle));
    EXPECT_FALSE(StepsAtRandom(D::CounterClockwise, P::FourCorners));
}

TEST(EyeRotationOrder, RandomStepsDrawTheIndexAndCountEveryDisc) {
    RotationCycle cycle;
    const auto rnd = Scripted({0.0, 0.999, 0.5, 0.999, 0.26});
    using D = RotationDirection;
    using P = RotationPattern;
    EXPECT_EQ(cycle.Next(D::Random, P::Circle, rnd).member, 1);
    EXPECT_EQ(cycle.Next(D::Random, P::Circle, rnd).member, 2); // last of "18765432"
    EXPECT_EQ(cycle.Next(D::Random, P::Rectangle, rnd).member, 5);
    // Random positions never reach the eighth step.
    EXPECT_EQ(cycle.Next(D::Clockwise, P::RandomPosition, rnd).member, 7);
    const RotationCycle::Step step = cycle.Next(D::Random, P::FourCorners, rnd);
    EXPECT_EQ(step.member, 3);
    EXPECT_TRUE(step.addsToRotations);
}

TEST(EyeRotationOrder, ChangingToAShorterPatternMidRunKeepsDrawing) {
    RotationCycle cycle;
    for (int i = 0; i < 6; ++i) {
        cycle.Next(RotationDirection::Clockwise, RotationPattern::Rectangle, Scripted({}));
    }
    const auto step =
        cycle.Next(RotationDirection::Clockwise, RotationPattern::FourCorners, Scripted({}));
    EXPECT_GE(step.member, 1);
    EXPECT_LE(step.member, 8);
}

TEST(EyeRotationPositions, RectangleMembersForEverySeparation) {
    const std::map<int, std::vector<GridPoint>> expected{
        {0, {{10, 15}, {48, 15}, {93, 15}, {93, 45}, {93, 82}, {48, 82}, {10, 82}, {10, 45}}},
        {10, {{20, 25}, {48, 25}, {83, 25}, {83, 45}, {83, 72}, {48, 72}, {20, 72}, {20, 45}}},
        {20, {{30, 35}, {48, 35}, {73, 35}, {73, 45}, {73, 62}, {48, 62}, {30, 62}, {30, 45}}},
    };
    for (const auto& [inset, points] : expected) {
        for (int member = 1; member <= 8; ++member) {
            const GridPoint want = points[std::size_t(member - 1)];
            EXPECT_EQ(PathPosition(member, RotationPattern::Rectangle, inset), want)
                << "inset " << inset << " member " << member;
            EXPECT_EQ(PathPosition(member, RotationPattern::FourCorners, inset), want);
        }
    }
}

TEST(EyeRotationPositions, CircleMembersForEverySeparation) {
    const std::map<int, std::vector<GridPoint>> expected{
        {0, {{24, 19}, {48, 15}, {73, 23}, {78, 45}, {73, 74}, {48, 82}, {24, 76}, {17, 45}}},
        {10, {{34, 29}, {48, 25}, {63, 33}, {68, 45}, {63, 64}, {48, 72}, {34, 66}, {27, 45}}},
        {20, {{44, 39}, {48, 35}, {53, 43}, {58, 45}, {53, 54}, {48, 62}, {44, 56}, {37, 45}}},
    };
    for (const auto& [inset, points] : expected) {
        for (int member = 1; member <= 8; ++member) {
            EXPECT_EQ(PathPosition(member, RotationPattern::Circle, inset),
                      points[std::size_t(member - 1)])
                << "inset " << inset << " member " << member;
        }
    }
}

TEST(EyeRotationPositions, RandomPositionsStayInsideTheScreen) {
    EXPECT_EQ(PickRandomPosition(Scripted({0.0, 0.0})), (GridPoint{5, 5}));
    EXPECT_EQ(PickRandomPosition(Scripted({0.99999, 0.99999})), (GridPoint{94, 89}));
    const RandomSource rnd = Seeded(7);
    int minX = 100, maxX = 0, minY = 100, maxY = 0;
    for (int i = 0; i < 20000; ++i) {
        const GridPoint p = PickRandomPosition(rnd);
        minX = std::min(minX, p.x);
        maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
    }
    EXPECT_EQ(minX, 5);
    EXPECT_EQ(maxX, 94);
    EXPECT_EQ(minY, 5);
    EXPECT_EQ(maxY, 89);
}

TEST(EyeRotationCharacters, TargetsOfEachType) {
    struct Case {
        TargetType type;
        double rnd;
        const char* target;
    } const cases[] = {
        {TargetType::Numbers, 0.0, "1"},   {TargetType::Numbers, 0.999, "9"},
        {TargetType::UpperCase, 0.0, "A"}, {TargetType::UpperCase, 0.999, "Y"},
        {TargetType::LowerCase, 0.0, "a"}, {TargetType::LowerCase, 0.999, "y"},
        {TargetType::Bdpq, 0.0, "b"},      {TargetType::Bdpq, 0.3, "d"},
        {TargetType::Bdpq, 0.5, "p"},      {TargetType::Bdpq, 0.999, "q"},
        {TargetType::Random, 0.0, "a"},    {TargetType::Random, 0.999, "y"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ChooseRotationTarget(c.type, Scripted({c.rnd})), c.target) << c.rnd;
    }
}

TEST(EyeRotationCharacters, MultiplesOfFourBecomeTheTargetDigit) {
    QStringList shown;
    for (int digit = 1; digit <= 9; ++digit) {
        const double rnd = (digit - 0.5) / 9.0;
        const DiscCharacter c = GetRotationCharacter(TargetType::Numbers, "7", Scripted({rnd}));
        shown << c.text;
        EXPECT_EQ(c.isTarget, c.text == "7");
    }
    EXPECT_EQ(shown, (QStringList{"1", "2", "3", "7", "5", "6", "7", "7", "9"}));
}

TEST(EyeRotationCharacters, LettersWithCodesDivisibleBySixBecomeTheTarget) {
    for (const auto& [type, first, replaced] :
         {std::tuple{TargetType::UpperCase, 'A', QSet<QString>{"B", "H", "N", "T"}},
          std::tuple{TargetType::LowerCase, 'a', QSet<QString>{"f", "l", "r", "x"}}}) {
        QSet<QString> substituted;
        for (int i = 0; i < 25; ++i) {
            const QString letter(QChar(first + i));
            const DiscCharacter c = GetRotationCharacter(type, "#", Scripted({(i + 0.5) / 25.0}));
            if (c.text == "#") {
                EXPECT_TRUE(c.isTarget);
                substituted << letter;
            } else {
                EXPECT_EQ(c.text, letter);
                EXPECT_FALSE(c.isTarget);
            }
        }
        EXPECT_EQ(substituted, replaced);
    }
}

TEST(EyeRotationCharacters, BdpqIsNeverSubstituted) {
    const DiscCharacter b = GetRotationCharacter(TargetType::Bdpq, "q", Scripted({0.0}));
    EXPECT_EQ(b.text, "b");
    EXPECT_FALSE(b.isTarget);
    const DiscCharacter q = GetRotationCharacter(TargetType::Bdpq, "q", Scripted({0.8}));
    EXPECT_EQ(q.text, "q");
    EXPECT_TRUE(q.isTarget);
}

TEST(EyeRotationCharacters, RandomTypeRoundsHalvesToEven) {
    // Type = Rnd * 3 + 1 rounded half to even; the second draw picks the character.
    struct Case {
        double typeRnd;
        const char* shown;
    } const cases[] = {
        {0.1, "1"},       // 1.3 -> digits
        {0.5, "A"},       // 2.5 -> 2, capitals
        {0.6, "a"},       // 2.8 -> 3, small letters
        {5.0 / 6.0, "b"}, // 3.5 -> 4, bdpq
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GetRotationCharacter(TargetType::Random, "z", Scripted({c.typeRnd, 0.0})).text,
                  c.shown)
            << c.typeRnd;
    }
}

TEST(EyeRotationCharacters, RandomTypeMixesAllKindsAroundASmallLetterTarget) {
    const RandomSource rnd = Seeded(11);
    std::map<QString, int> kinds;
    int targets = 0;
    const int discs = 60000;
    for (int i = 0; i < discs; ++i) {
        const QString target = ChooseRotationTarget(TargetType::Random, rnd);
        ASSERT_TRUE(target.at(0) >= 'a' && target.at(0) <= 'y') << target.toStdString();
        const DiscCharacter c = GetRotationCharacter(TargetType::Random, target, rnd);
        const QChar ch = c.text.at(0);
        targets += c.isTarget ? 1 : 0;
        if (c.isTarget) {
            continue;
        }
        if (ch.isDigit()) {
            kinds["digit"]++;
        } else if (ch.isUpper()) {
            kinds["capital"]++;
        } else if (QString("bdpq").contains(ch)) {
            kinds["bdpq or small"]++;
        } else {
            kinds["small"]++;
        }
    }
    EXPECT_EQ(kinds.size(), 4u);
    // Digits are a sixth of the discs, less the 4s and 8s that became the target.
    EXPECT_NEAR(kinds["digit"] / double(discs), (1.0 / 6) * (7.0 / 9), 0.01);
    EXPECT_NEAR(kinds["capital"] / double(discs), (1.0 / 3) * (21.0 / 25), 0.01);
    EXPECT_GT(targets, discs / 10);
}

TEST(EyeRotationColors, TableAndRandomChoice) {
    const std::map<QString, std::uint32_t> table{
        {"Lt Yellow", 65535}, {"Dk Yellow", 32896},    {"Lt Red", 255},
        {"Dk Red", 128},      {"Dk Blue", 8388608},    {"Lt Blue", 16711680},
        {"LtGreen", 65280},   {"DKGreen", 32768},      {"Lt Cyan", 16776960},
        {"Dk Cyan", 8421376}, {"Lt Purple", 16711935}, {"Dk Purple", 8388736},
        {"White", 16777215},
    };
    for (const auto& [entry, value] : table) {
        EXPECT_EQ(CircleColorValue(entry), value) << entry.toStdString();
        EXPECT_FALSE(IsRandomCircleColor(entry));
    }
    EXPECT_FALSE(CircleColorValue("Random").has_value());
    EXPECT_TRUE(IsRandomCircleColor("Random"));

    EXPECT_EQ(RandomCircleColor(Scripted({0.0})), 65535u);
    EXPECT_EQ(RandomCircleColor(Scripted({0.5})), 65280u); // seventh: LtGreen
    EXPECT_EQ(RandomCircleColor(Scripted({0.9999})), 8388736u);
    const RandomSource rnd = Seeded(3);
    QSet<std::uint32_t> drawn;
    for (int i = 0; i < 2000; ++i) {
        drawn << RandomCircleColor(rnd);
    }
    EXPECT_EQ(drawn.size(), 12);
    EXPECT_FALSE(drawn.contains(16777215u)); // never white
}

TEST(EyeRotationSettings, ValuesOutsideTheAcceptedRangesAreHeldToThem) {
    EXPECT_EQ(DisplayIntervalMs("0.10"), 100);
    EXPECT_EQ(DisplayIntervalMs("1.25"), 1250);
    EXPECT_EQ(DisplayIntervalMs("0.095"), 95);
    EXPECT_EQ(DisplayIntervalMs("3"), 3000);
    EXPECT_EQ(DisplayIntervalMs("7"), 3000);
    EXPECT_EQ(DisplayIntervalMs("Fast"), 100);
    EXPECT_EQ(DiscFontSize("20"), 20);
    EXPECT_EQ(DiscFontSize("Random"), 12);
    EXPECT_EQ(DiscFontSize("90"), 50);
    EXPECT_EQ(DiscRadius("4"), 4);
    EXPECT_EQ(DiscRadius("0"), 1);
    EXPECT_EQ(DiscRadius("9"), 6);
}
