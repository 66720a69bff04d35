#include <gtest/gtest.h>

#include <vector>

#include "recorder.h"
#include "win/win.h"

namespace {

using conformance::Forget;
using conformance::MessagesOf;
using conformance::RecordedWindow;
using conformance::U;
using conformance::W;

constexpr RECT kRect{100, 120, 190, 135};

TEST(Windows, CreationSendsNcCreateAndCreateWithTheCreateParameter) {
    Forget();
    void* seenParam = nullptr;
    int marker = 0;
    conformance::SetHandler([&](HWND, UINT msg, WPARAM, LPARAM lParam, LRESULT*) {
        if (msg == WM_CREATE) {
            seenParam = reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams;
        }
        return false;
    });
    RecordedWindow window(kRect, WS_POPUP, 0, nullptr, &marker);
    ASSERT_NE(window.get(), nullptr);
    EXPECT_EQ(seenParam, &marker);
    EXPECT_EQ(MessagesOf(window.get()),
              (std::vector<UINT>{WM_NCCREATE, WM_CREATE, WM_SIZE, WM_MOVE}));
    EXPECT_FALSE(IsWindowVisible(window.get()));
}

TEST(Windows, APopupWindowsParentIsItsOwnerAndGoesFirstOnDestruction) {
    RecordedWindow owner(kRect);
    RecordedWindow keptOwned(kRect, WS_POPUP, 0, owner.get());
    EXPECT_EQ(GetWindow(keptOwned.get(), GW_OWNER), owner.get());
    EXPECT_EQ(GetWindow(owner.get(), GW_OWNER), nullptr);
    Forget();
    ASSERT_TRUE(DestroyWindow(owner.get()));
    std::vector<std::pair<HWND, UINT>> order;
    for (const auto& seen : conformance::Log()) {
        if (seen.msg == WM_DESTROY || seen.msg == WM_NCDESTROY)
            order.push_back({seen.hwnd, seen.msg});
    }
    EXPECT_EQ(order, (std::vector<std::pair<HWND, UINT>>{{keptOwned.get(), WM_DESTROY},
                                                         {keptOwned.get(), WM_NCDESTROY},
                                                         {owner.get(), WM_DESTROY},
                                                         {owner.get(), WM_NCDESTROY}}));
    EXPECT_FALSE(IsWindow(owner.get()));
    EXPECT_FALSE(IsWindow(keptOwned.get()));
}

struct ShowCase {
    const char* what;
    int command;
    bool visibleBefore;
    BOOL returned;
    std::vector<UINT> messages;
};

TEST(Windows, ShowWindowReturnsThePreviousVisibility) {
    const std::vector<UINT> shows = {WM_SHOWWINDOW, WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED};
    const std::vector<ShowCase> cases = {
        {"SW_SHOWNA, hidden", SW_SHOWNA, false, FALSE, shows},
        {"SW_SHOWNA, visible", SW_SHOWNA, true, TRUE, {WM_SHOWWINDOW, WM_WINDOWPOSCHANGING}},
        {"SW_SHOWNOACTIVATE, hidden", SW_SHOWNOACTIVATE, false, FALSE, shows},
        {"SW_SHOWNOACTIVATE, visible", SW_SHOWNOACTIVATE, true, TRUE, {}},
        {"SW_SHOW, hidden", SW_SHOW, false, FALSE, shows},
        {"SW_SHOW, visible", SW_SHOW, true, TRUE, {}},
        {"SW_SHOWNORMAL, hidden", SW_SHOWNORMAL, false, FALSE, shows},
        {"SW_SHOWNORMAL, visible", SW_SHOWNORMAL, true, TRUE, {}},
        {"SW_HIDE, visible", SW_HIDE, true, TRUE, shows},
        {"SW_HIDE, hidden", SW_HIDE, false, FALSE, {}},
    };
    for (const ShowCase& c : cases) {
        SCOPED_TRACE(c.what);
        RecordedWindow window(kRect, WS_POPUP, WS_EX_TOOLWINDOW);
        if (c.visibleBefore) ShowWindow(window.get(), SW_SHOWNA);
        Forget();
        EXPECT_EQ(ShowWindow(window.get(), c.command) != FALSE, c.returned != FALSE);
        EXPECT_EQ(IsWindowVisible(window.get()) != FALSE, c.command != SW_HIDE);
        EXPECT_EQ(MessagesOf(window.get()), c.messages);
    }
}

TEST(Windows, WmShowWindowCarriesTheNewVisibility) {
    RecordedWindow window(kRect, WS_POPUP, WS_EX_TOOLWINDOW);
    Forget();
    ShowWindow(window.get(), SW_SHOWNA);
    ShowWindow(window.get(), SW_HIDE);
    std::vector<WPARAM> states;
    for (const auto& seen : conformance::Log()) {
        if (seen.msg == WM_SHOWWINDOW) states.push_back(seen.wParam);
    }
    EXPECT_EQ(states, (std::vector<WPARAM>{TRUE, FALSE}));
}

TEST(Windows, TextStylesAndUserData) {
    RecordedWindow window(kRect, WS_POPUP | WS_CLIPCHILDREN, WS_EX_TOOLWINDOW | WS_EX_TOPMOST);
    HWND hwnd = window.get();
    Forget();
    EXPECT_TRUE(SetWindowTextW(hwnd, W(u"Quillet \u518d\u751f\u4e2d")));
    EXPECT_EQ(MessagesOf(hwnd), std::vector<UINT>{WM_SETTEXT}) << "the text goes by message";
    WCHAR text[32] = {};
    EXPECT_EQ(GetWindowTextW(hwnd, text, 32), 11);
    EXPECT_EQ(U(text), u"Quillet \u518d\u751f\u4e2d");
    EXPECT_EQ(GetWindowTextW(hwnd, text, 4), 3) << "cut to fit, with the terminator";
    EXPECT_EQ(U(text), u"Qui");

    EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE)) & (WS_POPUP | WS_CLIPCHILDREN),
              static_cast<DWORD>(WS_POPUP | WS_CLIPCHILDREN));
    EXPECT_EQ(GetWindowLongW(hwnd, GWL_EXSTYLE) & (WS_EX_TOOLWINDOW | WS_EX_TOPMOST),
              WS_EX_TOOLWINDOW | WS_EX_TOPMOST);

    int object = 0;
    EXPECT_EQ(GetWindowLongPtrW(hwnd, GWLP_USERDATA), 0);
    EXPECT_EQ(SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&object)), 0);
    EXPECT_EQ(GetWindowLongPtrW(hwnd, GWLP_USERDATA), reinterpret_cast<LONG_PTR>(&object));
}

