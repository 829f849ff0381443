// Shape Counting rules: the background of each level, the number, kind and
// places of the targets, and the judgement of a count.
#include "exercises/shape_counting/shape_counting_rules.h"

#include <QSet>
#include <gtest/gtest.h>
#include <map>
#include <random>

using namespace ShapeCounting;

namespace {

// Returns the given values in turn, then a seeded generator's.
struct ScriptedRandom {
    std::vector<double> values;
    std::size_t next = 0;
    std::mt19937_64 generator{7};
    double operator()() {
        if (next < values.size()) {
            return values[next++];
        }
        return std::uniform_real_distribution<double>(0, 1)(generator);
    }
};

struct Drawn {
    Strokes strokes;
    int reseeds = 0;
};

Drawn Background(int level) {
    ScriptedRandom random;
    Drawn drawn;
    drawn.strokes = DrawBackground(level, std::ref(random), [&drawn] { ++drawn.reseeds; });
    return drawn;
}

std::map<std::uint32_t, int> ColorCounts(const Strokes& strokes, Stroke::Kind kind) {
    std::map<std::uint32_t, int> counts;
    for (const Stroke& stroke : strokes) {
        if (stroke.kind == kind) {
            ++counts[stroke.color];
        }
    }
    return counts;
}

using Counts = std::map<std::uint32_t, int>;

} // namespace

TEST(ShapeCountingRules, EachLevelAddsItsLayerInItsColours) {
    const Drawn one = Background(1);
    EXPECT_EQ(ColorCounts(one.strokes, Stroke::Kind::Dot), (Counts{{Colors::LightGrey, 1000}}));
    EXPECT_EQ(one.strokes.size(), 1000u) << "level 1 is grey dots only";
    EXPECT_EQ(one.reseeds, 1000);

    const Drawn two = Background(2);
    EXPECT_EQ(ColorCounts(two.strokes, Stroke::Kind::Dot),
              (Counts{{Colors::LightGrey, 5000}, {Colors::Red, 7000}, {Colors::MiddleGrey, 7000}}));
    EXPECT_EQ(two.strokes.size(), 19000u);
    EXPECT_EQ(two.reseeds, 12000);

    const Drawn three = Background(3);
    EXPECT_EQ(ColorCounts(three.strokes, Stroke::Kind::Dot),
              (Counts{{Colors::Red, 7000}, {Colors::MiddleGrey, 7000}}));
    EXPECT_EQ(ColorCounts(three.strokes, Stroke::Kind::Circle), (Counts{{Colors::LightGrey, 30}}));
    EXPECT_TRUE(ColorCounts(three.strokes, Stroke::Kind::Box).empty());

    EXPECT_EQ(ColorCounts(Background(4).strokes, Stroke::Kind::Box),
              (Counts{{Colors::MiddleGrey, 20}}));

    const Drawn five = Background(5);
    EXPECT_EQ(ColorCounts(five.strokes, Stroke::Kind::Circle), (Counts{{Colors::LightGrey, 30}}));
    EXPECT_EQ(ColorCounts(five.strokes, Stroke::Kind::Box),
              (Counts{{Colors::MiddleGrey, 20}, {Colors::DarkGrey, 20}}));
    const Stroke& lastRectangle = five.strokes.back();
    EXPECT_EQ(lastRectangle.x1, -100);
    EXPECT_EQ(lastRectangle.x2, 850);
    EXPECT_EQ(lastRectangle.width, 1);
}

TEST(ShapeCountingRules, APairIsARedDotAndAGreyOneTwoUnitsDownRightOfTheSameWidth) {
    // Each pair draws its width, x and y in that order; y is rounded half to even.
    ScriptedRandom random{{0.5, 0.25, 0.3125}};
    const Strokes strokes = DrawBackground(3, std::ref(random), [] {});
    const Stroke& red = strokes[0];
    const Stroke& grey = strokes[1];
    EXPECT_EQ(red.color, Colors::Red);
    EXPECT_EQ(red.width, 2) << "0.5 x 3 + 1 = 2.5 rounds to the even 2";
    EXPECT_FLOAT_EQ(red.x1, 250);
    EXPECT_FLOAT_EQ(red.y1, 312) << "312.5 rounds to the even 312";
    EXPECT_EQ(grey.color, Colors::MiddleGrey);
    EXPECT_EQ(grey.width, 2);
    EXPECT_FLOAT_EQ(grey.x1, 252);
    EXPECT_FLOAT_EQ(grey.y1, 314);
}

TEST(ShapeCountingRules, DotWidthsOneAndFourAreHalfAsLikelyAsTwoAndThree) {
    const Drawn two = Background(2);
    std::map<int, int> widths;
    for (const Stroke& dot : two.strokes) {
        ++widths[dot.width];
    }
    ASSERT_EQ(widths.size(), 4u);
    EXPECT_EQ(widths.begin()->first, 1);
    EXPECT_EQ(widths.rbegin()->first, 4);
    // 19,000 dots in 12,000 draws: about 2,000 of width 1 and 4, 4,000 of 2 and 3.
    for (int edge : {1, 4}) {
        EXPECT_NEAR(widths[edge] * 2.0 / (widths[2] + widths[3]), 0.5, 0.08) << edge;
    }
}

TEST(ShapeCountingRules, TheCountRunsFromThreeToMaxPlusThree) {
    const struct {
        int max;
        double rnd;
        int count;
    } cases[] = {{4, 0.0, 3},   {4, 0.99, 7}, {25, 0.99, 28},
                 {25, 0.0, 3},  {6, 0.25, 4}, {6, 0.75, 8} /* 7.5 goes to the even 8 */,
                 {40, 0.99, 28} /* max kept to 25 */};
    for (const auto& c : cases) {
        ScriptedRandom random{{c.rnd}};
        EXPECT_EQ(DrawTargetCount(c.max, std::ref(random)), c.count) << c.max << " " << c.rnd;
    }
}

TEST(ShapeCountingRules, TheKindIsBoxesBelowAHalfAndCirclesFromIt) {
    ScriptedRandom random{{0.49, 0.5}};
    EXPECT_EQ(DrawTargetKind(std::ref(random)), TargetKind::Boxes);
    EXPECT_EQ(DrawTargetKind(std::ref(random)), TargetKind::Circles);
}

TEST(ShapeCountingRules, TargetsLieWithinTheirRangesAndTwentyEightAllFit) {
    ScriptedRandom edges{{0.0, 0.0, 0.0, 0.0, 0.99999, 0.99999, 0.99999}};
    const Target lowBox = PlaceTargets(TargetKind::Boxes, 1, std::ref(edges))[0];
    const Target highCircle = PlaceTargets(TargetKind::Circles, 1, std::ref(edges))[0];
    EXPECT_EQ((std::vector<int>{lowBox.x, lowBox.y, lowBox.width, lowBox.height}),
              (std::vector<int>{10, 10, 10, 10}));
    EXPECT_EQ((std::vector<int>{highCircle.x, highCircle.y, highCircle.height}),
              (std::vector<int>{900, 700, 125}));

    ScriptedRandom random;
    TargetSet set{TargetKind::Circles, 4, PlaceTargets(TargetKind::Circles, 28, std::ref(random))};
    const Strokes green = TargetStrokes(set, Colors::Revealed, RevealedEdgeWidth);
    ASSERT_EQ(green.size(), 28u);
    EXPECT_EQ(green[27].width, 3);
    EXPECT_EQ(green[27].x2, float(set.targets[27].height));
}
