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

const AdaptiveLadder& Ladder() {
    // Each level makes one thing harder and nothing easier: more squares at
    // most in a pattern (more to remember and copy), the 100-square grid
    // (smaller squares, four times the places a square can be), and at the
    // top no grid borders (a square's place must be judged by eye). The grid
    // size is set first, as choosing it puts the maximum back to 10.
    static const AdaptiveLadder ladder{{"chkGridSize", "chkBorders", "cboMaxSq"},
                                       {
                                           {"True", "True", "5"},    // 1
                                           {"True", "True", "10"},   // 2
                                           {"True", "True", "15"},   // 3
                                           {"True", "True", "20"},   // 4
                                           {"False", "True", "20"},  // 5
                                           {"False", "True", "30"},  // 6
                                           {"False", "True", "40"},  // 7
                                           {"False", "False", "40"}, // 8
                                           {"False", "False", "50"}, // 9
                                           {"False", "False", "60"}, // 10
                                       }};
    return ladder;
}

} // namespace PatternDuplicator
