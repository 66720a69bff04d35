// Painting: a pixel buffer per window's client area, device contexts that draw into it, brushes,
// and the system colours.
#include <algorithm>
#include <map>

#include "winsim/drawing_objects.h"
#include "winsim/handles.h"
#include "winsim/reset_parts.h"
#include "winsim/sim.h"
#include "winsim/window_table.h"

namespace winsim {
namespace {

constexpr COLORREF invalidColor = 0xFFFFFFFF;  // CLR_INVALID
constexpr COLORREF unpainted = RGB(255, 255, 255);

struct DeviceContext {
    HWND hwnd;
    RECT clip;  // client coordinates
};

std::map<HDC, DeviceContext> contexts;
std::map<HBRUSH, COLORREF> brushes;
std::map<int, HBRUSH> systemBrushes;  // shared for the life of the process, as stock objects

RECT Intersect(const RECT& a, const RECT& b) {
    RECT r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
           std::min(a.bottom, b.bottom)};
    if (r.left >= r.right || r.top >= r.bottom) return RECT{0, 0, 0, 0};
    return r;
}

bool IsEmpty(const RECT& r) { return r.left >= r.right || r.top >= r.bottom; }

RECT Client(const detail::Window& w) {
    return RECT{0, 0, detail::Width(w.rect), detail::Height(w.rect)};
}

// The buffer follows the client size; what was painted before stays where it was.
void FitPixels(detail::Window& w) {
    int width = detail::Width(w.rect), height = detail::Height(w.rect);
    if (width == w.pixelsWidth && height == w.pixelsHeight) return;
    std::vector<COLORREF> pixels(static_cast<std::size_t>(width) * height, unpainted);
    for (int y = 0; y < std::min(height, w.pixelsHeight); ++y) {
        for (int x = 0; x < std::min(width, w.pixelsWidth); ++x) {
            pixels[y * width + x] = w.pixels[y * w.pixelsWidth + x];
        }
    }
    w.pixels = std::move(pixels);
    w.pixelsWidth = width;
    w.pixelsHeight = height;
}

// The pixels a context draws into: a memory context's bitmap, or a window's buffer made ready.
struct Target {
    COLORREF* pixels = nullptr;
    int width = 0;
    RECT drawable{};  // where it may draw
    COLORREF& at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

bool TargetOf(HDC dc, Target* target) {
    detail::Surface memory{};
    if (detail::MemorySurface(dc, &memory)) {
        *target = Target{memory.pixels, memory.width, RECT{0, 0, memory.width, memory.height}};
        return true;
    }
    auto found = contexts.find(dc);
    if (found == contexts.end()) return false;
    detail::Window* w = detail::FindWindow(found->second.hwnd);
    if (w == nullptr) return false;
    FitPixels(*w);
    *target = Target{w->pixels.data(), w->pixelsWidth, Intersect(found->second.clip, Client(*w))};
    return true;
}

bool Inside(const RECT& r, int x, int y) {
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

COLORREF BrushColor(HBRUSH brush) {
    // A class background may name a system colour as its index plus one.
    auto value = reinterpret_cast<std::uintptr_t>(brush);
    if (value >= 1 && value <= COLOR_3DLIGHT + 1) return GetSysColor(static_cast<int>(value - 1));
    for (const auto& [index, stock] : systemBrushes) {
        if (stock == brush) return GetSysColor(index);
    }
    auto found = brushes.find(brush);
    return found != brushes.end() ? found->second : invalidColor;
}

HDC OpenContext(HWND hwnd, const RECT& clip) {
    HDC dc = detail::NewHandle<HDC>();
    contexts[dc] = DeviceContext{hwnd, clip};
    return dc;
}

}  // namespace

COLORREF Pixel(HWND hwnd, int x, int y) {
    UpdateWindow(hwnd);
    detail::Window* w = detail::FindWindow(hwnd);
    if (w == nullptr) return invalidColor;
    FitPixels(*w);
    if (!Inside(Client(*w), x, y)) return invalidColor;
    return w->pixels[y * w->pixelsWidth + x];
}

namespace detail {

void InvalidateAll(Window& window) { InvalidateRect(window.handle, nullptr, TRUE); }

void ResetGdi() {
    contexts.clear();
    brushes.clear();
}

}  // namespace detail
}  // namespace winsim

using winsim::detail::FindWindow;
using winsim::detail::Window;

BOOL WINAPI InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase) {
    Window* w = FindWindow(hwnd);
    if (w == nullptr) return FALSE;
    RECT client = winsim::Client(*w);
    RECT area = rect != nullptr ? winsim::Intersect(*rect, client) : client;
    if (winsim::IsEmpty(area)) return TRUE;
    if (w->needsPaint) {
        area = RECT{std::min(area.left, w->update.left), std::min(area.top, w->update.top),
                    std::max(area.right, w->update.right), std::max(area.bottom, w->update.bottom)};
    }
    w->update = area;
    w->needsPaint = true;
    w->needsErase = w->needsErase || erase;
    return TRUE;
}

