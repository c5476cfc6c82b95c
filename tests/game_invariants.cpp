#include "game_invariants.h"

#include <cmath>
#include <sstream>

namespace {

bool discs_overlap(const spider_data& spider, const fly_data& fly)
{
    const double reach = SPIDER_RADIUS + FLY_RADIUS;
    const double dx = spider.x - fly.x;
    const double dy = spider.y - fly.y;
    return dx * dx + dy * dy <= reach * reach;
}

bool whole(double v) { return v == std::floor(v); }

template <typename... Parts>
bool fail(invariant_watch& watch, const Parts&... parts)
{
    std::ostringstream what;
    (what << ... << parts);
    watch.fault = what.str();
    return false;
}

} // namespace

bool on_spider_lattice(const spider_data& spider)
{
    return whole(spider.x) && whole(spider.y) && spider.x >= 25 &&
           spider.x <= 775 && spider.y >= 24 && spider.y <= 576 &&
           static_cast<long>(spider.x) % 3 == 1 &&
           static_cast<long>(spider.y) % 3 == 0;
}

// The fly is hidden for 1000 + rnd(2000) ms and shown for 2000 + rnd(5000)
// ms, and changes at the first frame past its due time. So after any frame a
// hidden fly has been hidden at most 2999 ms and a shown one shown at most
// 6999 ms; at the frame before a change it had not yet been hidden (shown)
// longer than that, and at the change more than 1000 (2000) ms had passed.
bool check_frame(invariant_watch& watch, const game_data& before,
                 const game_data& after, std::int64_t now)
{
    const std::int64_t previous = watch.previous_time;
    watch.previous_time = now;

    if (!on_spider_lattice(after.spider)) {
        return fail(watch, "spider off its lattice at ", after.spider.x, ",",
                    after.spider.y);
    }

    const bool appeared =
        !before.fly.on_screen &&
        (after.fly.on_screen || after.fly.appear_at != before.fly.appear_at);
    const bool left = before.fly.on_screen && !after.fly.on_screen;

    if (appeared) {
        if (previous - watch.hidden_since > 2999 ||
            now - watch.hidden_since < 1001) {
            return fail(watch, "fly hidden at ", watch.hidden_since,
                        " appeared at ", now, ", frame before at ", previous);
        }
        ++watch.appearances;
        watch.shown_since = now;
    }
    if (left && (previous - watch.shown_since > 6999)) {
        return fail(watch, "fly shown at ", watch.shown_since, " left at ",
                    now);
    }
    if (left || (appeared && !after.fly.on_screen)) {
        // Before its stay is over a fly only leaves by being caught.
        const bool may_escape = left && now - watch.shown_since >= 2001;
        const bool overlap = discs_overlap(after.spider, after.fly);
        if (!may_escape && !overlap) {
            return fail(watch, "fly caught at ", now, " without overlap");
        }
        watch.catches += overlap ? 1 : 0;
        watch.hidden_since = now;
    }

    if (!after.fly.on_screen && now - watch.hidden_since > 2999) {
        return fail(watch, "fly hidden at ", watch.hidden_since,
                    " still hidden at ", now);
    }
    if (after.fly.on_screen && now - watch.shown_since > 6999) {
        return fail(watch, "fly shown at ", watch.shown_since,
                    " still shown at ", now);
    }
    return true;
}
