#include "fake_platform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <random>
#include <set>
#include <sstream>

namespace {

enum class rnd_fallback { none, lowest, highest, random };

struct fake_state {
    std::vector<std::string> calls;
    std::deque<fake::rnd_answer> rnd_script;
    rnd_fallback fallback = rnd_fallback::none;
    std::set<key_code> held;
    std::uint32_t ticks = 0;
    std::deque<bool> quit_script;
    std::mt19937 generator;
};

fake_state state;

template <typename... Args>
void record(const std::string& name, const Args&... args)
{
    std::ostringstream line;
    line << name << '(';
    [[maybe_unused]] const char* separator = "";
    ((line << separator << args, separator = " "), ...);
    line << ')';
    state.calls.push_back(line.str());
}

std::string describe(color c)
{
    return std::to_string(c.red) + "," + std::to_string(c.green) + "," +
           std::to_string(c.blue);
}

} // namespace

namespace fake {

void reset() { state = fake_state{}; }

void script_rnd(std::initializer_list<rnd_answer> answers)
{
    state.rnd_script.insert(state.rnd_script.end(), answers);
}

void script_rnd(const std::vector<rnd_answer>& answers)
{
    state.rnd_script.insert(state.rnd_script.end(), answers.begin(),
                            answers.end());
}

void answer_rnd_lowest() { state.fallback = rnd_fallback::lowest; }
void answer_rnd_highest() { state.fallback = rnd_fallback::highest; }

void answer_rnd_randomly(unsigned seed)
{
    state.fallback = rnd_fallback::random;
    state.generator.seed(seed);
}
std::size_t rnd_left() { return state.rnd_script.size(); }

void hold_keys(const std::vector<key_code>& keys)
{
    state.held = std::set<key_code>(keys.begin(), keys.end());
}
void set_ticks(std::uint32_t ticks) { state.ticks = ticks; }

void script_quit(std::initializer_list<bool> answers)
{
    state.quit_script.assign(answers);
}

const std::vector<std::string>& calls() { return state.calls; }

std::vector<std::string> calls_named(std::initializer_list<std::string> names)
{
    std::vector<std::string> chosen;
    for (const auto& call : state.calls) {
        const auto name = call.substr(0, call.find('('));
        if (std::find(names.begin(), names.end(), name) != names.end()) {
            chosen.push_back(call);
        }
    }
    return chosen;
}

void clear_calls() { state.calls.clear(); }

} // namespace fake

void open_window(const std::string& caption, int width, int height)
{
    record("open_window", caption, width, height);
}

void process_events() { record("process_events"); }

bool quit_requested()
{
    record("quit_requested");
    if (state.quit_script.empty()) {
        return true;
    }
    const bool answer = state.quit_script.front();
    state.quit_script.pop_front();
    return answer;
}

bool key_down(key_code key)
{
    record("key_down", static_cast<int>(key));
    return state.held.count(key) != 0;
}

void create_timer(std::string name) { record("create_timer", name); }
void start_timer(std::string name) { record("start_timer", name); }

std::uint32_t timer_ticks(std::string name)
{
    record("timer_ticks", name);
    return state.ticks;
}

color color_white()
{
    record("color_white");
    return {255, 255, 255};
}

color color_black()
{
    record("color_black");
    return {0, 0, 0};
}

color color_dark_green()
{
    record("color_dark_green");
    return {0, 100, 0};
}

void clear_screen(color fill) { record("clear_screen", describe(fill)); }

void fill_circle(color fill, double x, double y, double radius)
{
    record("fill_circle", describe(fill), x, y, radius);
}

void refresh_screen(unsigned int frames_per_second)
{
    record("refresh_screen", frames_per_second);
}

bool circles_intersect(double x1, double y1, double r1, double x2, double y2,
                       double r2)
{
    record("circles_intersect", x1, y1, r1, x2, y2, r2);
    const double dx = x1 - x2;
    const double dy = y1 - y2;
    return dx * dx + dy * dy <= (r1 + r2) * (r1 + r2);
}

int rnd(int bound)
{
    record("rnd", bound);
    if (!state.rnd_script.empty()) {
        const auto expected = state.rnd_script.front();
        state.rnd_script.pop_front();
        EXPECT_EQ(bound, expected.bound)
            << "the game drew rnd(" << bound << ") where rnd(" << expected.bound
            << ") was scripted";
        return expected.value;
    }
    switch (state.fallback) {
    case rnd_fallback::lowest:
        return 0;
    case rnd_fallback::highest:
        return bound - 1;
    case rnd_fallback::random:
        return std::uniform_int_distribution<int>(0,
                                                  bound - 1)(state.generator);
    case rnd_fallback::none:
        break;
    }
    ADD_FAILURE() << "the game drew rnd(" << bound
                  << ") beyond the scripted numbers";
    return 0;
}
