// Window classes, the life of a window, and its text, styles and owner.
#include <algorithm>
#include <map>
#include <memory>
#include <vector>

#include "winsim/handles.h"
#include "winsim/reset_parts.h"
#include "winsim/sim.h"
#include "winsim/window_table.h"

namespace winsim {
namespace {

struct WindowClass {
    WNDPROC proc;
    HBRUSH background;
};

// Class names compare without regard to ASCII case, as on the real platform.
std::u16string Folded(LPCWSTR name) {
    std::u16string folded;
    for (; *name != 0; ++name) {
        char16_t c = *name;
        folded += (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c - u'A' + u'a') : c;
    }
    return folded;
}

std::map<std::u16string, WindowClass> classes;
ATOM nextAtom = 0xC000;
std::vector<std::unique_ptr<detail::Window>> windows;  // creation order
std::uint64_t nextZOrder = 0;
HWND foreground = nullptr;

void Remove(HWND hwnd) {
    windows.erase(std::remove_if(windows.begin(), windows.end(),
                                 [hwnd](const auto& w) { return w->handle == hwnd; }),
                  windows.end());
}

}  // namespace

std::vector<WindowInfo> Windows() {
    std::vector<WindowInfo> infos;
    for (const auto& w : windows) {
        infos.push_back(WindowInfo{w->handle, w->className, w->text, w->style, w->exStyle, w->owner,
                                   w->rect, (w->style & WS_VISIBLE) != 0});
    }
    return infos;
}

namespace detail {

Window* FindWindow(HWND hwnd) {
    if (hwnd == nullptr) return nullptr;
    for (const auto& w : windows) {
        if (w->handle == hwnd) return w.get();
    }
    return nullptr;
}

std::vector<HWND> WindowHandles() {
    std::vector<HWND> handles;
    for (const auto& w : windows) handles.push_back(w->handle);
    return handles;
}

std::uint64_t NextZOrder() { return ++nextZOrder; }

void SetForeground(HWND hwnd) { foreground = hwnd; }

void ResetWindows() {
    windows.clear();
    classes.clear();
    foreground = nullptr;
}

}  // namespace detail
}  // namespace winsim

using winsim::detail::FindWindow;
using winsim::detail::Window;

ATOM WINAPI RegisterClassExW(const WNDCLASSEXW* windowClass) {
    if (windowClass == nullptr || windowClass->cbSize != sizeof(WNDCLASSEXW) ||
        windowClass->lpszClassName == nullptr || windowClass->lpfnWndProc == nullptr) {
        return 0;
    }
    auto name = winsim::Folded(windowClass->lpszClassName);
    if (winsim::classes.count(name) != 0) return 0;
    winsim::classes[name] = {windowClass->lpfnWndProc, windowClass->hbrBackground};
    return winsim::nextAtom++;
}

HWND WINAPI CreateWindowExW(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style,
                            int x, int y, int width, int height, HWND parent, HMENU menu,
                            HINSTANCE instance, LPVOID param) {
    if (className == nullptr) return nullptr;
    auto found = winsim::classes.find(winsim::Folded(className));
    if (found == winsim::classes.end()) return nullptr;
    if (parent != nullptr && FindWindow(parent) == nullptr) return nullptr;
    // A pop-up window given CW_USEDEFAULT takes the origin and no size.
    if (x == CW_USEDEFAULT) x = y = 0;
    if (width == CW_USEDEFAULT) width = height = 0;

    auto window = std::make_unique<Window>();
    Window& w = *window;
    w.handle = winsim::detail::NewHandle<HWND>();
    w.className = className;
    w.proc = found->second.proc;
    w.background = found->second.background;
    w.style = style & ~static_cast<DWORD>(WS_VISIBLE);  // shown after WM_CREATE, below
    w.exStyle = exStyle;
    w.owner = parent;  // no child windows here: the parent of a top-level window is its owner
    w.rect = RECT{x, y, x + width, y + height};
    w.zOrder = winsim::detail::NextZOrder();
    HWND hwnd = w.handle;
    winsim::windows.push_back(std::move(window));

    CREATESTRUCTW create{
        param,      instance,  menu,   parent, height, width, y, x, static_cast<LONG>(style),
        windowName, className, exStyle};
    auto createParam = reinterpret_cast<LPARAM>(&create);
    if (!SendMessageW(hwnd, WM_NCCREATE, 0, createParam)) {
        SendMessageW(hwnd, WM_NCDESTROY, 0, 0);
        winsim::Remove(hwnd);
        return nullptr;
    }
    if (SendMessageW(hwnd, WM_CREATE, 0, createParam) == -1) {
        DestroyWindow(hwnd);
        return nullptr;
    }
    if (FindWindow(hwnd) == nullptr) return nullptr;
    RECT rect = FindWindow(hwnd)->rect;
    SendMessageW(hwnd, WM_SIZE, 0, MAKELPARAM(rect.right - rect.left, rect.bottom - rect.top));
    SendMessageW(hwnd, WM_MOVE, 0, MAKELPARAM(rect.left, rect.top));
    if ((style & WS_VISIBLE) != 0) ShowWindow(hwnd, SW_SHOW);
    return FindWindow(hwnd) ? hwnd : nullptr;
}

