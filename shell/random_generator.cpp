#include "shell/random_generator.h"

namespace {

// Spreads the bits of x over the whole word (splitmix64's finaliser).
std::uint64_t Spread(std::uint64_t x) {
    x += 0x9e3779b97f4a7c15ULL;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ULL;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebULL;
    return x ^ (x >> 31);
}

std::uint64_t RotateLeft(std::uint64_t x, int k) {
    return (x << k) | (x >> (64 - k));
}

} // namespace

RandomGenerator::RandomGenerator(std::uint64_t seed) {
    for (std::uint64_t& word : state_) {
        seed = Spread(seed);
        word = seed;
    }
}

std::uint64_t RandomGenerator::Next() {
    const std::uint64_t result = RotateLeft(state_[1] * 5, 7) * 9;
    const std::uint64_t t = state_[1] << 17;
    state_[2] ^= state_[0];
    state_[3] ^= state_[1];
    state_[1] ^= state_[2];
    state_[0] ^= state_[3];
    state_[2] ^= t;
    state_[3] = RotateLeft(state_[3], 45);
    return result;
}

void RandomGenerator::Mix(std::uint64_t clockReading) {
    // Added, not assigned: the state keeps all it had, and the step after it
    // spreads the reading over every word.
    state_[0] += Spread(clockReading);
    if ((state_[0] | state_[1] | state_[2] | state_[3]) == 0) {
        state_[0] = 1; // the one state the generator cannot leave
    }
    Next();
}
