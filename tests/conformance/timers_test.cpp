#include <gtest/gtest.h>

#include <vector>

#include "recorder.h"
#include "win/win.h"

namespace {

using conformance::RecordedWindow;

constexpr RECT kRect{100, 120, 190, 135};

// The next message for the window, waiting for it as a message loop does.
MSG Next(HWND hwnd) {
    MSG msg{};
    GetMessageW(&msg, hwnd, 0, 0);
    return msg;
}

TEST(Timers, TickAfterPostedMessagesWithTheTimerId) {
    RecordedWindow window(kRect);
    conformance::Pump();
    EXPECT_EQ(SetTimer(window.get(), 7, 100, nullptr), 7u);
    PostMessageW(window.get(), WM_USER, 0, 0);
    EXPECT_EQ(Next(window.get()).message, static_cast<UINT>(WM_USER));
    MSG tick = Next(window.get());
    EXPECT_EQ(tick.message, static_cast<UINT>(WM_TIMER));
    EXPECT_EQ(tick.wParam, 7u);
    EXPECT_TRUE(KillTimer(window.get(), 7));
}

TEST(Timers, TicksComeAPeriodApart) {
    RecordedWindow window(kRect);
    SetTimer(window.get(), 1, 100, nullptr);
    DWORD first = Next(window.get()).time;
    DWORD second = Next(window.get()).time;
    DWORD third = Next(window.get()).time;
    KillTimer(window.get(), 1);
    // The real platform's ticks are coarse: allow a little less than the period.
    EXPECT_GE(second - first, 80u);
    EXPECT_GE(third - second, 80u);
}

TEST(Timers, SettingAnIdAgainRestartsTheSameTimer) {
    RecordedWindow window(kRect);
    SetTimer(window.get(), 1, 5000, nullptr);
    EXPECT_EQ(SetTimer(window.get(), 1, 50, nullptr), 1u);
    PostMessageW(window.get(), WM_USER, 0, 0);
    Next(window.get());
    MSG tick = Next(window.get());
    EXPECT_EQ(tick.message, static_cast<UINT>(WM_TIMER));
    EXPECT_TRUE(KillTimer(window.get(), 1));
    EXPECT_FALSE(KillTimer(window.get(), 1)) << "a timer is killed once";
}

TEST(Timers, AKilledTimerLeavesNoTickBehind) {
    RecordedWindow window(kRect);
    SetTimer(window.get(), 2, 50, nullptr);
    SetTimer(window.get(), 3, 120, nullptr);
    EXPECT_EQ(Next(window.get()).wParam, 2u);
    KillTimer(window.get(), 2);
    MSG tick = Next(window.get());
    EXPECT_EQ(tick.message, static_cast<UINT>(WM_TIMER));
    EXPECT_EQ(tick.wParam, 3u);
    KillTimer(window.get(), 3);
}

}  // namespace
