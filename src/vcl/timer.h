// A timer that fires OnTimer every Interval milliseconds while enabled, from a hidden window of
// its own that it makes only when it first runs.
#pragma once

#include "vcl/classes.h"
#include "vcl/window_host.h"

class TTimer : public TComponent, private TWindowHost {
  public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;

    unsigned Interval() const { return interval_; }
    void SetInterval(unsigned interval);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    void SetOnTimer(TNotifyEvent onTimer);

  private:
    LRESULT WindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    void UpdateTimer();

    TNotifyEvent onTimer_;
    unsigned interval_ = 1000;
    bool enabled_ = true;
    HWND window_ = nullptr;
};
