// The documented values of the constants Quillet uses: the simulated declarations must carry
// the numbers that the platform's own headers do.
#include <gtest/gtest.h>

#include <vector>

#include "win/win.h"

namespace {

struct Constant {
    const char* name;
    long long value;
    long long documented;
};

#define PIN(name, documented) \
    Constant { #name, static_cast < long long>(name), documented }

TEST(Constants, HaveTheirDocumentedValues) {
    const std::vector<Constant> constants = {
        PIN(WM_CREATE, 0x0001),
        PIN(WM_DESTROY, 0x0002),
        PIN(WM_MOVE, 0x0003),
        PIN(WM_SIZE, 0x0005),
        PIN(WM_ACTIVATE, 0x0006),
        PIN(WM_SETTEXT, 0x000C),
        PIN(WM_GETTEXT, 0x000D),
        PIN(WM_GETTEXTLENGTH, 0x000E),
        PIN(WM_PAINT, 0x000F),
        PIN(WM_CLOSE, 0x0010),
        PIN(WM_QUIT, 0x0012),
        PIN(WM_ERASEBKGND, 0x0014),
        PIN(WM_SHOWWINDOW, 0x0018),
        PIN(WM_WINDOWPOSCHANGING, 0x0046),
        PIN(WM_WINDOWPOSCHANGED, 0x0047),
        PIN(WM_NOTIFY, 0x004E),
        PIN(WM_CONTEXTMENU, 0x007B),
        PIN(WM_NCCREATE, 0x0081),
        PIN(WM_NCDESTROY, 0x0082),
        PIN(WM_COMMAND, 0x0111),
        PIN(WM_SYSCOMMAND, 0x0112),
        PIN(WM_TIMER, 0x0113),
        PIN(WM_INITMENUPOPUP, 0x0117),
        PIN(WM_MOUSEMOVE, 0x0200),
        PIN(WM_LBUTTONDOWN, 0x0201),
        PIN(WM_LBUTTONUP, 0x0202),
        PIN(WM_LBUTTONDBLCLK, 0x0203),
        PIN(WM_RBUTTONDOWN, 0x0204),
        PIN(WM_RBUTTONUP, 0x0205),
        PIN(WM_CAPTURECHANGED, 0x0215),
        PIN(WM_USER, 0x0400),
        PIN(MM_MCINOTIFY, 0x03B9),
        PIN(MK_LBUTTON, 0x0001),
        PIN(MK_RBUTTON, 0x0002),
        PIN(WS_POPUP, 0x80000000LL),
        PIN(WS_VISIBLE, 0x10000000),
        PIN(WS_CLIPSIBLINGS, 0x04000000),
        PIN(WS_CLIPCHILDREN, 0x02000000),
        PIN(WS_CAPTION, 0x00C00000),
        PIN(WS_SYSMENU, 0x00080000),
        PIN(WS_MINIMIZEBOX, 0x00020000),
        PIN(WS_EX_TOPMOST, 0x00000008),
        PIN(WS_EX_TOOLWINDOW, 0x00000080),
        PIN(CW_USEDEFAULT, -2147483647LL - 1),
        PIN(GWL_STYLE, -16),
        PIN(GWL_EXSTYLE, -20),
        PIN(GWLP_USERDATA, -21),
        PIN(GW_OWNER, 4),
        PIN(SW_HIDE, 0),
        PIN(SW_SHOWNORMAL, 1),
        PIN(SW_SHOWNOACTIVATE, 4),
        PIN(SW_SHOW, 5),
        PIN(SW_SHOWNA, 8),
        PIN(SWP_NOSIZE, 0x0001),
        PIN(SWP_NOMOVE, 0x0002),
        PIN(SWP_NOZORDER, 0x0004),
        PIN(SWP_NOACTIVATE, 0x0010),
        PIN(SWP_SHOWWINDOW, 0x0040),
        PIN(SWP_HIDEWINDOW, 0x0080),
        PIN(SM_CXSCREEN, 0),
        PIN(SM_CYSCREEN, 1),
        PIN(CS_DBLCLKS, 0x0008),
        PIN(PM_NOREMOVE, 0),
        PIN(PM_REMOVE, 1),
        PIN(MB_OK, 0),
        PIN(MB_YESNO, 4),
        PIN(MB_ICONHAND, 0x10),
        PIN(MB_ICONERROR, 0x10),
        PIN(MB_ICONSTOP, 0x10),
        PIN(MB_ICONQUESTION, 0x20),
        PIN(IDOK, 1),
        PIN(IDCANCEL, 2),
        PIN(IDYES, 6),
        PIN(IDNO, 7),
        PIN(MF_STRING, 0),
        PIN(MF_UNCHECKED, 0),
        PIN(MF_BYCOMMAND, 0),
        PIN(MF_CHECKED, 0x0008),
        PIN(MF_POPUP, 0x0010),
        PIN(MF_BYPOSITION, 0x0400),
        PIN(MF_SEPARATOR, 0x0800),
        PIN(MFT_STRING, 0),
        PIN(MFT_SEPARATOR, 0x0800),
        PIN(MFS_CHECKED, 0x0008),
        PIN(MFS_UNCHECKED, 0),
        PIN(MIIM_STATE, 0x0001),
        PIN(MIIM_ID, 0x0002),
        PIN(MIIM_SUBMENU, 0x0004),
        PIN(MIIM_STRING, 0x0040),
        PIN(MIIM_FTYPE, 0x0100),
        PIN(TPM_LEFTALIGN, 0),
        PIN(TPM_RIGHTBUTTON, 0x0002),
        PIN(TPM_NONOTIFY, 0x0080),
        PIN(TPM_RETURNCMD, 0x0100),
        PIN(COLOR_WINDOWTEXT, 8),
        PIN(COLOR_BTNFACE, 15),
        PIN(COLOR_BTNSHADOW, 16),
        PIN(COLOR_BTNHIGHLIGHT, 20),
        PIN(COLOR_3DDKSHADOW, 21),
        PIN(COLOR_3DLIGHT, 22),
        PIN(TTS_ALWAYSTIP, 0x01),
        PIN(TTS_NOPREFIX, 0x02),
        PIN(TTF_IDISHWND, 0x0001),
        PIN(TTF_SUBCLASS, 0x0010),
        PIN(TTM_ACTIVATE, 0x0401),
        PIN(TTM_SETMAXTIPWIDTH, 0x0418),
        PIN(TTM_ADDTOOLW, 0x0432),
        PIN(TTM_DELTOOLW, 0x0433),
        PIN(TTM_UPDATETIPTEXTW, 0x0439),
        PIN(ICC_WIN95_CLASSES, 0x00FF),
        PIN(CP_ACP, 0),
    };
    for (const Constant& c : constants) EXPECT_EQ(c.value, c.documented) << c.name;
}

TEST(Constants, SpecialWindowHandlesAndResources) {
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(HWND_TOP), 0);
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(HWND_TOPMOST), -1);
    EXPECT_EQ(reinterpret_cast<ULONG_PTR>(IDC_ARROW), 32512u);
}

TEST(Constants, StructuresHaveThePlatformsSizes) {
    // 32-bit Windows, and 64-bit Windows (which the native build on a 64-bit machine matches).
    const bool narrow = sizeof(void*) == 4;
    EXPECT_EQ(sizeof(MSG), narrow ? 28u : 48u);
    EXPECT_EQ(sizeof(WNDCLASSEXW), narrow ? 48u : 80u);
    EXPECT_EQ(sizeof(CREATESTRUCTW), narrow ? 48u : 80u);
    EXPECT_EQ(sizeof(WINDOWPOS), narrow ? 28u : 40u);
    EXPECT_EQ(sizeof(PAINTSTRUCT), narrow ? 64u : 72u);
    EXPECT_EQ(sizeof(MENUITEMINFOW), narrow ? 48u : 80u);
    EXPECT_EQ(sizeof(TTTOOLINFOW), narrow ? 48u : 72u);
}

}  // namespace
