#pragma once
// The dice's random source for the real game: a Mersenne Twister seeded once.

#include <cstdint>
#include <random>

#include "engine/random.h"

namespace yacht {

// Uniform numbers in [0, 1) from a fixed seed (the clock's, unless --seed names one).
class StdRandom : public Random {
public:
    explicit StdRandom(uint64_t seed) : engine_(seed) {}
    double next() override { return dist_(engine_); }
    void reseed(uint64_t seed) { engine_.seed(seed); }

private:
    std::mt19937_64 engine_;
    std::uniform_real_distribution<double> dist_{0.0, 1.0};
};

}  // namespace yacht
