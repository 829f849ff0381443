#include "exercises/flipper/flipper_rules.h"

namespace {
constexpr Orientation U = Orientation::Unchanged;
constexpr Orientation R = Orientation::RightToLeft;
constexpr Orientation D = Orientation::UpsideDown;
constexpr Orientation B = Orientation::Both;

// Rows by arrangement number, then by correct answer index.
const Arrangement table[3][4] = {
    {{U, {U, R, D, B}}, {D, {U, D, R, B}}, {R, {B, U, R, D}}, {B, {D, U, R, B}}},
    {{D, {D, B, U, R}}, {U, {D, U, B, R}}, {B, {R, U, B, D}}, {R, {D, B, U, R}}},
    {{R, {R, U, B, D}}, {B, {D, B, U, R}}, {U, {R, B, U, D}}, {D, {R, B, U, D}}},
};
} // namespace

Arrangement ArrangementFor(int a, int correctAnswer) {
    return table[a][correctAnswer];
}

QString QuestionFor(Orientation asked) {
    switch (asked) {
    case Orientation::Unchanged:
        return "Which Pattern Matches?";
    case Orientation::RightToLeft:
        return "Which Pattern Is Flipped Right To Left?";
    case Orientation::UpsideDown:
        return "Which Pattern Is Flipped Upside Down?";
    case Orientation::Both:
        return "Which Pattern Is Flipped Upside Down AND Also Flipped Right To Left?";
    }
    return {};
}
