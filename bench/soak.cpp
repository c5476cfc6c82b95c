// Months of play in seconds: the real game logic, driven by a player holding
// random arrow keys for random stretches, at 60 frames a second of game clock
// for the given number of days (60 by default: past the clock's wrap at 2^31
// ms after 24.9 days and at 2^32 ms after 49.7 days). Every frame is checked
// against the game's invariants; the first fault stops the run.
//
// Usage: soak [days] [seed]

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>

#include "game/fly.h"
#include "game/game_data.h"
#include "game/steering.h"
#include "game_invariants.h"
#include "headless_backend.h"

int main(int argc, char** argv)
{
    const double days = argc > 1 ? std::atof(argv[1]) : 60;
    const unsigned seed =
        argc > 2 ? static_cast<unsigned>(std::atoi(argv[2])) : 20261211u;
    const auto frames = static_cast<std::int64_t>(days * 86'400 * 60);
    std::mt19937 player(seed);

    const auto started = std::chrono::steady_clock::now();
    game_data game{new_spider(), new_fly()};
    invariant_watch watch;
    std::int64_t stretch_ends = 0;
    for (std::int64_t frame = 0; frame < frames; ++frame) {
        if (frame == stretch_ends) {
            hold_arrows(player() % 16);
            stretch_ends =
                frame + 1 + static_cast<std::int64_t>(player() % 300);
        }
        const std::int64_t now = frame * 1000 / 60;
        const game_data before = game;
        handle_input(game.spider);
        // The platform's millisecond count wraps at 2^32, the game clock
        // reads it as signed 32-bit.
        update_game(game,
                    static_cast<std::int32_t>(static_cast<std::uint32_t>(now)));
        if (!check_frame(watch, before, game, now)) {
            std::printf("FAULT at frame %lld (%.3f days): %s\n",
                        static_cast<long long>(frame),
                        static_cast<double>(now) / 86.4e6, watch.fault.c_str());
            return 1;
        }
    }
    const std::chrono::duration<double> took =
        std::chrono::steady_clock::now() - started;
    std::printf("soak: %.1f days of game clock, %lld frames in %.1f s "
                "(%.0f million frames/s); %ld appearances, %ld catches; "
                "no fault\n",
                days, static_cast<long long>(frames), took.count(),
                static_cast<double>(frames) / took.count() / 1e6,
                watch.appearances, watch.catches);
    return 0;
}
