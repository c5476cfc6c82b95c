#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "platform/portable/canvas.h"

namespace {

constexpr color white{255, 255, 255};
constexpr color black{0, 0, 0};
constexpr color green{0, 100, 0};

color pixel_at(const canvas& c, int x, int y)
{
    return unpack_pixel(c.pixels[static_cast<std::size_t>(y) *
                                     static_cast<std::size_t>(c.width) +
                                 static_cast<std::size_t>(x)]);
}

int pixels_not_white(const canvas& c)
{
    int count = 0;
    for (const auto p : c.pixels) {
        count += p != pack_pixel(white);
    }
    return count;
}

TEST(canvas, starts_white_and_clears_to_any_colour)
{
    canvas c = make_canvas(800, 600, 1);
    ASSERT_EQ(c.pixels.size(), 800u * 600u);
    EXPECT_EQ(pixels_not_white(c), 0);
    clear_canvas(c, green);
    EXPECT_EQ(pixel_at(c, 0, 0), green);
    EXPECT_EQ(pixel_at(c, 799, 599), green);
}

// Black on white: a pixel is "disc" when it is nearer black than white. That
// must hold exactly for the pixels whose centres lie inside the circle.
TEST(canvas, a_disc_covers_exactly_the_pixels_whose_centres_are_inside)
{
    struct disc {
        double x, y, r;
    };
    for (const auto d : {disc{400, 300, 25}, disc{10.3, 20.7, 10},
                         disc{0, 599, 10}, disc{799.9, 0.2, 3.3}}) {
        canvas c = make_canvas(800, 600, 1);
        fill_disc(c, black, d.x, d.y, d.r);
        for (int y = 0; y < 600; ++y) {
            for (int x = 0; x < 800; ++x) {
                const double dx = x + 0.5 - d.x;
                const double dy = y + 0.5 - d.y;
                const bool inside = dx * dx + dy * dy < d.r * d.r;
                ASSERT_EQ(pixel_at(c, x, y).red < 128, inside)
                    << "disc at " << d.x << "," << d.y << " pixel " << x << ","
                    << y;
            }
        }
    }
}

TEST(canvas, a_centred_disc_is_symmetric_round_and_smooth_edged)
{
    canvas c = make_canvas(800, 600, 1);
    fill_disc(c, black, 400, 300, 25);
    int edge_pixels = 0;
    for (int y = 270; y < 330; ++y) {
        for (int x = 370; x < 430; ++x) {
            const color p = pixel_at(c, x, y);
            // Mirror images about the centre, and about the diagonal.
            ASSERT_EQ(p, pixel_at(c, 799 - x, y));
            ASSERT_EQ(p, pixel_at(c, x, 599 - y));
            ASSERT_EQ(p, pixel_at(c, 400 + (y - 300), 300 + (x - 400)));
            edge_pixels += p != black && p != white;
        }
    }
    EXPECT_EQ(pixel_at(c, 400, 300), black);
    EXPECT_EQ(pixel_at(c, 375, 300).red < 128, true);
    EXPECT_EQ(pixel_at(c, 374, 300), white);
    // Roughly the circumference is blended, neither none nor the whole area.
    EXPECT_GT(edge_pixels, 100);
    EXPECT_LT(edge_pixels, 250);
    // Its area is the circle's, to within a pixel's worth of its edge.
    double ink = 0;
    for (const auto p : c.pixels) {
        ink += (255 - unpack_pixel(p).red) / 255.0;
    }
    EXPECT_NEAR(ink, 3.14159265 * 25 * 25, 3);
}

TEST(canvas, a_disc_blends_with_what_lies_under_it)
{
    canvas c = make_canvas(100, 100, 1);
    fill_disc(c, black, 50, 50, 25);
    fill_disc(c, green, 50.25, 50, 10);
    EXPECT_EQ(pixel_at(c, 50, 50), green);
    // The fly's edge fades to the spider's black, not to the background.
    const color edge = pixel_at(c, 60, 50);
    EXPECT_EQ(edge.red, 0);
    EXPECT_GT(edge.green, 0);
    EXPECT_LT(edge.green, 100);
}

TEST(canvas, discs_anywhere_are_clipped_to_the_canvas)
{
    const double far = 1e300;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct disc {
        double x, y, r;
        int inked; // pixels expected to be touched, or -1 for "some"
    };
    for (const auto d :
         {disc{-far, 300, 25, 0}, disc{far, far, 25, 0},
          disc{400, -1e12, 25, 0}, disc{-35.5, 300, 10, 0},
          disc{nan, 300, 25, 0}, disc{400, 300, nan, 0}, disc{400, 300, inf, 0},
          disc{400, 300, -5, 0}, disc{400, 300, 0, 0}, disc{0, 0, 10, -1},
          disc{800, 600, 10, -1}, disc{400, 300, 1e6, 800 * 600}}) {
        canvas c = make_canvas(800, 600, 1);
        fill_disc(c, black, d.x, d.y, d.r);
        const int inked = pixels_not_white(c);
        if (d.inked >= 0) {
            EXPECT_EQ(inked, d.inked) << d.x << "," << d.y << " r " << d.r;
        } else {
            // A quarter disc in the corner.
            EXPECT_NEAR(inked, 3.14159265 * 100 / 4, 12) << d.x << "," << d.y;
        }
    }
}

TEST(canvas, a_scaled_canvas_draws_the_same_picture_larger)
{
    canvas c = make_canvas(800, 600, 1.5);
    ASSERT_EQ(c.width, 1200);
    ASSERT_EQ(c.height, 900);
    fill_disc(c, black, 400, 300, 25);
    // Radius 37.5 around (600, 450).
    EXPECT_EQ(pixel_at(c, 600, 450), black);
    EXPECT_LT(pixel_at(c, 600 + 36, 450).red, 128);
    EXPECT_GT(pixel_at(c, 600 + 37, 450).red, 127);
    EXPECT_LT(pixel_at(c, 600 - 37, 450).red, 128);
    EXPECT_GT(pixel_at(c, 600 - 38, 450).red, 127);
}

} // namespace

