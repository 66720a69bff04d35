// The simulation's own test side: the virtual clock, the script and the records. The real
// platform has none of this, so these run natively only.
#ifndef _WIN32
#include "winsim/sim.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "recorder.h"
#include "win/win.h"

namespace {

using conformance::MessagesOf;
using conformance::RecordedWindow;
using conformance::W;

constexpr RECT kRect{100, 120, 190, 135};

struct Failure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

void ThrowOnFailure() {
    winsim::SetFailureHook([](const std::string& what) { throw Failure(what); });
}

// Runs a message loop until WM_QUIT; returns the exit code.
WPARAM Loop() {
    MSG msg{};
    while (GetMessageW(&msg, nullptr, 0, 0)) DispatchMessageW(&msg);
    return msg.wParam;
}

TEST(VirtualClock, WaitingMovesItToTheNextTimerOrScriptedAction) {
    RecordedWindow window(kRect);
    std::vector<std::uint32_t> ticks;
    conformance::SetHandler([&](HWND, UINT msg, WPARAM, LPARAM, LRESULT*) {
        if (msg == WM_TIMER) ticks.push_back(winsim::Now());
        return false;
    });
    SetTimer(window.get(), 1, 100, nullptr);
    std::vector<std::uint32_t> actions;
    winsim::At(250, [&] { actions.push_back(winsim::Now()); });
    winsim::At(250, [&] { PostQuitMessage(4); });
    EXPECT_EQ(Loop(), 4u);
    EXPECT_EQ(ticks, (std::vector<std::uint32_t>{100, 200}));
    EXPECT_EQ(actions, std::vector<std::uint32_t>{250});
    EXPECT_EQ(winsim::Now(), 250u);
}

TEST(VirtualClock, ATimerHasOneTickPendingHoweverLongTheWait) {
    RecordedWindow ticking(kRect);
    RecordedWindow other(kRect);
    SetTimer(ticking.get(), 1, 100, nullptr);
    winsim::At(1000, [&] { PostMessageW(other.get(), WM_USER, 0, 0); });
    MSG msg{};
    ASSERT_TRUE(GetMessageW(&msg, other.get(), 0, 0));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER));
    EXPECT_EQ(winsim::Now(), 1000u);
    ASSERT_TRUE(PeekMessageW(&msg, ticking.get(), 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_TIMER));
    EXPECT_FALSE(PeekMessageW(&msg, ticking.get(), 0, 0, PM_REMOVE));
}

TEST(VirtualClock, AWaitWithNothingScriptedFails) {
    ThrowOnFailure();
    MSG msg{};
    try {
        GetMessageW(&msg, nullptr, 0, 0);
        FAIL() << "the wait returned";
    } catch (const Failure& failure) {
        EXPECT_NE(std::string(failure.what()).find("nothing is scripted"), std::string::npos);
    }
}

TEST(VirtualClock, TimersAloneFailAfterTenMinutesWithoutScript) {
    ThrowOnFailure();
    RecordedWindow window(kRect);
    SetTimer(window.get(), 1, 100, nullptr);
    winsim::At(60000, [] {});
    EXPECT_THROW(Loop(), Failure);
    EXPECT_EQ(winsim::Now(), 660000u) << "ten minutes after the last scripted action";
}

TEST(MessageBoxes, AnswerAfterTheDelayWithTimersFiringMeanwhile) {
    RecordedWindow window(kRect);
    SetTimer(window.get(), 1, 100, nullptr);
    conformance::Forget();
    winsim::AnswerMessageBox(IDNO, 250);
    EXPECT_EQ(MessageBoxW(window.get(), W(u"\u518d\u751f\u4e2d"), W(u"Quillet"), MB_YESNO), IDNO);
    EXPECT_EQ(winsim::Now(), 250u);
    EXPECT_EQ(MessagesOf(window.get()), (std::vector<UINT>{WM_TIMER, WM_TIMER}));
    ASSERT_EQ(winsim::MessageBoxes().size(), 1u);
    const auto& box = winsim::MessageBoxes()[0];
    EXPECT_EQ(box.owner, window.get());
    EXPECT_EQ(box.text, u"\u518d\u751f\u4e2d");
    EXPECT_EQ(box.caption, u"Quillet");
    EXPECT_EQ(box.type, static_cast<UINT>(MB_YESNO));
    EXPECT_EQ(box.answer, IDNO);
    EXPECT_EQ(box.openedAt, 0u);
}

