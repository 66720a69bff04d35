#include <gtest/gtest.h>

#include <vector>

#include "recorder.h"
#include "win/win.h"

namespace {

using conformance::Forget;
using conformance::MessagesOf;
using conformance::RecordedWindow;

std::vector<LONG> CursorNow() {
    POINT point{-1, -1};
    EXPECT_TRUE(GetCursorPos(&point));
    return {point.x, point.y};
}

TEST(Cursor, SetCursorPosMovesThePointerWithinTheScreen) {
    ASSERT_TRUE(SetCursorPos(640, 300));
    EXPECT_EQ(CursorNow(), (std::vector<LONG>{640, 300}));
    SetCursorPos(-20, -30);
    EXPECT_EQ(CursorNow(), (std::vector<LONG>{0, 0}));
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) + 50, GetSystemMetrics(SM_CYSCREEN) + 50);
    EXPECT_EQ(CursorNow(), (std::vector<LONG>{GetSystemMetrics(SM_CXSCREEN) - 1,
                                              GetSystemMetrics(SM_CYSCREEN) - 1}));
}

TEST(Capture, GoesToOneWindowAndTellsTheOneThatLosesIt) {
    RecordedWindow first(RECT{10, 10, 50, 50}, WS_POPUP, WS_EX_TOOLWINDOW);
    RecordedWindow second(RECT{60, 10, 90, 50}, WS_POPUP, WS_EX_TOOLWINDOW);
    ShowWindow(first.get(), SW_SHOWNA);
    ShowWindow(second.get(), SW_SHOWNA);
    ReleaseCapture();
    Forget();

    EXPECT_EQ(SetCapture(first.get()), nullptr);
    EXPECT_EQ(GetCapture(), first.get());
    EXPECT_EQ(SetCapture(second.get()), first.get());
    EXPECT_EQ(GetCapture(), second.get());
    ASSERT_EQ(MessagesOf(first.get()), std::vector<UINT>{WM_CAPTURECHANGED});
    EXPECT_EQ(conformance::Log()[0].lParam, reinterpret_cast<LPARAM>(second.get()));

    EXPECT_TRUE(ReleaseCapture());
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(MessagesOf(second.get()), std::vector<UINT>{WM_CAPTURECHANGED});
    EXPECT_EQ(conformance::Log().back().lParam, 0);
}

TEST(Capture, EndsWithTheWindowThatHeldIt) {
    HWND hwnd = nullptr;
    {
        RecordedWindow window(RECT{10, 10, 50, 50}, WS_POPUP | WS_VISIBLE, WS_EX_TOOLWINDOW);
        hwnd = window.get();
        SetCapture(hwnd);
        ASSERT_EQ(GetCapture(), hwnd);
    }
    EXPECT_EQ(GetCapture(), nullptr);
}

}  // namespace
