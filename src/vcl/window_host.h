// A window whose messages go to a component. Every exception that a component lets out of its
// message handling is caught here and shown by the application object: no C++ exception ever
// unwinds through a frame of the window system.
#pragma once

#include "vcl/sysutils.h"
#include "win/win.h"

class TWindowHost {
  public:
    virtual LRESULT WindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) = 0;

  protected:
    ~TWindowHost() = default;
};

struct TWindowParams {
    const char* className;
    DWORD exStyle;
    DWORD style;
    RECT bounds;
    HWND owner;
    AnsiString text;
    HICON icon;
};

// Returns null when the window cannot be created.
HWND CreateHostWindow(TWindowHost* host, const TWindowParams& params);
// Later messages of the window no longer reach its host; then destroys it.
void DestroyHostWindow(HWND hwnd);
