// The live windows, shared by the parts that act on them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "winsim/winapi.h"

namespace winsim::detail {

struct Window {
    HWND handle;
    std::u16string className;
    WNDPROC proc;
    HBRUSH background;
    std::u16string text;
    DWORD style;
    DWORD exStyle;
    HWND owner;
    RECT rect;  // screen coordinates; the client area is the whole window
    LONG_PTR userData;
    std::uint64_t zOrder;  // higher is nearer the top within the same topmost band
    bool destroying;
    // Painting: the client area's pixels and the bounding box of what still needs painting.
    std::vector<COLORREF> pixels;
    int pixelsWidth;
    int pixelsHeight;
    bool needsPaint;
    bool needsErase;
    RECT update;  // client coordinates
};

// Null for a handle that names no live window.
Window* FindWindow(HWND hwnd);
// Live windows in creation order.
std::vector<HWND> WindowHandles();
// The visible window on top at a screen point, or null.
HWND WindowAt(int x, int y);
std::uint64_t NextZOrder();
void SetForeground(HWND hwnd);
// Marks the whole client area for painting, background included.
void InvalidateAll(Window& window);
int Width(const RECT& rect);
int Height(const RECT& rect);
// Handles that must forget a window as it goes.
void ForgetWindowTimers(HWND hwnd);
void ForgetWindowInput(HWND hwnd);
void ForgetWindowTooltips(HWND hwnd);

}  // namespace winsim::detail
