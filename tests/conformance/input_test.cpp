// The cursor's display counter, the double-click time and the thread's key-state table. Each
// test puts back what it changed: under Wine the machine outlives the test.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "recorder.h"
#include "win/win.h"

namespace {

TEST(CursorDisplay, HidesAndShowsNestAsACounterThatStartsAtZero) {
    EXPECT_EQ(ShowCursor(FALSE), -1);
    EXPECT_EQ(ShowCursor(FALSE), -2);
    EXPECT_EQ(ShowCursor(TRUE), -1);
    EXPECT_EQ(ShowCursor(TRUE), 0);
    EXPECT_EQ(ShowCursor(TRUE), 1);
    EXPECT_EQ(ShowCursor(FALSE), 0);
}

TEST(DoubleClickTime, RoundTripsAndZeroRestoresTheDefault) {
    const UINT before = GetDoubleClickTime();
    EXPECT_TRUE(SetDoubleClickTime(730));
    EXPECT_EQ(GetDoubleClickTime(), 730u);
    EXPECT_TRUE(SetDoubleClickTime(0));
    EXPECT_EQ(GetDoubleClickTime(), 500u);
    SetDoubleClickTime(before);
}

TEST(KeyboardState, ReadsBackTheDownAndToggledBitsOfTheTableTheThreadWasGiven) {
    std::array<BYTE, 256> before{};
    ASSERT_TRUE(GetKeyboardState(before.data()));

    std::array<BYTE, 256> table{};
    table[VK_CAPITAL] = 0x01;
    table[VK_NUMLOCK] = 0x81;
    table[VK_SHIFT] = 0x80;
    ASSERT_TRUE(SetKeyboardState(table.data()));
    std::array<BYTE, 256> after{};
    ASSERT_TRUE(GetKeyboardState(after.data()));
    EXPECT_EQ(after, table);

    // Only the down and toggled bits come back.
    table[VK_CAPITAL] = 0xFF;
    table[VK_NUMLOCK] = 0x7E;
    ASSERT_TRUE(SetKeyboardState(table.data()));
    ASSERT_TRUE(GetKeyboardState(after.data()));
    EXPECT_EQ(after[VK_CAPITAL], 0x81);
    EXPECT_EQ(after[VK_NUMLOCK], 0x00);

    SetKeyboardState(before.data());
}

TEST(MouseEvents, ButtonFlagsHaveTheirDocumentedValues) {
    EXPECT_EQ(MOUSEEVENTF_LEFTDOWN, 0x0002);
    EXPECT_EQ(MOUSEEVENTF_LEFTUP, 0x0004);
    EXPECT_EQ(MOUSEEVENTF_RIGHTDOWN, 0x0008);
    EXPECT_EQ(MOUSEEVENTF_RIGHTUP, 0x0010);
    EXPECT_EQ(VK_CAPITAL, 0x14);
    EXPECT_EQ(VK_NUMLOCK, 0x90);
    EXPECT_EQ(VK_SHIFT, 0x10);
}

TEST(MouseEvents, AButtonEventGoesToTheWindowUnderThePointer) {
    conformance::RecordedWindow window(RECT{200, 200, 300, 260}, WS_POPUP | WS_VISIBLE,
                                       WS_EX_TOOLWINDOW | WS_EX_TOPMOST);
    std::vector<UINT> buttons;
    conformance::SetHandler([&](HWND hwnd, UINT msg, WPARAM, LPARAM lParam, LRESULT*) {
        if (hwnd == window.get() && (msg == WM_LBUTTONDOWN || msg == WM_LBUTTONUP ||
                                     msg == WM_RBUTTONDOWN || msg == WM_RBUTTONUP)) {
            buttons.push_back(msg);
            EXPECT_EQ(GET_X_LPARAM(lParam), 50);
            EXPECT_EQ(GET_Y_LPARAM(lParam), 30);
        }
        return false;
    });
    SetCursorPos(250, 230);
    conformance::Pump();

    mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
    mouse_event(MOUSEEVENTF_RIGHTDOWN, 0, 0, 0, 0);
    mouse_event(MOUSEEVENTF_RIGHTUP, 0, 0, 0, 0);
    conformance::Pump();

    EXPECT_EQ(buttons,
              (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN, WM_RBUTTONUP}));
    POINT point{};
    GetCursorPos(&point);
    EXPECT_EQ(point.x, 250) << "button events do not move the pointer";
    EXPECT_EQ(point.y, 230);
}

}  // namespace
