#include "util/input.h"

#include "win/win.h"

namespace {

// The keyboard state table's bits.
constexpr BYTE kDown = 0x80;
constexpr BYTE kToggled = 0x01;

// Windows leaves the point alone when it cannot read the cursor: start from the origin, so a
// failure reads as (0, 0) instead of whatever the stack held.
POINT CursorNow() {
    POINT point{0, 0};
    GetCursorPos(&point);
    return point;
}

void ButtonEvent(DWORD flag) { mouse_event(flag, 0, 0, 0, 0); }

}  // namespace

// Each reading asks anew: a pair of calls can straddle a pointer move.
int GetMouseX() { return CursorNow().x; }

int GetMouseY() { return CursorNow().y; }

int ShowMouseCursor(bool show) { return ShowCursor(show ? TRUE : FALSE); }

std::uint32_t GetDoubleClickSpeed() { return GetDoubleClickTime(); }

bool SetDoubleClickSpeed(int milliseconds) {
    if (milliseconds < 0) return false;
    SetDoubleClickTime(static_cast<UINT>(milliseconds));
    return true;
}

void MouseLeftDown() { ButtonEvent(MOUSEEVENTF_LEFTDOWN); }
void MouseLeftUp() { ButtonEvent(MOUSEEVENTF_LEFTUP); }
void MouseRightDown() { ButtonEvent(MOUSEEVENTF_RIGHTDOWN); }
void MouseRightUp() { ButtonEvent(MOUSEEVENTF_RIGHTUP); }

bool TestKeyState(int key, bool flag) {
    BYTE table[256] = {};
    GetKeyboardState(table);
    BYTE entry = table[key];
    // Toggled is the whole byte: a toggle key that is also held down does not count.
    return flag ? (entry & kDown) != 0 : entry == kToggled;
}

void SetKeyState(int key, bool flag, bool value) {
    if (flag) return;
    // The platform replaces the whole table: start from the thread's own so that only this
    // key changes.
    BYTE table[256] = {};
    if (!GetKeyboardState(table)) return;
    table[key] = value ? kDown | kToggled : 0;
    SetKeyboardState(table);
}
