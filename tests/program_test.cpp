#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_platform.h"

int zelvanor_main();

namespace {

std::vector<std::string> one_frame(const std::string& spider_at)
{
    return {"key_down(275)",
            "key_down(276)",
            "key_down(274)",
            "key_down(273)",
            "timer_ticks(GameTimer)",
            "color_white()",
            "clear_screen(255,255,255)",
            "color_black()",
            "fill_circle(0,0,0 " + spider_at + " 25)",
            "refresh_screen(60)",
            "process_events()",
            "quit_requested()"};
}

TEST(program, starts_up_then_runs_frames_until_a_close_request)
{
    fake::reset();
    fake::script_rnd({{800, 12}, {600, 34}, {2000, 500}});
    fake::script_quit({false, false, false, true});
    fake::hold_keys({key_code::right_arrow});
    fake::set_ticks(1500); // the fly is due at 1500 and so stays hidden

    EXPECT_EQ(zelvanor_main(), 0);

    std::vector<std::string> expected = {"rnd(800)",
                                         "rnd(600)",
                                         "rnd(2000)",
                                         "open_window(Zelvanor 800 600)",
                                         "create_timer(GameTimer)",
                                         "start_timer(GameTimer)",
                                         "quit_requested()"};
    // Input is read at the head of each pass, so the first frame already
    // shows the first step.
    for (const char* spider_at : {"403 300", "406 300", "409 300"}) {
        const auto frame = one_frame(spider_at);
        expected.insert(expected.end(), frame.begin(), frame.end());
    }
    EXPECT_EQ(fake::calls(), expected);
    EXPECT_EQ(fake::rnd_left(), 0u);
}

TEST(program, a_close_request_before_the_first_frame_draws_nothing)
{
    fake::reset();
    fake::script_rnd({{800, 0}, {600, 0}, {2000, 0}});
    fake::script_quit({true});

    EXPECT_EQ(zelvanor_main(), 0);

    EXPECT_EQ(fake::calls().back(), "quit_requested()");
    EXPECT_TRUE(fake::calls_named({"key_down", "fill_circle", "process_events"})
                    .empty());
}

} // namespace
