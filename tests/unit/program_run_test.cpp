// The whole program through its entry point, worked as the user works it.
#include <gtest/gtest.h>

#include "program_fixture.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int);

namespace {

using ProgramRunTest = ProgramTest;

int RunProgram() {
    char commandLine[] = "";
    return WinMain(nullptr, nullptr, commandLine, SW_SHOWNORMAL);
}

// Right-clicks the square of the centred 15x15 window once the loop waits.
void ChooseLater(std::uint32_t atMs, std::u16string caption) {
    winsim::At(atMs, [caption] {
        winsim::AnswerMenu({caption});
        winsim::Click(632 + 5, 504 + 5, winsim::Button::Right);
    });
}

TEST_F(ProgramRunTest, StartsHiddenBehindItsOwnerAndExitEndsTheLoopWithZero) {
    bool shownAtStart = false;
    winsim::At(10, [&] {
        ASSERT_NE(Form1, nullptr);
        EXPECT_EQ(Application->MainForm(), Form1);
        EXPECT_EQ(Application->Title(), "Quillet");
        shownAtStart = IsWindowVisible(Form1->Handle()) != 0;
        EXPECT_FALSE(IsWindowVisible(Application->Handle()));
        EXPECT_EQ(GetWindow(Form1->Handle(), GW_OWNER), Application->Handle());
        RECT rect;
        GetWindowRect(Form1->Handle(), &rect);
        EXPECT_EQ(rect.left, 632);
        EXPECT_EQ(rect.top, 504);
        EXPECT_EQ(rect.right - rect.left, 15);
        EXPECT_EQ(rect.bottom - rect.top, 15);
        EXPECT_NE(GetWindowLongW(Form1->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    });
    ChooseLater(20, u"E&xit");
    EXPECT_EQ(RunProgram(), 0);
    EXPECT_TRUE(shownAtStart);
    EXPECT_GE(winsim::Now(), 20u);
    std::u16string appTitle;
    for (const auto& window : winsim::Windows()) {
        if (window.hwnd == Application->Handle()) appTitle = window.text;
    }
    EXPECT_EQ(appTitle, u"Quillet");
}

// The window is destroyed with the application object after the entry point returns; the
// player then releases the device that was left playing, without stopping it.
TEST_F(ProgramRunTest, ExitWhilePlayingClosesTheDeviceWithoutAStop) {
    ChooseLater(10, u"Pla&y");
    ChooseLater(20, u"E&xit");
    EXPECT_EQ(RunProgram(), 0);
    EXPECT_EQ(winsim::Drive().mode, static_cast<DWORD>(MCI_MODE_PLAY));
    const size_t before = winsim::MciRequests().size();
    DestroyApplication();
    CreateApplication();  // for the fixture's own teardown
    const auto& requests = winsim::MciRequests();
    ASSERT_GT(requests.size(), before);
    bool closed = false;
    for (size_t i = before; i < requests.size(); ++i) {
        EXPECT_NE(requests[i].msg, static_cast<UINT>(MCI_STOP));
        closed = closed || requests[i].msg == MCI_CLOSE;
    }
    EXPECT_TRUE(closed);
    EXPECT_FALSE(winsim::Drive().open);
}

TEST_F(ProgramRunTest, ExceptionFromAHandlerIsShownAndTheProgramGoesOn) {
    winsim::At(5,
               [] { Form1->Play1->OnClick = [](TObject*) { throw Exception("再生できません"); }; });
    ChooseLater(10, u"Pla&y");
    winsim::AnswerMessageBox(IDOK, 100);
    ChooseLater(500, u"E&xit");
    EXPECT_EQ(RunProgram(), 0);
    ASSERT_EQ(winsim::MessageBoxes().size(), 1u);
    const auto& box = winsim::MessageBoxes()[0];
    EXPECT_EQ(box.text, u"再生できません.");
    EXPECT_EQ(box.caption, u"Quillet");
    EXPECT_EQ(box.type, static_cast<UINT>(MB_OK | MB_ICONSTOP));
    EXPECT_EQ(box.owner, Application->Handle());
    EXPECT_GE(winsim::Now(), 500u);
}

}  // namespace
