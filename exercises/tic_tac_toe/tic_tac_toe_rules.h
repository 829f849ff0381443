// The rules of Tic Tac Toe Rotations, free of widgets: drawing a pattern of
// X's, turning it a quarter turn, judging an answer, and the display time.
#pragma once

#include "shell/framework/adaptive_level.h"

#include <QString>
#include <array>
#include <functional>

namespace TicTacToe {

// The nine cells of a 3 x 3 grid in reading order: cell k is in row k / 3
// and column k % 3 (0 top left, 8 bottom right). True holds an X.
using XPattern = std::array<bool, 9>;
constexpr int CellCount = 9;

// A source of uniform random values in [0, 1).
using RandomSource = std::function<double()>;

enum class PatternRotation { None, CounterClockwise, Clockwise };

// Draws a pattern cell by cell in reading order, reseeding before every
// draw: a cell gets an X when Int(Rnd × 2) is 1, until maxXs are placed.
XPattern DrawPattern(int maxXs, const std::function<void()>& reseed, const RandomSource& rnd);

int CountXs(const XPattern& pattern);

// Where cell k goes under a quarter turn: clockwise the top left goes to the
// top right, counter-clockwise to the bottom left; unchanged without one.
int RotatedCell(int cell, PatternRotation rotation);
XPattern Rotated(const XPattern& pattern, PatternRotation rotation);

// One answered grid against the expected answer: X's found are correct,
// missed and extra X's wrong. The grid is all correct when every X was
// found, extra X's or not.
struct GridScore {
    int correct = 0;
    int wrong = 0;
    bool allCorrect = false;
};
GridScore ScoreGrid(const XPattern& answer, const XPattern& expected);

// "No Pattern Rotation", "Rotate Pattern Left" or "Rotate Pattern Right".
QString RotationInWords(PatternRotation rotation);

// How long the X's stay up: the display speed in seconds × 1000, rounded to
// a whole number (halves to even). A text outside the speeds the options
// allow (above 0.09 up to 5) gives the nearest allowed one: 0.1 or 5.
int FlashIntervalMs(const QString& speedText);

// The adaptive ladder: one row of option values per level, easiest first.
const AdaptiveLadder& Ladder();

} // namespace TicTacToe