TEST(MessageBoxes, OneWithoutAnAnswerFails) {
    ThrowOnFailure();
    EXPECT_THROW(MessageBoxW(nullptr, W(u"?"), W(u""), MB_OK), Failure);
}

// A popup with a submenu whose caption the owner writes as the submenu opens.
struct PopupFixture {
    RecordedWindow owner{kRect};
    HMENU menu = CreatePopupMenu();
    HMENU track = CreatePopupMenu();
    std::vector<LPARAM> opened;

    PopupFixture() {
        AppendMenuW(menu, MF_STRING, 101, W(u"Pla&y"));
        AppendMenuW(track, MF_STRING, 201, W(u"&Next"));
        AppendMenuW(track, MF_STRING, 202, W(u"1"));
        AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(track), W(u"&Track"));
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(menu, MF_STRING | MF_CHECKED, 102, W(u"&Button"));
        conformance::SetHandler([this](HWND, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT*) {
            if (msg != WM_INITMENUPOPUP) return false;
            opened.push_back(lParam);
            if (reinterpret_cast<HMENU>(wParam) == track) {
                MENUITEMINFOW info{};
                info.cbSize = sizeof(info);
                info.fMask = MIIM_STRING;
                info.dwTypeData = const_cast<LPWSTR>(W(u"168100099"));
                SetMenuItemInfoW(track, 202, FALSE, &info);
            }
            return false;
        });
    }
    ~PopupFixture() { DestroyMenu(menu); }
};

TEST(Menus, TheScriptedPathOpensSubmenusAndPostsTheCommand) {
    PopupFixture f;
    winsim::AnswerMenu({u"&Track", u"&Next"}, 300);
    EXPECT_TRUE(TrackPopupMenu(f.menu, TPM_RIGHTBUTTON, 40, 50, 0, f.owner.get(), nullptr));
    EXPECT_EQ(f.opened, (std::vector<LPARAM>{0, 1})) << "the top menu, then item 1's submenu";
    EXPECT_EQ(winsim::Now(), 300u);

    ASSERT_EQ(winsim::Menus().size(), 1u);
    const auto& record = winsim::Menus()[0];
    EXPECT_EQ(record.owner, f.owner.get());
    EXPECT_EQ((std::vector<LONG>{record.at.x, record.at.y}), (std::vector<LONG>{40, 50}));
    ASSERT_EQ(record.items.size(), 4u);
    EXPECT_EQ(record.items[1].caption, u"&Track");
    EXPECT_EQ(record.items[1].submenu[1].caption, u"1") << "as shown when the menu opened";
    EXPECT_TRUE(record.items[2].separator);
    EXPECT_TRUE(record.items[3].checked);
    ASSERT_EQ(record.openedSubmenus.size(), 1u);
    EXPECT_EQ(record.openedSubmenus[0][1].caption, u"168100099");

    MSG msg{};
    ASSERT_TRUE(PeekMessageW(&msg, f.owner.get(), 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_COMMAND));
    EXPECT_EQ(msg.wParam, 201u);
}

