#include "exercises/tic_tac_toe/tic_tac_toe_rules.h"

#include "shell/vb_runtime.h"

#include <algorithm>

namespace TicTacToe {

XPattern DrawPattern(int maxXs, const std::function<void()>& reseed, const RandomSource& rnd) {
    XPattern pattern{};
    int placed = 0;
    for (int cell = 0; cell < CellCount; ++cell) {
        reseed();
        int draw = int(Int(rnd() * 2));
        if (maxXs - 1 < placed) {
            draw = 0;
        }
        if (draw == 1) {
            pattern[std::size_t(cell)] = true;
            ++placed;
        }
    }
    return pattern;
}

int CountXs(const XPattern& pattern) {
    return int(std::count(pattern.begin(), pattern.end(), true));
}

int RotatedCell(int cell, PatternRotation rotation) {
    const int row = cell / 3;
    const int column = cell % 3;
    switch (rotation) {
    case PatternRotation::Clockwise:
        return column * 3 + (2 - row);
    case PatternRotation::CounterClockwise:
        return (2 - column) * 3 + row;
    case PatternRotation::None:
        break;
    }
    return cell;
}

XPattern Rotated(const XPattern& pattern, PatternRotation rotation) {
    XPattern turned{};
    for (int cell = 0; cell < CellCount; ++cell) {
        if (pattern[std::size_t(cell)]) {
            turned[std::size_t(RotatedCell(cell, rotation))] = true;
        }
    }
    return turned;
}

GridScore ScoreGrid(const XPattern& answer, const XPattern& expected) {
    GridScore score;
    for (int cell = 0; cell < CellCount; ++cell) {
        const bool marked = answer[std::size_t(cell)];
        const bool wanted = expected[std::size_t(cell)];
        if (marked && wanted) {
            ++score.correct;
        } else if (marked != wanted) {
            ++score.wrong;
        }
    }
    score.allCorrect = score.correct == CountXs(expected);
    return score;
}

QString RotationInWords(PatternRotation rotation) {
    switch (rotation) {
    case PatternRotation::CounterClockwise:
        return "Rotate Pattern Left";
    case PatternRotation::Clockwise:
        return "Rotate Pattern Right";
    case PatternRotation::None:
        break;
    }
    return "No Pattern Rotation";
}

int FlashIntervalMs(const QString& speedText) {
    const double typed = Val(speedText);
    const double seconds = typed > 0.09 ? std::min(typed, 5.0) : 0.1;
    return int(RoundHalfEven(seconds * 1000));
}

} // namespace TicTacToe
