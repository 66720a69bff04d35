#include <gtest/gtest.h>

#include <string>

#include "recorder.h"
#include "win/win.h"

namespace {

using conformance::U;
using conformance::W;

// A popup like the program's: two items, a submenu holding a separator and a caption, another.
struct Fixture {
    HMENU menu = CreatePopupMenu();
    HMENU track = CreatePopupMenu();

    Fixture() {
        AppendMenuW(menu, MF_STRING, 101, W(u"Pla&y"));
        AppendMenuW(track, MF_STRING, 201, W(u"&Next"));
        AppendMenuW(track, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(track, MF_STRING, 202, W(u"1"));
        AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(track), W(u"&Track"));
        AppendMenuW(menu, MF_STRING | MF_CHECKED, 102, W(u"&Button"));
    }
    ~Fixture() { DestroyMenu(menu); }
};

MENUITEMINFOW Ask(UINT mask) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = mask;
    return info;
}

TEST(Menus, ItemsReadBackAsAppended) {
    Fixture f;
    EXPECT_EQ(GetMenuItemCount(f.menu), 3);
    EXPECT_EQ(GetMenuItemCount(f.track), 3);

    MENUITEMINFOW info = Ask(MIIM_ID | MIIM_STATE | MIIM_FTYPE | MIIM_SUBMENU);
    ASSERT_TRUE(GetMenuItemInfoW(f.menu, 2, TRUE, &info));
    EXPECT_EQ(info.wID, 102u);
    EXPECT_EQ(info.fState & MFS_CHECKED, static_cast<UINT>(MFS_CHECKED));
    EXPECT_EQ(info.fType, static_cast<UINT>(MFT_STRING));
    EXPECT_EQ(info.hSubMenu, nullptr);

    info = Ask(MIIM_SUBMENU | MIIM_STATE);
    ASSERT_TRUE(GetMenuItemInfoW(f.menu, 1, TRUE, &info));
    EXPECT_EQ(info.hSubMenu, f.track);
    EXPECT_EQ(info.fState & MFS_CHECKED, 0u);

    info = Ask(MIIM_FTYPE);
    ASSERT_TRUE(GetMenuItemInfoW(f.track, 1, TRUE, &info));
    EXPECT_EQ(info.fType & MFT_SEPARATOR, static_cast<UINT>(MFT_SEPARATOR));
    EXPECT_FALSE(GetMenuItemInfoW(f.menu, 3, TRUE, &info)) << "past the last item";
}

TEST(Menus, TextComesBackWithItsLengthAndIsCutToTheBuffer) {
    Fixture f;
    MENUITEMINFOW info = Ask(MIIM_STRING);
    ASSERT_TRUE(GetMenuItemInfoW(f.menu, 0, TRUE, &info));
    EXPECT_EQ(info.cch, 5u) << "no buffer: the length alone";

    WCHAR text[16] = {};
    info = Ask(MIIM_STRING);
    info.dwTypeData = text;
    info.cch = 16;
    ASSERT_TRUE(GetMenuItemInfoW(f.menu, 0, TRUE, &info));
    EXPECT_EQ(U(text), u"Pla&y");
    EXPECT_EQ(info.cch, 5u);

    info.cch = 3;
    ASSERT_TRUE(GetMenuItemInfoW(f.menu, 0, TRUE, &info));
    EXPECT_EQ(U(text), u"Pl");
    EXPECT_EQ(info.cch, 2u);
}

TEST(Menus, ByCommandFindsItemsInsideSubmenus) {
    Fixture f;
    std::u16string caption = u"168100099";
    MENUITEMINFOW info = Ask(MIIM_STRING);
    info.dwTypeData = reinterpret_cast<LPWSTR>(caption.data());
    ASSERT_TRUE(SetMenuItemInfoW(f.menu, 202, FALSE, &info));

    WCHAR text[16] = {};
    info = Ask(MIIM_STRING);
    info.dwTypeData = text;
    info.cch = 16;
    ASSERT_TRUE(GetMenuItemInfoW(f.track, 2, TRUE, &info));
    EXPECT_EQ(U(text), u"168100099");
    EXPECT_FALSE(GetMenuItemInfoW(f.menu, 999, FALSE, &info));
}

TEST(Menus, SetItemInfoChangesStateAndId) {
    Fixture f;
    MENUITEMINFOW info = Ask(MIIM_STATE | MIIM_ID);
    info.fState = MFS_CHECKED;
    info.wID = 150;
    ASSERT_TRUE(SetMenuItemInfoW(f.menu, 0, TRUE, &info));
    info = Ask(MIIM_STATE);
    ASSERT_TRUE(GetMenuItemInfoW(f.menu, 150, FALSE, &info));
    EXPECT_EQ(info.fState & MFS_CHECKED, static_cast<UINT>(MFS_CHECKED));
}

TEST(Menus, CheckMenuItemReturnsThePreviousState) {
    Fixture f;
    EXPECT_EQ(CheckMenuItem(f.menu, 102, MF_BYCOMMAND | MF_UNCHECKED),
              static_cast<DWORD>(MF_CHECKED));
    EXPECT_EQ(CheckMenuItem(f.menu, 102, MF_BYCOMMAND | MF_CHECKED),
              static_cast<DWORD>(MF_UNCHECKED));
    EXPECT_EQ(CheckMenuItem(f.menu, 0, MF_BYPOSITION | MF_CHECKED),
              static_cast<DWORD>(MF_UNCHECKED));
    EXPECT_EQ(CheckMenuItem(f.menu, 201, MF_BYCOMMAND | MF_CHECKED),
              static_cast<DWORD>(MF_UNCHECKED))
        << "found in the submenu";
    EXPECT_EQ(CheckMenuItem(f.menu, 999, MF_BYCOMMAND | MF_CHECKED), static_cast<DWORD>(-1));
}

TEST(Menus, DestroyingAMenuDestroysItsSubmenus) {
    HMENU track = nullptr;
    {
        Fixture f;
        track = f.track;
    }
    EXPECT_EQ(GetMenuItemCount(track), -1);
}

}  // namespace