TEST(Menus, ReturnCmdReturnsTheChoiceAndPostsNothing) {
    PopupFixture f;
    winsim::AnswerMenu({u"&Button"});
    EXPECT_EQ(TrackPopupMenu(f.menu, TPM_RETURNCMD, 0, 0, 0, f.owner.get(), nullptr), 102);
    winsim::AnswerMenu({});
    EXPECT_EQ(TrackPopupMenu(f.menu, TPM_RETURNCMD, 0, 0, 0, f.owner.get(), nullptr), 0)
        << "dismissed";
    MSG msg{};
    EXPECT_FALSE(PeekMessageW(&msg, f.owner.get(), WM_COMMAND, WM_COMMAND, PM_REMOVE));
}

TEST(Menus, AMissingAnswerOrCaptionFails) {
    ThrowOnFailure();
    PopupFixture f;
    EXPECT_THROW(TrackPopupMenu(f.menu, 0, 0, 0, 0, f.owner.get(), nullptr), Failure);
    winsim::AnswerMenu({u"Play"});  // the caption holds "&"
    EXPECT_THROW(TrackPopupMenu(f.menu, 0, 0, 0, 0, f.owner.get(), nullptr), Failure);
}

TEST(Clicks, GoToTheTopmostVisibleWindowUnderThePointInClientCoordinates) {
    RecordedWindow plain(RECT{0, 0, 200, 200}, WS_POPUP);
    RecordedWindow topmost(RECT{50, 50, 100, 100}, WS_POPUP, WS_EX_TOPMOST);
    RecordedWindow later(RECT{60, 60, 150, 150}, WS_POPUP);
    ShowWindow(topmost.get(), SW_SHOWNA);
    ShowWindow(later.get(), SW_SHOWNA);
    ShowWindow(plain.get(), SW_SHOWNA);
    conformance::Pump();

    struct Case {
        int x, y;
        HWND expected;
    };
    for (const Case& c :
         {Case{70, 70, topmost.get()}, Case{120, 120, plain.get()}, Case{10, 10, plain.get()}}) {
        EXPECT_TRUE(winsim::Click(c.x, c.y));
        MSG down{}, up{};
        ASSERT_TRUE(PeekMessageW(&down, nullptr, 0, 0, PM_REMOVE));
        ASSERT_TRUE(PeekMessageW(&up, nullptr, 0, 0, PM_REMOVE));
        EXPECT_EQ(down.hwnd, c.expected) << c.x << "," << c.y;
        EXPECT_EQ(down.message, static_cast<UINT>(WM_LBUTTONDOWN));
        EXPECT_EQ(down.wParam, static_cast<WPARAM>(MK_LBUTTON));
        EXPECT_EQ(up.message, static_cast<UINT>(WM_LBUTTONUP));
        POINT client{c.x, c.y};
        ScreenToClient(c.expected, &client);
        EXPECT_EQ(down.lParam, MAKELPARAM(client.x, client.y));
        POINT cursor{};
        GetCursorPos(&cursor);
        EXPECT_EQ((std::vector<LONG>{cursor.x, cursor.y}), (std::vector<LONG>{c.x, c.y}));
    }
    ShowWindow(plain.get(), SW_HIDE);
    EXPECT_FALSE(winsim::Click(10, 10)) << "nothing visible there";
}

TEST(Clicks, GoToTheCaptureWindowWherever) {
    RecordedWindow first(RECT{0, 0, 50, 50}, WS_POPUP | WS_VISIBLE);
    RecordedWindow second(RECT{100, 0, 150, 50}, WS_POPUP | WS_VISIBLE);
    conformance::Pump();
    SetCapture(first.get());
    EXPECT_TRUE(winsim::Release(110, 5, winsim::Button::Right));
    MSG msg{};
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.hwnd, first.get());
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_RBUTTONUP));
    EXPECT_EQ(msg.lParam, MAKELPARAM(110, 5));
}

