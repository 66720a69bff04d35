// The transport commands against the simulated CD drive.
#include <gtest/gtest.h>

#include <functional>

#include "program_fixture.h"

namespace {

const std::u16string kOpenFailed = u"オープン失敗。ほかのソフトで再生していたら終了して下さい。";

using Command = void (TForm1::*)(TObject*);

class TransportTest : public ProgramTest {
  protected:
    void SetUp() override {
        ProgramTest::SetUp();
        Start();
    }
    static void Run(Command command) { (Form1->*command)(nullptr); }
    static size_t Requests(UINT msg) {
        size_t count = 0;
        for (const auto& request : winsim::MciRequests()) count += request.msg == msg;
        return count;
    }
    static void ExpectPlayShown(bool playShown) {
        EXPECT_EQ(Form1->PlayB->Visible(), playShown);
        EXPECT_EQ(Form1->PauseB->Visible(), !playShown);
    }
};

struct StateCase {
    const char* name;
    bool openBefore;
    Command command;
    bool openFails;
    bool openAfter;
    size_t opens;
    size_t boxes;
};

// The MediaOpened state table, row by row.
TEST_F(TransportTest, MediaOpenedFollowsItsStateTable) {
    const StateCase cases[] = {
        {"play opens", false, &TForm1::Play1Click, false, true, 1, 0},
        {"pause opens", false, &TForm1::Pause1Click, false, true, 1, 0},
        {"next opens", false, &TForm1::Next1Click, false, true, 1, 0},
        {"previous opens", false, &TForm1::Previous1Click, false, true, 1, 0},
        {"play refused", false, &TForm1::Play1Click, true, false, 1, 1},
        {"pause refused", false, &TForm1::Pause1Click, true, false, 1, 1},
        {"next refused", false, &TForm1::Next1Click, true, false, 1, 1},
        {"previous refused", false, &TForm1::Previous1Click, true, false, 1, 1},
        {"eject on closed", false, &TForm1::Eject1Click, false, false, 1, 0},
        {"eject refused", false, &TForm1::Eject1Click, true, false, 1, 1},
        {"stop on closed", false, &TForm1::Stop1Click, false, false, 0, 0},
        {"stop on open", true, &TForm1::Stop1Click, false, false, 1, 0},
        {"eject on open", true, &TForm1::Eject1Click, false, true, 1, 0},
        {"play on open", true, &TForm1::Play1Click, false, true, 1, 0},
        {"pause on open", true, &TForm1::Pause1Click, false, true, 1, 0},
        {"next on open", true, &TForm1::Next1Click, false, true, 1, 0},
        {"previous on open", true, &TForm1::Previous1Click, false, true, 1, 0},
        {"track on closed", false, &TForm1::Track1Click, false, false, 0, 0},
        {"track on open", true, &TForm1::Track1Click, false, true, 1, 0},
    };
    for (const StateCase& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        if (c.openBefore) Run(&TForm1::Pause1Click);  // opens; pausing a stopped disc does nothing
        ASSERT_EQ(MediaOpened, c.openBefore);
        if (c.openFails) {
            winsim::FailNextOpen(MCIERR_HARDWARE);
            winsim::AnswerMessageBox(IDOK);
        }
        Run(c.command);
        EXPECT_EQ(MediaOpened, c.openAfter);
        EXPECT_EQ(winsim::Drive().open, c.openAfter);
        EXPECT_EQ(Requests(MCI_OPEN), c.opens);
        EXPECT_EQ(winsim::MessageBoxes().size(), c.boxes);
    }
}

TEST_F(TransportTest, FailedOpenShowsItsOwnMessageChangesNothingAndTheNextCommandRetries) {
    ShowButtons();
    winsim::FailNextOpen(MCIERR_HARDWARE);
    winsim::AnswerMessageBox(IDOK);
    ClickAt(22, 7);  // the play button
    ASSERT_EQ(winsim::MessageBoxes().size(), 1u);
    const auto& box = winsim::MessageBoxes()[0];
    EXPECT_EQ(box.text, kOpenFailed);
    EXPECT_EQ(box.caption, u"エラー");
    EXPECT_EQ(box.type, 16u);
    EXPECT_EQ(box.owner, Application->Handle());
    EXPECT_FALSE(MediaOpened);
    ExpectPlayShown(true);
    EXPECT_EQ(Requests(MCI_PLAY), 0u);

    ClickAt(22, 7);
    EXPECT_EQ(Requests(MCI_OPEN), 2u);
    EXPECT_TRUE(MediaOpened);
    EXPECT_EQ(winsim::Drive().mode, static_cast<DWORD>(MCI_MODE_PLAY));
    ExpectPlayShown(false);
}

TEST_F(TransportTest, FailedOpenLeavesTheTrackCaption) {
    for (Command command : {&TForm1::Next1Click, &TForm1::Previous1Click}) {
        winsim::FailNextOpen(MCIERR_HARDWARE);
        winsim::AnswerMessageBox(IDOK);
        Run(command);
        EXPECT_EQ(Form1->Track->Caption(), "1");
    }
}

// Only Open reports; a device that refuses everything else is silent and the buttons follow
// the command.
TEST_F(TransportTest, RequestsRefusedByAnOpenDeviceAreSilent) {
    Run(&TForm1::Pause1Click);
    winsim::RefuseRequests(true);
    Run(&TForm1::Play1Click);
    ExpectPlayShown(false);
    Run(&TForm1::Next1Click);
    Run(&TForm1::Previous1Click);
    Run(&TForm1::Eject1Click);
    Run(&TForm1::Pause1Click);
    ExpectPlayShown(true);
    Run(&TForm1::Play1Click);
    Run(&TForm1::Stop1Click);
    ExpectPlayShown(true);
    EXPECT_FALSE(MediaOpened);
    EXPECT_TRUE(winsim::MessageBoxes().empty());
}

TEST_F(TransportTest, PlayAndPauseSwapTheirButtons) {
    ShowButtons();
    ClickAt(22, 7);  // play
    ExpectPlayShown(false);
    EXPECT_EQ(winsim::Drive().mode, static_cast<DWORD>(MCI_MODE_PLAY));
    ClickAt(22, 7);  // pause, in the same place
    ExpectPlayShown(true);
    EXPECT_EQ(winsim::Drive().mode, static_cast<DWORD>(MCI_MODE_PAUSE));
    Choose({u"Pla&y"});
    ExpectPlayShown(false);
    ClickAt(37, 7);  // stop
    ExpectPlayShown(true);
    EXPECT_FALSE(MediaOpened);
    EXPECT_FALSE(winsim::Drive().open);
}

TEST_F(TransportTest, StopBeforeAnyOpenSendsNothing) {
    Choose({u"&Stop"});
    EXPECT_TRUE(winsim::MciRequests().empty());
    ExpectPlayShown(true);
}

TEST_F(TransportTest, EjectOnAClosedDeviceOpensEjectsAndClosesAgain) {
    Choose({u"&Eject"});
    EXPECT_TRUE(winsim::Drive().doorOpen);
    EXPECT_FALSE(winsim::Drive().open);
    EXPECT_FALSE(MediaOpened);
}

// The whole position value, not its track byte, as the Track submenu opens.
TEST_F(TransportTest, TrackSubmenuShowsThePositionValueAsItOpens) {
    Run(&TForm1::Pause1Click);
    winsim::SetDrivePosition(MCI_MAKE_TMSF(3, 1, 5, 10));
    Choose({u"&Track", u"168100099"});
    const auto& menu = winsim::Menus().back();
    EXPECT_EQ(menu.items[3].submenu.back().caption, u"1");  // as the menu first opened
    ASSERT_EQ(menu.openedSubmenus.size(), 1u);
    EXPECT_EQ(menu.openedSubmenus[0].back().caption, u"168100099");
    EXPECT_EQ(Form1->Track->Caption(), "168100099");
}

TEST_F(TransportTest, NextAndPreviousWriteThePositionIntoTheTrackCaption) {
    Choose({u"&Track", u"&Next"});
    EXPECT_EQ(Form1->Track->Caption(), IntToStr(static_cast<int>(MCI_MAKE_TMSF(2, 0, 0, 0))));
    Choose({u"&Track", u"&Previous"});
    EXPECT_EQ(Form1->Track->Caption(), IntToStr(static_cast<int>(MCI_MAKE_TMSF(1, 0, 0, 0))));
}

}  // namespace

