// Rotated text, counted strings and the clipboard, with the component-library pieces under them.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <string>

#include "util/system.h"
#include "vcl/bitmap.h"
#include "vcl/icon.h"
#include "winsim/sim.h"

namespace {

class DrawingRoutinesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        winsim::Reset();
        baseline_ = winsim::LiveDrawingObjects();
    }
    void TearDown() override {
        EXPECT_EQ(winsim::LiveDrawingObjects(), baseline_) << "a drawing object was leaked";
    }

    static LOGFONTA RecordOf(HFONT font) {
        LOGFONTA record{};
        EXPECT_EQ(GetObjectA(font, sizeof(record), &record), static_cast<int>(sizeof(record)));
        return record;
    }

    // The clipboard's bitmap: its size, and the colour at a point.
    struct Held {
        int width = 0;
        int height = 0;
        COLORREF color = 0;
    };
    static Held Clipboard(int x, int y) {
        Held held;
        if (!OpenClipboard(nullptr)) return held;
        auto bitmap = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
        BITMAP info{};
        if (bitmap != nullptr && GetObjectA(bitmap, sizeof(info), &info) != 0) {
            held.width = info.bmWidth;
            held.height = info.bmHeight;
            HDC dc = CreateCompatibleDC(nullptr);
            HGDIOBJ old = SelectObject(dc, bitmap);
            held.color = GetPixel(dc, x, y);
            SelectObject(dc, old);
            DeleteDC(dc);
        }
        CloseClipboard();
        return held;
    }

    int baseline_ = 0;
};

TEST_F(DrawingRoutinesTest, TheRotatedFontRecord) {
    TBitmap bitmap;
    bitmap.SetSize(120, 120);
    bitmap.Canvas().Font().SetName("Arial");
    bitmap.Canvas().Font().SetHeight(-24);
    DrawRotatedText(10, 110, 90, "Quillet", bitmap);

    LOGFONTA expected{};
    expected.lfHeight = -24;
    expected.lfEscapement = 900;
    expected.lfCharSet = DEFAULT_CHARSET;
    std::strcpy(expected.lfFaceName, "Arial");
    LOGFONTA record = RecordOf(bitmap.Canvas().Font().Handle());
    EXPECT_EQ(std::memcmp(&record, &expected, sizeof(record)), 0)
        << "every other field is zero: escapement " << record.lfEscapement << ", weight "
        << record.lfWeight << ", face " << record.lfFaceName;
}

TEST_F(DrawingRoutinesTest, AnglesBecomeTenthsOfADegree) {
    struct Case {
        int angle;
        LONG escapement;
    };
    const Case cases[] = {{0, 0},
                          {90, 900},
                          {-45, -450},
                          {450, 900},
                          {-360, 0},
                          {INT_MAX, INT_MAX % 360 * 10},
                          {INT_MIN, INT_MIN % 360 * 10}};
    for (const Case& c : cases) {
        TBitmap bitmap;
        bitmap.SetSize(10, 10);
        DrawRotatedText(0, 0, c.angle, "x", bitmap);
        EXPECT_EQ(RecordOf(bitmap.Canvas().Font().Handle()).lfEscapement, c.escapement) << c.angle;
    }
}

TEST_F(DrawingRoutinesTest, TheCanvasFontKeepsTheTurnedFont) {
    TBitmap bitmap;
    bitmap.SetSize(200, 200);
    bitmap.Canvas().Font().SetHeight(-20);
    DrawRotatedText(100, 150, 90, "Quillet", bitmap);
    HFONT turned = bitmap.Canvas().Font().Handle();
    EXPECT_EQ(bitmap.Canvas().Font().Height(), -20);
    EXPECT_EQ(CountedToAnsiString(bitmap.Canvas().Font().Name()), "Tahoma");
    bitmap.Canvas().TextOut(10, 150, "later");
    EXPECT_EQ(bitmap.Canvas().Font().Handle(), turned);
    bitmap.Canvas().Font().SetHeight(-12);
    EXPECT_EQ(RecordOf(bitmap.Canvas().Font().Handle()).lfEscapement, 0)
        << "a changed font is upright again";
}

