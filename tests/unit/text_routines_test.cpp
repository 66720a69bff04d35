// The text and file routines: bytes of CP932 texts, path pieces in both code pages, the random
// range, and files on the host's file system.
#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <string>

#include "util/text.h"
#include "winsim/sim.h"

namespace {

// In CP932 the second byte of "表" is the backslash, and "再" is 0x8D 0xC4.
const std::string kHyo = "表";
// Longer than the 255 bytes the routines once copied into a buffer of their own.
const std::string kLong = std::string(300, 'x') + "," + std::string(99, 'y') + ",";

TEST(TextRoutines, ExecutionCharsetIsShiftJis) { ASSERT_EQ(kHyo, "\x95\x5C"); }

TEST(TextRoutines, CountAndLengthStopAtTheFirstNul) {
    struct Case {
        std::string text;
        char c;
        int count;
        int length;
    };
    const Case cases[] = {
        {"a,b,,c", ',', 3, 6},
        {"a,b,,c", '\0', 0, 6},
        {kHyo, '\\', 1, 2},
        {"表再生", '\\', 1, 6},
        {std::string("a,\0,b", 5), ',', 1, 2},
        {"", ',', 0, 0},
        {kLong, ',', 2, 401},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CountChar(c.text, c.c), c.count) << c.text.substr(0, 20);
        EXPECT_EQ(TextLength(c.text), c.length) << c.text.substr(0, 20);
    }
}

TEST(TextRoutines, IndexOfNthCharCountsOccurrencesFromZero) {
    struct Case {
        std::string text;
        char c;
        int n;
        int index;
    };
    const Case cases[] = {
        {"a,b,c", ',', 0, 1},  {"a,b,c", ',', 1, 3},
        {"a,b,c", ',', 2, -1}, {"a,b,c", ',', -4, 1},
        {"a,b,c", ';', 0, -1}, {"表\\", '\\', 0, 1},
        {"表\\", '\\', 1, 2},  {std::string("a\0,", 3), ',', 0, -1},
        {kLong, ',', 0, 300},  {kLong, ',', 1, 400},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IndexOfNthChar(c.text, c.c, c.n), c.index) << c.text.substr(0, 20) << " " << c.n;
        if (c.n == 0) {
            EXPECT_EQ(IndexOfChar(c.text, c.c), c.index) << c.text.substr(0, 20);
        }
    }
}

TEST(TextRoutines, SubTextTakesOnlyPositionsInsideTheText) {
    struct Case {
        std::string text;
        int start;
        int count;
        std::string expected;
    };
    const Case cases[] = {
        {"abcdef", 2, 3, "cde"},    {"abcdef", 4, 10, "ef"},
        {"abcdef", 2, 0, ""},       {"abcdef", 2, -3, ""},
        {"abcdef", 6, 2, ""},       {"abcdef", 2, INT_MAX, "cdef"},
        {"abcdef", -2, 4, "ab"},    {std::string("ab\0cd", 5), 1, 4, "b"},
        {"表再", 1, 2, "\x5C\x8D"}, {kLong, 298, 4, "xx,y"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SubText(c.text, c.start, c.count), c.expected)
            << c.text.substr(0, 20) << " " << c.start << " " << c.count;
    }
}

TEST(TextRoutines, PathPiecesInBothCodePages) {
    struct Case {
        UINT codePage;
        std::string path;
        std::string directory;
        std::string drive;
        std::string fileName;
        std::string extension;
    };
    const Case cases[] = {
        {932, "C:\\dir\\file.txt", "C:\\dir", "C:", "file.txt", ".txt"},
        {932, "C:\\file.txt", "C:\\", "C:", "file.txt", ".txt"},
        {932, "C:file", "C:", "C:", "file", ""},
        {932, "file.tar.gz", "", "", "file.tar.gz", ".gz"},
        {932, "a.b\\c", "a.b", "", "c", ""},
        {932, "\\file", "\\", "", "file", ""},
        {932, "", "", "", "", ""},
        {932, "\\\\server\\share\\file", "\\\\server\\share", "\\\\server\\share", "file", ""},
        {932, "\\\\server\\share", "\\\\server", "\\\\server\\share", "share", ""},
        {932, "\\\\server", "\\\\", "\\\\server", "server", ""},
        // The second byte of "表" is neither a separator nor a backslash that keeps the next.
        {932, "C:\\表\\file", "C:\\表", "C:", "file", ""},
        {932, "C:\\表", "C:\\", "C:", "表", ""},
        {932, "C:\\表.txt", "C:\\", "C:", "表.txt", ".txt"},
        {932, "\\\\表\\共有\\f", "\\\\表\\共有", "\\\\表\\共有", "f", ""},
        // In the Western code page the same bytes hold real backslashes.
        {1252, "C:\\表\\file", "C:\\\x95\\\\", "C:", "file", ""},
        {1252, "C:\\表", "C:\\\x95", "C:", "", ""},
        // The server name ends at the 0x5C of "表", and the share name after it is empty.
        {1252, "\\\\表\\共有\\f", "\\\\表\\共有", "\\\\\x95\\", "f", ""},
        {1252, "C:\\dir\\file.txt", "C:\\dir", "C:", "file.txt", ".txt"},
    };
    for (const Case& c : cases) {
        winsim::SetAnsiCodePage(c.codePage);
        EXPECT_EQ(PathDirectory(c.path), c.directory) << c.codePage << " " << c.path;
        EXPECT_EQ(PathDrive(c.path), c.drive) << c.codePage << " " << c.path;
        EXPECT_EQ(PathFileName(c.path), c.fileName) << c.codePage << " " << c.path;
        EXPECT_EQ(PathExtension(c.path), c.extension) << c.codePage << " " << c.path;
    }
    winsim::SetAnsiCodePage(932);
}

