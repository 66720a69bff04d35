#include <gtest/gtest.h>

#include "recorder.h"
#include "win/win.h"

namespace {

using conformance::RecordedWindow;
using conformance::W;

TEST(Tooltip, TakesWindowToolsOnceTheCommonControlsAreUp) {
    INITCOMMONCONTROLSEX init{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
    ASSERT_TRUE(InitCommonControlsEx(&init));
    RecordedWindow owner(RECT{10, 10, 100, 25}, WS_POPUP, WS_EX_TOOLWINDOW);
    HWND tooltip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                   WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner.get(),
                                   nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(tooltip, nullptr);
    EXPECT_EQ(GetWindow(tooltip, GW_OWNER), owner.get());

    TOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = owner.get();
    tool.uId = reinterpret_cast<UINT_PTR>(owner.get());
    tool.lpszText = const_cast<LPWSTR>(W(u"Quillet"));
    EXPECT_TRUE(SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool)));
    EXPECT_EQ(SendMessageW(tooltip, TTM_SETMAXTIPWIDTH, 0, 300), -1);
    EXPECT_EQ(SendMessageW(tooltip, TTM_SETMAXTIPWIDTH, 0, 200), 300);
    DestroyWindow(owner.get());
    EXPECT_FALSE(IsWindow(tooltip)) << "the tooltip goes with its owner";
}

}  // namespace
