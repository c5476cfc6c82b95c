// What one frame costs the game, without a window: drawing it into the pixel
// buffer, and its logic.

#include <benchmark/benchmark.h>

#include <cstdint>

#include "game/drawing.h"
#include "game/fly.h"
#include "game/game_data.h"
#include "game/steering.h"
#include "headless_backend.h"
#include "platform/platform.h"
#include "platform/portable/canvas.h"
#include "platform/portable/screen.h"

namespace {

// Clear, then the spider and a shown fly, anti-aliased.
void draw_one_frame(benchmark::State& state)
{
    open_window("Zelvanor", 800, 600);
    const game_data game{{400, 300}, {true, 120.5, 90.25, 0, 1 << 30}};
    for (auto _ : state) {
        draw_game(game);
        benchmark::DoNotOptimize(screen_canvas().pixels.data());
    }
}
BENCHMARK(draw_one_frame);

// Steering and the fly's rules over a clock advancing 16 ms a frame.
void game_logic_one_frame(benchmark::State& state)
{
    game_data game{new_spider(), new_fly()};
    std::uint32_t clock = 0;
    unsigned frame = 0;
    for (auto _ : state) {
        // Each arrow held for a second at a time, in turn.
        hold_arrows(1u << (++frame / 60 % 4));
        handle_input(game.spider);
        update_game(game, static_cast<std::int32_t>(clock += 16));
        benchmark::DoNotOptimize(game);
    }
}
BENCHMARK(game_logic_one_frame);

} // namespace

BENCHMARK_MAIN();
