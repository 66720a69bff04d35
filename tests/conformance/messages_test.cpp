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

TEST(Messages, PostedMessagesComeInOrderAndTheQuitRequestAfterThem) {
    RecordedWindow window(kRect);
    conformance::Pump();
    PostQuitMessage(3);
    PostMessageW(window.get(), WM_USER, 1, 10);
    PostMessageW(window.get(), WM_USER + 1, 2, 20);

    MSG msg{};
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER)) << "a peek without removing leaves it";
    ASSERT_TRUE(GetMessageW(&msg, nullptr, 0, 0));
    EXPECT_EQ((std::vector<UINT_PTR>{msg.message, msg.wParam, static_cast<UINT_PTR>(msg.lParam)}),
              (std::vector<UINT_PTR>{WM_USER, 1, 10}));
    EXPECT_EQ(msg.hwnd, window.get());
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER + 1));
    EXPECT_FALSE(GetMessageW(&msg, nullptr, 0, 0)) << "WM_QUIT ends the loop";
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(msg.wParam, 3u);
    EXPECT_FALSE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
}

TEST(Messages, SendMessageCallsTheProcedureAtOnce) {
    RecordedWindow window(kRect);
    conformance::SetHandler([](HWND, UINT msg, WPARAM wParam, LPARAM, LRESULT* result) {
        if (msg != WM_USER + 2) return false;
        *result = static_cast<LRESULT>(wParam * 2);
        return true;
    });
    Forget();
    EXPECT_EQ(SendMessageW(window.get(), WM_USER + 2, 21, 0), 42);
    EXPECT_EQ(MessagesOf(window.get()), std::vector<UINT>{WM_USER + 2});
    MSG msg{};
    EXPECT_FALSE(PeekMessageW(&msg, window.get(), WM_USER + 2, WM_USER + 2, PM_NOREMOVE));
}

TEST(Messages, DispatchMessageHandsAPostedMessageToItsWindow) {
    RecordedWindow window(kRect);
    conformance::Pump();
    Forget();
    PostMessageW(window.get(), WM_COMMAND, 7, 0);
    EXPECT_TRUE(MessagesOf(window.get()).empty()) << "posting does not call the procedure";
    conformance::Pump();
    ASSERT_EQ(conformance::Log().size(), 1u);
    EXPECT_EQ(conformance::Log()[0].msg, static_cast<UINT>(WM_COMMAND));
    EXPECT_EQ(conformance::Log()[0].wParam, 7u);
}

TEST(DefaultProcedure, RightButtonUpBecomesAContextMenuAtTheScreenPoint) {
    RecordedWindow window(kRect);
    Forget();
    DefWindowProcW(window.get(), WM_RBUTTONUP, 0, MAKELPARAM(5, 6));
    ASSERT_EQ(MessagesOf(window.get()), std::vector<UINT>{WM_CONTEXTMENU});
    const auto& seen = conformance::Log()[0];
    EXPECT_EQ(seen.wParam, reinterpret_cast<WPARAM>(window.get()));
    EXPECT_EQ(GET_X_LPARAM(seen.lParam), 105);
    EXPECT_EQ(GET_Y_LPARAM(seen.lParam), 126);
}

TEST(DefaultProcedure, SetTextStoresTheText) {
    RecordedWindow window(kRect);
    EXPECT_EQ(DefWindowProcW(window.get(), WM_SETTEXT, 0,
                             reinterpret_cast<LPARAM>(W(u"\u505c\u6b62\u4e2d"))),
              TRUE);
    WCHAR text[8] = {};
    GetWindowTextW(window.get(), text, 8);
    EXPECT_EQ(U(text), u"\u505c\u6b62\u4e2d");
}

TEST(DefaultProcedure, PaintValidatesSoThatNoFurtherPaintComes) {
    RecordedWindow window(kRect, WS_POPUP, WS_EX_TOOLWINDOW);
    ShowWindow(window.get(), SW_SHOWNA);
    conformance::Pump();
    InvalidateRect(window.get(), nullptr, TRUE);
    PostMessageW(window.get(), WM_USER, 0, 0);
    MSG msg{};
    ASSERT_TRUE(PeekMessageW(&msg, window.get(), 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER)) << "posted messages come before painting";
    ASSERT_TRUE(PeekMessageW(&msg, window.get(), 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_PAINT));
    DispatchMessageW(&msg);
    EXPECT_FALSE(PeekMessageW(&msg, window.get(), WM_PAINT, WM_PAINT, PM_REMOVE));
}

TEST(Messages, NoneArePostedToAWindowThatIsGone) {
    HWND gone = RecordedWindow(kRect).get();
    EXPECT_FALSE(PostMessageW(gone, WM_USER, 0, 0));
    EXPECT_EQ(SendMessageW(gone, WM_GETTEXTLENGTH, 0, 0), 0);
}

}  // namespace
