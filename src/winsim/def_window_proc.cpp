// What the platform does with the messages a window procedure passes on.
#include <algorithm>

#include "winsim/window_table.h"

using winsim::detail::FindWindow;
using winsim::detail::Window;

namespace {

LRESULT CopyText(const Window& w, WPARAM maxChars, LPARAM buffer) {
    if (maxChars == 0 || buffer == 0) return 0;
    auto text = reinterpret_cast<LPWSTR>(buffer);
    std::size_t count = std::min<std::size_t>(w.text.size(), maxChars - 1);
    std::copy_n(w.text.begin(), count, text);
    text[count] = 0;
    return static_cast<LRESULT>(count);
}

LRESULT Erase(HWND hwnd, const Window& w, HDC dc) {
    if (w.background == nullptr) return 0;
    RECT client{};
    GetClientRect(hwnd, &client);
    FillRect(dc, &client, w.background);
    return 1;
}

}  // namespace

LRESULT WINAPI DefWindowProcW(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Window* w = FindWindow(hwnd);
    if (w == nullptr) return 0;
    switch (msg) {
        case WM_NCCREATE: {
            auto create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
            if (create->lpszName != nullptr) w->text = create->lpszName;
            return TRUE;
        }
        case WM_SETTEXT:
            w->text = lParam != 0 ? reinterpret_cast<LPCWSTR>(lParam) : u"";
            return TRUE;
        case WM_GETTEXT:
            return CopyText(*w, wParam, lParam);
        case WM_GETTEXTLENGTH:
            return static_cast<LRESULT>(w->text.size());
        case WM_CLOSE:
            DestroyWindow(hwnd);
            return 0;
        case WM_PAINT: {
            PAINTSTRUCT paint{};
            BeginPaint(hwnd, &paint);
            EndPaint(hwnd, &paint);
            return 0;
        }
        case WM_ERASEBKGND:
            return Erase(hwnd, *w, reinterpret_cast<HDC>(wParam));
        case WM_WINDOWPOSCHANGED: {
            auto pos = reinterpret_cast<const WINDOWPOS*>(lParam);
            if ((pos->flags & SWP_NOMOVE) == 0) {
                SendMessageW(hwnd, WM_MOVE, 0, MAKELPARAM(w->rect.left, w->rect.top));
            }
            w = FindWindow(hwnd);
            if (w != nullptr && (pos->flags & SWP_NOSIZE) == 0) {
                SendMessageW(
                    hwnd, WM_SIZE, 0,
                    MAKELPARAM(winsim::detail::Width(w->rect), winsim::detail::Height(w->rect)));
            }
            return 0;
        }
        case WM_RBUTTONUP: {
            POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            ClientToScreen(hwnd, &at);
            SendMessageW(hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd),
                         MAKELPARAM(at.x, at.y));
            return 0;
        }
        default:
            return 0;
    }
}