BOOL WINAPI UpdateWindow(HWND hwnd) {
    Window* w = FindWindow(hwnd);
    if (w == nullptr) return FALSE;
    if (w->needsPaint && (w->style & WS_VISIBLE) != 0) SendMessageW(hwnd, WM_PAINT, 0, 0);
    return TRUE;
}

HDC WINAPI BeginPaint(HWND hwnd, LPPAINTSTRUCT paint) {
    Window* w = FindWindow(hwnd);
    if (w == nullptr || paint == nullptr) return nullptr;
    // Painting is confined to what needed it; beginning to paint validates it.
    RECT area = w->needsPaint ? w->update : RECT{0, 0, 0, 0};
    bool erase = w->needsErase;
    w->needsPaint = false;
    w->needsErase = false;
    *paint = PAINTSTRUCT{};
    paint->hdc = winsim::OpenContext(hwnd, area);
    paint->rcPaint = area;
    if (erase) {
        paint->fErase =
            SendMessageW(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(paint->hdc), 0) == 0;
    }
    return paint->hdc;
}

BOOL WINAPI EndPaint(HWND, const PAINTSTRUCT* paint) {
    if (paint == nullptr) return FALSE;
    winsim::contexts.erase(paint->hdc);
    return TRUE;
}

HDC WINAPI GetDC(HWND hwnd) {
    // The screen's context serves to make compatible bitmaps and contexts; nothing draws on it.
    if (hwnd == nullptr) return winsim::OpenContext(nullptr, RECT{0, 0, 0, 0});
    Window* w = FindWindow(hwnd);
    if (w == nullptr) return nullptr;
    return winsim::OpenContext(hwnd, winsim::Client(*w));
}

int WINAPI ReleaseDC(HWND, HDC dc) { return winsim::contexts.erase(dc) != 0 ? 1 : 0; }

int WINAPI FillRect(HDC dc, const RECT* rect, HBRUSH brush) {
    winsim::Target target;
    COLORREF color = winsim::BrushColor(brush);
    if (!winsim::TargetOf(dc, &target) || rect == nullptr || color == winsim::invalidColor) {
        return 0;
    }
    RECT area = winsim::Intersect(*rect, target.drawable);
    for (int y = area.top; y < area.bottom; ++y) {
        std::fill_n(&target.at(area.left, y), area.right - area.left, color);
    }
    return 1;
}

COLORREF WINAPI SetPixel(HDC dc, int x, int y, COLORREF color) {
    winsim::Target target;
    if (!winsim::TargetOf(dc, &target) || !winsim::Inside(target.drawable, x, y)) {
        return winsim::invalidColor;
    }
    target.at(x, y) = color & 0xFFFFFF;
    return color & 0xFFFFFF;
}

COLORREF WINAPI GetPixel(HDC dc, int x, int y) {
    winsim::Target target;
    if (!winsim::TargetOf(dc, &target) || !winsim::Inside(target.drawable, x, y)) {
        return winsim::invalidColor;
    }
    return target.at(x, y);
}

HBRUSH WINAPI CreateSolidBrush(COLORREF color) {
    HBRUSH brush = winsim::detail::NewHandle<HBRUSH>();
    winsim::brushes[brush] = color & 0xFFFFFF;
    return brush;
}

BOOL WINAPI DeleteObject(HGDIOBJ object) {
    auto brush = static_cast<HBRUSH>(object);
    for (const auto& [index, stock] : winsim::systemBrushes) {
        if (stock == brush) return TRUE;  // stock objects survive being deleted
    }
    if (winsim::brushes.erase(brush) != 0) return TRUE;
    return winsim::detail::DeleteDrawingObject(object);
}

// The default scheme of the reference platform (Wine 8), which the conformance suite pins.
DWORD WINAPI GetSysColor(int index) {
    switch (index) {
        case COLOR_WINDOWTEXT:
            return RGB(0, 0, 0);
        case COLOR_BTNFACE:
            return RGB(245, 245, 245);
        case COLOR_BTNSHADOW:
            return RGB(166, 166, 166);
        case COLOR_BTNHIGHLIGHT:
            return RGB(255, 255, 255);
        case COLOR_3DDKSHADOW:
            return RGB(106, 106, 106);
        case COLOR_3DLIGHT:
            return RGB(227, 227, 227);
        default:
            return 0;
    }
}

HBRUSH WINAPI GetSysColorBrush(int index) {
    auto found = winsim::systemBrushes.find(index);
    if (found != winsim::systemBrushes.end()) return found->second;
    return winsim::systemBrushes[index] = winsim::detail::NewHandle<HBRUSH>();
}
