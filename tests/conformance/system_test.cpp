#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "win/win.h"

namespace {

// Sakamoto's rule for the day of the week, 0 being Sunday.
int DayOfWeek(int year, int month, int day) {
    static const int offsets[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (month < 3) year -= 1;
    return (year + year / 4 - year / 100 + year / 400 + offsets[month - 1] + day) % 7;
}

TEST(LocalTime, FieldsAreInRangeAndTheWeekdayFitsTheDate) {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    EXPECT_GE(now.wYear, 2000);
    EXPECT_TRUE(now.wMonth >= 1 && now.wMonth <= 12) << now.wMonth;
    EXPECT_TRUE(now.wDay >= 1 && now.wDay <= 31) << now.wDay;
    EXPECT_LE(now.wHour, 23);
    EXPECT_LE(now.wMinute, 59);
    EXPECT_LE(now.wSecond, 59);
    EXPECT_LE(now.wMilliseconds, 999);
    EXPECT_EQ(now.wDayOfWeek, DayOfWeek(now.wYear, now.wMonth, now.wDay));
}

TEST(SystemFacts, TheSystemDirectoryHasNoTrailingBackslash) {
    char buffer[MAX_PATH] = {};
    UINT length = GetSystemDirectoryA(buffer, MAX_PATH);
    ASSERT_GT(length, 3u);
    EXPECT_EQ(length, std::strlen(buffer));
    EXPECT_EQ(std::string(buffer).substr(1, 2), ":\\");
    EXPECT_NE(buffer[length - 1], '\\');
}

TEST(SystemFacts, TooSmallABufferForTheSystemDirectoryGetsTheSizeNeeded) {
    char full[MAX_PATH] = {};
    UINT length = GetSystemDirectoryA(full, MAX_PATH);
    char small[4] = {};
    EXPECT_EQ(GetSystemDirectoryA(small, sizeof(small)), length + 1) << "with the NUL";
}

TEST(SystemFacts, TheUserNameComesWithItsSizeIncludingTheNul) {
    char buffer[100] = {};
    DWORD size = sizeof(buffer);
    ASSERT_TRUE(GetUserNameA(buffer, &size));
    EXPECT_GT(std::strlen(buffer), 0u);
    EXPECT_EQ(size, std::strlen(buffer) + 1);
}

TEST(SystemFacts, TooSmallABufferForTheUserNameFailsAndWritesNothing) {
    char full[100] = {};
    DWORD fullSize = sizeof(full);
    ASSERT_TRUE(GetUserNameA(full, &fullSize));
    char small[1] = {};
    DWORD size = sizeof(small);
    EXPECT_FALSE(GetUserNameA(small, &size));
    EXPECT_EQ(size, fullSize);
    EXPECT_EQ(small[0], '\0');
}

// Opening a file that is not there starts nothing and reports an error value.
TEST(Shell, OpeningAMissingFileFails) {
    auto result = reinterpret_cast<std::uintptr_t>(ShellExecuteA(
        nullptr, nullptr, "C:\\quillet-no-such-file.txt", nullptr, nullptr, SW_SHOWNORMAL));
    EXPECT_LE(result, 32u);
}

TEST(Shell, IconsComeFromAFileThatHoldsThemAndNotFromAMissingOne) {
    char directory[MAX_PATH] = {};
    GetSystemDirectoryA(directory, MAX_PATH);
    std::string shell32 = std::string(directory) + "\\shell32.dll";
    HICON icon = ExtractIconA(nullptr, shell32.c_str(), 0);
    ASSERT_NE(icon, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP color{};
    ASSERT_EQ(GetObjectA(info.hbmColor, sizeof(color), &color), static_cast<int>(sizeof(color)));
    EXPECT_EQ(color.bmWidth, 32);
    EXPECT_EQ(color.bmHeight, 32);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    EXPECT_TRUE(DestroyIcon(icon));
    EXPECT_EQ(ExtractIconA(nullptr, "C:\\quillet-no-such-file.dll", 0), nullptr);
}

TEST(Shell, TheSimpleBeepIsAccepted) { EXPECT_TRUE(MessageBeep(0xFFFFFFFF)); }

}  // namespace
