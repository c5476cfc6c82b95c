// Game-clock arithmetic that stays defined when the clock wraps.
//
// The game clock is signed 32-bit milliseconds since the game's timer started.
// After 2^31 ms (24.9 days) a plain signed sum would overflow, which is
// undefined behaviour, and a plain comparison would stop working. So due
// times are formed modulo 2^32 and a time is compared with a due time by the
// sign of their 32-bit difference, the way kernels compare wrapping tick
// counters. Wherever nothing wraps the results are those of plain arithmetic,
// as long as the two times lie less than 2^31 ms (24.9 days) apart, and the
// game's delays are at most 7 s.
#pragma once

#include <cstdint>

// time + delay_ms, wrapping modulo 2^32.
constexpr std::int32_t time_after(std::int32_t time, int delay_ms)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(time) +
                                     static_cast<std::uint32_t>(delay_ms));
}

// time > due, for times less than 2^31 ms apart; equal times are not past.
constexpr bool time_is_past(std::int32_t time, std::int32_t due)
{
    const auto difference = static_cast<std::int32_t>(
        static_cast<std::uint32_t>(time) - static_cast<std::uint32_t>(due));
    return difference > 0;
}
