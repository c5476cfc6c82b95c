// Circle overlap, in a file of its own so that a test backend that supplies
// its own random numbers can still take the real geometry.

#include "platform/platform.h"

bool circles_intersect(double x1, double y1, double r1, double x2, double y2,
                       double r2)
{
    // Touching circles count as overlapping; squares avoid a square root.
    const double dx = x1 - x2;
    const double dy = y1 - y2;
    const double reach = r1 + r2;
    return dx * dx + dy * dy <= reach * reach;
}
