#include "exercises/shape_counting/shape_counting_rules.h"

#include "shell/vb_runtime.h"

#include <algorithm>

namespace ShapeCounting {

namespace {

constexpr int FewDots = 1000;
constexpr int ManyDots = 5000;
constexpr int DotPairs = 7000;
constexpr int PairOffset = 2;
constexpr int BigCircles = 30;
constexpr float BigCircleRadius = 300;
constexpr int Squares = 20;
constexpr float SquareSide = 600;
constexpr int LongRectangles = 20;
constexpr float LongRectangleLeft = -100;
constexpr float LongRectangleRight = 850;

float Rounded(double value) {
    return float(RoundHalfEven(value));
}

std::uint8_t DotWidth(const RandomSource& rnd) {
    return std::uint8_t(RoundHalfEven(rnd() * 3 + 1));
}

Stroke Dot(float x, float y, std::uint8_t width, std::uint32_t color) {
    return {Stroke::Kind::Dot, width, color, x, y, 0, 0};
}

void AddDots(Strokes& strokes, int count, const RandomSource& rnd, const Reseed& reseed) {
    for (int dot = 0; dot < count; ++dot) {
        reseed();
        const std::uint8_t width = DotWidth(rnd);
        const auto x = float(rnd() * ScaleSize);
        const float y = Rounded(rnd() * ScaleSize);
        strokes.push_back(Dot(x, y, width, Colors::LightGrey));
    }
}

void AddDotPairs(Strokes& strokes, const RandomSource& rnd, const Reseed& reseed) {
    for (int pair = 0; pair < DotPairs; ++pair) {
        reseed();
        const std::uint8_t width = DotWidth(rnd);
        const auto x = float(rnd() * ScaleSize);
        const float y = Rounded(rnd() * ScaleSize);
        strokes.push_back(Dot(x, y, width, Colors::Red));
        strokes.push_back(Dot(x + PairOffset, y + PairOffset, width, Colors::MiddleGrey));
    }
}

void AddBigCircles(Strokes& strokes, const RandomSource& rnd) {
    for (int circle = 0; circle < BigCircles; ++circle) {
        const auto x = float(rnd() * 900);
        const float y = Rounded(rnd() * 900);
        strokes.push_back({Stroke::Kind::Circle, 1, Colors::LightGrey, x, y, BigCircleRadius, 0});
    }
}

void AddSquares(Strokes& strokes, const RandomSource& rnd) {
    for (int square = 0; square < Squares; ++square) {
        const auto x = float(rnd() * 900);
        const float y = Rounded(rnd() * 900);
        strokes.push_back(
            {Stroke::Kind::Box, 1, Colors::MiddleGrey, x, y, x + SquareSide, y + SquareSide});
    }
}

void AddLongRectangles(Strokes& strokes, const RandomSource& rnd) {
    for (int rectangle = 0; rectangle < LongRectangles; ++rectangle) {
        const auto top = float(rnd() * ScaleSize);
        const float bottom = Rounded(rnd() * ScaleSize);
        strokes.push_back({Stroke::Kind::Box, 1, Colors::DarkGrey, LongRectangleLeft, top,
                           LongRectangleRight, bottom});
    }
}

} // namespace

Strokes DrawBackground(int level, const RandomSource& rnd, const Reseed& reseed) {
    Strokes strokes;
    strokes.reserve(std::size_t(ManyDots + 2 * DotPairs + BigCircles + Squares + LongRectangles));
    if (level == 1) {
        AddDots(strokes, FewDots, rnd, reseed);
    }
    if (level == 2) {
        AddDots(strokes, ManyDots, rnd, reseed);
    }
    if (level >= 2) {
        AddDotPairs(strokes, rnd, reseed);
    }
    if (level >= 3) {
        AddBigCircles(strokes, rnd);
    }
    if (level >= 4) {
        AddSquares(strokes, rnd);
    }
    if (level == 5) {
        AddLongRectangles(strokes, rnd);
    }
    return strokes;
}

int DrawTargetCount(int maxShapes, const RandomSource& rnd) {
    const int most = std::clamp(maxShapes, FewestMaxShapes, MostMaxShapes);
    return int(RoundHalfEven(most * rnd() + 3));
}

TargetKind DrawTargetKind(const RandomSource& rnd) {
    return Int(2 * rnd() + 1) == 1 ? TargetKind::Boxes : TargetKind::Circles;
}

std::vector<Target> PlaceTargets(TargetKind kind, int count, const RandomSource& rnd) {
    std::vector<Target> targets;
    const auto draw = [&rnd](double span, double from) {
        return int(RoundHalfEven(rnd() * span + from));
    };
    for (int target = 0; target < std::min(count, MostTargets); ++target) {
        Target placed{};
        if (kind == TargetKind::Boxes) {
            placed.x = draw(800, 10);
            placed.y = draw(600, 10);
            placed.width = draw(110, 10);
            placed.height = draw(110, 10);
        } else {
            placed.x = draw(800, 100);
            placed.y = draw(600, 100);
            placed.height = draw(120, 5);
        }
        targets.push_back(placed);
    }
    return targets;
}

Strokes TargetStrokes(const TargetSet& set, std::uint32_t color, int width) {
    Strokes strokes;
    const auto lineWidth = std::uint8_t(std::clamp(width, 1, 255));
    for (const Target& target : set.targets) {
        const auto x = float(target.x);
        const auto y = float(target.y);
        if (set.kind == TargetKind::Boxes) {
            strokes.push_back({Stroke::Kind::Box, lineWidth, color, x, y,
                               float(target.x + target.width), float(target.y + target.height)});
        } else {
            strokes.push_back(
                {Stroke::Kind::Circle, lineWidth, color, x, y, float(target.height), 0});
        }
    }
    return strokes;
}

QString TargetName(TargetKind kind) {
    return kind == TargetKind::Boxes ? "Boxes" : "Circles";
}

QString LookingForText(TargetKind kind) {
    return "Looking For " + TargetName(kind);
}

Verdict JudgeCount(const QString& entry, int targetCount) {
    if (Val(entry) == targetCount) {
        return {true, "Very Good, " + entry + " Is Correct!"};
    }
    return {false, entry + " Is Wrong, Try Again"};
}

QString AnswerText(int targetCount) {
    return "There are " + QString::number(targetCount) + " Targets";
}

QString SecondsText(double seconds) {
    return Format2(seconds) + " Secs";
}

const AdaptiveLadder& Ladder() {
    // Each level makes one thing harder (two at level 5) and nothing easier:
    // a busier background (more layers for the targets to hide in), a
    // thinner target edge (the grey outlines stand out less), or more targets
    // at most (more to count and more overlaps to tell apart).
    static const AdaptiveLadder ladder{{"cboBackG", "cboBorder", "cboMaxTarg"},
                                       {
                                           {"1", "4", "4"},  // 1
                                           {"1", "4", "6"},  // 2
                                           {"1", "3", "6"},  // 3
                                           {"2", "3", "6"},  // 4
                                           {"2", "2", "8"},  // 5
                                           {"3", "2", "8"},  // 6
                                           {"3", "2", "10"}, // 7
                                           {"4", "2", "10"}, // 8
                                           {"4", "1", "10"}, // 9
                                           {"4", "1", "15"}, // 10
                                           {"5", "1", "15"}, // 11
                                           {"5", "1", "20"}, // 12
                                       }};
    return ladder;
}

} // namespace ShapeCounting
