// Test controls of the simulated Windows for fonts, bitmaps, icons and the clipboard. Included
// at the end of winsim/sim.h.
#pragma once

namespace winsim {

// Fonts, bitmaps, memory device contexts and icons alive now: a test that ends with more than
// it began with has leaked one.
int LiveDrawingObjects();
// While held, another program has the clipboard open and OpenClipboard fails.
void HoldClipboard(bool held);

}  // namespace winsim
