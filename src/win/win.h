// The one door to the Windows API. Everything above it is the same code on a real Windows
// (mingw-w64 build, run natively or under Wine) and in the native Linux build, where the
// simulated Windows in src/winsim stands in with the same names, signatures and values.
#pragma once

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
// <windows.h> must come before the headers that build on it.
// clang-format off
#include <windows.h>
#include <windowsx.h>
#include <commctrl.h>
#include <mmsystem.h>
#include <shellapi.h>
// clang-format on
#else
#include "winsim/winapi.h"
#endif