namespace {

TEST_F(TransportTest, EachButtonOfTheStripRunsItsCommand) {
    ShowButtons();
    ClickAt(52, 7);  // next
    EXPECT_EQ(Form1->Track->Caption(), IntToStr(static_cast<int>(MCI_MAKE_TMSF(2, 0, 0, 0))));
    ClickAt(67, 7);  // previous
    EXPECT_EQ(winsim::Drive().position, static_cast<DWORD>(MCI_MAKE_TMSF(1, 0, 0, 0)));
    ClickAt(22, 7);  // play
    EXPECT_EQ(winsim::Drive().mode, static_cast<DWORD>(MCI_MODE_PLAY));
    ClickAt(22, 7);  // pause
    EXPECT_EQ(winsim::Drive().mode, static_cast<DWORD>(MCI_MODE_PAUSE));
    ClickAt(82, 7);  // eject
    EXPECT_TRUE(winsim::Drive().doorOpen);
    ClickAt(37, 7);  // stop
    EXPECT_FALSE(winsim::Drive().open);
    EXPECT_TRUE(winsim::MessageBoxes().empty());
}

// The player opens the CD-audio device, shareable, and only when a command asks for it.
TEST_F(TransportTest, PlayerTakesItsLayoutSettings) {
    const TMediaPlayer& player = *Form1->Player;
    EXPECT_EQ(player.DeviceType(), dtCDAudio);
    EXPECT_TRUE(player.Shareable());
    EXPECT_FALSE(player.AutoOpen());
    EXPECT_TRUE(player.AutoRewind());
    EXPECT_FALSE(player.Visible());
    const TMPBtnSet buttons{btPlay, btPause, btStop, btNext, btPrev, btEject};
    EXPECT_EQ(player.EnabledButtons(), buttons);
    EXPECT_EQ(player.VisibleButtons(), buttons);
    EXPECT_TRUE(winsim::MciRequests().empty());
    EXPECT_EQ(Form1->Timer1->Interval(), 100u);
    EXPECT_TRUE(Form1->Timer1->Enabled());
}

}  // namespace
