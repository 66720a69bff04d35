#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "win/win.h"

namespace {

// "表再生" in code page 932: the first character's second byte is the ASCII backslash.
const std::string kShiftJis = "\x95\x5C\x8D\xC4\x90\xB6";
const std::u16string kWide = u"\u8868\u518D\u751F";

std::u16string ToWide(UINT codePage, const std::string& text) {
    int size =
        MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::vector<WCHAR> wide(size);
    EXPECT_EQ(MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()),
                                  wide.data(), size),
              size);
    return std::u16string(reinterpret_cast<const char16_t*>(wide.data()), wide.size());
}

std::string ToBytes(UINT codePage, const std::u16string& text) {
    auto wide = reinterpret_cast<LPCWSTR>(text.data());
    int length = static_cast<int>(text.size());
    int size = WideCharToMultiByte(codePage, 0, wide, length, nullptr, 0, nullptr, nullptr);
    std::string bytes(size, '\0');
    EXPECT_EQ(WideCharToMultiByte(codePage, 0, wide, length, bytes.data(), size, nullptr, nullptr),
              size);
    return bytes;
}

TEST(CodePages, ShiftJisRoundTrips) {
    EXPECT_EQ(ToWide(932, kShiftJis), kWide);
    EXPECT_EQ(ToBytes(932, kWide), kShiftJis);
    EXPECT_EQ(ToWide(932, "Quillet 1"), u"Quillet 1");
}

TEST(CodePages, WesternRoundTrips) {
    EXPECT_EQ(ToWide(1252, "caf\xE9 \x80"), u"caf\u00E9 \u20AC");
    EXPECT_EQ(ToBytes(1252, u"caf\u00E9 \u20AC"), "caf\xE9 \x80");
}

TEST(CodePages, TheAnsiCodePageFollowsTheLocale) {
    UINT acp = GetACP();
    EXPECT_TRUE(acp == 932 || acp == 1252) << acp;
    // Wine takes it from the Unix locale; a Japanese one must give 932.
    const char* locale = std::getenv("LC_ALL");
    if (locale != nullptr && std::string(locale).rfind("ja_JP", 0) == 0) {
        EXPECT_EQ(acp, 932u);
    }
    EXPECT_EQ(ToWide(CP_ACP, "abc"), ToWide(acp, "abc"));
}

TEST(CodePages, MinusOneLengthCountsTheTerminator) {
    EXPECT_EQ(MultiByteToWideChar(932, 0, kShiftJis.c_str(), -1, nullptr, 0), 4);
    WCHAR wide[4] = {1, 1, 1, 1};
    EXPECT_EQ(MultiByteToWideChar(932, 0, kShiftJis.c_str(), -1, wide, 4), 4);
    EXPECT_EQ(wide[3], 0);

    auto text = reinterpret_cast<LPCWSTR>(kWide.c_str());
    EXPECT_EQ(WideCharToMultiByte(932, 0, text, -1, nullptr, 0, nullptr, nullptr), 7);
    char bytes[7] = {1, 1, 1, 1, 1, 1, 1};
    EXPECT_EQ(WideCharToMultiByte(932, 0, text, -1, bytes, 7, nullptr, nullptr), 7);
    EXPECT_EQ(std::string(bytes), kShiftJis);
}

TEST(CodePages, ATooSmallBufferGivesZero) {
    WCHAR wide[2];
    EXPECT_EQ(MultiByteToWideChar(932, 0, kShiftJis.c_str(), -1, wide, 2), 0);
    char bytes[3];
    auto text = reinterpret_cast<LPCWSTR>(kWide.c_str());
    EXPECT_EQ(WideCharToMultiByte(932, 0, text, -1, bytes, 3, nullptr, nullptr), 0);
}

TEST(CodePages, AnUnmappableCharacterTakesTheDefaultAndSaysSo) {
    auto text = reinterpret_cast<LPCWSTR>(u"a\u3042b");
    char bytes[4] = {};
    BOOL usedDefault = FALSE;
    EXPECT_EQ(WideCharToMultiByte(1252, 0, text, 3, bytes, 4, nullptr, &usedDefault), 3);
    EXPECT_TRUE(usedDefault);
    EXPECT_EQ(std::string(bytes), "a?b");
}

TEST(CodePages, BytesWithoutACharacterAreReplacedOrPassedThrough) {
    EXPECT_EQ(ToWide(932, "a\x95"), u"a\u30FB") << "an incomplete double-byte character";
    EXPECT_EQ(ToWide(1252, "a\x81\x8D"), u"a\u0081\u008D") << "the holes of 1252";
}

}  // namespace
