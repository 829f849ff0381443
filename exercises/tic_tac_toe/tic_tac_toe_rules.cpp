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

const AdaptiveLadder& Ladder() {
    // Each level makes one thing harder and nothing easier: more X's allowed
    // in the pattern (more to remember), a shorter display (less time to take
    // the pattern in), and from level 5 on the pattern turned a quarter
    // clockwise (to be rebuilt turned in the mind).
    static const AdaptiveLadder ladder{{"cboMaxX", "cboSpeed", "optNotRot", "optRotRight"},
                                       {
                                           {"2", "2.00", "True", "False"}, // 1
                                           {"3", "2.00", "True", "False"}, // 2
                                           {"3", "1.50", "True", "False"}, // 3
                                           {"4", "1.50", "True", "False"}, // 4
                                           {"4", "1.50", "False", "True"}, // 5
                                           {"4", "1.00", "False", "True"}, // 6
                                           {"5", "1.00", "False", "True"}, // 7
                                           {"5", "0.75", "False", "True"}, // 8
                                           {"6", "0.75", "False", "True"}, // 9
                                           {"6", "0.50", "False", "True"}, // 10
                                           {"7", "0.50", "False", "True"}, // 11
                                       }};
    return ladder;
}

} // namespace TicTacToe
