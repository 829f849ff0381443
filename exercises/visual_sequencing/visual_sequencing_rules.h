// The rules of Visual Sequencing, free of widgets: drawing the squares of a
// sequence, the growing length, judging a click, the colours and timing.
#pragma once

#include "shell/framework/adaptive_level.h"

#include <QColor>
#include <QString>
#include <array>
#include <functional>

namespace VisualSequencing {

// Board positions 1 to 9, row by row from the top left.
constexpr int SquareCount = 9;
// The most squares a sequence holds: lengths stop here.
constexpr int LongestSequence = 25;

// Targets[i], for i = 1 to the length, is the board position of the i-th
// square lit; Targets[0] is never drawn and stays 0.
using Targets = std::array<int, LongestSequence + 1>;

using RandomSource = std::function<double()>;
using Reseed = std::function<void()>;

// Int(Rnd × 9) + 1, reseeding before every draw and drawing again while it
// equals previous: a square is never lit twice in a row.
int DrawTarget(int previous, const Reseed& reseed, const RandomSource& rnd);
// Targets 1 to LongestSequence drawn afresh, in order.
void DrawAllTargets(Targets& targets, const Reseed& reseed, const RandomSource& rnd);

// The length of the next sequence with increasing length: one square longer,
// unless the last answer ended with a wrong click (then the same length);
// never below 1 nor above LongestSequence.
int NextIncreasingLength(int length, bool lastSequenceWrong);

// The fixed length from the Number Of Squares text: its whole part, within
// 1 to LongestSequence.
int FixedLength(const QString& numberOfSquares);

// Click number answerIndex (counted from 1) of an answer is right when it
// names the square lit at that place of the sequence.
bool IsRightClick(const Targets& targets, int answerIndex, int clickedPosition);

// The colour a square at position 1 to 9 is lit and flashed in.
QColor LitColor(int position);

// How long each square stays lit: the display speed in seconds × 1000,
// rounded (halves to even), within the speeds the options allow (above 0.09 s
// up to 1 s).
int LitMs(const QString& speedText);

// The adaptive ladder: one row of option values per level, easiest first.
const AdaptiveLadder& Ladder();

} // namespace VisualSequencing
