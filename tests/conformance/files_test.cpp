// Deleting files, the lead bytes of the ANSI code page, and the path pieces that depend on them.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "util/text.h"
#include "win/win.h"

namespace {

bool Exists(const char* name) { return std::filesystem::exists(name); }

void Create(const char* name) {
    std::FILE* file = std::fopen(name, "w");
    ASSERT_NE(file, nullptr);
    std::fputs("kept", file);
    std::fclose(file);
}

TEST(DeleteFile, RemovesAFileAndFailsForWhatItCannotRemove) {
    const char* name = "quillet-delete.txt";
    Create(name);
    EXPECT_TRUE(DeleteFileA(name));
    EXPECT_FALSE(Exists(name));
    EXPECT_FALSE(DeleteFileA(name)) << "already gone";
    EXPECT_FALSE(DeleteFileA(""));
}

TEST(DeleteFile, LeavesADirectoryAndAReadOnlyFile) {
    const char* directory = "quillet-delete-dir";
    std::filesystem::create_directory(directory);
    EXPECT_FALSE(DeleteFileA(directory));
    EXPECT_TRUE(std::filesystem::is_directory(directory));
    std::filesystem::remove(directory);

    const char* readOnly = "quillet-delete-read-only.txt";
    Create(readOnly);
    ASSERT_TRUE(SetFileAttributesA(readOnly, FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(DeleteFileA(readOnly));
    EXPECT_TRUE(Exists(readOnly));
    SetFileAttributesA(readOnly, FILE_ATTRIBUTE_NORMAL);
    std::filesystem::remove(readOnly);
}

TEST(LeadBytes, AreThoseOfTheAnsiCodePage) {
    const UINT acp = GetACP();
    ASSERT_TRUE(acp == 932 || acp == 1252) << acp;
    for (int byte = 0; byte < 256; ++byte) {
        bool shiftJisLead = (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
        bool expected = acp == 932 && shiftJisLead;
        EXPECT_EQ(IsDBCSLeadByte(static_cast<BYTE>(byte)) != FALSE, expected) << byte;
    }
}

// "表" is 0x95 0x5C in code page 932: its second byte has the value of a backslash.
TEST(PathPieces, TheSecondByteOfADoubleByteCharacterIsNoSeparator) {
    const std::string path = "C:\\\x95\x5C\\file";
    if (GetACP() == 932) {
        EXPECT_EQ(PathDirectory(path), "C:\\\x95\x5C");
        EXPECT_EQ(PathFileName("C:\\\x95\x5C"), "\x95\x5C");
        EXPECT_EQ(PathDrive("\\\\\x95\x5C\\share\\file"), "\\\\\x95\x5C\\share");
    } else {
        EXPECT_EQ(PathDirectory(path), "C:\\\x95\\\\");
        EXPECT_EQ(PathFileName("C:\\\x95\x5C"), "");
        EXPECT_EQ(PathDrive("\\\\\x95\x5C\\share\\file"), "\\\\\x95\\");
    }
    EXPECT_EQ(PathFileName(path), "file");
}

}  // namespace
