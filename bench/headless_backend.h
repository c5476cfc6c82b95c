// A backend with no window, for the benchmarks and the soak: frames are shown
// nowhere and the arrow keys held are whatever the program says.
#pragma once

// Bit 0 right, 1 left, 2 down, 3 up.
void hold_arrows(unsigned mask);
