// The same picture drawn the way most hobby code does it: SDL's default
// renderer, discs from horizontal lines, and SDL_Delay(1000 / 60) after each
// present. The frame benchmark runs it beside the game for comparison.

#include <SDL.h>

#include <cmath>

namespace {

void fill_disc(SDL_Renderer* renderer, int cx, int cy, int radius)
{
    for (int dy = -radius; dy <= radius; ++dy) {
        const int half = static_cast<int>(std::sqrt(radius * radius - dy * dy));
        SDL_RenderDrawLine(renderer, cx - half, cy + dy, cx + half, cy + dy);
    }
}

} // namespace

int main(int, char**)
{
    SDL_Init(SDL_INIT_VIDEO);
    SDL_Window* window =
        SDL_CreateWindow("Zelvanor baseline", SDL_WINDOWPOS_CENTERED,
                         SDL_WINDOWPOS_CENTERED, 800, 600, SDL_WINDOW_SHOWN);
    SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, 0);
    bool running = true;
    Uint32 frame = 0;
    while (running) {
        SDL_Event event;
        while (SDL_PollEvent(&event)) {
            running = running && event.type != SDL_QUIT;
        }
        SDL_SetRenderDrawColor(renderer, 255, 255, 255, 255);
        SDL_RenderClear(renderer);
        SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
        fill_disc(renderer, 400, 300, 25);
        if (frame++ / 180 % 2 == 0) {
            SDL_SetRenderDrawColor(renderer, 0, 100, 0, 255);
            fill_disc(renderer, 120, 90, 10);
        }
        SDL_RenderPresent(renderer);
        SDL_Delay(1000 / 60);
    }
    SDL_Quit();
    return 0;
}
