// Which arrow keys are held, as a backend learns it from its key events.
#pragma once

#include <array>

#include "platform/platform.h"

struct arrow_keys {
    std::array<bool, 4> held{}; // in key-code order: up, down, right, left
};

// A key went down or up; keys other than the arrows are ignored.
void set_arrow(arrow_keys& keys, key_code key, bool down);

// Every arrow up, as when the window loses the keyboard: keys released in
// another window send it nothing.
void release_arrows(arrow_keys& keys);

bool arrow_held(const arrow_keys& keys, key_code key);
