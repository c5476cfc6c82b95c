#include "platform/portable/canvas.h"

#include <algorithm>
#include <cmath>

canvas make_canvas(int width, int height, double scale)
{
    canvas made;
    made.width = std::max(0, static_cast<int>(std::lround(width * scale)));
    made.height = std::max(0, static_cast<int>(std::lround(height * scale)));
    made.scale = scale;
    made.pixels.assign(static_cast<std::size_t>(made.width) *
                           static_cast<std::size_t>(made.height),
                       pack_pixel({255, 255, 255}));
    return made;
}

void clear_canvas(canvas& target, color fill)
{
    std::fill(target.pixels.begin(), target.pixels.end(), pack_pixel(fill));
}

static std::uint8_t mix(std::uint8_t under, std::uint8_t over, double coverage)
{
    return static_cast<std::uint8_t>(under + (over - under) * coverage + 0.5);
}

// The half-open range of pixel indices [first, last) whose centres lie within
// reach of centre, clipped to [0, size). Clipping in doubles first keeps
// positions far outside the canvas from overflowing an int.
static void pixel_span(double centre, double reach, int size, int& first,
                       int& last)
{
    const double low = std::clamp(std::floor(centre - reach), 0.0, 1.0 * size);
    const double high = std::clamp(std::ceil(centre + reach), 0.0, 1.0 * size);
    first = static_cast<int>(low);
    last = static_cast<int>(high);
}

void fill_disc(canvas& target, color fill, double x, double y, double radius)
{
    const double cx = x * target.scale;
    const double cy = y * target.scale;
    const double r = radius * target.scale;
    if (!std::isfinite(cx) || !std::isfinite(cy) || !std::isfinite(r) ||
        r <= 0) {
        return;
    }

    // Coverage is estimated from the distance d of a pixel's centre to the
    // disc's centre as r + 0.5 - d: whole inside r - 0.5, nothing past r + 0.5.
    const double outer = r + 0.5;
    const double inner = r - 0.5;
    const double outer_squared = outer * outer;
    const double inner_squared = inner > 0 ? inner * inner : -1;
    const std::uint32_t solid = pack_pixel(fill);

    int first_row = 0;
    int last_row = 0;
    int first_column = 0;
    int last_column = 0;
    pixel_span(cy, outer, target.height, first_row, last_row);
    pixel_span(cx, outer, target.width, first_column, last_column);

    for (int row = first_row; row < last_row; ++row) {
        const double dy = row + 0.5 - cy;
        std::uint32_t* line =
            target.pixels.data() + static_cast<std::size_t>(row) *
                                       static_cast<std::size_t>(target.width);
        for (int column = first_column; column < last_column; ++column) {
            const double dx = column + 0.5 - cx;
            const double distance_squared = dx * dx + dy * dy;
            if (distance_squared <= inner_squared) {
                line[column] = solid;
            } else if (distance_squared < outer_squared) {
                const double coverage =
                    std::min(1.0, outer - std::sqrt(distance_squared));
                const color under = unpack_pixel(line[column]);
                line[column] =
                    pack_pixel({mix(under.red, fill.red, coverage),
                                mix(under.green, fill.green, coverage),
                                mix(under.blue, fill.blue, coverage)});
            }
        }
    }
}
