// The picture the portable drawing operations draw into, for the backend
// that shows it.
#pragma once

#include "platform/portable/canvas.h"

// The one canvas behind clear_screen and fill_circle. A backend sizes it when
// it opens the window (make_canvas) and shows its pixels in refresh_screen.
canvas& screen_canvas();
