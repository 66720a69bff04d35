#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "win/win.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

// A screen-compatible bitmap selected into a memory context, painted white.
class Canvas {
  public:
    Canvas(int width, int height) : width_(width), height_(height) {
        HDC screen = GetDC(nullptr);
        dc_ = CreateCompatibleDC(screen);
        bitmap_ = CreateCompatibleBitmap(screen, width, height);
        ReleaseDC(nullptr, screen);
        old_ = SelectObject(dc_, bitmap_);
        RECT all{0, 0, width, height};
        HBRUSH white = CreateSolidBrush(kWhite);
        FillRect(dc_, &all, white);
        DeleteObject(white);
    }
    ~Canvas() {
        SelectObject(dc_, old_);
        DeleteDC(dc_);
        DeleteObject(bitmap_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    HDC dc() const { return dc_; }
    HBITMAP bitmap() const { return bitmap_; }

    // The smallest rectangle holding every pixel that is not white.
    RECT Painted() const {
        RECT r{width_, height_, 0, 0};
        for (int y = 0; y < height_; ++y) {
            for (int x = 0; x < width_; ++x) {
                if (GetPixel(dc_, x, y) == kWhite) continue;
                r = RECT{std::min<LONG>(r.left, x), std::min<LONG>(r.top, y),
                         std::max<LONG>(r.right, x + 1), std::max<LONG>(r.bottom, y + 1)};
            }
        }
        return r;
    }

  private:
    int width_;
    int height_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
};

LOGFONTA Font(int escapement) {
    LOGFONTA font{};
    font.lfHeight = -20;
    font.lfEscapement = escapement;
    font.lfCharSet = DEFAULT_CHARSET;
    std::strcpy(font.lfFaceName, "Tahoma");
    return font;
}

TEST(Fonts, AFontReadsBackTheRecordItWasMadeFrom) {
    LOGFONTA made = Font(900);
    HFONT font = CreateFontIndirectA(&made);
    ASSERT_NE(font, nullptr);
    LOGFONTA read{};
    EXPECT_EQ(GetObjectA(font, sizeof(read), &read), static_cast<int>(sizeof(LOGFONTA)));
    EXPECT_EQ(read.lfHeight, -20);
    EXPECT_EQ(read.lfEscapement, 900);
    EXPECT_EQ(read.lfOrientation, 0);
    EXPECT_EQ(read.lfWeight, FW_DONTCARE);
    EXPECT_EQ(read.lfCharSet, DEFAULT_CHARSET);
    EXPECT_STREQ(read.lfFaceName, "Tahoma");
    EXPECT_TRUE(DeleteObject(font));
}

TEST(Bitmaps, ABitmapReportsItsSize) {
    Canvas canvas(37, 21);
    BITMAP info{};
    ASSERT_EQ(GetObjectA(canvas.bitmap(), sizeof(info), &info), static_cast<int>(sizeof(info)));
    EXPECT_EQ(info.bmWidth, 37);
    EXPECT_EQ(info.bmHeight, 21);
}

TEST(Bitmaps, BitBltCopiesPixels) {
    Canvas from(10, 10), to(10, 10);
    SetPixel(from.dc(), 2, 3, RGB(255, 0, 0));
    EXPECT_TRUE(BitBlt(to.dc(), 4, 4, 10, 10, from.dc(), 0, 0, SRCCOPY));
    EXPECT_EQ(GetPixel(to.dc(), 6, 7), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(to.dc(), 3, 3), kWhite) << "outside the copied area";
}

TEST(Bitmaps, ABitmapDeletedWhileSelectedGoesWhenItIsDeselected) {
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 10, 10);
    HDC dc = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    EXPECT_TRUE(DeleteObject(bitmap));
    BITMAP info{};
    EXPECT_EQ(GetObjectA(bitmap, sizeof(info), &info), static_cast<int>(sizeof(info)));
    SelectObject(dc, old);
    EXPECT_EQ(GetObjectA(bitmap, sizeof(info), &info), 0);
    DeleteDC(dc);
}

// Text drawn with the font's escapement: at 0 degrees it runs along the line from the point,
// at 90 degrees upward from it.
TEST(Text, EscapementTurnsTheTextCounterClockwise) {
    struct Case {
        int escapement;
        bool runsUpward;
    };
    for (Case c : {Case{0, false}, Case{900, true}}) {
        Canvas canvas(200, 200);
        LOGFONTA record = Font(c.escapement);
        HFONT font = CreateFontIndirectA(&record);
        HGDIOBJ old = SelectObject(canvas.dc(), font);
        SetBkMode(canvas.dc(), TRANSPARENT);
        SetTextColor(canvas.dc(), kBlack);
        ASSERT_TRUE(TextOutA(canvas.dc(), 100, 100, "Quillet", 7));
        SelectObject(canvas.dc(), old);
        DeleteObject(font);
        RECT painted = canvas.Painted();
        ASSERT_LT(painted.left, painted.right) << c.escapement << ": nothing painted";
        int width = painted.right - painted.left, height = painted.bottom - painted.top;
        if (c.runsUpward) {
            EXPECT_GT(height, width) << c.escapement;
            EXPECT_LE(painted.bottom, 101) << "it runs up from the point";
            EXPECT_GE(painted.left, 98);
        } else {
            EXPECT_GT(width, height) << c.escapement;
            EXPECT_GE(painted.top, 99) << "it hangs below the point";
            EXPECT_GE(painted.left, 99);
        }
    }
}

// A 32x32 opaque icon of one colour.
HICON RedIcon() {
    HDC screen = GetDC(nullptr);
    HBITMAP color = CreateCompatibleBitmap(screen, 32, 32);
    HDC dc = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, color);
    RECT all{0, 0, 32, 32};
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    FillRect(dc, &all, red);
    DeleteObject(red);
    SelectObject(dc, old);
    DeleteDC(dc);
    HBITMAP mask = CreateBitmap(32, 32, 1, 1, nullptr);  // all zero: every pixel is the icon's
    ICONINFO info{TRUE, 0, 0, mask, color};
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(mask);
    DeleteObject(color);
    return icon;
}

