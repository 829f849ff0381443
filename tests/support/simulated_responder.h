// A patient simulated for the adaptive levels: right with a chance that
// falls with the level along a logistic curve, drawn from a seeded generator
// of its own (the exercise's own draws stay with the fake platform).
#pragma once

#include <random>

class SimulatedResponder {
public:
    // Right four times in five at eightyLevel; near it, neighbouring levels
    // differ by about ten points of percent right.
    SimulatedResponder(double eightyLevel, unsigned seed);
    static SimulatedResponder AlwaysRight();
    static SimulatedResponder AlwaysWrong();

    double ChanceRight(int level) const;
    bool AnswersRight(int level);

private:
    SimulatedResponder(double chanceAlways);

    double threshold_ = 0; // the level of a 50 % chance
    double always_ = -1;   // a fixed chance, or -1 for the curve
    std::mt19937 generator_;
};
