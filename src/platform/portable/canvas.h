// The pixel buffer every backend shows, and our own rasterizer for it, so the
// picture is the same pixel for pixel on every system.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/platform.h"

// A rectangle of physical pixels, left and top inclusive, right and bottom
// exclusive.
struct pixel_rect {
    int left;
    int top;
    int right;
    int bottom;

    friend bool operator==(const pixel_rect&, const pixel_rect&) = default;
};

// Pixels are 0x00RRGGBB, rows top to bottom. The game draws in window
// coordinates; scale maps them to physical pixels on scaled displays.
//
// Most of a frame is the background of the frame before, so the canvas keeps
// account of what it drew on it: clearing to the same background repaints
// only those places, and a backend shows only what changed.
struct canvas {
    int width = 0;
    int height = 0;
    double scale = 1;
    std::vector<std::uint32_t> pixels;
    std::uint32_t background = 0;
    std::vector<pixel_rect> drawn;   // on the background since the clear
    std::vector<pixel_rect> changed; // since the last take_changed
};

constexpr std::uint32_t pack_pixel(color c)
{
    return std::uint32_t{c.red} << 16 | std::uint32_t{c.green} << 8 |
           std::uint32_t{c.blue};
}

constexpr color unpack_pixel(std::uint32_t pixel)
{
    return color{static_cast<std::uint8_t>(pixel >> 16),
                 static_cast<std::uint8_t>(pixel >> 8),
                 static_cast<std::uint8_t>(pixel)};
}

// A canvas of width x height window pixels drawn at the given scale, white,
// all of it still to be shown.
canvas make_canvas(int width, int height, double scale);

// What changed since the last call, into out (whose storage is reused); the
// canvas starts counting afresh.
void take_changed(canvas& source, std::vector<pixel_rect>& out);

// All of the canvas is to be shown again, as after the window was uncovered.
void mark_all_changed(canvas& target);

void clear_canvas(canvas& target, color fill);

// A disc centred at (x, y) window pixels. Edges are anti-aliased by how much
// of each pixel the disc covers, so a pixel is more disc than background
// exactly when its centre lies inside the circle. Any position is allowed;
// what falls outside the canvas is clipped.
void fill_disc(canvas& target, color fill, double x, double y, double radius);
