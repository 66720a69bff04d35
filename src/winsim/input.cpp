// The pointer, mouse capture, the user's clicks and synthetic mouse events, the cursor's
// display counter, the double-click time and the thread's key-state table.
#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

#include "winsim/reset_parts.h"
#include "winsim/screen.h"
#include "winsim/sim.h"
#include "winsim/window_table.h"

namespace winsim {
namespace {

// The platform's own double-click time, which a time of 0 restores.
constexpr UINT kDefaultDoubleClickTime = 500;

POINT cursor{0, 0};
bool cursorPosRefused = false;
HWND capture = nullptr;
bool leftHeld = false;
bool rightHeld = false;
int displayCount = 0;
UINT doubleClickTime = kDefaultDoubleClickTime;
std::vector<MouseEventRecord> mouseEvents;
std::array<BYTE, 256> keyState{};
// The table reports only the down and toggled bits of what it was given, as under Wine.
constexpr BYTE kReportedKeyBits = 0x81;

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
bool& Held(Button button) { return button == Button::Left ? leftHeld : rightHeld; }

// A press or release at the pointer: the button's state changes even when no window is there.
void ButtonAt(Button button, bool down) {
    Held(button) = down;
    PostButton(cursor.x, cursor.y, down ? DownMessage(button) : UpMessage(button),
               down ? Keys(button) : 0);
}

}  // namespace

void MoveCursor(int x, int y) { PlaceCursor(x, y); }

bool Press(int x, int y, Button button) {
    Held(button) = true;
    return PostButton(x, y, DownMessage(button), Keys(button));
}

bool Release(int x, int y, Button button) {
    Held(button) = false;
    return PostButton(x, y, UpMessage(button), 0);
}

bool Click(int x, int y, Button button) {
    if (!Press(x, y, button)) return false;
    return Release(x, y, button);
}

int CursorDisplayCount() { return displayCount; }
void RefuseCursorPos(bool refuse) { cursorPosRefused = refuse; }
const std::vector<MouseEventRecord>& MouseEvents() { return mouseEvents; }
bool ButtonHeld(Button button) { return Held(button); }
void SetKeyEntry(int key, BYTE entry) { keyState.at(key) = entry; }
BYTE KeyEntry(int key) { return keyState.at(key) & kReportedKeyBits; }

namespace detail {

void ForgetWindowInput(HWND hwnd) {
    if (capture == hwnd) capture = nullptr;
}

void ResetInput() {
    cursor = POINT{0, 0};
    cursorPosRefused = false;
    capture = nullptr;
    leftHeld = false;
    rightHeld = false;
    displayCount = 0;
    doubleClickTime = kDefaultDoubleClickTime;
    mouseEvents.clear();
    keyState.fill(0);
}

}  // namespace detail
}  // namespace winsim

BOOL WINAPI GetCursorPos(LPPOINT point) {
    if (point == nullptr || winsim::cursorPosRefused) return FALSE;
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

int WINAPI ShowCursor(BOOL show) { return winsim::displayCount += show ? 1 : -1; }

UINT WINAPI GetDoubleClickTime() { return winsim::doubleClickTime; }

BOOL WINAPI SetDoubleClickTime(UINT milliseconds) {
    winsim::doubleClickTime = milliseconds == 0 ? winsim::kDefaultDoubleClickTime : milliseconds;
    return TRUE;
}

// Button events happen at the pointer; nothing here moves it.
void WINAPI mouse_event(DWORD flags, DWORD dx, DWORD dy, DWORD data, ULONG_PTR extraInfo) {
    winsim::mouseEvents.push_back({flags, dx, dy, data, extraInfo});
    using winsim::Button;
    if (flags & MOUSEEVENTF_LEFTDOWN) winsim::ButtonAt(Button::Left, true);
    if (flags & MOUSEEVENTF_LEFTUP) winsim::ButtonAt(Button::Left, false);
    if (flags & MOUSEEVENTF_RIGHTDOWN) winsim::ButtonAt(Button::Right, true);
    if (flags & MOUSEEVENTF_RIGHTUP) winsim::ButtonAt(Button::Right, false);
}

BOOL WINAPI GetKeyboardState(PBYTE keyState) {
    if (keyState == nullptr) return FALSE;
    for (std::size_t key = 0; key < winsim::keyState.size(); ++key) {
        keyState[key] = winsim::KeyEntry(static_cast<int>(key));
    }
    return TRUE;
}

BOOL WINAPI SetKeyboardState(PBYTE keyState) {
    if (keyState == nullptr) return FALSE;
    std::memcpy(winsim::keyState.data(), keyState, winsim::keyState.size());
    return TRUE;
}