TEST(Icons, AnIconKnowsItsSizeAndDrawsOntoABitmap) {
    HICON icon = RedIcon();
    ASSERT_NE(icon, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP color{};
    GetObjectA(info.hbmColor, sizeof(color), &color);
    EXPECT_EQ(color.bmWidth, 32);
    EXPECT_EQ(color.bmHeight, 32);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    Canvas canvas(40, 40);
    EXPECT_TRUE(DrawIconEx(canvas.dc(), 4, 4, icon, 0, 0, 0, nullptr, DI_NORMAL));
    EXPECT_EQ(GetPixel(canvas.dc(), 4, 4), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(canvas.dc(), 35, 35), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(canvas.dc(), 36, 36), kWhite) << "drawn at its own size";
    EXPECT_TRUE(DestroyIcon(icon));
}

TEST(Clipboard, ABitmapPutThereComesBackWithItsSize) {
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 32, 32);
    ReleaseDC(nullptr, screen);
    ASSERT_TRUE(OpenClipboard(nullptr));
    EXPECT_TRUE(EmptyClipboard());
    EXPECT_EQ(SetClipboardData(CF_BITMAP, bitmap), bitmap);  // the clipboard owns it now
    EXPECT_TRUE(CloseClipboard());

    ASSERT_TRUE(OpenClipboard(nullptr));
    auto held = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
    ASSERT_NE(held, nullptr);
    BITMAP info{};
    ASSERT_EQ(GetObjectA(held, sizeof(info), &info), static_cast<int>(sizeof(info)));
    EXPECT_EQ(info.bmWidth, 32);
    EXPECT_EQ(info.bmHeight, 32);
    EXPECT_TRUE(EmptyClipboard());
    EXPECT_TRUE(CloseClipboard());
}

TEST(Clipboard, TheThreadThatHasItOpenMayOpenItAgainAndOneCloseClosesIt) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EXPECT_TRUE(OpenClipboard(nullptr));
    EXPECT_TRUE(CloseClipboard());
    EXPECT_FALSE(CloseClipboard());
}

TEST(Clipboard, NothingCanBeSetOrReadWhileItIsClosed) {
    EXPECT_EQ(GetClipboardData(CF_BITMAP), nullptr);
    EXPECT_FALSE(CloseClipboard());
}

}  // namespace
