#pragma once

namespace zub {

// A source of pseudo-random numbers, as the word draw needs them.
//
// The same seed gives the same sequence. The game seeds its source once per run, so two words started in
// the same second need not be the same.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual void seed(unsigned value) = 0;
    // The next number, uniformly in 0 .. 2^31 - 1.
    virtual int next() = 0;
};

// A seed taken from the clock, different from one run to the next.
unsigned ClockSeed();

} // namespace zub
