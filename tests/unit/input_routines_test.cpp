// The cursor, mouse and keyboard routines on the simulated input services.
#include <gtest/gtest.h>

#include <vector>

#include "util/input.h"
#include "winsim/sim.h"

namespace {

class InputRoutines : public ::testing::Test {
  protected:
    void SetUp() override { winsim::Reset(); }
};

TEST_F(InputRoutines, EachPointerReadingAsksAnew) {
    winsim::MoveCursor(120, 340);
    int x = GetMouseX();
    winsim::MoveCursor(500, 600);
    EXPECT_EQ(x, 120);
    EXPECT_EQ(GetMouseY(), 600) << "a pair of readings can give a point the pointer never held";
}

TEST_F(InputRoutines, AnUnreadablePointerReadsAsTheOrigin) {
    winsim::MoveCursor(120, 340);
    winsim::RefuseCursorPos(true);
    EXPECT_EQ(GetMouseX(), 0);
    EXPECT_EQ(GetMouseY(), 0);
}

TEST_F(InputRoutines, ShowAndHideNestAsTheDisplayCounter) {
    EXPECT_EQ(ShowMouseCursor(false), -1);
    EXPECT_EQ(ShowMouseCursor(false), -2);
    EXPECT_EQ(ShowMouseCursor(true), -1);
    EXPECT_EQ(ShowMouseCursor(true), 0);
    EXPECT_EQ(winsim::CursorDisplayCount(), 0);
}

TEST_F(InputRoutines, DoubleClickSpeedRefusesNegativeTimesAndZeroRestoresTheDefault) {
    const std::uint32_t platformDefault = GetDoubleClickSpeed();
    EXPECT_TRUE(SetDoubleClickSpeed(750));
    EXPECT_EQ(GetDoubleClickSpeed(), 750u);
    EXPECT_FALSE(SetDoubleClickSpeed(-1));
    EXPECT_EQ(GetDoubleClickSpeed(), 750u) << "a refused time changes nothing";
    EXPECT_TRUE(SetDoubleClickSpeed(0));
    EXPECT_EQ(GetDoubleClickSpeed(), platformDefault);
}

TEST_F(InputRoutines, EachMouseRoutineSendsOneButtonEventAtThePointer) {
    struct Case {
        void (*routine)();
        DWORD flag;
    };
    const Case cases[] = {{MouseLeftDown, 0x0002},
                          {MouseLeftUp, 0x0004},
                          {MouseRightDown, 0x0008},
                          {MouseRightUp, 0x0010}};
    for (const Case& c : cases) {
        winsim::Reset();
        c.routine();
        ASSERT_EQ(winsim::MouseEvents().size(), 1u) << c.flag;
        const auto& event = winsim::MouseEvents()[0];
        EXPECT_EQ(event.flags, c.flag);
        EXPECT_EQ(event.dx | event.dy | event.data, 0u) << c.flag;
        EXPECT_EQ(event.extraInfo, 0u) << c.flag;
    }
}

TEST_F(InputRoutines, ADownWithoutAnUpLeavesTheButtonHeld) {
    MouseLeftDown();
    EXPECT_TRUE(winsim::ButtonHeld(winsim::Button::Left));
    EXPECT_FALSE(winsim::ButtonHeld(winsim::Button::Right));
    MouseLeftUp();
    EXPECT_FALSE(winsim::ButtonHeld(winsim::Button::Left));
    MouseRightDown();
    EXPECT_TRUE(winsim::ButtonHeld(winsim::Button::Right));
}

TEST_F(InputRoutines, TestKeyStateReadsTheThreadsTable) {
    struct Case {
        BYTE entry;
        bool toggledOnly;  // flag false
        bool down;         // flag true
    };
    const Case cases[] = {
        {0x01, true, false}, {0x81, false, true}, {0x80, false, true}, {0x00, false, false}};
    for (const Case& c : cases) {
        winsim::SetKeyEntry(VK_CAPITAL, c.entry);
        EXPECT_EQ(TestKeyState(VK_CAPITAL, false), c.toggledOnly) << int{c.entry};
        EXPECT_EQ(TestKeyState(VK_CAPITAL, true), c.down) << int{c.entry};
    }
}

TEST_F(InputRoutines, SetKeyStateChangesOnlyItsKeyInTheThreadsTable) {
    winsim::SetKeyEntry(VK_NUMLOCK, 0x01);
    winsim::SetKeyEntry(VK_SHIFT, 0x80);

    SetKeyState(VK_CAPITAL, false, true);
    EXPECT_EQ(winsim::KeyEntry(VK_CAPITAL), 0x81);
    EXPECT_EQ(winsim::KeyEntry(VK_NUMLOCK), 0x01);
    EXPECT_EQ(winsim::KeyEntry(VK_SHIFT), 0x80);

    SetKeyState(VK_CAPITAL, true, false);
    EXPECT_EQ(winsim::KeyEntry(VK_CAPITAL), 0x81) << "the flag leaves the entry alone";

    SetKeyState(VK_CAPITAL, false, false);
    EXPECT_EQ(winsim::KeyEntry(VK_CAPITAL), 0x00);
    EXPECT_EQ(winsim::KeyEntry(VK_NUMLOCK), 0x01);
}

}  // namespace
