#include "exercises/visual_sequencing/visual_sequencing_rules.h"

#include "shell/controls/colors.h"
#include "shell/framework/options_screen.h"
#include "shell/vb_runtime.h"

#include <algorithm>

namespace VisualSequencing {

namespace {
constexpr int ShortestLitMs = 90;
constexpr int LongestLitMs = 1000;
} // namespace

int DrawTarget(int previous, const Reseed& reseed, const RandomSource& rnd) {
    int target = 0;
    do {
        reseed();
        target = int(Int(rnd() * SquareCount)) + 1;
    } while (target == previous);
    return target;
}

void DrawAllTargets(Targets& targets, const Reseed& reseed, const RandomSource& rnd) {
    for (int i = 1; i <= LongestSequence; ++i) {
        targets[std::size_t(i)] = DrawTarget(targets[std::size_t(i - 1)], reseed, rnd);
    }
}

int NextIncreasingLength(int length, bool lastSequenceWrong) {
    const int next = lastSequenceWrong ? length : length + 1;
    return std::clamp(next, 1, LongestSequence);
}

int FixedLength(const QString& numberOfSquares) {
    return int(std::clamp(Int(Val(numberOfSquares)), 1.0, double(LongestSequence)));
}

bool IsRightClick(const Targets& targets, int answerIndex, int clickedPosition) {
    return answerIndex >= 1 && answerIndex <= LongestSequence &&
           targets[std::size_t(answerIndex)] == clickedPosition;
}

QColor LitColor(int position) {
    static const QColor colours[SquareCount] = {
        QColor(255, 0, 0),   QColor(0, 0, 255),   QColor(255, 0, 255),
        QColor(0, 255, 0),   QColor(0, 255, 255), QBColor(2),
        QColor(255, 255, 0), QBColor(5),          QBColor(6)};
    if (position < 1 || position > SquareCount) {
        return Qt::white;
    }
    return colours[position - 1];
}

int LitMs(const QString& speedText) {
    return std::clamp(DisplaySpeedMs(speedText).value_or(0), ShortestLitMs, LongestLitMs);
}

const AdaptiveLadder& Ladder() {
    // Each level either adds a square to the sequence (one more place to
    // remember) or lights each square for less time (less time to take it
    // in), and never makes the other easier. The fixed length is chosen so
    // that the length stays as the level sets it.
    static const AdaptiveLadder ladder{{"optFixed", "cboMaxSeq", "cboSpeed"},
                                       {
                                           {"True", "2", "1.00"}, // 1
                                           {"True", "3", "1.00"}, // 2
                                           {"True", "3", "0.75"}, // 3
                                           {"True", "4", "0.75"}, // 4
                                           {"True", "4", "0.50"}, // 5
                                           {"True", "5", "0.50"}, // 6
                                           {"True", "5", "0.40"}, // 7
                                           {"True", "6", "0.40"}, // 8
                                           {"True", "6", "0.30"}, // 9
                                           {"True", "7", "0.30"}, // 10
                                           {"True", "8", "0.30"}, // 11
                                           {"True", "8", "0.20"}, // 12
                                       }};
    return ladder;
}

} // namespace VisualSequencing
