// The Windows backend on plain Win32: the window, its messages and keys,
// showing the screen canvas through a DIB section, and sleeping between
// frames on a high-resolution waitable timer. Everything else is in the
// portable operations, so both systems draw the same pixels.

#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>

#include <timeapi.h>

#include <atomic>
#include <cstring>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/portable/arrow_keys.h"
#include "platform/portable/frame_pacing.h"
#include "platform/portable/screen.h"

namespace {

// Missing from the MinGW headers; Windows 10 1803 and later know it.
constexpr DWORD create_waitable_timer_high_resolution = 0x2;

constexpr DWORD window_style =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

struct win32_backend {
    HWND window = nullptr;
    int width = 0; // in window coordinates, before scaling
    int height = 0;
    HDC memory_dc = nullptr;
    HBITMAP bitmap = nullptr;
    void* bitmap_pixels = nullptr;
    bool closing = false;
    arrow_keys arrows;
    HANDLE timer = nullptr;
    frame_pacer pacer;
    std::vector<pixel_rect> changed;
};

win32_backend backend;

// Set by the console's Ctrl+C handler, which runs on a thread of its own.
std::atomic<bool> interrupted{false};

BOOL WINAPI on_console_control(DWORD event)
{
    if (event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT) {
        interrupted = true;
        return TRUE;
    }
    return FALSE;
}

// Other keys map to no key code the game asks about.
key_code key_of(WPARAM virtual_key)
{
    switch (virtual_key) {
    case VK_UP:
        return key_code::up_arrow;
    case VK_DOWN:
        return key_code::down_arrow;
    case VK_RIGHT:
        return key_code::right_arrow;
    case VK_LEFT:
        return key_code::left_arrow;
    default:
        return key_code{0};
    }
}

// The canvas and the DIB section it is shown through, at the window's DPI.
void size_canvas(UINT dpi)
{
    const double scale = dpi / 96.0;
    screen_canvas() = make_canvas(backend.width, backend.height, scale);
    const canvas& screen = screen_canvas();

    if (backend.bitmap != nullptr) {
        DeleteObject(backend.bitmap);
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = screen.width;
    info.bmiHeader.biHeight = -screen.height; // rows top to bottom
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    backend.bitmap = CreateDIBSection(backend.memory_dc, &info, DIB_RGB_COLORS,
                                      &backend.bitmap_pixels, nullptr, 0);
    SelectObject(backend.memory_dc, backend.bitmap);
}

// The outer window size that gives the canvas's client area at this DPI.
SIZE window_size_for(UINT dpi)
{
    const canvas& screen = screen_canvas();
    RECT frame{0, 0, screen.width, screen.height};
    AdjustWindowRectExForDpi(&frame, window_style, FALSE, 0, dpi);
    return SIZE{frame.right - frame.left, frame.bottom - frame.top};
}

// The DIB section always holds the whole last frame, for WM_PAINT.
void blit_all(HDC target)
{
    const canvas& screen = screen_canvas();
    BitBlt(target, 0, 0, screen.width, screen.height, backend.memory_dc, 0, 0,
           SRCCOPY);
}

// Copies the places that changed into the DIB section and shows only those.
void show_changes(HDC target)
{
    canvas& screen = screen_canvas();
    take_changed(screen, backend.changed);
    if (backend.bitmap_pixels == nullptr) {
        return;
    }
    // A 32-bit DIB holds B, G, R, unused: the canvas's 0x00RRGGBB.
    auto* bits = static_cast<std::uint32_t*>(backend.bitmap_pixels);
    const auto width = static_cast<std::size_t>(screen.width);
    for (const pixel_rect& place : backend.changed) {
        const auto left = static_cast<std::size_t>(place.left);
        const auto count = static_cast<std::size_t>(place.right - place.left);
        for (int row = place.top; row < place.bottom; ++row) {
            const std::size_t start =
                static_cast<std::size_t>(row) * width + left;
            std::memcpy(bits + start, screen.pixels.data() + start,
                        count * sizeof(std::uint32_t));
        }
        BitBlt(target, place.left, place.top, place.right - place.left,
               place.bottom - place.top, backend.memory_dc, place.left,
               place.top, SRCCOPY);
    }
}

LRESULT CALLBACK on_message(HWND window, UINT message, WPARAM w, LPARAM l)
{
    switch (message) {
    case WM_CLOSE:
        // The game ends through its loop; the window stays until exit.
        backend.closing = true;
        return 0;
    case WM_KEYDOWN:
    case WM_KEYUP:
        set_arrow(backend.arrows, key_of(w), message == WM_KEYDOWN);
        return 0;
    case WM_KILLFOCUS:
        // Keys released while another window has the focus send us nothing.
        release_arrows(backend.arrows);
        return 0;
    case WM_DPICHANGED: {
        size_canvas(HIWORD(w));
        const RECT* suggested = reinterpret_cast<const RECT*>(l);
        const SIZE size = window_size_for(HIWORD(w));
        SetWindowPos(window, nullptr, suggested->left, suggested->top, size.cx,
                     size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC target = BeginPaint(window, &paint);
        blit_all(target);
        EndPaint(window, &paint);
        return 0;
    }
    default:
        return DefWindowProcW(window, message, w, l);
    }
}

std::wstring widen(const std::string& text)
{
    const int length =
        MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 1), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, wide.data(), length);
    wide.resize(wide.size() - 1);
    return wide;
}

// A high-resolution timer where Windows has one; otherwise an ordinary one
// with the system's timer resolution raised to 1 ms, as ordinary waits
// otherwise round up to the default 15.6 ms tick.
HANDLE make_frame_timer()
{
    HANDLE timer = CreateWaitableTimerExW(nullptr, nullptr,
                                          create_waitable_timer_high_resolution,
                                          TIMER_ALL_ACCESS);
    if (timer == nullptr) {
        timeBeginPeriod(1);
        timer = CreateWaitableTimerExW(nullptr, nullptr, 0, TIMER_ALL_ACCESS);
    }
    return timer;
}

void sleep_until(std::int64_t deadline_ns)
{
    const std::int64_t wait_ns = deadline_ns - monotonic_ns();
    if (wait_ns <= 0) {
        return;
    }
    // Negative due times are relative, in 100 ns units.
    LARGE_INTEGER due;
    due.QuadPart = -(wait_ns / 100);
    if (backend.timer != nullptr &&
        SetWaitableTimer(backend.timer, &due, 0, nullptr, nullptr, FALSE)) {
        WaitForSingleObject(backend.timer, INFINITE);
    } else {
        Sleep(static_cast<DWORD>(wait_ns / 1'000'000));
    }
}

} // namespace

