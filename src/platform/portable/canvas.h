// The pixel buffer every backend shows, and our own rasterizer for it, so the
// picture is the same pixel for pixel on every system.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/platform.h"

// Pixels are 0x00RRGGBB, rows top to bottom. The game draws in window
// coordinates; scale maps them to physical pixels on scaled displays.
struct canvas {
    int width = 0;
    int height = 0;
    double scale = 1;
    std::vector<std::uint32_t> pixels;
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

// A canvas of width x height window pixels drawn at the given scale, white.
canvas make_canvas(int width, int height, double scale);

void clear_canvas(canvas& target, color fill);

// A disc centred at (x, y) window pixels. Edges are anti-aliased by how much
// of each pixel the disc covers, so a pixel is more disc than background
// exactly when its centre lies inside the circle. Any position is allowed;
// what falls outside the canvas is clipped.
void fill_disc(canvas& target, color fill, double x, double y, double radius);
