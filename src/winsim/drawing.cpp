// Fonts, bitmaps, memory device contexts, icons and the clipboard. Text is drawn with block
// glyphs, one cell per byte, turned by the font's escapement about the reference point: enough
// to see where text lands and which way it runs, as the conformance suite checks on the real
// platform.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <set>
#include <utility>
#include <vector>

#include "winsim/detail.h"
#include "winsim/drawing_objects.h"
#include "winsim/handles.h"
#include "winsim/reset_parts.h"
#include "winsim/sim.h"

namespace winsim {
namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr int kDefaultFontHeight = 16;
constexpr int kColorBits = 32;  // the depth of the screen

struct Bitmap {
    int width = 0;
    int height = 0;
    int bits = kColorBits;
    std::vector<COLORREF> pixels;
    HDC selectedIn = nullptr;
    bool stock = false;
    bool onClipboard = false;
};

struct Memory {
    HBITMAP bitmap;
    HFONT font;
    COLORREF textColor = kBlack;
    int bkMode = OPAQUE;
};

struct Icon {
    int width;
    int height;
    std::vector<COLORREF> color;
    std::vector<COLORREF> mask;  // white where the background shows through
};

std::map<HBITMAP, Bitmap> bitmaps;
std::map<HFONT, LOGFONTA> fonts;
std::map<HDC, Memory> memories;
std::map<HICON, Icon> icons;
HBITMAP stockBitmap = nullptr;  // the 1x1 monochrome bitmap of a fresh memory context
// Deleted while a context still held them: they go when the last context lets them go.
std::set<HGDIOBJ> pendingDeletion;
HFONT stockFont = nullptr;  // the system font of a fresh context

struct Clipboard {
    bool open = false;
    bool held = false;
    std::map<UINT, HANDLE> data;
} clipboard;

// A one-bit bitmap keeps white where the colour is the background colour, black elsewhere.
void Store(Bitmap& bitmap, int x, int y, COLORREF color) {
    if (bitmap.bits == 1) color = (color & 0xFFFFFF) == kWhite ? kWhite : kBlack;
    bitmap.pixels[static_cast<std::size_t>(y) * bitmap.width + x] = color & 0xFFFFFF;
}

COLORREF Load(const Bitmap& bitmap, int x, int y) {
    return bitmap.pixels[static_cast<std::size_t>(y) * bitmap.width + x];
}

HBITMAP NewBitmap(int width, int height, int bits) {
    HBITMAP handle = detail::NewHandle<HBITMAP>();
    Bitmap& bitmap = bitmaps[handle];
    bitmap.width = width;
    bitmap.height = height;
    bitmap.bits = bits;
    // A new bitmap is black.
    bitmap.pixels.assign(static_cast<std::size_t>(width) * height, kBlack);
    return handle;
}

HBITMAP StockBitmap() {
    if (stockBitmap == nullptr) {
        stockBitmap = NewBitmap(1, 1, 1);
        bitmaps[stockBitmap].stock = true;
    }
    return stockBitmap;
}

HFONT StockFont() {
    if (stockFont == nullptr) {
        stockFont = detail::NewHandle<HFONT>();
        LOGFONTA system{};
        system.lfHeight = kDefaultFontHeight;
        std::strcpy(system.lfFaceName, "System");
        fonts[stockFont] = system;
    }
    return stockFont;
}

Memory* MemoryOf(HDC dc) {
    auto found = memories.find(dc);
    return found != memories.end() ? &found->second : nullptr;
}

Bitmap* BitmapOf(HGDIOBJ object) {
    auto found = bitmaps.find(static_cast<HBITMAP>(object));
    return found != bitmaps.end() ? &found->second : nullptr;
}

Bitmap* SelectedBitmap(HDC dc) {
    Memory* memory = MemoryOf(dc);
    return memory != nullptr ? BitmapOf(memory->bitmap) : nullptr;
}

bool Inside(const Bitmap& bitmap, int x, int y) {
    return x >= 0 && y >= 0 && x < bitmap.width && y < bitmap.height;
}

std::vector<COLORREF> PixelsOf(HBITMAP handle, int width, int height, COLORREF missing) {
    std::vector<COLORREF> pixels(static_cast<std::size_t>(width) * height, missing);
    const Bitmap* bitmap = BitmapOf(handle);
    if (bitmap == nullptr) return pixels;
    for (int y = 0; y < std::min(height, bitmap->height); ++y) {
        for (int x = 0; x < std::min(width, bitmap->width); ++x) {
            pixels[static_cast<std::size_t>(y) * width + x] = Load(*bitmap, x, y);
        }
    }
    return pixels;
}

HBITMAP BitmapFromPixels(int width, int height, int bits, const std::vector<COLORREF>& pixels) {
    HBITMAP handle = NewBitmap(width, height, bits);
    bitmaps[handle].pixels = pixels;
    return handle;
}

// Whether a point of a glyph cell, measured from the cell's top-left corner, is ink.
bool Ink(char byte, int column, int row, int cell, int height) {
    if (byte == ' ') return false;
    int margin = cell > 2 ? 1 : 0;
    return column >= margin && column < cell - margin && row >= height / 4 &&
           row < height - height / 8;
}

void DrawText(const Memory& memory, Bitmap& bitmap, int x, int y, const char* text, int length) {
    const LOGFONTA& font = fonts.count(memory.font) != 0 ? fonts[memory.font] : fonts[StockFont()];
    const int height = font.lfHeight == 0 ? kDefaultFontHeight : std::abs(font.lfHeight);
    const int cell = std::max(1, height / 2);
    const int width = cell * length;
    const double angle = font.lfEscapement * 3.14159265358979323846 / 1800.0;
    const double c = std::cos(angle), s = std::sin(angle);
    // The text runs along (c, -s) from the reference point, its top-left corner, and its cells
    // hang along (s, c): a positive escapement turns it counter-clockwise on the screen.
    double xs[4], ys[4];
    int corner = 0;
    for (int u : {0, width}) {
        for (int v : {0, height}) {
            xs[corner] = x + u * c + v * s;
            ys[corner] = y - u * s + v * c;
            ++corner;
        }
    }
    int left = static_cast<int>(std::floor(*std::min_element(xs, xs + 4)));
    int right = static_cast<int>(std::ceil(*std::max_element(xs, xs + 4)));
    int top = static_cast<int>(std::floor(*std::min_element(ys, ys + 4)));
    int bottom = static_cast<int>(std::ceil(*std::max_element(ys, ys + 4)));
    for (int py = std::max(top, 0); py < std::min(bottom, bitmap.height); ++py) {
        for (int px = std::max(left, 0); px < std::min(right, bitmap.width); ++px) {
            double dx = px + 0.5 - x, dy = py + 0.5 - y;
            double u = dx * c - dy * s, v = dx * s + dy * c;
            if (u < 0 || v < 0 || u >= width || v >= height) continue;
            int index = static_cast<int>(u) / cell;
            if (Ink(text[index], static_cast<int>(u) % cell, static_cast<int>(v), cell, height)) {
                Store(bitmap, px, py, memory.textColor);
            } else if (memory.bkMode == OPAQUE) {
                Store(bitmap, px, py, kWhite);
            }
        }
    }
}

bool Deselected(HGDIOBJ object) {
    for (const auto& [dc, memory] : memories) {
        if (memory.bitmap == object || memory.font == object) return false;
    }
    return true;
}

void Erase(HGDIOBJ object) {
    bitmaps.erase(static_cast<HBITMAP>(object));
    fonts.erase(static_cast<HFONT>(object));
}

// An object a context no longer holds, deleted meanwhile, goes now.
void LetGo(HGDIOBJ object) {
    if (pendingDeletion.count(object) == 0 || !Deselected(object)) return;
    pendingDeletion.erase(object);
    Erase(object);
}

}  // namespace

