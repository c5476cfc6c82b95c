// The Linux backend on SDL2: the window, its events and keys, showing the
// screen canvas, and sleeping between frames. Everything else is in the
// portable operations.

#include <SDL.h>
#include <X11/Xlib.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/portable/arrow_keys.h"
#include "platform/portable/frame_pacing.h"
#include "platform/portable/screen.h"

namespace {

struct sdl2_backend {
    SDL_Window* window = nullptr;
    bool quit = false;
    arrow_keys arrows;
    frame_pacer pacer;
    SDL_Surface* shown_on = nullptr;
    std::vector<pixel_rect> changed;
    std::vector<SDL_Rect> rects;
};

sdl2_backend backend;

[[noreturn]] void fail(const std::string& what, const char* why)
{
    std::fprintf(stderr, "zelvanor: %s: %s\n", what.c_str(), why);
    std::exit(1);
}

// Arrows are read by physical key, so they sit in the same place on every
// keyboard layout. Other keys map to no key code the game asks about.
key_code key_of(SDL_Scancode scancode)
{
    switch (scancode) {
    case SDL_SCANCODE_UP:
        return key_code::up_arrow;
    case SDL_SCANCODE_DOWN:
        return key_code::down_arrow;
    case SDL_SCANCODE_RIGHT:
        return key_code::right_arrow;
    case SDL_SCANCODE_LEFT:
        return key_code::left_arrow;
    default:
        return key_code{0};
    }
}

void take_in(const SDL_Event& event)
{
    switch (event.type) {
    case SDL_QUIT:
        backend.quit = true;
        break;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        set_arrow(backend.arrows, key_of(event.key.keysym.scancode),
                  event.type == SDL_KEYDOWN);
        break;
    case SDL_WINDOWEVENT:
        // Keys released while another window has the focus send us nothing.
        if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST) {
            release_arrows(backend.arrows);
        }
        // The window system may have lost what the window showed.
        if (event.window.event == SDL_WINDOWEVENT_EXPOSED) {
            mark_all_changed(screen_canvas());
        }
        break;
    default:
        break;
    }
}

// Sends the window only the places that changed since the last frame.
void show_canvas()
{
    SDL_Surface* surface = SDL_GetWindowSurface(backend.window);
    canvas& screen = screen_canvas();
    if (surface == nullptr || surface->w != screen.width ||
        surface->h != screen.height) {
        return;
    }
    if (surface != backend.shown_on) {
        backend.shown_on = surface;
        mark_all_changed(screen);
    }
    take_changed(screen, backend.changed);
    backend.rects.clear();
    const auto* source =
        reinterpret_cast<const std::uint8_t*>(screen.pixels.data());
    auto* target = static_cast<std::uint8_t*>(surface->pixels);
    const int source_pitch = screen.width * 4;
    const int target_bytes = surface->format->BytesPerPixel;
    for (const pixel_rect& place : backend.changed) {
        const int width = place.right - place.left;
        const int height = place.bottom - place.top;
        SDL_ConvertPixels(width, height, SDL_PIXELFORMAT_RGB888,
                          source + place.top * source_pitch + place.left * 4,
                          source_pitch, surface->format->format,
                          target + place.top * surface->pitch +
                              place.left * target_bytes,
                          surface->pitch);
        backend.rects.push_back(SDL_Rect{place.left, place.top, width, height});
    }
    if (!backend.rects.empty()) {
        SDL_UpdateWindowSurfaceRects(backend.window, backend.rects.data(),
                                     static_cast<int>(backend.rects.size()));
    }
}

// Sleeps on absolute deadlines: relative sleeps add their overshoot to every
// frame, and whole-millisecond ones cannot make 60 Hz.
void sleep_until(std::int64_t deadline_ns)
{
    timespec deadline{};
    deadline.tv_sec = static_cast<time_t>(deadline_ns / 1'000'000'000);
    deadline.tv_nsec = static_cast<long>(deadline_ns % 1'000'000'000);
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &deadline,
                           nullptr) == EINTR) {
    }
}

// A display server that goes away takes the game with it: Xlib would call
// this and then end the process itself, after SDL's handler has tried to
// carry on and tripped over the dead connection.
int on_display_lost(Display*)
{
    const char message[] = "zelvanor: the connection to the display was lost\n";
    if (write(STDERR_FILENO, message, sizeof message - 1) < 0) {
        // Nothing more can be said.
    }
    _exit(1);
}

// Chooses among SDL's display drivers by what the environment offers, so
// that SDL tries no display that is not there: a Wayland library asked for a
// missing display prints complaints of its own.
void choose_video_driver()
{
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    const bool has_x11 = x11 != nullptr && *x11 != '\0';
    const bool has_wayland = wayland != nullptr && *wayland != '\0';
    if (!has_x11 && !has_wayland) {
        fail("no display could be opened",
             "neither DISPLAY nor WAYLAND_DISPLAY is set");
    }
    SDL_SetHint(SDL_HINT_VIDEODRIVER, !has_wayland ? "x11"
                                      : has_x11    ? "x11,wayland"
                                                   : "wayland");
}

} // namespace

void open_window(const std::string& caption, int width, int height)
{
    choose_video_driver();
    // Without a GPU, SDL would route the window surface through a software
    // OpenGL renderer at several times the CPU and memory.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        const char* x11 = std::getenv("DISPLAY");
        fail(std::string("no display could be opened (DISPLAY=") +
                 (x11 != nullptr ? x11 : "") + ")",
             SDL_GetError());
    }
    std::atexit(SDL_Quit);

    // SDL_VIDEODRIVER may still name a driver that shows nothing; a game
    // nobody can see would run for ever.
    const char* driver = SDL_GetCurrentVideoDriver();
    if (driver == nullptr || std::strcmp(driver, "offscreen") == 0 ||
        std::strcmp(driver, "dummy") == 0) {
        fail("no display could be opened",
             "SDL chose a video driver that shows nothing");
    }

    backend.window = SDL_CreateWindow(caption.c_str(), SDL_WINDOWPOS_CENTERED,
                                      SDL_WINDOWPOS_CENTERED, width, height,
                                      SDL_WINDOW_SHOWN);
    if (backend.window == nullptr) {
        fail("the window could not be opened", SDL_GetError());
    }
    screen_canvas() = make_canvas(width, height, 1);
    if (std::strcmp(driver, "x11") == 0) {
        XSetIOErrorHandler(on_display_lost);
    }
}

void process_events()
{
    SDL_Event event;
    while (SDL_PollEvent(&event) != 0) {
        take_in(event);
    }
}

bool quit_requested() { return backend.quit; }

bool key_down(key_code key) { return arrow_held(backend.arrows, key); }

void refresh_screen(unsigned int frames_per_second)
{
    show_canvas();
    sleep_until(
        next_frame_deadline(backend.pacer, monotonic_ns(), frames_per_second));
}
