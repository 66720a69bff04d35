#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "win/win.h"

#ifndef _WIN32
#include <unistd.h>
#endif

namespace {

std::string WindowsDirectory() {
    char buffer[260] = {};
    UINT length = GetWindowsDirectoryA(buffer, sizeof buffer);
    EXPECT_GT(length, 0u);
    return std::string(buffer, length);
}

// A profile file named without a directory, gone before and after the test. Its full path
// joins with "/", which both the real platform and the host take.
class Profile {
  public:
    explicit Profile(std::string name)
        : name_(std::move(name)), path_(WindowsDirectory() + "/" + name_) {
        Remove();
    }
    ~Profile() { Remove(); }
    Profile(const Profile&) = delete;
    Profile& operator=(const Profile&) = delete;

    const char* name() const { return name_.c_str(); }
    const std::string& path() const { return path_; }

    void Put(const std::string& bytes) const { std::ofstream(path_, std::ios::binary) << bytes; }
    std::string Bytes() const { return BytesOf(path_); }
    static std::string BytesOf(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    bool Exists() const { return std::ifstream(path_).good(); }

    std::string Read(const char* section, const char* key, const char* fallback = "none",
                     DWORD size = 256) const {
        std::vector<char> buffer(size, '#');
        DWORD length =
            GetPrivateProfileStringA(section, key, fallback, buffer.data(), size, name());
        EXPECT_EQ(buffer[length], '\0');
        return std::string(buffer.data(), length);
    }
    // A list of names, each ended by a zero, as the platform returns it (the final zero cut).
    std::string List(const char* section, DWORD size = 256, DWORD* returned = nullptr) const {
        std::vector<char> buffer(size, '#');
        DWORD length =
            GetPrivateProfileStringA(section, nullptr, nullptr, buffer.data(), size, name());
        if (returned != nullptr) *returned = length;
        return std::string(buffer.data(), length);
    }
    bool Write(const char* section, const char* key, const char* value) const {
        return WritePrivateProfileStringA(section, key, value, name()) != FALSE;
    }

  private:
    void Remove() const {
        SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
        std::remove(path_.c_str());
    }

    std::string name_;
    std::string path_;
};

TEST(ProfileFiles, ANameWithoutADirectoryIsAFileInTheWindowsDirectory) {
    Profile file("qlt_h5_place.ini");
    EXPECT_EQ(file.Read("Quillet", "Button"), "none");
    EXPECT_FALSE(file.Exists()) << "a read creates nothing";

    ASSERT_TRUE(file.Write("Quillet", "Button", "1"));
    ASSERT_TRUE(file.Write("Quillet", "Option", "Caption"));
    EXPECT_EQ(file.Bytes(), "[Quillet]\r\nButton=1\r\nOption=Caption\r\n");
    EXPECT_EQ(file.Read("Quillet", "Option"), "Caption");
}

TEST(ProfileFiles, AMissingKeySectionOrFileGivesTheDefault) {
    Profile file("qlt_h5_default.ini");
    EXPECT_EQ(file.Read("Quillet", "Option", "Caption"), "Caption");
    file.Put("[Quillet]\r\nButton=1\r\nEmpty=\r\nBare\r\n");
    EXPECT_EQ(file.Read("Quillet", "Option", "Caption"), "Caption");
    EXPECT_EQ(file.Read("Other", "Button", "Caption"), "Caption");
    EXPECT_EQ(file.Read("Quillet", "Empty", "Caption"), "") << "an empty value is a value";
    EXPECT_EQ(file.Read("Quillet", "Bare", "Caption"), "Caption") << "a line without '='";
    EXPECT_EQ(file.Read("Quillet", "Option", ""), "");
    EXPECT_EQ(file.Read("Quillet", "Option", "Caption  "), "Caption") << "without its end blanks";
    EXPECT_EQ(file.Read("Quillet", "Option", nullptr), "");
    EXPECT_EQ(file.Read("Quillet", "Button", "none", 1), "") << "room for the zero alone";
}

TEST(ProfileFiles, LetterCaseOfSectionsAndKeysDoesNotMatter) {
    Profile file("qlt_h5_case.ini");
    file.Put("[Quillet]\r\nButton=1\r\n");
    EXPECT_EQ(file.Read("QUILLET", "button"), "1");
    ASSERT_TRUE(file.Write("quillet", "BUTTON", "0"));
    EXPECT_EQ(file.Bytes(), "[Quillet]\r\nButton=0\r\n") << "the stored names keep their case";
}

TEST(ProfileFiles, BlanksAroundNamesAndValuesAreNotPartOfThem) {
    Profile file("qlt_h5_blanks.ini");
    file.Put("  [Quillet]  \r\n  Option  =  two words  \r\n\tTab\t=\tx\t\r\n");
    EXPECT_EQ(file.Read("Quillet", "Option"), "two words");
    EXPECT_EQ(file.Read("  Quillet ", " Option  "), "two words");
    EXPECT_EQ(file.Read("Quillet", "Tab"), "x");
    EXPECT_EQ(file.List("Quillet"), std::string("Option\0Tab\0", 11));
}

TEST(ProfileFiles, AWriteDropsTheBlanksBeforeNamesAndValue) {
    Profile file("qlt_h5_writeblanks.ini");
    ASSERT_TRUE(file.Write(" Quillet ", " Option ", "  Pos "));
    EXPECT_EQ(file.Bytes(), "[Quillet ]\r\nOption =Pos \r\n");
    EXPECT_EQ(file.Read("Quillet", "Option"), "Pos");
}

TEST(ProfileFiles, ARewriteDropsBlankLinesAndKeepsComments) {
    Profile file("qlt_h5_rewrite.ini");
    file.Put("; head\r\n\r\n[Q]\r\n  a = 1 \r\n;c=2\r\nBare\r\n\r\n[ S ]\r\nk=v\r\n");
    ASSERT_TRUE(file.Write("Q", "n", "2"));
    EXPECT_EQ(file.Bytes(), "; head\r\n[Q]\r\na=1\r\n;c=2\r\nBare\r\nn=2\r\n[S]\r\nk=v\r\n");
    EXPECT_EQ(file.Read("Q", ";c"), "2") << "a comment reads as a key";
}

TEST(ProfileFiles, MatchingQuotesAroundAValueAreTakenOff) {
    Profile file("qlt_h5_quotes.ini");
    file.Put(
        "[Q]\r\nDouble=\"two words\"\r\nSingle='one'\r\nOpen=\"open\r\nMixed=\"mixed'\r\n"
        "Inner=a\"b\"\r\nLone=\"\r\n");
    struct Case {
        const char* key;
        const char* value;
    };
    for (const Case& c :
         {Case{"Double", "two words"}, Case{"Single", "one"}, Case{"Open", "\"open"},
          Case{"Mixed", "\"mixed'"}, Case{"Inner", "a\"b\""}, Case{"Lone", "\""}}) {
        EXPECT_EQ(file.Read("Q", c.key), c.value) << c.key;
    }
}

TEST(ProfileFiles, AValueLongerThanTheBufferIsCut) {
    Profile file("qlt_h5_long.ini");
    file.Put("[Q]\r\nKey=abcdefghij\r\n");
    EXPECT_EQ(file.Read("Q", "Key", "none", 6), "abcde");
    EXPECT_EQ(file.Read("Q", "Key", "none", 11), "abcdefghij");
    EXPECT_EQ(file.Read("Q", "Missing", "0123456789", 4), "012") << "the default as well";
}

TEST(ProfileFiles, NoKeyListsTheKeysOfTheSectionInFileOrder) {
    Profile file("qlt_h5_keys.ini");
    file.Put("[Q]\r\nb=1\r\na=\r\nBare\r\n;note=x\r\nc=3\r\n[R]\r\nd=4\r\n");
    // Lines without "=" and comments are left out.
    EXPECT_EQ(file.List("Q"), std::string("b\0a\0c\0", 6));
    EXPECT_EQ(file.List("q"), file.List("Q"));
    EXPECT_EQ(file.List("Missing"), "");
}

TEST(ProfileFiles, NoSectionListsTheSectionsInFileOrder) {
    Profile file("qlt_h5_sections.ini");
    file.Put("[Zeta]\r\na=1\r\n[alpha]\r\n[Mid]\r\nb=2\r\n");
    const std::string expected("Zeta\0alpha\0Mid\0", 15);
    EXPECT_EQ(file.List(nullptr), expected);

    char buffer[64];
    EXPECT_EQ(GetPrivateProfileSectionNamesA(buffer, sizeof buffer, file.name()), expected.size());
    EXPECT_EQ(std::string(buffer, expected.size() + 1), expected + '\0');
}

TEST(ProfileFiles, AListTooLongForTheBufferEndsInACutNameAndReportsSizeLessTwo) {
    Profile file("qlt_h5_cutlist.ini");
    file.Put("[Q]\r\nfirst=1\r\nsecond=2\r\n[Alpha]\r\n[Bravo]\r\n");
    DWORD returned = 0;
    EXPECT_EQ(file.List("Q", 10, &returned), std::string("first\0se", 8));
    EXPECT_EQ(returned, 8u);
    EXPECT_EQ(file.List("Q", 5, &returned), std::string("fir", 3));
    EXPECT_EQ(returned, 3u);

    // A name that fills the room exactly counts as cut as well.
    char buffer[9];
    std::memset(buffer, '#', sizeof buffer);
    EXPECT_EQ(GetPrivateProfileSectionNamesA(buffer, sizeof buffer, file.name()), 7u);
    EXPECT_EQ(std::string(buffer, 8), std::string("Q\0Alpha\0", 8));
}

TEST(ProfileFiles, TheSectionListOfAnEightKilobyteBufferHoldsWhatFits) {
    Profile file("qlt_h5_many.ini");
    std::string text;
    for (int i = 0; i < 1000; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "[Section%04d]\r\n", i);
        text += name;
    }
    file.Put(text);
    std::vector<char> buffer(8192, '#');
    DWORD length = GetPrivateProfileSectionNamesA(buffer.data(), 8192, file.name());
    EXPECT_EQ(length, 8190u);
    // Each name takes twelve bytes with its zero: 682 whole names, then a cut one.
    EXPECT_EQ(std::string(buffer.data() + 681 * 12, 12), std::string("Section0681\0", 12));
    EXPECT_EQ(std::string(buffer.data() + 682 * 12, 7), std::string("Sectio\0", 7));
}

TEST(ProfileFiles, WritesAddSectionsAndKeysAtTheEnd) {
    Profile file("qlt_h5_write.ini");
    ASSERT_TRUE(file.Write("Q", "a", "1"));
    ASSERT_TRUE(file.Write("R", "b", "2"));
    ASSERT_TRUE(file.Write("Q", "c", "3"));
    ASSERT_TRUE(file.Write("Q", "a", "one"));
    EXPECT_EQ(file.Bytes(), "[Q]\r\na=one\r\nc=3\r\n[R]\r\nb=2\r\n");
}

TEST(ProfileFiles, ANullValueDeletesTheKeyAndANullKeyTheSection) {
    Profile file("qlt_h5_delete.ini");
    file.Put("[Q]\r\na=1\r\nb=2\r\n[R]\r\nc=3\r\n");
    ASSERT_TRUE(file.Write("Q", "a", nullptr));
    EXPECT_EQ(file.Bytes(), "[Q]\r\nb=2\r\n[R]\r\nc=3\r\n");
    ASSERT_TRUE(file.Write("q", nullptr, nullptr));
    EXPECT_EQ(file.Bytes(), "[R]\r\nc=3\r\n");
    EXPECT_EQ(file.Read("Q", "b"), "none");
    EXPECT_EQ(file.List("Q"), "");
}

TEST(ProfileFiles, AnEraseOrADeleteTakesTheNameWithItsBlanksAndOneMatchOnly) {
    Profile file("qlt_h5_erasenames.ini");
    const std::string before = "[Q]\r\na=1\r\n[q]\r\na=2\r\n";
    file.Put(before);
    ASSERT_TRUE(file.Write("Q ", nullptr, nullptr));
    ASSERT_TRUE(file.Write("Q", " a", nullptr));
    EXPECT_EQ(file.Bytes(), before);
    ASSERT_TRUE(file.Write("Q", nullptr, nullptr));
    EXPECT_EQ(file.Bytes(), "[q]\r\na=2\r\n");
}

TEST(ProfileFiles, OfTwoSectionsOfOneNameOnlyTheFirstIsReadButADeleteReachesBoth) {
    Profile file("qlt_h5_twice.ini");
    file.Put("[Q]\r\na=1\r\n[Q]\r\nc=3\r\n");
    EXPECT_EQ(file.Read("Q", "c"), "none");
    EXPECT_EQ(file.List("Q"), std::string("a\0", 2));
    ASSERT_TRUE(file.Write("Q", "c", nullptr));
    EXPECT_EQ(file.Bytes(), "[Q]\r\na=1\r\n[Q]\r\n");
}

TEST(ProfileFiles, DeletingWhatIsNotThereSucceedsAndMakesNoFile) {
    Profile file("qlt_h5_nothing.ini");
    EXPECT_TRUE(file.Write("Q", "a", nullptr));
    EXPECT_TRUE(file.Write("Q", nullptr, nullptr));
    EXPECT_FALSE(file.Exists());
}

// Wine run by root writes read-only files all the same; the simulation refuses as Windows does.
bool WritableAnyway(const std::string& path) {
#ifdef _WIN32
    if (std::FILE* opened = std::fopen(path.c_str(), "r+")) {
        std::fclose(opened);
        return true;
    }
#else
    (void)path;
#endif
    return false;
}

// The platform opens the file for writing first, so it refuses even what would change nothing.
TEST(ProfileFiles, AReadOnlyFileRefusesEveryWriteAndStaysAsItWas) {
    Profile file("qlt_h5_readonly.ini");
    const std::string before = "[Quillet]\r\nButton=1\r\n";
    file.Put(before);
    ASSERT_TRUE(SetFileAttributesA(file.path().c_str(), FILE_ATTRIBUTE_READONLY));
    if (WritableAnyway(file.path())) GTEST_SKIP() << "this platform lets its user write anything";
    EXPECT_FALSE(file.Write("Quillet", "Button", "0"));
    EXPECT_FALSE(file.Write("Quillet", "Option", "Pos"));
    EXPECT_FALSE(file.Write("Quillet", nullptr, nullptr));
    EXPECT_FALSE(file.Write("Quillet", "Button", "1")) << "the value it holds";
    EXPECT_FALSE(file.Write("Quillet", "Missing", nullptr)) << "a key it does not hold";
    EXPECT_EQ(file.Bytes(), before);
    EXPECT_EQ(file.Read("Quillet", "Button"), "1");
}

TEST(ProfileFiles, DoubleByteTextKeepsItsBytes) {
    Profile file("qlt_h5_dbcs.ini");
    // "表" ends in the byte of the backslash; "再生" follows.
    const char* value = "\x95\x5C\x8D\xC4\x90\xB6";
    ASSERT_TRUE(file.Write("Quillet", "Title", value));
    EXPECT_EQ(file.Bytes(), std::string("[Quillet]\r\nTitle=") + value + "\r\n");
    EXPECT_EQ(file.Read("Quillet", "Title"), value);
}

TEST(ProfileFiles, AValueCutInTheJapaneseCodePageKeepsWholeCharacters) {
    Profile file("qlt_h5_dbcscut.ini");
    file.Put("[Q]\r\nTitle=\x95\x5C\x8D\xC4\x90\xB6\r\n");
    char buffer[8];
    std::memset(buffer, '#', sizeof buffer);
    EXPECT_EQ(GetPrivateProfileStringA("Q", "Title", "", buffer, 4, file.name()), 3u);
    EXPECT_EQ(buffer[3], '\0');
    if (GetACP() == 932) {
        // The half of "再" is not copied: its byte is left as it was.
        EXPECT_EQ(std::string(buffer, 3), "\x95\x5C#");
    } else {
        EXPECT_EQ(std::string(buffer, 3), "\x95\x5C\x8D");
    }
}

TEST(ProfileFiles, AWriteIntoAMissingDirectoryFails) {
    std::string name = WindowsDirectory() + "/qlt_h5_no_such_directory/qlt.ini";
    EXPECT_FALSE(WritePrivateProfileStringA("Quillet", "Button", "1", name.c_str()));
    EXPECT_FALSE(std::ifstream(name).good());
}

#ifndef _WIN32
// Natively a write replaces the file whole: a link to the old file keeps the old text, and no
// temporary file stays behind.
TEST(ProfileFiles, TheSimulationReplacesTheFileWhole) {
    Profile file("qlt_h5_replace.ini");
    file.Put("[Quillet]\r\nButton=1\r\n");
    std::string link = file.path() + ".old";
    ASSERT_EQ(::link(file.path().c_str(), link.c_str()), 0);
    ASSERT_TRUE(file.Write("Quillet", "Button", "0"));
    EXPECT_EQ(Profile::BytesOf(link), "[Quillet]\r\nButton=1\r\n");
    EXPECT_EQ(file.Bytes(), "[Quillet]\r\nButton=0\r\n");
    std::remove(link.c_str());
    std::vector<std::string> left;
    for (const auto& entry : std::filesystem::directory_iterator(WindowsDirectory())) {
        left.push_back(entry.path().filename().string());
    }
    EXPECT_EQ(left, std::vector<std::string>{"qlt_h5_replace.ini"});
}
#endif

}  // namespace
