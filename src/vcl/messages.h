// The window-message record that a component's Dispatch receives.
#pragma once

#include "win/win.h"

struct TMessage {
    UINT Msg;
    WPARAM WParam;
    LPARAM LParam;
    LRESULT Result;
};
