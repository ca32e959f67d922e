#include "platform/randomsource.h"

#include <chrono>
#include <cstdint>

namespace zub {

unsigned ClockSeed()
{
    // Nanoseconds since the epoch, both halves folded in, so runs a moment apart get different seeds.
    const auto ticks = std::uint64_t(std::chrono::system_clock::now().time_since_epoch().count());
    return unsigned(ticks ^ (ticks >> 32));
}

} // namespace zub
