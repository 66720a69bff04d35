#include "vcl/window_host.h"

#include "vcl/application.h"
#include "vcl/wide_text.h"

namespace {

TWindowHost* HostOf(HWND hwnd) {
    return reinterpret_cast<TWindowHost*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

LRESULT CALLBACK HostWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    TWindowHost* host = HostOf(hwnd);
    if (host == nullptr) return DefWindowProcW(hwnd, msg, wParam, lParam);
    try {
        return host->WindowMessage(hwnd, msg, wParam, lParam);
    } catch (...) {
        Application->HandleException(nullptr);
        return 0;
    }
}

}  // namespace

HWND CreateHostWindow(TWindowHost* host, const TWindowParams& params) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    const WideText className = ToWide(params.className);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = HostWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = params.icon;
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.lpszClassName = className.c_str();
    // Registered anew for each window: a second registration of a class is refused and harmless.
    RegisterClassExW(&windowClass);
    const RECT& r = params.bounds;
    HWND hwnd = CreateWindowExW(params.exStyle, className.c_str(), ToWide(params.text).c_str(),
                                params.style, r.left, r.top, r.right - r.left, r.bottom - r.top,
                                params.owner, nullptr, instance, static_cast<void*>(host));
    // In case the system did not pass the creation parameter on with WM_NCCREATE.
    if (hwnd != nullptr) SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(host));
    return hwnd;
}

void DestroyHostWindow(HWND hwnd) {
    if (hwnd == nullptr) return;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    DestroyWindow(hwnd);
}