int LiveDrawingObjects() {
    int live = static_cast<int>(memories.size() + icons.size());
    for (const auto& [handle, bitmap] : bitmaps) {
        if (!bitmap.stock && !bitmap.onClipboard) ++live;
    }
    for (const auto& [handle, font] : fonts) {
        if (handle != stockFont) ++live;
    }
    return live;
}

void HoldClipboard(bool held) { clipboard.held = held; }

namespace detail {

bool MemorySurface(HDC dc, Surface* surface) {
    Bitmap* bitmap = SelectedBitmap(dc);
    if (bitmap == nullptr) return false;
    *surface = Surface{bitmap->pixels.data(), bitmap->width, bitmap->height};
    return true;
}

BOOL DeleteDrawingObject(HGDIOBJ object) {
    if (object == stockBitmap || object == stockFont) return TRUE;  // stock objects stay
    if (bitmaps.count(static_cast<HBITMAP>(object)) == 0 &&
        fonts.count(static_cast<HFONT>(object)) == 0) {
        return FALSE;
    }
    // As under Wine, an object still in a context is deleted once the context lets it go.
    if (!Deselected(object)) {
        pendingDeletion.insert(object);
        return TRUE;
    }
    Erase(object);
    return TRUE;
}

HICON NewIcon(int width, int height, COLORREF color) {
    HICON handle = NewHandle<HICON>();
    auto size = static_cast<std::size_t>(width) * height;
    icons[handle] = Icon{width, height, std::vector<COLORREF>(size, color),
                         std::vector<COLORREF>(size, kBlack)};
    return handle;
}

void ResetDrawing() {
    bitmaps.clear();
    fonts.clear();
    memories.clear();
    icons.clear();
    stockBitmap = nullptr;
    stockFont = nullptr;
    pendingDeletion.clear();
    clipboard = Clipboard{};
}

}  // namespace detail
}  // namespace winsim

