// The main window: its size rule, its menu, its tooltip and its picture.
#include <gtest/gtest.h>

#include "program_fixture.h"
#include "res/glyphs.h"

namespace {

using MainWindowTest = ProgramTest;
using Item = winsim::MenuItemRecord;

RECT WindowRect() {
    RECT rect;
    GetWindowRect(Form1->Handle(), &rect);
    return rect;
}

TEST_F(MainWindowTest, FirstShowingCentresTheFifteenPixelSquare) {
    Start();
    const RECT rect = WindowRect();
    EXPECT_EQ(rect.left, 632);
    EXPECT_EQ(rect.top, 504);
    EXPECT_EQ(rect.right - rect.left, 15);
    EXPECT_EQ(rect.bottom - rect.top, 15);
    EXPECT_EQ(Form1->PauseB->Left(), 15);
    EXPECT_EQ(GetWindowLongW(Form1->Handle(), GWL_STYLE) & WS_CAPTION, 0);
}

TEST_F(MainWindowTest, CentringDiscardsRemaindersAndNeverGoesOffTheScreenTopLeft) {
    struct Case {
        int screenWidth, screenHeight, left, top;
    };
    for (const Case& c : {Case{1281, 1025, 633, 505}, Case{20, 10, 2, 0}, Case{10, 16, 0, 0}}) {
        SCOPED_TRACE(c.screenWidth);
        TearDown();
        SetUp();
        winsim::SetScreenSize(c.screenWidth, c.screenHeight);
        Start();
        EXPECT_EQ(WindowRect().left, c.left);
        EXPECT_EQ(WindowRect().top, c.top);
    }
}

TEST_F(MainWindowTest, LaterShowingsDoNotCentreAgain) {
    Start();
    Form1->SetBounds(3, 4, 15, 15);
    Form1->Hide();
    Form1->Show();
    EXPECT_EQ(WindowRect().left, 3);
    EXPECT_EQ(WindowRect().top, 4);
}

TEST_F(MainWindowTest, ButtonTogglesTheStripAtTheRightEndOnly) {
    Start();
    ShowButtons();
    RECT rect = WindowRect();
    EXPECT_EQ(rect.right - rect.left, 90);
    EXPECT_EQ(rect.left, 632);
    EXPECT_EQ(rect.top, 504);
    EXPECT_EQ(rect.bottom - rect.top, 15);
    EXPECT_TRUE(Form1->Button1->Checked());
    ShowButtons();
    rect = WindowRect();
    EXPECT_EQ(rect.right - rect.left, 15);
    EXPECT_EQ(rect.left, 632);
    EXPECT_EQ(rect.top, 504);
    EXPECT_FALSE(Form1->Button1->Checked());
}

std::vector<Item> ExpectedMenu(bool buttonChecked) {
    auto item = [](std::u16string caption, bool checked = false) {
        return Item{std::move(caption), false, checked, {}};
    };
    const Item separator{u"", true, false, {}};
    return {
        item(u"Pla&y"),
        item(u"&Pause"),
        item(u"&Stop"),
        Item{u"&Track", false, false, {item(u"&Next"), item(u"&Previous"), separator, item(u"1")}},
        item(u"&Eject"),
        separator,
        item(u"&Button", buttonChecked),
        separator,
        Item{u"&Option",
             false,
             false,
             {item(u"&Caption"), item(u"&TaskTray"), item(u"&Pos"), item(u"&Hide"),
              item(u"&Mouse")}},
        separator,
        item(u"E&xit"),
    };
}

void ExpectMenu(const std::vector<Item>& actual, const std::vector<Item>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(actual[i].caption, expected[i].caption);
        EXPECT_EQ(actual[i].separator, expected[i].separator);
        EXPECT_EQ(actual[i].checked, expected[i].checked);
        ExpectMenu(actual[i].submenu, expected[i].submenu);
    }
}

// The buttons have no menu of their own: a right click anywhere opens the window's.
TEST_F(MainWindowTest, RightClickOnTheSquareOrAnyButtonOpensTheWholeMenuAtThePointer) {
    Start();
    ShowButtons();
    for (int x : {5, 20, 35, 50, 65, 80}) {
        SCOPED_TRACE(x);
        ChooseAt(x, 7, {});
        const auto& menu = winsim::Menus().back();
        EXPECT_EQ(menu.owner, Form1->Handle());
        EXPECT_EQ(menu.at.x, 632 + x);
        EXPECT_EQ(menu.at.y, 504 + 7);
        ExpectMenu(menu.items, ExpectedMenu(true));
    }
    EXPECT_EQ(winsim::Menus().size(), 7u);
}