TEST(Tooltips, TheActiveToolOfTheWindowUnderThePoint) {
    INITCOMMONCONTROLSEX init{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&init);
    RecordedWindow window(RECT{0, 0, 90, 15}, WS_POPUP | WS_VISIBLE);
    HWND tooltip =
        CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, window.get(), nullptr, nullptr, nullptr);
    TOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = window.get();
    tool.uId = reinterpret_cast<UINT_PTR>(window.get());
    tool.lpszText = const_cast<LPWSTR>(W(u"Quillet"));
    SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    EXPECT_EQ(winsim::TooltipAt(80, 5), u"Quillet");
    EXPECT_EQ(winsim::TooltipAt(95, 5), u"");

    tool.lpszText = const_cast<LPWSTR>(W(u"\u505c\u6b62\u4e2d"));
    SendMessageW(tooltip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    EXPECT_EQ(winsim::TooltipAt(5, 5), u"\u505c\u6b62\u4e2d");
    SendMessageW(tooltip, TTM_ACTIVATE, FALSE, 0);
    EXPECT_EQ(winsim::TooltipAt(5, 5), u"");
    SendMessageW(tooltip, TTM_ACTIVATE, TRUE, 0);
    SendMessageW(tooltip, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    EXPECT_EQ(winsim::TooltipAt(5, 5), u"");
}

TEST(Pixels, PendingPaintingIsDoneBeforeReading) {
    RecordedWindow window(RECT{0, 0, 30, 15}, WS_POPUP);
    HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
    conformance::SetHandler([blue](HWND hwnd, UINT msg, WPARAM, LPARAM, LRESULT*) {
        if (msg != WM_PAINT) return false;
        PAINTSTRUCT paint{};
        HDC dc = BeginPaint(hwnd, &paint);
        FillRect(dc, &paint.rcPaint, blue);
        EndPaint(hwnd, &paint);
        return true;
    });
    ShowWindow(window.get(), SW_SHOWNA);
    EXPECT_EQ(winsim::Pixel(window.get(), 29, 14), RGB(0, 0, 255));
    SetWindowPos(window.get(), nullptr, 0, 0, 60, 15, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(winsim::Pixel(window.get(), 59, 14), RGB(0, 0, 255)) << "the grown part is painted";
    EXPECT_EQ(winsim::Pixel(window.get(), 60, 0), static_cast<COLORREF>(0xFFFFFFFF));
    DeleteObject(blue);
}

TEST(Records, WindowsListsTheLiveWindowsInCreationOrder) {
    RecordedWindow owner(kRect, WS_POPUP | WS_VISIBLE, WS_EX_TOPMOST);
    SetWindowTextW(owner.get(), W(u"Quillet"));
    { RecordedWindow gone(kRect); }
    RecordedWindow owned(RECT{0, 0, 0, 0}, WS_POPUP, 0, owner.get());
    auto windows = winsim::Windows();
    ASSERT_EQ(windows.size(), 2u);
    EXPECT_EQ(windows[0].hwnd, owner.get());
    EXPECT_EQ(windows[0].className, u"QuilletConformance");
    EXPECT_EQ(windows[0].text, u"Quillet");
    EXPECT_TRUE(windows[0].visible);
    EXPECT_EQ(windows[0].exStyle & WS_EX_TOPMOST, static_cast<DWORD>(WS_EX_TOPMOST));
    EXPECT_EQ(windows[0].rect.right, 190);
    EXPECT_EQ(windows[1].owner, owner.get());
    EXPECT_FALSE(windows[1].visible);
}

TEST(Machine, ResetRestoresTheDefaults) {
    winsim::SetScreenSize(800, 600);
    winsim::SetAnsiCodePage(1252);
    SetCursorPos(30, 40);
    winsim::Reset();
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1280);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 1024);
    EXPECT_EQ(GetACP(), 932u);
    POINT cursor{-1, -1};
    GetCursorPos(&cursor);
    EXPECT_EQ((std::vector<LONG>{cursor.x, cursor.y}), (std::vector<LONG>{0, 0}));
    EXPECT_TRUE(winsim::Windows().empty());
}

}  // namespace
#endif
