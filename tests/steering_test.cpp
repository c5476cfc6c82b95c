#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "fake_platform.h"
#include "game/steering.h"

namespace {

class steering : public testing::Test {
  protected:
    void SetUp() override { fake::reset(); }
};

constexpr key_code right = key_code::right_arrow;
constexpr key_code left = key_code::left_arrow;
constexpr key_code down = key_code::down_arrow;
constexpr key_code up = key_code::up_arrow;

// The keys held for each of the sixteen masks: bit 0 right, 1 left, 2 down,
// 3 up.
std::vector<key_code> keys_from_mask(unsigned mask)
{
    std::vector<key_code> keys;
    for (const key_code key : {right, left, down, up}) {
        if (mask & 1)
            keys.push_back(key);
        mask >>= 1;
    }
    return keys;
}

TEST_F(steering, asks_all_four_keys_in_order_whatever_is_held_or_where)
{
    const std::vector<std::string> asked = {"key_down(275)", "key_down(276)",
                                            "key_down(274)", "key_down(273)"};
    for (const spider_data start :
         {spider_data{400, 300}, spider_data{775, 576}, spider_data{25, 24}}) {
        for (unsigned mask = 0; mask < 16; ++mask) {
            fake::reset();
            fake::hold_keys(keys_from_mask(mask));
            spider_data spider = start;
            handle_input(spider);
            EXPECT_EQ(fake::calls(), asked) << "held mask " << mask;
        }
    }
}

struct steer_case {
    const char* what;
    spider_data start;
    std::vector<key_code> keys;
    int frames;
    spider_data end;
};

TEST_F(steering, moves_three_pixels_a_frame_and_stops_at_the_bounds)
{
    const steer_case cases[] = {
        {"nothing held", {400, 300}, {}, 10, {400, 300}},
        {"right and down together", {400, 300}, {right, down}, 1, {403, 303}},
        {"right", {400, 300}, {right}, 1, {403, 300}},
        {"right to the edge", {400, 300}, {right}, 500, {775, 300}},
        {"left to the edge", {400, 300}, {left}, 500, {25, 300}},
        {"down past the edge", {400, 300}, {down}, 500, {400, 576}},
        {"up past the edge", {400, 300}, {up}, 500, {400, 24}},
        {"right and left in the open",
         {400, 300},
         {right, left},
         50,
         {400, 300}},
        {"right and left at the right edge",
         {775, 300},
         {right, left},
         50,
         {772, 300}},
        {"right and left at the left edge",
         {25, 300},
         {right, left},
         50,
         {25, 300}},
        {"down and up at the bottom", {400, 576}, {down, up}, 50, {400, 573}},
        {"down and up at the top", {400, 24}, {down, up}, 50, {400, 24}},
        {"all four in the corner",
         {775, 576},
         {right, left, down, up},
         50,
         {772, 573}},
    };
    for (const auto& c : cases) {
        fake::reset();
        fake::hold_keys(c.keys);
        spider_data spider = c.start;
        for (int frame = 0; frame < c.frames; ++frame) {
            handle_input(spider);
        }
        EXPECT_EQ(spider.x, c.end.x) << c.what;
        EXPECT_EQ(spider.y, c.end.y) << c.what;
    }
}

TEST_F(steering, random_play_keeps_the_spider_on_its_lattice)
{
    std::mt19937 keys_generator(20261211);
    spider_data spider{400, 300};
    for (int frame = 0; frame < 200'000; ++frame) {
        // Hold a random set of keys for a stretch, as a player would.
        fake::hold_keys(keys_from_mask(keys_generator() % 16));
        const int stretch = static_cast<int>(keys_generator() % 200);
        for (int i = 0; i < stretch; ++i, ++frame) {
            handle_input(spider);
        }
        fake::clear_calls();
        ASSERT_GE(spider.x, 25);
        ASSERT_LE(spider.x, 775);
        ASSERT_GE(spider.y, 24);
        ASSERT_LE(spider.y, 576);
        ASSERT_EQ(static_cast<int>(spider.x) % 3, 1) << spider.x;
        ASSERT_EQ(static_cast<int>(spider.y) % 3, 0) << spider.y;
        ASSERT_EQ(spider.x, static_cast<int>(spider.x));
        ASSERT_EQ(spider.y, static_cast<int>(spider.y));
    }
}

} // namespace