TEST(RandomBetween, EqualBoundsReturnLowWithoutADraw) {
    const RandomEngine before = RandomSource();
    EXPECT_EQ(RandomBetween(5, 5), 5);
    EXPECT_EQ(RandomBetween(-7, -7), -7);
    EXPECT_TRUE(RandomSource() == before);
}

TEST(RandomBetween, EachCallDrawsOnceAndTakesItsRemainder) {
    RandomEngine expected = RandomSource();
    for (int i = 0; i < 50; ++i) {
        const int draw = static_cast<int>(expected() >> 1);
        EXPECT_EQ(RandomBetween(100, 137), 100 + draw % 37);
        EXPECT_TRUE(RandomSource() == expected);
    }
}

TEST(RandomBetween, StaysInItsRange) {
    struct Case {
        int low;
        int high;
        int min;  // the values expected, all of them seen over enough draws
        int max;
    };
    const Case cases[] = {
        {0, 1, 0, 0},
        {10, 20, 10, 19},
        {-3, 2, -3, 1},
        {10, 5, 10, 14},  // high below low: the remainder of a draw is never negative
        {INT_MIN, INT_MAX, INT_MIN, INT_MAX - 1},
    };
    for (const Case& c : cases) {
        int seenMin = INT_MAX;
        int seenMax = INT_MIN;
        for (int i = 0; i < 2000; ++i) {
            int value = RandomBetween(c.low, c.high);
            seenMin = std::min(seenMin, value);
            seenMax = std::max(seenMax, value);
        }
        EXPECT_GE(seenMin, c.min) << c.low << ".." << c.high;
        EXPECT_LE(seenMax, c.max) << c.low << ".." << c.high;
        if (c.max - static_cast<long long>(c.min) < 100) {
            EXPECT_EQ(seenMin, c.min) << c.low << ".." << c.high;
            EXPECT_EQ(seenMax, c.max) << c.low << ".." << c.high;
        }
    }
}

class FileRoutines : public ::testing::Test {
  protected:
    void SetUp() override {
        winsim::Reset();
        dir_ =
            std::filesystem::temp_directory_path() /
            ("quillet-files-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::string Path(const char* name) const { return (dir_ / name).string(); }
    std::filesystem::path dir_;
};

TEST_F(FileRoutines, MakeFileCreatesAMissingFileEmptyAndKeepsAnExistingOne) {
    const std::string made = Path("made.txt");
    EXPECT_FALSE(TestFileExists(made));
    MakeFile(made);
    EXPECT_TRUE(TestFileExists(made));
    EXPECT_EQ(std::filesystem::file_size(made), 0u);

    const std::string kept = Path("kept.txt");
    std::ofstream(kept) << "twelve bytes";
    MakeFile(kept);
    EXPECT_EQ(std::filesystem::file_size(kept), 12u);
}

TEST_F(FileRoutines, RemoveFileDeletesAWritableFileOnly) {
    const std::string file = Path("gone.txt");
    MakeFile(file);
    RemoveFile(file);
    EXPECT_FALSE(TestFileExists(file));
    RemoveFile(file);  // already gone: nothing to report

    const std::string readOnly = Path("read-only.txt");
    MakeFile(readOnly);
    std::filesystem::permissions(readOnly, std::filesystem::perms::owner_read);
    RemoveFile(readOnly);
    EXPECT_TRUE(TestFileExists(readOnly));
}

TEST_F(FileRoutines, AnEmptyNameNeverOpens) {
    EXPECT_FALSE(TestFileExists(""));
    MakeFile("");
    RemoveFile("");
    EXPECT_TRUE(std::filesystem::is_empty(dir_));
}

}  // namespace
