#include "platform/portable/arrow_keys.h"

static int arrow_index(key_code key)
{
    const int index =
        static_cast<int>(key) - static_cast<int>(key_code::up_arrow);
    return index >= 0 && index < 4 ? index : -1;
}

void set_arrow(arrow_keys& keys, key_code key, bool down)
{
    if (const int index = arrow_index(key); index >= 0) {
        keys.held[static_cast<std::size_t>(index)] = down;
    }
}

void release_arrows(arrow_keys& keys) { keys.held.fill(false); }

bool arrow_held(const arrow_keys& keys, key_code key)
{
    const int index = arrow_index(key);
    return index >= 0 && keys.held[static_cast<std::size_t>(index)];
}
