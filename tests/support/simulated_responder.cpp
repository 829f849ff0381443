#include "tests/support/simulated_responder.h"

#include <cmath>

namespace {
// The curve's scale in levels: its slope at 80 % is 0.8 × 0.2 / 1.6 = 0.1.
constexpr double Scale = 1.6;
} // namespace

SimulatedResponder::SimulatedResponder(double eightyLevel, unsigned seed)
    : threshold_(eightyLevel + Scale * std::log(4.0)), generator_(seed) {}

SimulatedResponder::SimulatedResponder(double chanceAlways) : always_(chanceAlways) {}

SimulatedResponder SimulatedResponder::AlwaysRight() {
    return SimulatedResponder(1.0);
}

SimulatedResponder SimulatedResponder::AlwaysWrong() {
    return SimulatedResponder(0.0);
}

double SimulatedResponder::ChanceRight(int level) const {
    if (always_ >= 0) {
        return always_;
    }
    return 1.0 / (1.0 + std::exp((level - threshold_) / Scale));
}

bool SimulatedResponder::AnswersRight(int level) {
    return std::uniform_real_distribution<double>(0.0, 1.0)(generator_) < ChanceRight(level);
}
