#pragma once
// The random source port: the dice are drawn from it.

namespace yacht {

// A uniform number in [0, 1), seeded once per run.
class Random {
public:
    virtual ~Random() = default;
    virtual double next() = 0;
};

}  // namespace yacht
