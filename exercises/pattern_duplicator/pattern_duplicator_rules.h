// The rules of Pattern Duplicator, free of widgets: how many squares a
// pattern draws and which, how an answer is judged, and the score texts.
#pragma once

#include "shell/framework/adaptive_level.h"

#include <QList>
#include <QString>
#include <functional>
#include <vector>

namespace PatternDuplicator {

// A source of uniform random values in [0, 1).
using RandomSource = std::function<double()>;

// Black squares of one grid, cell k in reading order.
using Squares = std::vector<bool>;

// The grid sizes: 5 × 5 or 10 × 10 squares.
constexpr int SmallGridCells = 25;
constexpr int LargeGridCells = 100;

// How many cells a pattern draws. Half the time (mode 1) the maximum × Rnd
// + 1, rounded half to even (1 to maximum + 1); otherwise (mode 2) exactly
// the maximum.
int DrawCount(int maxSquares, const RandomSource& rnd);

// A pattern for a grid of lastIndex + 1 cells: count draws, each after a
// reseed, blacken cell Int(Rnd × lastIndex). The last cell is never drawn;
// a cell drawn twice leaves fewer black squares than draws.
Squares DrawPattern(int count, int lastIndex, const std::function<void()>& reseed,
                    const RandomSource& rnd);

// The cells where the answer differs from the pattern.
QList<int> WrongSquares(const Squares& pattern, const Squares& answer);

// "3 Squares Are Wrong, Try Again!"
QString WrongSquaresMessage(int wrongSquares);

// Checks per pattern, two decimals; empty before any pattern.
QString TriesPerPatternText(int correct, int wrong, int patterns);

// Seconds with two decimals and " Secs" ("7.50 Secs").
QString SecondsText(double seconds);

// The adaptive ladder: one row of option values per level, easiest first.
const AdaptiveLadder& Ladder();

} // namespace PatternDuplicator