namespace {

// A window that is only sent the places take_changed reports, as the
// backends do; after every frame it must show exactly the canvas.
struct shown_window {
    std::vector<std::uint32_t> pixels;
    std::vector<pixel_rect> changed;

    void show(canvas& c)
    {
        pixels.resize(c.pixels.size());
        take_changed(c, changed);
        for (const auto& place : changed) {
            for (int y = place.top; y < place.bottom; ++y) {
                for (int x = place.left; x < place.right; ++x) {
                    const auto i = static_cast<std::size_t>(y * c.width + x);
                    pixels[i] = c.pixels[i];
                }
            }
        }
    }
};

TEST(canvas, frames_redrawn_in_part_match_frames_drawn_whole)
{
    canvas incremental = make_canvas(800, 600, 1);
    shown_window window;
    std::mt19937 generator(5);
    std::uniform_real_distribution<double> x(-60, 860);
    std::uniform_real_distribution<double> y(-60, 660);
    for (int frame = 0; frame < 300; ++frame) {
        // Now and then a frame of another colour, or many discs at once.
        const color background = frame % 97 == 50 ? green : white;
        const int discs = frame % 41 == 7 ? 30 : 2;
        canvas whole = make_canvas(800, 600, 1);
        clear_canvas(whole, background);
        clear_canvas(incremental, background);
        for (int d = 0; d < discs; ++d) {
            const double dx = x(generator), dy = y(generator);
            const double r = d % 2 == 0 ? 25 : 10;
            fill_disc(whole, d % 2 == 0 ? black : green, dx, dy, r);
            fill_disc(incremental, d % 2 == 0 ? black : green, dx, dy, r);
        }
        ASSERT_EQ(incremental.pixels, whole.pixels) << "frame " << frame;
        window.show(incremental);
        ASSERT_EQ(window.pixels, incremental.pixels) << "frame " << frame;
        ASSERT_LE(window.changed.size(), 16u);
    }
}

TEST(canvas, a_still_frame_sends_only_the_discs)
{
    canvas c = make_canvas(800, 600, 1);
    std::vector<pixel_rect> changed;
    take_changed(c, changed);
    EXPECT_EQ(changed, (std::vector<pixel_rect>{{0, 0, 800, 600}}));
    clear_canvas(c, white);
    fill_disc(c, black, 400, 300, 25);
    take_changed(c, changed);
    clear_canvas(c, white);
    fill_disc(c, black, 400, 300, 25);
    take_changed(c, changed);
    // The disc's square, repainted, then drawn: nothing else.
    EXPECT_EQ(changed, (std::vector<pixel_rect>{{374, 274, 426, 326},
                                                {374, 274, 426, 326}}));
    mark_all_changed(c);
    take_changed(c, changed);
    EXPECT_EQ(changed, (std::vector<pixel_rect>{{0, 0, 800, 600}}));
}

} // namespace