using winsim::bitmaps;
using winsim::fonts;
using winsim::icons;
using winsim::memories;

HDC WINAPI CreateCompatibleDC(HDC) {
    HDC dc = winsim::detail::NewHandle<HDC>();
    HBITMAP bitmap = winsim::StockBitmap();
    bitmaps[bitmap].selectedIn = dc;
    memories[dc] = winsim::Memory{bitmap, winsim::StockFont()};
    return dc;
}

BOOL WINAPI DeleteDC(HDC dc) {
    winsim::Memory* memory = winsim::MemoryOf(dc);
    if (memory == nullptr) return FALSE;
    if (winsim::Bitmap* bitmap = winsim::BitmapOf(memory->bitmap)) bitmap->selectedIn = nullptr;
    HGDIOBJ bitmap = memory->bitmap, font = memory->font;
    memories.erase(dc);
    winsim::LetGo(bitmap);
    winsim::LetGo(font);
    return TRUE;
}

HGDIOBJ WINAPI SelectObject(HDC dc, HGDIOBJ object) {
    winsim::Memory* memory = winsim::MemoryOf(dc);
    if (memory == nullptr) return nullptr;
    if (fonts.count(static_cast<HFONT>(object)) != 0) {
        HFONT old = std::exchange(memory->font, static_cast<HFONT>(object));
        winsim::LetGo(old);
        return old;
    }
    winsim::Bitmap* bitmap = winsim::BitmapOf(object);
    // A bitmap can be selected into one memory context at a time (the stock one into any).
    if (bitmap == nullptr || (bitmap->selectedIn != nullptr && !bitmap->stock)) return nullptr;
    if (winsim::Bitmap* old = winsim::BitmapOf(memory->bitmap)) old->selectedIn = nullptr;
    bitmap->selectedIn = dc;
    HBITMAP old = std::exchange(memory->bitmap, static_cast<HBITMAP>(object));
    winsim::LetGo(old);
    return old;
}

HBITMAP WINAPI CreateCompatibleBitmap(HDC dc, int width, int height) {
    if (width <= 0 || height <= 0) return winsim::NewBitmap(1, 1, 1);
    // A memory context is compatible with the bitmap it holds; any other with the screen.
    const winsim::Bitmap* held = winsim::SelectedBitmap(dc);
    return winsim::NewBitmap(width, height, held != nullptr ? held->bits : winsim::kColorBits);
}

