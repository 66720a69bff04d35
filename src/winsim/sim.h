// The test side of the simulated Windows: what a native test uses to set up the machine, to act
// as the user, and to see what the program did. Program code never includes this header.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "winsim/winapi.h"

namespace winsim {

// A fresh machine: no windows, menus or timers, clock at 0, screen 1280x1024, cursor at (0, 0),
// ANSI code page 932, a CD drive holding the default disc, no script, empty records.
void Reset();

// ---- Virtual clock -------------------------------------------------------------------------
// Milliseconds since Reset. It moves only while the program waits (an empty message queue, a
// modal message box or menu, a request that waits for the drive); nothing sleeps.
std::uint32_t Now();

// ---- Machine ---------------------------------------------------------------------------------
void SetScreenSize(int width, int height);
void SetAnsiCodePage(UINT codePage);  // 932 or 1252

// ---- The user --------------------------------------------------------------------------------
enum class Button { Left, Right };
// Moves the pointer; posts no message.
void MoveCursor(int x, int y);
// Moves the pointer there and posts the press and the release to the window under it, or to
// the window that holds the capture, as the real input system does. Returns false when no
// visible window lies under the point.
bool Click(int x, int y, Button button = Button::Left);
bool Press(int x, int y, Button button = Button::Left);
bool Release(int x, int y, Button button = Button::Left);

// ---- Script: what happens while the program waits ---------------------------------------------
// Runs `action` on the program's thread, from inside a wait, when the clock reaches `atMs`.
void At(std::uint32_t atMs, std::function<void()> action);
// The answer to the next message box, given `afterMs` after it opens. Timers keep firing
// while it is open.
void AnswerMessageBox(int button, std::uint32_t afterMs = 0);
// The choice in the next popup menu, given `afterMs` after it opens: a path of captions exactly
// as the menu holds them (with "&"). Each caption but the last opens a submenu; the owner gets
// WM_INITMENUPOPUP for it first. An empty path dismisses the menu.
void AnswerMenu(std::vector<std::u16string> path, std::uint32_t afterMs = 0);
// A wait with an empty queue and nothing scripted would last for ever (timers alone do not end
// it): the simulation then reports this through the failure hook and ends the process. Tests
// may replace the hook (for example to throw), which Reset restores to the default.
void SetFailureHook(std::function<void(const std::string& what)> hook);

// ---- What the program did --------------------------------------------------------------------
struct WindowInfo {
    HWND hwnd;
    std::u16string className;
    std::u16string text;
    DWORD style;
    DWORD exStyle;
    HWND owner;
    RECT rect;  // screen coordinates
    bool visible;
};
std::vector<WindowInfo> Windows();  // live top-level windows in creation order

struct MessageBoxRecord {
    HWND owner;
    std::u16string text;
    std::u16string caption;
    UINT type;
    int answer;
    std::uint32_t openedAt;
};
const std::vector<MessageBoxRecord>& MessageBoxes();

struct MenuItemRecord {
    std::u16string caption;  // empty for a separator
    bool separator;
    bool checked;
    std::vector<MenuItemRecord> submenu;  // empty unless it opens a submenu
};
struct MenuRecord {
    HWND owner;
    POINT at;
    std::vector<MenuItemRecord> items;  // as shown when the menu opened
    // Each submenu opened by the scripted path, as shown right after its WM_INITMENUPOPUP.
    std::vector<std::vector<MenuItemRecord>> openedSubmenus;
};
const std::vector<MenuRecord>& Menus();

// The tooltip text that would show with the pointer resting at a screen point, or empty.
std::u16string TooltipAt(int x, int y);

// Colour of a client pixel of a window as last painted (after any pending paint is done).
COLORREF Pixel(HWND hwnd, int x, int y);

// ---- The CD drive ----------------------------------------------------------------------------
struct Disc {
    std::vector<std::uint32_t> trackFrames;  // length of each track, 75 frames a second
};
// Default: a drive that can eject, holding a disc of 5 tracks of 3, 4, 5, 6 and 7 minutes.
void SetDisc(const Disc& disc);
void SetDriveCanEject(bool canEject);
void SetDrivePresent(bool present);  // no drive: opening "CDAudio" fails as on such a machine
void FailNextOpen(MCIERROR error);   // the next MCI_OPEN fails with this error
void RefuseRequests(bool refuse);    // every request to an open device fails
struct DriveState {
    bool open;  // an MCI device is open on the drive
    bool doorOpen;
    DWORD mode;      // MCI_MODE_*
    DWORD position;  // TMSF
};
DriveState Drive();
// Sets the drive's position directly (TMSF), as if the disc had played to there.
void SetDrivePosition(DWORD tmsf);

struct MciRecord {
    MCIDEVICEID device;
    UINT msg;
    DWORD_PTR flags;
    DWORD item;              // MCI_STATUS / MCI_GETDEVCAPS item
    DWORD track;             // MCI_STATUS with MCI_TRACK
    DWORD from;              // MCI_PLAY with MCI_FROM
    DWORD to;                // MCI_PLAY / MCI_SEEK with MCI_TO
    DWORD timeFormat;        // MCI_SET with MCI_SET_TIME_FORMAT
    std::string deviceType;  // MCI_OPEN with MCI_OPEN_TYPE
    MCIERROR result;
};
const std::vector<MciRecord>& MciRequests();

}  // namespace winsim

// The helper library's areas have test controls of their own.
#include "winsim/sim_drawing.h"
#include "winsim/sim_input.h"
#include "winsim/sim_profile.h"
#include "winsim/sim_system.h"
