// Cursor display, double-click time, synthetic mouse events and the keyboard state. Included at the
// end of winsim/winapi.h, after the types it uses.
#pragma once

// Flags of mouse_event.
#define MOUSEEVENTF_LEFTDOWN 0x0002
#define MOUSEEVENTF_LEFTUP 0x0004
#define MOUSEEVENTF_RIGHTDOWN 0x0008
#define MOUSEEVENTF_RIGHTUP 0x0010

// Virtual keys the tests name.
#define VK_SHIFT 0x10
#define VK_CAPITAL 0x14
#define VK_NUMLOCK 0x90

using PBYTE = BYTE*;

int WINAPI ShowCursor(BOOL show);
UINT WINAPI GetDoubleClickTime();
BOOL WINAPI SetDoubleClickTime(UINT milliseconds);
void WINAPI mouse_event(DWORD flags, DWORD dx, DWORD dy, DWORD data, ULONG_PTR extraInfo);
BOOL WINAPI GetKeyboardState(PBYTE keyState);
BOOL WINAPI SetKeyboardState(PBYTE keyState);
