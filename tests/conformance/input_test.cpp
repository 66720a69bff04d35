// The cursor's display counter, the double-click time and the thread's key-state table. Each
// test puts back what it changed: under Wine the machine outlives the test.
#include <gtest/gtest.h>

#include <array>

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

}  // namespace
