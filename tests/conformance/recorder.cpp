#include "recorder.h"

#include <algorithm>

namespace conformance {
namespace {

constexpr char16_t className[] = u"QuilletConformance";

std::vector<Seen> log;
Handler handler;

bool Kept(UINT msg) {
    switch (msg) {
        case WM_NCCREATE:
        case WM_CREATE:
        case WM_SIZE:
        case WM_MOVE:
        case WM_SHOWWINDOW:
        case WM_WINDOWPOSCHANGING:
        case WM_WINDOWPOSCHANGED:
        case WM_DESTROY:
        case WM_NCDESTROY:
        case WM_CONTEXTMENU:
        case WM_CAPTURECHANGED:
        case WM_SETTEXT:
        case WM_TIMER:
        case WM_PAINT:
        case WM_COMMAND:
        case WM_USER:
        case WM_USER + 1:
        case WM_USER + 2:
            return true;
        default:
            return false;
    }
}

LRESULT CALLBACK RecordingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (Kept(msg)) log.push_back(Seen{hwnd, msg, wParam, lParam});
    LRESULT result = 0;
    if (handler && handler(hwnd, msg, wParam, lParam, &result)) return result;
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

}  // namespace

LPCWSTR RecordingClass() {
    // Already there from an earlier test on the real platform; gone after a reset natively.
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = RecordingProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = W(className);
    RegisterClassExW(&windowClass);
    return W(className);
}

RecordedWindow::RecordedWindow(RECT rect, DWORD style, DWORD exStyle, HWND owner, void* param) {
    hwnd_ = CreateWindowExW(exStyle, RecordingClass(), nullptr, style, rect.left, rect.top,
                            rect.right - rect.left, rect.bottom - rect.top, owner, nullptr,
                            GetModuleHandleW(nullptr), param);
}

RecordedWindow::~RecordedWindow() {
    if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
    handler = nullptr;
}

const std::vector<Seen>& Log() { return log; }

std::vector<UINT> MessagesOf(HWND hwnd) {
    std::vector<UINT> messages;
    for (const Seen& seen : log) {
        if (seen.hwnd == hwnd) messages.push_back(seen.msg);
    }
    return messages;
}

void Forget() { log.clear(); }

void SetHandler(Handler h) { handler = std::move(h); }

void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

}  // namespace conformance
