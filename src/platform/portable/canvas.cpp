#include "platform/portable/canvas.h"

#include <algorithm>
#include <cmath>

canvas make_canvas(int width, int height, double scale)
{
    canvas made;
    made.width = std::max(0, static_cast<int>(std::lround(width * scale)));
    made.height = std::max(0, static_cast<int>(std::lround(height * scale)));
    made.scale = scale;
    made.background = pack_pixel({255, 255, 255});
    made.pixels.assign(static_cast<std::size_t>(made.width) *
                           static_cast<std::size_t>(made.height),
                       made.background);
    mark_all_changed(made);
    return made;
}

// More places than this and one rectangle round the whole canvas does.
constexpr std::size_t most_changed = 16;

void mark_all_changed(canvas& target)
{
    target.changed.clear();
    target.changed.push_back({0, 0, target.width, target.height});
}

static void mark_changed(canvas& target, const pixel_rect& place)
{
    const pixel_rect whole{0, 0, target.width, target.height};
    if (!target.changed.empty() && target.changed.front() == whole) {
        return;
    }
    if (target.changed.size() >= most_changed) {
        mark_all_changed(target);
    } else {
        target.changed.push_back(place);
    }
}

void take_changed(canvas& source, std::vector<pixel_rect>& out)
{
    out.swap(source.changed);
    source.changed.clear();
}

static void fill_rect(canvas& target, const pixel_rect& place,
                      std::uint32_t pixel)
{
    for (int row = place.top; row < place.bottom; ++row) {
        std::uint32_t* line =
            target.pixels.data() + static_cast<std::size_t>(row) *
                                       static_cast<std::size_t>(target.width);
        std::fill(line + place.left, line + place.right, pixel);
    }
}

void clear_canvas(canvas& target, color fill)
{
    const std::uint32_t pixel = pack_pixel(fill);
    if (pixel == target.background && target.drawn.size() < most_changed) {
        for (const pixel_rect& place : target.drawn) {
            fill_rect(target, place, pixel);
            mark_changed(target, place);
        }
    } else {
        std::fill(target.pixels.begin(), target.pixels.end(), pixel);
        target.background = pixel;
        mark_all_changed(target);
    }
    target.drawn.clear();
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
    if (first_row >= last_row || first_column >= last_column) {
        return;
    }
    const pixel_rect place{first_column, first_row, last_column, last_row};
    // Past most_changed the next clear repaints everything anyway.
    if (target.drawn.size() < most_changed) {
        target.drawn.push_back(place);
    }
    mark_changed(target, place);

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
