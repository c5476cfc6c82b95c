// Held arrows from a bit mask, for the drivers that pick keys at random:
// bit 0 right, 1 left, 2 down, 3 up, the order in which the game asks.
#pragma once

#include "platform/portable/arrow_keys.h"

inline arrow_keys arrows_from_mask(unsigned mask)
{
    arrow_keys keys;
    for (const key_code key : {key_code::right_arrow, key_code::left_arrow,
                               key_code::down_arrow, key_code::up_arrow}) {
        set_arrow(keys, key, (mask & 1) != 0);
        mask >>= 1;
    }
    return keys;
}
