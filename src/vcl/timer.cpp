#include "vcl/timer.h"

#include "vcl/sysutils.h"

namespace {
constexpr UINT_PTR kTimerId = 1;
}

TTimer::TTimer(TComponent* owner) : TComponent(owner) {}

TTimer::~TTimer() {
    if (window_ != nullptr) KillTimer(window_, kTimerId);
    DestroyHostWindow(window_);
}

void TTimer::SetInterval(unsigned interval) {
    interval_ = interval;
    UpdateTimer();
}

void TTimer::SetEnabled(bool enabled) {
    enabled_ = enabled;
    UpdateTimer();
}

void TTimer::SetOnTimer(TNotifyEvent onTimer) {
    onTimer_ = std::move(onTimer);
    UpdateTimer();
}

void TTimer::UpdateTimer() {
    if (window_ != nullptr) KillTimer(window_, kTimerId);
    if (!enabled_ || interval_ == 0 || !onTimer_) return;
    if (window_ == nullptr) {
        TWindowParams params{};
        params.className = "TTimerWindow";
        params.style = WS_POPUP;
        window_ = CreateHostWindow(this, params);
    }
    if (window_ == nullptr || SetTimer(window_, kTimerId, interval_, nullptr) == 0) {
        throw Exception("タイマーを使えません");
    }
}

LRESULT TTimer::WindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_TIMER && wParam == kTimerId) {
        if (onTimer_) onTimer_(this);
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}
