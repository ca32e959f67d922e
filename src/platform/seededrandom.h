#pragma once

#include "platform/randomsource.h"

#include <random>

namespace zub {

// The game's random source: a Mersenne Twister, deterministic for a given seed.
class SeededRandom final : public RandomSource
{
public:
    SeededRandom() : SeededRandom(ClockSeed()) {} // seeded from the clock, once
    explicit SeededRandom(unsigned seed) : m_engine(seed) {}

    // The top 31 of the engine's 32 bits, uniformly in 0 .. 2^31 - 1.
    int next() override { return int(m_engine() >> 1); }

private:
    std::mt19937 m_engine;
};

} // namespace zub
