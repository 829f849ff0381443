#include "exercises/closing_lines/closing_lines_rules.h"

#include <cmath>

namespace ClosingLines {

namespace {

double Mirror(double x, bool mirrored) {
    return mirrored ? ScaleSide - x : x;
}

// Lines: A, B, C, D and E; F is drawn by the caller.
Figure LinesFrom(const NextRandom& rnd) {
    Figure figure;
    figure.Type = TargetType::ConvergingLines;
    figure.A = 500 * rnd() + 300;
    figure.B = 200 * rnd() + 225;
    figure.C = 60 * rnd() + 20;
    figure.D = 40 * rnd() + 30;
    figure.E = 140 * rnd() + 20;
    return figure;
}

// Box: A, B and W; H is drawn by the caller.
Figure BoxFrom(const NextRandom& rnd) {
    Figure figure;
    figure.Type = TargetType::CornerOfTheBox;
    figure.A = 625 * rnd() + 50;
    figure.B = 400 * rnd() + 50;
    figure.W = 240 * rnd() + 75;
    return figure;
}

} // namespace

QPointF Figure::Target() const {
    return {Mirror(A, Mirrored), B};
}

std::array<QPointF, 2> Figure::LineStarts() const {
    return {QPointF(Mirror(C, Mirrored), E), QPointF(Mirror(D, Mirrored), F)};
}

std::array<QPointF, 3> Figure::CornerDots() const {
    return {QPointF(A + W, B), QPointF(A, B + H), QPointF(A + W, B + H)};
}

Figure TargetFigure(TargetType type, const NextRandom& rnd) {
    if (type == TargetType::CornerOfTheBox) {
        Figure box = BoxFrom(rnd);
        box.H = 240 * rnd() + 75;
        return box;
    }
    Figure lines = LinesFrom(rnd);
    lines.F = 300 * rnd() + 500;
    lines.LineWidth = static_cast<int>(Int(4 * rnd() + 1));
    lines.Mirrored = RoundHalfEven(rnd()) == 1;
    return lines;
}

Figure DistractorFigure(TargetType type, const NextRandom& rnd) {
    if (type == TargetType::CornerOfTheBox) {
        Figure box = BoxFrom(rnd);
        box.H = double(RoundHalfEven(240 * rnd() + 75));
        return box;
    }
    Figure lines = LinesFrom(rnd);
    lines.F = double(RoundHalfEven(300 * rnd() + 500));
    lines.Mirrored = RoundHalfEven(rnd()) == 0;
    return lines;
}

int PauseMs(double r) {
    return static_cast<int>(RoundHalfEven(r * 500 + 500));
}

int AnswerError(QPointF press, QPointF target) {
    const double dx = press.x() - target.x();
    const double dy = press.y() - target.y();
    return static_cast<int>(Int(std::sqrt(dx * dx + dy * dy) / 2));
}

QString OffByText(int error) {
    return "You were off by " + QString::number(error) + " units.";
}

QString AverageErrorText(std::int32_t totalError, int figuresShown) {
    if (figuresShown <= 0) {
        return {};
    }
    return WholeText(Int(double(totalError) / figuresShown));
}

QString SecondsText(Single seconds) {
    return Format2(seconds) + " Secs";
}

} // namespace ClosingLines
