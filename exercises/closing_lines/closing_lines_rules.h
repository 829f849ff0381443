// The figures of Closing Lines and Boxes drawn from random numbers, and how
// far an answer lies from the point the figure hides.
#pragma once

#include "shell/vb_runtime.h"

#include <QPointF>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>

namespace ClosingLines {

enum class TargetType { ConvergingLines, CornerOfTheBox };

// The next uniform random number in [0, 1).
using NextRandom = std::function<double()>;

// The drawing runs from 0 to 1000 both ways.
constexpr double ScaleSide = 1000;
// The white disc that hides where the lines meet.
constexpr double HidingDiscRadius = 250;
// The dots at the corners of a box, and the blue one of the missing corner.
constexpr double CornerDotRadius = 15;
// The red dot where the patient pressed.
constexpr double AnswerDotRadius = 10;
// The outline of the whole box in the solution.
constexpr int BoxOutlineWidth = 3;

// One figure: two lines running towards a hidden meeting point (A, B), or
// three corners of a box whose top-left corner (A, B) is left out.
struct Figure {
    TargetType Type = TargetType::ConvergingLines;
    double A = 0, B = 0;
    double C = 0, D = 0, E = 0, F = 0; // lines: they start at (C, E) and (D, F)
    double W = 0, H = 0;               // box: width and height
    int LineWidth = 0;                 // lines: 0 keeps the width in force
    bool Mirrored = false;             // lines: every x is replaced by 1000 - x

    // The meeting point or the missing corner, as drawn.
    QPointF Target() const;
    // Where the two lines start, as drawn.
    std::array<QPointF, 2> LineStarts() const;
    // The three corners of the box that are shown.
    std::array<QPointF, 3> CornerDots() const;
};

// The figure asked for, from draws in this order: lines A, B, C, D, E, F,
// line width, mirror; box A, B, W, H.
Figure TargetFigure(TargetType type, const NextRandom& rnd);
// A distracting figure shown after the target: the same ranges with F (or H)
// rounded, no line width of its own, mirrored when its mirror draw rounds to 0.
Figure DistractorFigure(TargetType type, const NextRandom& rnd);

// The pause before a figure, 500 to 1000 ms.
int PauseMs(double r);

// Half the distance from the press to the target, rounded down.
int AnswerError(QPointF press, QPointF target);

// "You were off by 12 units."
QString OffByText(int error);
// The total error over the figures shown, rounded down; empty when none was shown.
QString AverageErrorText(std::int32_t totalError, int figuresShown);
// Seconds with two decimals: "2.85 Secs".
QString SecondsText(Single seconds);

} // namespace ClosingLines