// Only the name's first 31 bytes fit the record.
TEST_F(DrawingRoutinesTest, ALongFontNameIsCutToTheRecord) {
    TBitmap bitmap;
    bitmap.SetSize(10, 10);
    bitmap.Canvas().Font().SetName(std::string(40, 'F'));
    DrawRotatedText(0, 0, 0, "x", bitmap);
    EXPECT_EQ(std::string(RecordOf(bitmap.Canvas().Font().Handle()).lfFaceName),
              std::string(31, 'F'));
}

TEST_F(DrawingRoutinesTest, TextAtNinetyDegreesRunsUpward) {
    TBitmap bitmap;
    bitmap.SetSize(200, 200);
    bitmap.Canvas().Font().SetHeight(-20);
    DrawRotatedText(100, 150, 90, "Quillet", bitmap);
    RECT painted{200, 200, 0, 0};
    for (int y = 0; y < 200; ++y) {
        for (int x = 0; x < 200; ++x) {
            if (GetPixel(bitmap.Canvas().Handle(), x, y) == RGB(255, 255, 255)) continue;
            painted =
                RECT{std::min<LONG>(painted.left, x), std::min<LONG>(painted.top, y),
                     std::max<LONG>(painted.right, x + 1), std::max<LONG>(painted.bottom, y + 1)};
        }
    }
    EXPECT_GT(painted.bottom - painted.top, painted.right - painted.left);
    EXPECT_LE(painted.bottom, 150);
    EXPECT_GE(painted.left, 100);
}

TEST_F(DrawingRoutinesTest, CountedStrings) {
    struct Case {
        std::string bytes;  // the length byte first
        std::string text;
    };
    const Case cases[] = {
        {std::string(1, '\0') + "ignored", ""},
        {"\x03"
         "abcdef",
         "abc"},
        {std::string("\x03"
                     "a\0b",
                     4),
         std::string("a\0b", 3)},  // a NUL is a character
        {"\x04"
         "表示",
         "表示"},
        {"\xFF" + std::string(255, 'z'), std::string(255, 'z')},
    };
    for (const Case& c : cases) {
        ShortString counted;
        std::memcpy(counted.bytes, c.bytes.data(), c.bytes.size());
        EXPECT_EQ(CountedToAnsiString(counted), c.text);
    }
}

TEST_F(DrawingRoutinesTest, AnIconReachesTheClipboardAsABitmapOfItsSize) {
    TIcon icon;
    icon.SetHandle(ExtractFileIcon(std::string(winsim::kSystemDirectory) + "\\shell32.dll", 0));
    ASSERT_EQ(icon.Width(), 32);
    ASSERT_EQ(icon.Height(), 32);
    CopyGraphicToClipboard(icon);
    Held held = Clipboard(16, 16);
    EXPECT_EQ(held.width, 32);
    EXPECT_EQ(held.height, 32);
    EXPECT_EQ(held.color, RGB(0, 0, 128)) << "the icon's own colour";
}

TEST_F(DrawingRoutinesTest, ABitmapReachesTheClipboardAsACopy) {
    {
        TBitmap bitmap;
        bitmap.SetSize(20, 10);
        SetPixel(bitmap.Canvas().Handle(), 19, 9, RGB(255, 0, 0));
        CopyGraphicToClipboard(bitmap);
    }
    Held held = Clipboard(19, 9);
    EXPECT_EQ(held.width, 20);
    EXPECT_EQ(held.height, 10);
    EXPECT_EQ(held.color, RGB(255, 0, 0)) << "the copy outlives the bitmap";
}

TEST_F(DrawingRoutinesTest, ABusyClipboardLeavesNothingBehind) {
    TBitmap bitmap;
    bitmap.SetSize(8, 8);
    winsim::HoldClipboard(true);
    CopyGraphicToClipboard(bitmap);
    winsim::HoldClipboard(false);
    EXPECT_EQ(Clipboard(0, 0).width, 0);
}

}  // namespace