HBITMAP WINAPI CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel,
                            const void* bits) {
    if (bits != nullptr) winsim::detail::Fail("CreateBitmap with initial bits is not modelled");
    if (width <= 0 || height <= 0 || planes != 1) return nullptr;
    return winsim::NewBitmap(width, height, bitsPerPixel == 1 ? 1 : winsim::kColorBits);
}

int WINAPI GetObjectA(HGDIOBJ object, int size, LPVOID buffer) {
    if (const winsim::Bitmap* bitmap = winsim::BitmapOf(object)) {
        if (buffer == nullptr) return sizeof(BITMAP);
        if (size < static_cast<int>(sizeof(BITMAP))) return 0;
        BITMAP info{};
        info.bmWidth = bitmap->width;
        info.bmHeight = bitmap->height;
        info.bmWidthBytes = (bitmap->width * bitmap->bits + 15) / 16 * 2;
        info.bmPlanes = 1;
        info.bmBitsPixel = static_cast<WORD>(bitmap->bits);
        std::memcpy(buffer, &info, sizeof(info));
        return sizeof(BITMAP);
    }
    auto font = fonts.find(static_cast<HFONT>(object));
    if (font == fonts.end()) return 0;
    if (buffer == nullptr) return sizeof(LOGFONTA);
    int copied = std::min(size, static_cast<int>(sizeof(LOGFONTA)));
    if (copied <= 0) return 0;
    std::memcpy(buffer, &font->second, static_cast<std::size_t>(copied));
    return copied;
}

BOOL WINAPI BitBlt(HDC dest, int x, int y, int width, int height, HDC source, int sourceX,
                   int sourceY, DWORD rop) {
    if (rop != SRCCOPY) winsim::detail::Fail("BitBlt supports SRCCOPY only");
    winsim::Bitmap* to = winsim::SelectedBitmap(dest);
    const winsim::Bitmap* from = winsim::SelectedBitmap(source);
    if (to == nullptr || from == nullptr) return FALSE;
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            int fromX = sourceX + column, fromY = sourceY + row;
            int toX = x + column, toY = y + row;
            if (!winsim::Inside(*from, fromX, fromY) || !winsim::Inside(*to, toX, toY)) continue;
            winsim::Store(*to, toX, toY, winsim::Load(*from, fromX, fromY));
        }
    }
    return TRUE;
}

HFONT WINAPI CreateFontIndirectA(const LOGFONTA* font) {
    if (font == nullptr) return nullptr;
    HFONT handle = winsim::detail::NewHandle<HFONT>();
    LOGFONTA& stored = fonts[handle] = *font;
    stored.lfFaceName[LF_FACESIZE - 1] = '\0';
    return handle;
}

BOOL WINAPI TextOutA(HDC dc, int x, int y, LPCSTR text, int length) {
    winsim::Memory* memory = winsim::MemoryOf(dc);
    winsim::Bitmap* bitmap = winsim::SelectedBitmap(dc);
    if (memory == nullptr || bitmap == nullptr || text == nullptr || length < 0) return FALSE;
    winsim::DrawText(*memory, *bitmap, x, y, text, length);
    return TRUE;
}

COLORREF WINAPI SetTextColor(HDC dc, COLORREF color) {
    winsim::Memory* memory = winsim::MemoryOf(dc);
    if (memory == nullptr) return 0xFFFFFFFF;  // CLR_INVALID
    return std::exchange(memory->textColor, color & 0xFFFFFF);
}

int WINAPI SetBkMode(HDC dc, int mode) {
    winsim::Memory* memory = winsim::MemoryOf(dc);
    if (memory == nullptr || (mode != OPAQUE && mode != TRANSPARENT)) return 0;
    return std::exchange(memory->bkMode, mode);
}

