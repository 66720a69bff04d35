// Where windows are: visibility, position and size, stacking, and coordinate mapping.
#include <tuple>

#include "winsim/window_table.h"

namespace winsim::detail {

int Width(const RECT& rect) { return rect.right - rect.left; }
int Height(const RECT& rect) { return rect.bottom - rect.top; }

HWND WindowAt(int x, int y) {
    HWND top = nullptr;
    std::tuple<bool, std::uint64_t> topKey{false, 0};
    for (HWND hwnd : WindowHandles()) {
        const Window* w = FindWindow(hwnd);
        if ((w->style & WS_VISIBLE) == 0) continue;
        if (x < w->rect.left || x >= w->rect.right || y < w->rect.top || y >= w->rect.bottom) {
            continue;
        }
        std::tuple<bool, std::uint64_t> key{(w->exStyle & WS_EX_TOPMOST) != 0, w->zOrder};
        if (top == nullptr || key > topKey) {
            top = hwnd;
            topKey = key;
        }
    }
    return top;
}

}  // namespace winsim::detail

namespace {

// Nothing lies above it among the windows of its band (topmost or not).
bool AtTheTop(const winsim::detail::Window& window) {
    for (HWND hwnd : winsim::detail::WindowHandles()) {
        const winsim::detail::Window* other = winsim::detail::FindWindow(hwnd);
        bool sameBand = ((other->exStyle ^ window.exStyle) & WS_EX_TOPMOST) == 0;
        if (sameBand && other->zOrder > window.zOrder) return false;
    }
    return true;
}

}  // namespace

using winsim::detail::FindWindow;
using winsim::detail::Window;

BOOL WINAPI ShowWindow(HWND hwnd, int showCommand) {
    Window* w = FindWindow(hwnd);
    if (w == nullptr) return FALSE;
    bool wasVisible = (w->style & WS_VISIBLE) != 0;
    bool show = showCommand != SW_HIDE;
    // Only SW_SHOWNA goes through the motions for a window that is already visible.
    if (show == wasVisible && showCommand != SW_SHOWNA) return wasVisible;
    SendMessageW(hwnd, WM_SHOWWINDOW, show, 0);
    UINT flags = SWP_NOMOVE | SWP_NOSIZE | (show ? SWP_SHOWWINDOW : SWP_HIDEWINDOW);
    bool activate = showCommand == SW_SHOW || showCommand == SW_SHOWNORMAL;
    if (!activate) flags |= SWP_NOACTIVATE | SWP_NOZORDER;
    SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, flags);
    return wasVisible;
}

BOOL WINAPI SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
    Window* w = FindWindow(hwnd);
    if (w == nullptr) return FALSE;
    if ((flags & SWP_NOMOVE) != 0) {
        x = w->rect.left;
        y = w->rect.top;
    }
    if ((flags & SWP_NOSIZE) != 0) {
        cx = winsim::detail::Width(w->rect);
        cy = winsim::detail::Height(w->rect);
    }
    WINDOWPOS pos{hwnd, insertAfter, x, y, cx, cy, flags};
    SendMessageW(hwnd, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos));
    w = FindWindow(hwnd);
    if (w == nullptr) return FALSE;

    RECT old = w->rect;
    if (pos.x == old.left && pos.y == old.top) pos.flags |= SWP_NOMOVE;
    if (pos.cx == winsim::detail::Width(old) && pos.cy == winsim::detail::Height(old)) {
        pos.flags |= SWP_NOSIZE;
    }
    // Asked to go where it already is, it does not move in the stacking order.
    bool topmost = (w->exStyle & WS_EX_TOPMOST) != 0;
    if ((pos.hwndInsertAfter == HWND_TOP || (pos.hwndInsertAfter == HWND_TOPMOST && topmost)) &&
        AtTheTop(*w)) {
        pos.flags |= SWP_NOZORDER;
    }
    bool visible = (w->style & WS_VISIBLE) != 0;
    if (visible) pos.flags &= ~SWP_SHOWWINDOW;
    if (!visible) pos.flags &= ~SWP_HIDEWINDOW;

    w->rect = RECT{pos.x, pos.y, pos.x + pos.cx, pos.y + pos.cy};
    if ((pos.flags & SWP_NOZORDER) == 0) {
        if (pos.hwndInsertAfter == HWND_TOPMOST) w->exStyle |= WS_EX_TOPMOST;
        w->zOrder = winsim::detail::NextZOrder();
    }
    if ((pos.flags & SWP_SHOWWINDOW) != 0) {
        w->style |= WS_VISIBLE;
        w->zOrder = winsim::detail::NextZOrder();
        winsim::detail::InvalidateAll(*w);
    }
    if ((pos.flags & SWP_HIDEWINDOW) != 0) w->style &= ~static_cast<DWORD>(WS_VISIBLE);
    if ((pos.flags & SWP_NOSIZE) == 0) winsim::detail::InvalidateAll(*w);
    if ((pos.flags & SWP_NOACTIVATE) == 0 && (w->style & WS_VISIBLE) != 0) {
        winsim::detail::SetForeground(hwnd);
    }

    const UINT unchanged = SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER;
    bool changed = (pos.flags & unchanged) != unchanged ||
                   (pos.flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW)) != 0;
    if (changed) SendMessageW(hwnd, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
    return TRUE;
}

BOOL WINAPI IsWindowVisible(HWND hwnd) {
    Window* w = FindWindow(hwnd);
    return w != nullptr && (w->style & WS_VISIBLE) != 0;
}

BOOL WINAPI GetWindowRect(HWND hwnd, LPRECT rect) {
    Window* w = FindWindow(hwnd);
    if (w == nullptr || rect == nullptr) return FALSE;
    *rect = w->rect;
    return TRUE;
}

BOOL WINAPI GetClientRect(HWND hwnd, LPRECT rect) {
    Window* w = FindWindow(hwnd);
    if (w == nullptr || rect == nullptr) return FALSE;
    *rect = RECT{0, 0, winsim::detail::Width(w->rect), winsim::detail::Height(w->rect)};
    return TRUE;
}

BOOL WINAPI ScreenToClient(HWND hwnd, LPPOINT point) {
    Window* w = FindWindow(hwnd);
    if (w == nullptr || point == nullptr) return FALSE;
    point->x -= w->rect.left;
    point->y -= w->rect.top;
    return TRUE;
}

BOOL WINAPI ClientToScreen(HWND hwnd, LPPOINT point) {
    Window* w = FindWindow(hwnd);
    if (w == nullptr || point == nullptr) return FALSE;
    point->x += w->rect.left;
    point->y += w->rect.top;
    return TRUE;
}
