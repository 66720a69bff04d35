// Test controls of the simulated Windows for this area. Included at the end of winsim/sim.h.
#pragma once

#include <vector>

namespace winsim {

// The cursor's display counter (ShowCursor): the cursor shows while it is 0 or more.
int CursorDisplayCount();

// While refused, GetCursorPos fails and leaves the caller's point alone, as on a desktop that
// does not take input (a locked workstation).
void RefuseCursorPos(bool refuse);

// Every mouse_event call, in order.
struct MouseEventRecord {
    DWORD flags;
    DWORD dx;
    DWORD dy;
    DWORD data;
    ULONG_PTR extraInfo;
};
const std::vector<MouseEventRecord>& MouseEvents();
// Whether the platform takes the button as held: a press, by the user or by mouse_event, that
// no release has followed yet.
bool ButtonHeld(Button button);

// The calling thread's key-state table as GetKeyboardState reports it: 0x80 down, 0x01 toggled.
void SetKeyEntry(int key, BYTE entry);
BYTE KeyEntry(int key);

}  // namespace winsim