// The tooltip machinery shows the window's hint over the square and over every button.
TEST_F(MainWindowTest, WindowHintShowsOverTheSquareAndOverTheButtons) {
    Start();
    ShowButtons();
    for (int x : {0, 7, 14, 15, 22, 52, 89}) {
        SCOPED_TRACE(x);
        EXPECT_EQ(winsim::TooltipAt(632 + x, 504 + 7), u"Quillet");
    }
    Form1->SetHint("再生中");
    EXPECT_EQ(winsim::TooltipAt(632 + 22, 504 + 7), u"再生中");
    EXPECT_EQ(winsim::TooltipAt(632 + 7, 504 + 7), u"再生中");
}

// What the window shows, pixel by pixel: the blue square, then each button's face with its
// glyph's black pixels centred on it.
void ExpectButtonPicture(HWND hwnd, int left, const GlyphRows& glyph) {
    const int width = static_cast<int>(glyph.front().size());
    const int height = static_cast<int>(glyph.size());
    const int x0 = left + (15 - width) / 2;
    const int y0 = (15 - height) / 2;
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            SCOPED_TRACE(::testing::Message() << "glyph pixel " << x << "," << y);
            const COLORREF pixel = winsim::Pixel(hwnd, x0 + x, y0 + y);
            const bool onFrame =
                x0 + x == left || x0 + x == left + 14 || y0 + y == 0 || y0 + y == 14;
            if (glyph[static_cast<size_t>(y)][static_cast<size_t>(x)] == '#') {
                EXPECT_EQ(pixel, RGB(0, 0, 0));
            } else if (!onFrame) {
                EXPECT_EQ(pixel, face);
            }
        }
    }
}

TEST_F(MainWindowTest, PaintsTheSquareAndTheButtonsFromTheirGlyphs) {
    Start();
    ShowButtons();
    HWND hwnd = Form1->Handle();
    for (int y = 0; y < 15; ++y) {
        for (int x = 0; x < 15; ++x) EXPECT_EQ(winsim::Pixel(hwnd, x, y), RGB(0, 0, 255));
    }
    ExpectButtonPicture(hwnd, 15, kPlayGlyph);
    ExpectButtonPicture(hwnd, 30, kStopGlyph);
    ExpectButtonPicture(hwnd, 45, kNextGlyph);
    ExpectButtonPicture(hwnd, 60, kPreviousGlyph);
    ExpectButtonPicture(hwnd, 75, kEjectGlyph);
    // A raised frame: light at the top left, shadow at the bottom right.
    EXPECT_EQ(winsim::Pixel(hwnd, 15, 0), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(winsim::Pixel(hwnd, 29, 14), GetSysColor(COLOR_BTNSHADOW));

    Choose({u"Pla&y"});
    ExpectButtonPicture(hwnd, 15, kPauseGlyph);
}

// At width 15 the buttons lie outside the window; a left click on the square reaches no button.
TEST_F(MainWindowTest, LeftClickOnTheSquareClicksNoButton) {
    Start();
    int clicks = 0;
    for (TSpeedButton* button : {Form1->PlayB, Form1->StopB, Form1->NextB, Form1->PreviousB,
                                 Form1->EjectB, Form1->PauseB}) {
        button->OnClick = [&](TObject*) { ++clicks; };
    }
    ClickAt(7, 7);
    ShowButtons();
    ClickAt(7, 7);
    EXPECT_EQ(clicks, 0);
    ClickAt(37, 7);
    EXPECT_EQ(clicks, 1);
}

TEST_F(MainWindowTest, ButtonClickNeedsTheReleaseOverTheButton) {
    Start();
    ShowButtons();
    int clicks = 0;
    Form1->StopB->OnClick = [&](TObject*) { ++clicks; };
    const POINT in = ScreenPoint(37, 7);
    const POINT out = ScreenPoint(52, 7);
    winsim::Press(in.x, in.y);
    Pump();
    EXPECT_EQ(winsim::Pixel(Form1->Handle(), 30, 0), GetSysColor(COLOR_BTNSHADOW));  // pressed
    winsim::Release(out.x, out.y);
    Pump();
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(winsim::Pixel(Form1->Handle(), 30, 0), GetSysColor(COLOR_BTNHIGHLIGHT));
    ClickAt(37, 7);
    EXPECT_EQ(clicks, 1);
}

}  // namespace
