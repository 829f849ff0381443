// The figures of Closing Lines and Boxes and the measure of an answer.
#include "exercises/closing_lines/closing_lines_rules.h"

#include <deque>
#include <gtest/gtest.h>
#include <random>

using namespace ClosingLines;

namespace {

// Hands out the given draws in order, then 0.5.
NextRandom Draws(std::deque<double> values) {
    return [values]() mutable {
        if (values.empty()) {
            return 0.5;
        }
        const double next = values.front();
        values.pop_front();
        return next;
    };
}

NextRandom Seeded(unsigned seed) {
    return [generator = std::mt19937(seed)]() mutable {
        return std::uniform_real_distribution<double>(0, 1)(generator);
    };
}

} // namespace

TEST(ClosingLinesRules, LinesFromEightDraws) {
    const Figure lines = TargetFigure(TargetType::ConvergingLines, Draws({}));
    EXPECT_EQ(lines.A, 550);
    EXPECT_EQ(lines.B, 325);
    EXPECT_EQ(lines.C, 50);
    EXPECT_EQ(lines.D, 50);
    EXPECT_EQ(lines.E, 90);
    EXPECT_EQ(lines.F, 650);
    EXPECT_EQ(lines.LineWidth, 3);
    EXPECT_FALSE(lines.Mirrored) << "0.5 rounds to the even 0";
    EXPECT_EQ(lines.Target(), QPointF(550, 325));
    EXPECT_EQ(lines.LineStarts()[0], QPointF(50, 90));
    EXPECT_EQ(lines.LineStarts()[1], QPointF(50, 650));

    const Figure mirrored =
        TargetFigure(TargetType::ConvergingLines, Draws({0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.7}));
    EXPECT_TRUE(mirrored.Mirrored);
    EXPECT_EQ(mirrored.LineStarts()[0], QPointF(950, 90));
    EXPECT_EQ(mirrored.LineStarts()[1], QPointF(950, 650));
    EXPECT_EQ(mirrored.Target(), QPointF(450, 325));

    const Figure thinnest = TargetFigure(TargetType::ConvergingLines, Draws({0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(thinnest.LineWidth, 1);
    const Figure widest =
        TargetFigure(TargetType::ConvergingLines, Draws({0, 0, 0, 0, 0, 0, 0.9999}));
    EXPECT_EQ(widest.LineWidth, 4);
}

TEST(ClosingLinesRules, BoxFromFourDraws) {
    const Figure box = TargetFigure(TargetType::CornerOfTheBox, Draws({}));
    EXPECT_EQ(box.A, 362.5);
    EXPECT_EQ(box.B, 250);
    EXPECT_EQ(box.W, 195);
    EXPECT_EQ(box.H, 195);
    EXPECT_EQ(box.Target(), QPointF(362.5, 250));
    const auto dots = box.CornerDots();
    EXPECT_EQ(dots[0], QPointF(557.5, 250));
    EXPECT_EQ(dots[1], QPointF(362.5, 445));
    EXPECT_EQ(dots[2], QPointF(557.5, 445));
}

TEST(ClosingLinesRules, DistractorsRoundTheirLastLengthAndMirrorTheOtherWay) {
    const Figure lines =
        DistractorFigure(TargetType::ConvergingLines, Draws({0.5, 0.5, 0.5, 0.5, 0.5, 0.501, 0.2}));
    EXPECT_EQ(lines.F, 650) << "650.3 rounded";
    EXPECT_EQ(lines.LineWidth, 0) << "keeps the target's width";
    EXPECT_TRUE(lines.Mirrored) << "a mirror draw rounding to 0 mirrors";
    const Figure box = DistractorFigure(TargetType::CornerOfTheBox, Draws({0.5, 0.5, 0.5, 0.501}));
    EXPECT_EQ(box.H, 195);
}

TEST(ClosingLinesRules, EveryFigureStaysAboveTheButtonStrip) {
    const NextRandom rnd = Seeded(7);
    for (int k = 0; k < 2000; ++k) {
        for (const Figure& f : {TargetFigure(TargetType::ConvergingLines, rnd),
                                DistractorFigure(TargetType::ConvergingLines, rnd)}) {
            ASSERT_GE(f.A, 300);
            ASSERT_LT(f.A, 800);
            ASSERT_GE(f.B, 225);
            ASSERT_LT(f.B, 425);
            ASSERT_LE(f.F, 800);
            ASSERT_GE(f.E, 20);
        }
        for (const Figure& f : {TargetFigure(TargetType::CornerOfTheBox, rnd),
                                DistractorFigure(TargetType::CornerOfTheBox, rnd)}) {
            ASSERT_GE(f.A, 50);
            ASSERT_LT(f.A + f.W, 990);
            ASSERT_LE(f.B + f.H + CornerDotRadius, 850);
        }
    }
}

TEST(ClosingLinesRules, PauseErrorAndTexts) {
    EXPECT_EQ(PauseMs(0), 500);
    EXPECT_EQ(PauseMs(0.999), 1000);
    EXPECT_EQ(PauseMs(0.001), 500) << "500.5 rounds to the even 500";

    EXPECT_EQ(AnswerError({550, 325}, {550, 325}), 0);
    EXPECT_EQ(AnswerError({650, 325}, {550, 325}), 50);
    EXPECT_EQ(AnswerError({553, 329}, {550, 325}), 2) << "5 units, halved and rounded down";
    EXPECT_EQ(AnswerError({1000, 1000}, {50, 50}), 671);

    EXPECT_EQ(OffByText(12), "You were off by 12 units.");
    EXPECT_EQ(AverageErrorText(25, 3), "8");
    EXPECT_EQ(AverageErrorText(671 * 60, 60), "671");
    EXPECT_EQ(AverageErrorText(0, 0), "");
    EXPECT_EQ(SecondsText(2.85f), "2.85 Secs");
    EXPECT_EQ(SecondsText(0.5f), "0.50 Secs");
}
