#include "platform/portable/named_timers.h"

#include <algorithm>

static auto find_timer(auto& timers, const std::string& name)
{
    return std::find_if(timers.begin(), timers.end(),
                        [&](const named_timer& t) { return t.name == name; });
}

void add_timer(timer_table& table, const std::string& name)
{
    if (find_timer(table.timers, name) == table.timers.end()) {
        table.timers.push_back(named_timer{name, false, 0});
    }
}

void start_named_timer(timer_table& table, const std::string& name,
                       std::int64_t now_ns)
{
    const auto timer = find_timer(table.timers, name);
    if (timer != table.timers.end()) {
        timer->started = true;
        timer->start_ns = now_ns;
    }
}

std::uint32_t named_timer_ticks(const timer_table& table,
                                const std::string& name, std::int64_t now_ns)
{
    const auto timer = find_timer(table.timers, name);
    if (timer == table.timers.end() || !timer->started ||
        now_ns < timer->start_ns) {
        return 0;
    }
    // Unsigned conversion wraps by definition, after about 49.7 days.
    return static_cast<std::uint32_t>((now_ns - timer->start_ns) / 1'000'000);
}
