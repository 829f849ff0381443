// The program's random generator: a small, fast generator (xoshiro256**)
// whose running state can take in a clock reading without restarting.
#pragma once

#include <array>
#include <cstdint>

class RandomGenerator {
public:
    explicit RandomGenerator(std::uint64_t seed);

    std::uint64_t Next();
    // Uniform value in [0, 1) with 53 random bits.
    double Uniform() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }
    // Stirs a clock reading into the running state and moves the sequence
    // on: the same reading twice in a row still leads to different draws.
    void Mix(std::uint64_t clockReading);

private:
    std::array<std::uint64_t, 4> state_{};
};
