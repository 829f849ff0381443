// The rules of Shape Counting, free of widgets: the background of each
// complexity level, how many targets a set has and where they lie, how a
// typed count is judged, and the score texts.
#pragma once

#include "shell/framework/adaptive_level.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

namespace ShapeCounting {

// A source of uniform random values in [0, 1), and a reseed from the clock.
using RandomSource = std::function<double()>;
using Reseed = std::function<void()>;

// Every drawing coordinate is on a scale of 0 to 1000 in both directions.
constexpr double ScaleSize = 1000;

// Colours in blue-green-red order.
namespace Colors {
constexpr std::uint32_t LightGrey = 0xCFCFCF;  // dots and big circles
constexpr std::uint32_t Red = 0x0000FF;        // the first dot of each pair
constexpr std::uint32_t MiddleGrey = 0xAFAFAF; // the second dot and the squares
constexpr std::uint32_t DarkGrey = 0x8F8F8F;   // the long rectangles
constexpr std::uint32_t Target = 0xBFBFBF;
constexpr std::uint32_t Revealed = 0x00FF00;
} // namespace Colors

constexpr int RevealedEdgeWidth = 3;
// The most targets a set can have: the largest maximum (25) plus 3.
constexpr int MostTargets = 28;
// The settings' ranges.
constexpr int LowestLevel = 1, HighestLevel = 5;
constexpr int ThinnestEdge = 1, ThickestEdge = 4;
constexpr int FewestMaxShapes = 4, MostMaxShapes = 25;

// One thing drawn: a dot of a width in pixels, an outline of a circle
// (centre and radius, the radius in horizontal units) or of a rectangle
// (two corners).
struct Stroke {
    enum class Kind : std::uint8_t { Dot, Circle, Box };
    Kind kind;
    std::uint8_t width; // line width or dot width, pixels
    std::uint32_t color;
    float x1, y1;
    float x2, y2; // Box: the other corner; Circle: x2 is the radius
};
using Strokes = std::vector<Stroke>;

// The background of a complexity level (1 to 5), in drawing order:
//   level 1: 1000 light grey dots; level 2: 5000 of them;
//   from level 2: 7000 pairs, a red dot and a middle grey one 2 units right
//     and down of it;
//   from level 3: 30 light grey circles of radius 300;
//   from level 4: 20 middle grey squares of 600;
//   level 5: 20 dark grey rectangles across the screen.
// The generator is reseeded before every dot and pair; a dot's width is
// Rnd × 3 + 1 rounded half to even (1 and 4 half as likely as 2 and 3).
Strokes DrawBackground(int level, const RandomSource& rnd, const Reseed& reseed);

enum class TargetKind { Boxes = 1, Circles = 2 };

// One target: a box from (x, y) of width × height, or a circle around
// (x, y) of radius height.
struct Target {
    int x, y, width, height;
};

struct TargetSet {
    TargetKind kind = TargetKind::Boxes;
    int edgeWidth = 1;
    std::vector<Target> targets;
    int Count() const { return int(targets.size()); }
};

// Max shapes × Rnd + 3 rounded half to even: 3 to max + 3 (max is kept to 4 to 25).
int DrawTargetCount(int maxShapes, const RandomSource& rnd);
// Int(2 × Rnd + 1): boxes below 0.5, circles from 0.5.
TargetKind DrawTargetKind(const RandomSource& rnd);
// Places count targets: boxes at x 10 to 810, y 10 to 610, sides 10 to 120;
// circles around x 100 to 900, y 100 to 700, radius 5 to 125; each value
// rounded half to even.
std::vector<Target> PlaceTargets(TargetKind kind, int count, const RandomSource& rnd);
// The outlines of the targets in a colour and a line width.
Strokes TargetStrokes(const TargetSet& set, std::uint32_t color, int width);

// "Boxes" or "Circles", and "Looking For Boxes".
QString TargetName(TargetKind kind);
QString LookingForText(TargetKind kind);

// The judgement of one typed count.
struct Verdict {
    bool right;
    QString message; // "Very Good, 7 Is Correct!" or "6 Is Wrong, Try Again"
};
Verdict JudgeCount(const QString& entry, int targetCount);
// After the third wrong count: "There are 7 Targets".
QString AnswerText(int targetCount);
// Wrong counts a set allows.
constexpr int TriesPerSet = 3;

// Seconds with two decimals and " Secs" ("2.50 Secs").
QString SecondsText(double seconds);

// The adaptive ladder: one row of option values per level, easiest first.
const AdaptiveLadder& Ladder();

} // namespace ShapeCounting
