#pragma once

namespace zub {

// A source of pseudo-random numbers, as the word draw needs them.
//
// Whoever creates the game's source seeds it, once per run, so two words started in the same second need
// not be the same.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    // The next number, uniformly in 0 .. 2^31 - 1.
    virtual int next() = 0;
};

// A seed taken from the clock, different from one run to the next.
unsigned ClockSeed();

} // namespace zub
