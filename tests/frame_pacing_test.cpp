#include <gtest/gtest.h>

#include "platform/portable/frame_pacing.h"

namespace {

TEST(frame_pacing, a_frame_period_never_makes_the_rate_too_high)
{
    EXPECT_EQ(frame_period_ns(60), 16'666'667);
    EXPECT_EQ(frame_period_ns(1), 1'000'000'000);
    EXPECT_EQ(frame_period_ns(0), 0);
    EXPECT_GE(frame_period_ns(60) * 60, 1'000'000'000);
}

TEST(frame_pacing, deadlines_follow_each_other_without_drift)
{
    frame_pacer pacer;
    const std::int64_t period = frame_period_ns(60);
    const std::int64_t start = 5'000'000'000;
    EXPECT_EQ(next_frame_deadline(pacer, start, 60), start + period);
    // Frames shown a little after each deadline (as woken sleepers are) keep
    // to the original grid.
    for (int frame = 2; frame < 1000; ++frame) {
        const std::int64_t shown = start + (frame - 1) * period + 300'000;
        ASSERT_EQ(next_frame_deadline(pacer, shown, 60),
                  start + frame * period);
    }
}

TEST(frame_pacing, a_late_frame_starts_afresh_instead_of_bursting)
{
    frame_pacer pacer;
    const std::int64_t period = frame_period_ns(60);
    next_frame_deadline(pacer, 0, 60);
    // The second frame is shown 100 ms late: no sleep for it, and the next
    // frame is a whole period later, not at once.
    const std::int64_t late = 100'000'000;
    EXPECT_EQ(next_frame_deadline(pacer, late, 60), late);
    EXPECT_EQ(next_frame_deadline(pacer, late + 1'000, 60), late + period);
}

TEST(frame_pacing, the_monotonic_clock_never_goes_back)
{
    std::int64_t previous = monotonic_ns();
    for (int i = 0; i < 1000; ++i) {
        const std::int64_t now = monotonic_ns();
        ASSERT_GE(now, previous);
        previous = now;
    }
}

} // namespace