TEST(Windows, APopupWindowIsAllClientArea) {
    RecordedWindow window(kRect, WS_POPUP, WS_EX_TOOLWINDOW);
    RECT rect{};
    ASSERT_TRUE(GetWindowRect(window.get(), &rect));
    EXPECT_EQ((std::vector<LONG>{rect.left, rect.top, rect.right, rect.bottom}),
              (std::vector<LONG>{100, 120, 190, 135}));
    ASSERT_TRUE(GetClientRect(window.get(), &rect));
    EXPECT_EQ((std::vector<LONG>{rect.left, rect.top, rect.right, rect.bottom}),
              (std::vector<LONG>{0, 0, 90, 15}));

    POINT point{105, 130};
    ASSERT_TRUE(ScreenToClient(window.get(), &point));
    EXPECT_EQ((std::vector<LONG>{point.x, point.y}), (std::vector<LONG>{5, 10}));
    ASSERT_TRUE(ClientToScreen(window.get(), &point));
    EXPECT_EQ((std::vector<LONG>{point.x, point.y}), (std::vector<LONG>{105, 130}));
}

TEST(Windows, WmCloseReachingDefWindowProcDestroysTheWindow) {
    RecordedWindow window(kRect);
    HWND hwnd = window.get();
    SendMessageW(hwnd, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(hwnd));
}

TEST(Windows, SetForegroundWindowMakesAShownWindowTheForegroundWindow) {
    RecordedWindow first(kRect, WS_POPUP, WS_EX_TOOLWINDOW);
    RecordedWindow second(RECT{300, 300, 400, 400}, WS_POPUP, WS_EX_TOOLWINDOW);
    ShowWindow(first.get(), SW_SHOW);
    ShowWindow(second.get(), SW_SHOW);
    EXPECT_TRUE(SetForegroundWindow(first.get()));
    EXPECT_EQ(GetForegroundWindow(), first.get());
    EXPECT_TRUE(SetForegroundWindow(second.get()));
    EXPECT_EQ(GetForegroundWindow(), second.get());
}

TEST(Windows, ShowingWithActivationMakesTheWindowTheForegroundWindow) {
    RecordedWindow window(kRect, WS_POPUP, WS_EX_TOOLWINDOW);
    ShowWindow(window.get(), SW_SHOW);
    EXPECT_EQ(GetForegroundWindow(), window.get());
}

TEST(Windows, CreatedVisibleItIsShownAfterCreation) {
    Forget();
    RecordedWindow window(kRect, WS_POPUP | WS_VISIBLE, WS_EX_TOOLWINDOW);
    EXPECT_TRUE(IsWindowVisible(window.get()));
    EXPECT_EQ(MessagesOf(window.get()),
              (std::vector<UINT>{WM_NCCREATE, WM_CREATE, WM_SIZE, WM_MOVE, WM_SHOWWINDOW,
                                 WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED}));
}

TEST(Windows, DestroyingAVisibleWindowHidesItFirst) {
    RecordedWindow window(kRect, WS_POPUP | WS_VISIBLE, WS_EX_TOOLWINDOW);
    HWND hwnd = window.get();
    Forget();
    DestroyWindow(hwnd);
    EXPECT_EQ(MessagesOf(hwnd), (std::vector<UINT>{WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED,
                                                   WM_DESTROY, WM_NCDESTROY}));
}

TEST(Windows, APopupWithDefaultPlacementHasNoSize) {
    HWND hwnd = CreateWindowExW(0, conformance::RecordingClass(), nullptr, WS_POPUP, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(hwnd, nullptr);
    RECT rect{1, 1, 1, 1};
    GetWindowRect(hwnd, &rect);
    EXPECT_EQ((std::vector<LONG>{rect.left, rect.top, rect.right, rect.bottom}),
              (std::vector<LONG>{0, 0, 0, 0}));
    DestroyWindow(hwnd);
}

TEST(Windows, AnEmptyCaptionedWindowHasAnEmptyClientArea) {
    RecordedWindow window(RECT{640, 512, 640, 512}, WS_POPUP | WS_CAPTION | WS_SYSMENU);
    RECT rect{1, 1, 1, 1};
    GetWindowRect(window.get(), &rect);
    EXPECT_EQ((std::vector<LONG>{rect.left, rect.top, rect.right, rect.bottom}),
              (std::vector<LONG>{640, 512, 640, 512}));
    GetClientRect(window.get(), &rect);
    EXPECT_EQ((std::vector<LONG>{rect.left, rect.top, rect.right, rect.bottom}),
              (std::vector<LONG>{0, 0, 0, 0}));
}

}  // namespace
