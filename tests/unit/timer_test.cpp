// The timer on the simulated clock.
#include "vcl/timer.h"

#include <gtest/gtest.h>

#include "vcl/application.h"
#include "winsim/sim.h"

namespace {

class TimerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        winsim::Reset();
        CreateApplication();
        Application->SetTitle("Quillet");
        timer = new TTimer(Application);
        timer->SetInterval(100);
    }
    void TearDown() override { DestroyApplication(); }
    // Runs a message loop until the clock reaches `endMs`.
    static void RunUntil(std::uint32_t endMs) {
        winsim::At(endMs, [] { PostQuitMessage(0); });
        MSG msg;
        while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    }
    TTimer* timer = nullptr;
};

TEST_F(TimerTest, FiresEveryIntervalUntilDisabled) {
    int ticks = 0;
    timer->SetOnTimer([&](TObject* sender) {
        EXPECT_EQ(sender, timer);
        if (++ticks == 5) timer->SetEnabled(false);
    });
    RunUntil(1050);
    EXPECT_EQ(ticks, 5);
}

TEST_F(TimerTest, StartsOnlyWithAHandlerAndWhileEnabled) {
    int ticks = 0;
    timer->SetEnabled(false);
    timer->SetOnTimer([&](TObject*) { ++ticks; });
    RunUntil(350);
    EXPECT_EQ(ticks, 0);
    timer->SetEnabled(true);
    RunUntil(1000);
    EXPECT_GE(ticks, 6);
}

TEST_F(TimerTest, ExceptionFromTheHandlerIsShownAndTheTimerGoesOn) {
    int ticks = 0;
    timer->SetOnTimer([&](TObject*) {
        if (++ticks == 1) throw Exception("失敗");
    });
    winsim::AnswerMessageBox(IDOK, 10);
    RunUntil(1050);
    ASSERT_EQ(winsim::MessageBoxes().size(), 1u);
    EXPECT_EQ(winsim::MessageBoxes()[0].text, u"失敗.");
    EXPECT_EQ(winsim::MessageBoxes()[0].caption, u"Quillet");
    EXPECT_GE(ticks, 9);
}

}  // namespace
