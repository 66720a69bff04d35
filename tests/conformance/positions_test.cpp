#include <gtest/gtest.h>

#include <vector>

#include "recorder.h"
#include "win/win.h"

namespace {

using conformance::Forget;
using conformance::MessagesOf;
using conformance::RecordedWindow;

constexpr RECT kRect{100, 120, 190, 135};
constexpr UINT kQuiet = SWP_NOZORDER | SWP_NOACTIVATE;

std::vector<LONG> Corners(HWND hwnd) {
    RECT rect{};
    GetWindowRect(hwnd, &rect);
    return {rect.left, rect.top, rect.right, rect.bottom};
}

struct MoveCase {
    const char* what;
    int x, y, cx, cy;
    UINT flags;
    std::vector<UINT> messages;
    std::vector<LONG> corners;
};

TEST(SetWindowPos, SendsMoveAndSizeOnlyForWhatReallyChanges) {
    const std::vector<MoveCase> cases = {
        {"the same rectangle",
         100,
         120,
         90,
         15,
         kQuiet,
         {WM_WINDOWPOSCHANGING},
         {100, 120, 190, 135}},
        {"the same rectangle, no move, no size",
         0,
         0,
         0,
         0,
         kQuiet | SWP_NOMOVE | SWP_NOSIZE,
         {WM_WINDOWPOSCHANGING},
         {100, 120, 190, 135}},
        {"a new position",
         40,
         50,
         90,
         15,
         kQuiet,
         {WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WM_MOVE},
         {40, 50, 130, 65}},
        {"a new width",
         100,
         120,
         15,
         15,
         kQuiet,
         {WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WM_SIZE},
         {100, 120, 115, 135}},
        {"a new size, the position ignored",
         7,
         7,
         15,
         20,
         kQuiet | SWP_NOMOVE,
         {WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WM_SIZE},
         {100, 120, 115, 140}},
        {"a new position and size",
         0,
         0,
         30,
         30,
         kQuiet,
         {WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WM_MOVE, WM_SIZE},
         {0, 0, 30, 30}},
    };
    for (const MoveCase& c : cases) {
        SCOPED_TRACE(c.what);
        RecordedWindow window(kRect, WS_POPUP, WS_EX_TOOLWINDOW);
        ShowWindow(window.get(), SW_SHOWNA);
        Forget();
        EXPECT_TRUE(SetWindowPos(window.get(), nullptr, c.x, c.y, c.cx, c.cy, c.flags));
        EXPECT_EQ(MessagesOf(window.get()), c.messages);
        EXPECT_EQ(Corners(window.get()), c.corners);
    }
}

TEST(SetWindowPos, MoveAndSizeCarryTheNewClientOriginAndSize) {
    RecordedWindow window(kRect, WS_POPUP, WS_EX_TOOLWINDOW);
    ShowWindow(window.get(), SW_SHOWNA);
    Forget();
    SetWindowPos(window.get(), nullptr, 300, 200, 15, 15, kQuiet);
    for (const auto& seen : conformance::Log()) {
        if (seen.msg == WM_MOVE) {
            EXPECT_EQ(seen.lParam, MAKELPARAM(300, 200));
        }
        if (seen.msg == WM_SIZE) {
            EXPECT_EQ(seen.lParam, MAKELPARAM(15, 15));
        }
    }
}

TEST(SetWindowPos, TopmostSetsTheExtendedStyle) {
    RecordedWindow window(kRect, WS_POPUP, WS_EX_TOOLWINDOW);
    EXPECT_EQ(GetWindowLongW(window.get(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    SetWindowPos(window.get(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_EQ(GetWindowLongW(window.get(), GWL_EXSTYLE) & WS_EX_TOPMOST, WS_EX_TOPMOST);
    EXPECT_EQ(Corners(window.get()), (std::vector<LONG>{100, 120, 190, 135}));
}

TEST(SetWindowPos, ShowsAndHidesWithoutWmShowWindow) {
    RecordedWindow window(kRect, WS_POPUP, WS_EX_TOOLWINDOW);
    Forget();
    const UINT still = SWP_NOMOVE | SWP_NOSIZE | kQuiet;
    SetWindowPos(window.get(), nullptr, 0, 0, 0, 0, still | SWP_SHOWWINDOW);
    EXPECT_TRUE(IsWindowVisible(window.get()));
    SetWindowPos(window.get(), nullptr, 0, 0, 0, 0, still | SWP_HIDEWINDOW);
    EXPECT_FALSE(IsWindowVisible(window.get()));
    EXPECT_EQ(MessagesOf(window.get()),
              (std::vector<UINT>{WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WM_WINDOWPOSCHANGING,
                                 WM_WINDOWPOSCHANGED}));
}

TEST(SetWindowPos, TopmostChangesTheStackingOnlyWhenNotOnTopAlready) {
    const UINT still = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
    RecordedWindow window(kRect, WS_POPUP, WS_EX_TOOLWINDOW | WS_EX_TOPMOST);
    ShowWindow(window.get(), SW_SHOWNA);
    Forget();
    SetWindowPos(window.get(), HWND_TOPMOST, 0, 0, 0, 0, still);
    EXPECT_EQ(MessagesOf(window.get()), std::vector<UINT>{WM_WINDOWPOSCHANGING});

    RecordedWindow above(kRect, WS_POPUP, WS_EX_TOOLWINDOW | WS_EX_TOPMOST);
    ShowWindow(above.get(), SW_SHOWNA);
    SetWindowPos(above.get(), HWND_TOPMOST, 0, 0, 0, 0, still);
    Forget();
    SetWindowPos(window.get(), HWND_TOPMOST, 0, 0, 0, 0, still);
    EXPECT_EQ(MessagesOf(window.get()),
              (std::vector<UINT>{WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED}));
}

TEST(SetWindowPos, WithoutNoActivateItMakesTheWindowTheForegroundWindow) {
    RecordedWindow first(kRect, WS_POPUP, WS_EX_TOOLWINDOW);
    RecordedWindow second(RECT{300, 300, 400, 400}, WS_POPUP, WS_EX_TOOLWINDOW);
    ShowWindow(first.get(), SW_SHOW);
    ShowWindow(second.get(), SW_SHOWNA);
    ASSERT_EQ(GetForegroundWindow(), first.get());
    SetWindowPos(second.get(), nullptr, 310, 300, 100, 100, SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(GetForegroundWindow(), first.get());
    SetWindowPos(second.get(), nullptr, 320, 300, 100, 100, SWP_NOZORDER);
    EXPECT_EQ(GetForegroundWindow(), second.get());
}

}  // namespace
