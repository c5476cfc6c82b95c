// A scripted stand-in for the platform, linked into the game's tests in place
// of a real backend. It records every call with its arguments, in order, and
// answers rnd, key_down, timer_ticks and quit_requested from a script.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace fake {

// One expected draw: rnd must be called with this bound and answers value.
struct rnd_answer {
    int bound;
    int value;
};

// Forgets all calls and all script.
void reset();

// Appends expected draws. A draw beyond the script, or with another bound,
// fails the running test.
void script_rnd(std::initializer_list<rnd_answer> answers);
void script_rnd(const std::vector<rnd_answer>& answers);

// From now on answers every draw with 0 (lowest) or bound - 1 (highest),
// whatever its bound, without limit; scripted draws still come first.
void answer_rnd_lowest();
void answer_rnd_highest();

// From now on answers draws beyond the script uniformly at random, from a
// generator with this seed.
void answer_rnd_randomly(unsigned seed);

// Draws still scripted and not yet made.
std::size_t rnd_left();

// The keys held from now on.
void hold_keys(const std::vector<key_code>& keys);

// The clock: every timer_ticks call answers this until it is set again.
void set_ticks(std::uint32_t ticks);

// quit_requested answers these in turn, then true for ever.
void script_quit(std::initializer_list<bool> answers);

// Every call so far, one line each, e.g. "fill_circle(0,0,0 400 300 25)".
const std::vector<std::string>& calls();

// Calls so far whose name is one of these.
std::vector<std::string> calls_named(std::initializer_list<std::string> names);

void clear_calls();

} // namespace fake
