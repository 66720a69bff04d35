// The pointer, mouse capture, and the user's clicks.
#include <algorithm>

#include "winsim/reset_parts.h"
#include "winsim/screen.h"
#include "winsim/sim.h"
#include "winsim/window_table.h"

namespace winsim {
namespace {

POINT cursor{0, 0};
HWND capture = nullptr;

// The pointer never leaves the screen.
void PlaceCursor(int x, int y) {
    cursor.x = std::clamp(x, 0, detail::ScreenWidth() - 1);
    cursor.y = std::clamp(y, 0, detail::ScreenHeight() - 1);
}

// Mouse input goes to the window that holds the capture, else to the one under the pointer.
bool PostButton(int x, int y, UINT message, WPARAM keys) {
    PlaceCursor(x, y);
    HWND target = capture != nullptr ? capture : detail::WindowAt(cursor.x, cursor.y);
    if (target == nullptr) return false;
    POINT client = cursor;
    ScreenToClient(target, &client);
    return PostMessageW(target, message, keys, MAKELPARAM(client.x, client.y)) != 0;
}

UINT DownMessage(Button button) { return button == Button::Left ? WM_LBUTTONDOWN : WM_RBUTTONDOWN; }
UINT UpMessage(Button button) { return button == Button::Left ? WM_LBUTTONUP : WM_RBUTTONUP; }
WPARAM Keys(Button button) { return button == Button::Left ? MK_LBUTTON : MK_RBUTTON; }

}  // namespace

void MoveCursor(int x, int y) { PlaceCursor(x, y); }

bool Press(int x, int y, Button button) {
    return PostButton(x, y, DownMessage(button), Keys(button));
}

bool Release(int x, int y, Button button) { return PostButton(x, y, UpMessage(button), 0); }

bool Click(int x, int y, Button button) {
    if (!Press(x, y, button)) return false;
    return Release(x, y, button);
}

namespace detail {

void ForgetWindowInput(HWND hwnd) {
    if (capture == hwnd) capture = nullptr;
}

void ResetInput() {
    cursor = POINT{0, 0};
    capture = nullptr;
}

}  // namespace detail
}  // namespace winsim

BOOL WINAPI GetCursorPos(LPPOINT point) {
    if (point == nullptr) return FALSE;
    *point = winsim::cursor;
    return TRUE;
}

BOOL WINAPI SetCursorPos(int x, int y) {
    winsim::PlaceCursor(x, y);
    return TRUE;
}

HWND WINAPI SetCapture(HWND hwnd) {
    HWND previous = winsim::capture;
    if (!IsWindow(hwnd)) return previous;
    winsim::capture = hwnd;
    if (previous != nullptr && previous != hwnd) {
        SendMessageW(previous, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hwnd));
    }
    return previous;
}

BOOL WINAPI ReleaseCapture() {
    HWND previous = winsim::capture;
    winsim::capture = nullptr;
    if (previous != nullptr) SendMessageW(previous, WM_CAPTURECHANGED, 0, 0);
    return TRUE;
}

HWND WINAPI GetCapture() { return winsim::capture; }
