// Cursor display, double-click time, synthetic mouse events and the keyboard state. Included at the end of winsim/winapi.h, after the types it uses.
#pragma once
