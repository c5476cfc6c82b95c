// Fuzz target: arbitrary bytes become a game's frames (held keys, steps of
// the clock including long jumps and the wrap points, and the random numbers
// the game draws), and every frame is checked against the rules of play.
//
// Each frame takes one byte: its low four bits are the held arrows, its high
// four bits choose the clock's step: a usual frame's worth (taken from the
// next byte), a jump of up to 2^31 - 1 ms (four bytes; frames further apart
// than that are beyond what a 32-bit game clock can tell), or a jump to just
// before the clock passes 2^31 or 2^32 ms.

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "fuzz_backend.h"
#include "game/fly.h"
#include "game/game_data.h"
#include "game/steering.h"
#include "game_invariants.h"

namespace {

constexpr std::int64_t longest_step = 0x7FFF'FFFF;

std::int64_t next_time(std::int64_t now, unsigned kind, fuzz_input& input)
{
    if (kind < 12) {
        return now + take_bytes(input, 1) % 64;
    }
    if (kind < 14) {
        return now + 1 + take_bytes(input, 4) % longest_step;
    }
    // A few milliseconds before whichever wrap point comes next: 2^31 and
    // 2^32 are 2^31 apart, so one of them is near enough.
    const std::int64_t before = 1 + take_bytes(input, 1) % 64;
    const std::int64_t half = std::int64_t{1} << 31;
    std::int64_t target = (now / half + 1) * half - before;
    if (target <= now) {
        target += half;
    }
    return target;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size)
{
    fuzz_input input{data, size};
    play_from(input);
    game_data game{new_spider(), new_fly()};
    invariant_watch watch;
    std::int64_t now = 0;
    while (input.size > 0) {
        const std::uint32_t frame = take_bytes(input, 1);
        hold_arrows(frame & 0xF);
        now = next_time(now, frame >> 4, input);
        const game_data before = game;
        handle_input(game.spider);
        update_game(game,
                    static_cast<std::int32_t>(static_cast<std::uint32_t>(now)));
        if (!check_frame(watch, before, game, now)) {
            std::fprintf(stderr, "broken rule: %s\n", watch.fault.c_str());
            std::abort();
        }
    }
    return 0;
}
