// Timers found by name, counting whole milliseconds on a monotonic clock, so
// that a change of the wall clock never disturbs the game.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct named_timer {
    std::string name;
    bool started = false;
    std::int64_t start_ns = 0;
};

struct timer_table {
    std::vector<named_timer> timers;
};

// Creating a name twice keeps the one timer.
void add_timer(timer_table& table, const std::string& name);

// Starting again restarts from zero; an unknown name is ignored.
void start_named_timer(timer_table& table, const std::string& name,
                       std::int64_t now_ns);

// Milliseconds since the start, wrapping modulo 2^32; 0 for a timer that is
// unknown or not started.
std::uint32_t named_timer_ticks(const timer_table& table,
                                const std::string& name, std::int64_t now_ns);
