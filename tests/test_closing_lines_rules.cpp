// The figures of Closing Lines and Boxes and the measure of an answer.
#include "exercises/closing_lines/closing_lines_rules.h"

#include <deque>
#include <gtest/gtest.h>
#include <random>

using namespace ClosingLines;

namespace {

// Hands out the given draws in order, then 0.5.
NextRandom Draws(std::deque<double> values = {}) {
    return [values]() mutable {
        const double next = values.empty() ? 0.5 : values.front();
        if (!values.empty()) {
            values.pop_front();
        }
        return next;
    };
}

} // namespace

TEST(ClosingLinesRules, FiguresFromTheirDraws) {
    const Figure lines = TargetFigure(TargetType::ConvergingLines, Draws());
    EXPECT_EQ((std::array{lines.A, lines.B, lines.C, lines.D, lines.E, lines.F}),
              (std::array<double, 6>{550, 325, 50, 50, 90, 650}));
    EXPECT_EQ(lines.LineWidth, 3);
    EXPECT_FALSE(lines.Mirrored) << "0.5 rounds to the even 0";

    const Figure mirrored =
        TargetFigure(TargetType::ConvergingLines, Draws({0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.7}));
    EXPECT_EQ(mirrored.LineStarts(), (std::array{QPointF(950, 90), QPointF(950, 650)}));
    EXPECT_EQ(mirrored.Target(), QPointF(450, 325));
    EXPECT_EQ(
        TargetFigure(TargetType::ConvergingLines, Draws({0, 0, 0, 0, 0, 0, 0.9999})).LineWidth, 4);

    const Figure box = TargetFigure(TargetType::CornerOfTheBox, Draws({0.5, 0.5, 0.5, 0.25}));
    EXPECT_EQ(box.Target(), QPointF(362.5, 250));
    EXPECT_EQ(box.W, 195);
    EXPECT_EQ(box.H, 135) << "the height is drawn apart from the width";
    EXPECT_EQ(box.CornerDots(),
              (std::array{QPointF(557.5, 250), QPointF(362.5, 385), QPointF(557.5, 385)}));

    const Figure distractor =
        DistractorFigure(TargetType::ConvergingLines, Draws({0.5, 0.5, 0.5, 0.5, 0.5, 0.501, 0.2}));
    EXPECT_EQ(distractor.F, 650) << "650.3 rounded";
    EXPECT_EQ(distractor.LineWidth, 0) << "keeps the target's width";
    EXPECT_TRUE(distractor.Mirrored) << "a mirror draw rounding to 0 mirrors";
    EXPECT_EQ(DistractorFigure(TargetType::CornerOfTheBox, Draws({0.5, 0.5, 0.5, 0.501})).H, 195);
}

TEST(ClosingLinesRules, NoFigureReachesTheButtonStrip) {
    std::mt19937 generator(7);
    const NextRandom rnd = [&] { return std::uniform_real_distribution<double>(0, 1)(generator); };
    for (int k = 0; k < 2000; ++k) {
        for (const TargetType type : {TargetType::ConvergingLines, TargetType::CornerOfTheBox}) {
            for (const Figure& f : {TargetFigure(type, rnd), DistractorFigure(type, rnd)}) {
                const double lowest = type == TargetType::ConvergingLines
                                          ? std::max(f.F, f.B)
                                          : f.B + f.H + CornerDotRadius;
                ASSERT_LE(lowest, 800);
                ASSERT_LT(f.Target().x(), 1000);
            }
        }
    }
}

// The screen tests cover the pause, the texts and the farthest answer.
TEST(ClosingLinesRules, TheErrorIsHalvedAndRoundedDown) {
    EXPECT_EQ(AnswerError({553, 329}, {550, 325}), 2) << "5 units, halved and rounded down";
}
