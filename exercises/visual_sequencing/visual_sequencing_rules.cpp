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

} // namespace VisualSequencing
