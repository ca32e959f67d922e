#pragma once

#include <algorithm>

namespace zub::mediagen {

// Timing functions for animation: where a moment lies within a span, and smooth starts and stops.

// 0 before `start`, 1 after `end`, and evenly in between.
inline double Phase(double time, double start, double end)
{
    return std::clamp((time - start) / (end - start), 0.0, 1.0);
}

// Eases in and out: slow at both ends of 0 .. 1.
inline double Smooth(double progress)
{
    return progress * progress * (3.0 - 2.0 * progress);
}

// Eases out: fast at first, settling at 1.
inline double EaseOut(double progress)
{
    const double rest = 1.0 - progress;
    return 1.0 - rest * rest * rest;
}

inline double Mix(double from, double to, double progress)
{
    return from + (to - from) * progress;
}

} // namespace zub::mediagen