HICON WINAPI CreateIconIndirect(ICONINFO* info) {
    if (info == nullptr) return nullptr;
    const winsim::Bitmap* color = winsim::BitmapOf(info->hbmColor);
    if (color == nullptr || winsim::BitmapOf(info->hbmMask) == nullptr) return nullptr;
    // The icon keeps copies: the caller still owns both bitmaps.
    HICON handle = winsim::detail::NewHandle<HICON>();
    icons[handle] =
        winsim::Icon{color->width, color->height, color->pixels,
                     winsim::PixelsOf(info->hbmMask, color->width, color->height, winsim::kBlack)};
    return handle;
}

BOOL WINAPI GetIconInfo(HICON icon, ICONINFO* info) {
    auto found = icons.find(icon);
    if (found == icons.end() || info == nullptr) return FALSE;
    const winsim::Icon& i = found->second;
    // Fresh bitmaps, which the caller deletes.
    *info = ICONINFO{TRUE, static_cast<DWORD>(i.width / 2), static_cast<DWORD>(i.height / 2),
                     winsim::BitmapFromPixels(i.width, i.height, 1, i.mask),
                     winsim::BitmapFromPixels(i.width, i.height, winsim::kColorBits, i.color)};
    return TRUE;
}

BOOL WINAPI DestroyIcon(HICON icon) { return icons.erase(icon) != 0 ? TRUE : FALSE; }

BOOL WINAPI DrawIconEx(HDC dc, int x, int y, HICON icon, int width, int height, UINT, HBRUSH,
                       UINT flags) {
    auto found = icons.find(icon);
    winsim::Bitmap* bitmap = winsim::SelectedBitmap(dc);
    if (found == icons.end() || bitmap == nullptr) return FALSE;
    const winsim::Icon& i = found->second;
    if ((width != 0 && width != i.width) || (height != 0 && height != i.height) ||
        flags != DI_NORMAL) {
        winsim::detail::Fail("DrawIconEx is modelled at the icon's own size with DI_NORMAL only");
    }
    for (int row = 0; row < i.height; ++row) {
        for (int column = 0; column < i.width; ++column) {
            if (!winsim::Inside(*bitmap, x + column, y + row)) continue;
            auto at = static_cast<std::size_t>(row) * i.width + column;
            // The mask keeps the background where it is white; the image is laid over it.
            COLORREF under = i.mask[at] == winsim::kWhite
                                 ? winsim::Load(*bitmap, x + column, y + row)
                                 : winsim::kBlack;
            winsim::Store(*bitmap, x + column, y + row, under ^ i.color[at]);
        }
    }
    return TRUE;
}

BOOL WINAPI OpenClipboard(HWND) {
    // The one thread that has it open may open it again.
    if (winsim::clipboard.held) return FALSE;
    winsim::clipboard.open = true;
    return TRUE;
}

BOOL WINAPI CloseClipboard() { return std::exchange(winsim::clipboard.open, false) ? TRUE : FALSE; }

BOOL WINAPI EmptyClipboard() {
    if (!winsim::clipboard.open) return FALSE;
    // The clipboard frees what it held.
    for (const auto& [format, data] : winsim::clipboard.data) {
        if (format == CF_BITMAP) bitmaps.erase(static_cast<HBITMAP>(data));
    }
    winsim::clipboard.data.clear();
    return TRUE;
}

HANDLE WINAPI SetClipboardData(UINT format, HANDLE data) {
    if (!winsim::clipboard.open) return nullptr;
    if (format != CF_BITMAP) winsim::detail::Fail("only CF_BITMAP is modelled on the clipboard");
    winsim::Bitmap* bitmap = winsim::BitmapOf(data);
    if (bitmap == nullptr) return nullptr;
    HANDLE& slot = winsim::clipboard.data[format];
    if (slot != nullptr && slot != data) bitmaps.erase(static_cast<HBITMAP>(slot));
    bitmap->onClipboard = true;  // the clipboard owns it now
    slot = data;
    return data;
}

HANDLE WINAPI GetClipboardData(UINT format) {
    if (!winsim::clipboard.open) return nullptr;
    auto found = winsim::clipboard.data.find(format);
    return found != winsim::clipboard.data.end() ? found->second : nullptr;
}
