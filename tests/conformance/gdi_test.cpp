#include <gtest/gtest.h>

#include "recorder.h"
#include "win/win.h"

namespace {

using conformance::RecordedWindow;

constexpr RECT kRect{200, 200, 290, 215};
constexpr COLORREF kInvalid = 0xFFFFFFFF;  // CLR_INVALID

COLORREF PixelOf(HWND hwnd, int x, int y) {
    HDC dc = GetDC(hwnd);
    COLORREF color = GetPixel(dc, x, y);
    ReleaseDC(hwnd, dc);
    return color;
}

void Fill(HWND hwnd, RECT rect, COLORREF color) {
    HDC dc = GetDC(hwnd);
    HBRUSH brush = CreateSolidBrush(color);
    EXPECT_NE(FillRect(dc, &rect, brush), 0);
    EXPECT_TRUE(DeleteObject(brush));
    ReleaseDC(hwnd, dc);
}

// A shown window, with the painting of its first showing done.
struct Shown {
    RecordedWindow window{kRect, WS_POPUP, WS_EX_TOOLWINDOW};
    Shown() {
        ShowWindow(window.get(), SW_SHOWNA);
        UpdateWindow(window.get());
        conformance::Pump();
    }
    HWND get() const { return window.get(); }
};

TEST(Gdi, FillRectPaintsItsRectangleOnly) {
    Shown window;
    Fill(window.get(), RECT{0, 0, 90, 15}, RGB(0, 0, 255));
    Fill(window.get(), RECT{15, 0, 30, 15}, RGB(255, 0, 0));
    EXPECT_EQ(PixelOf(window.get(), 14, 7), RGB(0, 0, 255));
    EXPECT_EQ(PixelOf(window.get(), 15, 0), RGB(255, 0, 0));
    EXPECT_EQ(PixelOf(window.get(), 29, 14), RGB(255, 0, 0));
    EXPECT_EQ(PixelOf(window.get(), 30, 14), RGB(0, 0, 255)) << "right and bottom are outside";
    EXPECT_EQ(PixelOf(window.get(), 90, 0), kInvalid) << "outside the client area";
}

TEST(Gdi, SetPixelReturnsTheColourSet) {
    Shown window;
    HDC dc = GetDC(window.get());
    EXPECT_EQ(SetPixel(dc, 3, 4, RGB(1, 2, 3)), RGB(1, 2, 3));
    EXPECT_EQ(GetPixel(dc, 3, 4), RGB(1, 2, 3));
    ReleaseDC(window.get(), dc);
}

TEST(Gdi, PaintingIsConfinedToTheInvalidatedArea) {
    Shown window;
    Fill(window.get(), RECT{0, 0, 90, 15}, RGB(0, 0, 255));
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    conformance::SetHandler([red](HWND hwnd, UINT msg, WPARAM, LPARAM, LRESULT* result) {
        if (msg != WM_PAINT) return false;
        PAINTSTRUCT paint{};
        HDC dc = BeginPaint(hwnd, &paint);
        RECT all{0, 0, 90, 15};
        FillRect(dc, &all, red);
        EndPaint(hwnd, &paint);
        *result = 0;
        return true;
    });
    RECT part{30, 0, 45, 15};
    InvalidateRect(window.get(), &part, FALSE);
    UpdateWindow(window.get());
    EXPECT_EQ(PixelOf(window.get(), 30, 0), RGB(255, 0, 0));
    EXPECT_EQ(PixelOf(window.get(), 44, 14), RGB(255, 0, 0));
    EXPECT_EQ(PixelOf(window.get(), 29, 0), RGB(0, 0, 255));
    EXPECT_EQ(PixelOf(window.get(), 45, 14), RGB(0, 0, 255));
    conformance::SetHandler(nullptr);
    DeleteObject(red);
}

// Wine's default scheme: a fresh prefix has no colours of its own.
TEST(Gdi, SystemColoursOfTheDefaultScheme) {
    EXPECT_EQ(GetSysColor(COLOR_WINDOWTEXT), RGB(0, 0, 0));
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), RGB(245, 245, 245));
    EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), RGB(166, 166, 166));
    EXPECT_EQ(GetSysColor(COLOR_BTNHIGHLIGHT), RGB(255, 255, 255));
    EXPECT_EQ(GetSysColor(COLOR_3DDKSHADOW), RGB(106, 106, 106));
    EXPECT_EQ(GetSysColor(COLOR_3DLIGHT), RGB(227, 227, 227));
}

TEST(Gdi, ASystemColourBrushPaintsItsColour) {
    Shown window;
    HDC dc = GetDC(window.get());
    RECT rect{0, 0, 5, 5};
    FillRect(dc, &rect, GetSysColorBrush(COLOR_BTNSHADOW));
    EXPECT_EQ(GetPixel(dc, 2, 2), GetSysColor(COLOR_BTNSHADOW));
    ReleaseDC(window.get(), dc);
}

LRESULT CALLBACK PlainProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

TEST(Gdi, TheClassBackgroundIsPaintedWhenTheWindowFirstShows) {
    static const HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = PlainProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = blue;
    windowClass.lpszClassName = conformance::W(u"QuilletConformanceBlue");
    RegisterClassExW(&windowClass);
    HWND hwnd =
        CreateWindowExW(WS_EX_TOOLWINDOW, windowClass.lpszClassName, nullptr, WS_POPUP, kRect.left,
                        kRect.top, 90, 15, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ShowWindow(hwnd, SW_SHOWNA);
    UpdateWindow(hwnd);
    EXPECT_EQ(PixelOf(hwnd, 0, 0), RGB(0, 0, 255));
    EXPECT_EQ(PixelOf(hwnd, 89, 14), RGB(0, 0, 255));
    DestroyWindow(hwnd);
}

}  // namespace
