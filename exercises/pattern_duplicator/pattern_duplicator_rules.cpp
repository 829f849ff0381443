#include "exercises/pattern_duplicator/pattern_duplicator_rules.h"

#include "shell/vb_runtime.h"

namespace PatternDuplicator {

int DrawCount(int maxSquares, const RandomSource& rnd) {
    const int mode = int(Int(2 * rnd() + 1));
    if (mode == 1) {
        return int(RoundHalfEven(maxSquares * rnd() + 1));
    }
    return maxSquares;
}

Squares DrawPattern(int count, int lastIndex, const std::function<void()>& reseed,
                    const RandomSource& rnd) {
    Squares pattern(std::size_t(lastIndex + 1), false);
    for (int draw = 0; draw < count; ++draw) {
        reseed();
        const int cell = int(Int(rnd() * lastIndex));
        if (cell >= 0 && cell < lastIndex) {
            pattern[std::size_t(cell)] = true;
        }
    }
    return pattern;
}

QList<int> WrongSquares(const Squares& pattern, const Squares& answer) {
    QList<int> wrong;
    for (std::size_t cell = 0; cell < pattern.size() && cell < answer.size(); ++cell) {
        if (pattern[cell] != answer[cell]) {
            wrong << int(cell);
        }
    }
    return wrong;
}

QString WrongSquaresMessage(int wrongSquares) {
    return QString::number(wrongSquares) + " Squares Are Wrong, Try Again!";
}

QString TriesPerPatternText(int correct, int wrong, int patterns) {
    if (patterns <= 0) {
        return {};
    }
    return Format2(double(correct + wrong) / patterns);
}

QString SecondsText(double seconds) {
    return Format2(seconds) + " Secs";
}

} // namespace PatternDuplicator
