// The system and drawing routines with the component library under them, on the real platform.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "util/system.h"
#include "vcl/bitmap.h"
#include "vcl/icon.h"
#include "vcl/registry.h"
#include "win/win.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

// Words that are not in the table call nothing; the others would shut the machine down.
TEST(SystemRoutines, UnknownShutDownWordsAreRefused) {
    for (const char* word : {"shutdown", "終了 ", "再起動する", "電源"}) {
        EXPECT_FALSE(ShutDownWindows(word)) << word;
    }
}

// The platform keeps "SystemRoot" below "Windows NT", not below "Windows": the routine's
// location holds no such value, and the levels it opens with full access all exist.
TEST(SystemRoutines, SystemRootFallsBackWhereTheValueIsAbsent) {
    HKEY key = nullptr;
    ASSERT_EQ(
        RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows", 0, KEY_ALL_ACCESS, &key),
        ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_EQ(GetSystemRoot(), "A:Windows");
}

class RegistryRoutines : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\QuilletRoutines", 0, nullptr,
                                  REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key_, nullptr),
                  ERROR_SUCCESS);
    }
    void TearDown() override {
        RegCloseKey(key_);
        RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\QuilletRoutines");
    }
    void Set(const char* name, DWORD type, const void* data, DWORD size) {
        ASSERT_EQ(RegSetValueExA(key_, name, 0, type, static_cast<const BYTE*>(data), size),
                  ERROR_SUCCESS);
    }
    HKEY key_ = nullptr;
};

TEST_F(RegistryRoutines, StringsAreReadAndOtherTypesRaise) {
    Set("Text", REG_SZ, "表示", 5);
    Set("Path", REG_EXPAND_SZ, "%SystemRoot%", 13);
    DWORD number = 31;
    Set("Number", REG_DWORD, &number, sizeof(number));
    EXPECT_EQ(RegReadString("QuilletRoutines", "Text"), "表示");
    EXPECT_EQ(RegReadString("quilletroutines", "PATH"), "%SystemRoot%");
    EXPECT_EQ(RegReadString("QuilletRoutines", "Missing"), "NULL");
    EXPECT_EQ(RegReadString("QuilletRoutinesMissing", "Text"), "NULL");
    EXPECT_EQ(RegReadString("\\Software\\QuilletRoutines", "Text"), "表示")
        << "a leading backslash starts from HKEY_CURRENT_USER itself";
    try {
        RegReadString("QuilletRoutines", "Number");
        ADD_FAILURE() << "no exception";
    } catch (const ERegistryException& e) {
        EXPECT_EQ(e.Message(), "'Number' のﾃﾞｰﾀ型が不正です");
    }
}

// The smallest rectangle of the bitmap's pixels that are not white.
RECT Painted(TBitmap& bitmap) {
    RECT r{bitmap.Width(), bitmap.Height(), 0, 0};
    for (int y = 0; y < bitmap.Height(); ++y) {
        for (int x = 0; x < bitmap.Width(); ++x) {
            if (GetPixel(bitmap.Canvas().Handle(), x, y) == kWhite) continue;
            r = RECT{std::min<LONG>(r.left, x), std::min<LONG>(r.top, y),
                     std::max<LONG>(r.right, x + 1), std::max<LONG>(r.bottom, y + 1)};
        }
    }
    return r;
}

TEST(DrawingRoutines, RotatedTextRunsUpwardAtNinetyDegreesAndAlongTheLineAtZero) {
    for (int angle : {0, 90}) {
        TBitmap bitmap;
        bitmap.SetSize(200, 200);
        bitmap.Canvas().Font().SetHeight(-20);
        DrawRotatedText(100, 100, angle, "Quillet", bitmap);
        RECT painted = Painted(bitmap);
        ASSERT_LT(painted.left, painted.right) << angle << ": nothing painted";
        int width = painted.right - painted.left, height = painted.bottom - painted.top;
        if (angle == 90) {
            EXPECT_GT(height, width);
            EXPECT_LE(painted.bottom, 101);
        } else {
            EXPECT_GT(width, height);
            EXPECT_GE(painted.top, 99);
        }
    }
}

// A 32x32 red icon made from two bitmaps.
HICON RedIcon() {
    TBitmap color;
    color.SetSize(32, 32);
    RECT all{0, 0, 32, 32};
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    FillRect(color.Canvas().Handle(), &all, red);
    DeleteObject(red);
    HBITMAP image = color.ReleaseHandle();
    HBITMAP mask = CreateBitmap(32, 32, 1, 1, nullptr);
    ICONINFO info{TRUE, 0, 0, mask, image};
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(mask);
    DeleteObject(image);
    return icon;
}

TEST(DrawingRoutines, AnIconCopiedToTheClipboardComesBackAsABitmapOfItsSize) {
    TIcon icon;
    icon.SetHandle(RedIcon());
    ASSERT_EQ(icon.Width(), 32);
    ASSERT_EQ(icon.Height(), 32);
    CopyGraphicToClipboard(icon);
    ASSERT_TRUE(OpenClipboard(nullptr));
    auto bitmap = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
    ASSERT_NE(bitmap, nullptr);
    BITMAP info{};
    ASSERT_NE(GetObjectA(bitmap, sizeof(info), &info), 0);
    EXPECT_EQ(info.bmWidth, 32);
    EXPECT_EQ(info.bmHeight, 32);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    EXPECT_EQ(GetPixel(dc, 16, 16), RGB(255, 0, 0));
    SelectObject(dc, old);
    DeleteDC(dc);
    EmptyClipboard();
    CloseClipboard();
}

}  // namespace