BOOL WINAPI DestroyWindow(HWND hwnd) {
    Window* w = FindWindow(hwnd);
    if (w == nullptr || w->destroying) return FALSE;
    w->destroying = true;
    if ((w->style & WS_VISIBLE) != 0) {
        SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    // Owned windows go first, as on the real platform.
    for (HWND other : winsim::detail::WindowHandles()) {
        Window* o = FindWindow(other);
        if (o != nullptr && o->owner == hwnd) DestroyWindow(other);
    }
    SendMessageW(hwnd, WM_DESTROY, 0, 0);
    SendMessageW(hwnd, WM_NCDESTROY, 0, 0);
    winsim::detail::ForgetWindowTimers(hwnd);
    winsim::detail::ForgetWindowInput(hwnd);
    winsim::detail::ForgetWindowTooltips(hwnd);
    if (winsim::foreground == hwnd) winsim::foreground = nullptr;
    winsim::Remove(hwnd);
    return TRUE;
}

BOOL WINAPI IsWindow(HWND hwnd) { return FindWindow(hwnd) != nullptr; }

BOOL WINAPI SetWindowTextW(HWND hwnd, LPCWSTR text) {
    if (FindWindow(hwnd) == nullptr) return FALSE;
    return SendMessageW(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)) != 0;
}

int WINAPI GetWindowTextW(HWND hwnd, LPWSTR text, int maxChars) {
    if (FindWindow(hwnd) == nullptr || text == nullptr || maxChars <= 0) return 0;
    return static_cast<int>(SendMessageW(hwnd, WM_GETTEXT, static_cast<WPARAM>(maxChars),
                                         reinterpret_cast<LPARAM>(text)));
}

LONG WINAPI GetWindowLongW(HWND hwnd, int index) {
    return static_cast<LONG>(GetWindowLongPtrW(hwnd, index));
}

LONG_PTR WINAPI GetWindowLongPtrW(HWND hwnd, int index) {
    Window* w = FindWindow(hwnd);
    if (w == nullptr) return 0;
    switch (index) {
        case GWL_STYLE:
            return static_cast<LONG>(w->style);
        case GWL_EXSTYLE:
            return static_cast<LONG>(w->exStyle);
        case GWLP_USERDATA:
            return w->userData;
        default:
            return 0;
    }
}

LONG_PTR WINAPI SetWindowLongPtrW(HWND hwnd, int index, LONG_PTR value) {
    Window* w = FindWindow(hwnd);
    if (w == nullptr) return 0;
    LONG_PTR previous = GetWindowLongPtrW(hwnd, index);
    switch (index) {
        case GWL_STYLE:
            w->style = static_cast<DWORD>(value);
            break;
        case GWL_EXSTYLE:
            w->exStyle = static_cast<DWORD>(value);
            break;
        case GWLP_USERDATA:
            w->userData = value;
            break;
        default:
            return 0;
    }
    return previous;
}

HWND WINAPI GetWindow(HWND hwnd, UINT relation) {
    Window* w = FindWindow(hwnd);
    if (w == nullptr || relation != GW_OWNER) return nullptr;
    return w->owner;
}

HWND WINAPI GetForegroundWindow() { return winsim::foreground; }

BOOL WINAPI SetForegroundWindow(HWND hwnd) {
    if (FindWindow(hwnd) == nullptr) return FALSE;
    winsim::foreground = hwnd;
    return TRUE;
}