void open_window(const std::string& caption, int width, int height)
{
    SetConsoleCtrlHandler(on_console_control, TRUE);
    backend.width = width;
    backend.height = height;
    backend.timer = make_frame_timer();

    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof(window_class);
    window_class.lpfnWndProc = on_message;
    window_class.hInstance = instance;
    window_class.hCursor =
        LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // the arrow
    window_class.lpszClassName = L"Zelvanor";
    RegisterClassExW(&window_class);

    // Created at its final size only once its monitor's DPI is known.
    backend.window =
        CreateWindowExW(0, window_class.lpszClassName, widen(caption).c_str(),
                        window_style, CW_USEDEFAULT, CW_USEDEFAULT, width,
                        height, nullptr, nullptr, instance, nullptr);
    const UINT dpi = GetDpiForWindow(backend.window);
    backend.memory_dc = CreateCompatibleDC(nullptr);
    size_canvas(dpi);
    const SIZE size = window_size_for(dpi);
    SetWindowPos(backend.window, nullptr, 0, 0, size.cx, size.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(backend.window, SW_SHOWNORMAL);
    SetForegroundWindow(backend.window);
}

void process_events()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

bool quit_requested() { return backend.closing || interrupted; }

bool key_down(key_code key) { return arrow_held(backend.arrows, key); }

void refresh_screen(unsigned int frames_per_second)
{
    if (HDC target = GetDC(backend.window); target != nullptr) {
        show_changes(target);
        ReleaseDC(backend.window, target);
    }
    sleep_until(
        next_frame_deadline(backend.pacer, monotonic_ns(), frames_per_second));
}
