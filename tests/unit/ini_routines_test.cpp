#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "util/ini.h"
#include "winsim/sim.h"

namespace {

const char* const kFile = "QLT.ini";

class IniRoutines : public testing::Test {
  protected:
    void SetUp() override { winsim::Reset(); }

    static std::string Path() { return winsim::WindowsDirectory() + "/" + kFile; }
    static void Put(const std::string& bytes) { std::ofstream(Path(), std::ios::binary) << bytes; }
    static std::string Bytes() {
        std::ifstream in(Path(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    static bool Exists() { return std::ifstream(Path()).good(); }
    static void PutValue(const std::string& value) { Put("[Quillet]\r\nKey=" + value + "\r\n"); }
};

std::vector<std::string> Lines(const TStringList& list) {
    std::vector<std::string> lines;
    for (int i = 0; i < list.Count(); ++i) lines.push_back(list.Strings(i));
    return lines;
}

TEST_F(IniRoutines, IntegersReadByThePlatformsRules) {
    struct Case {
        const char* stored;
        int expected;
    };
    const int kDefault = 7;
    for (const Case& c : {
             Case{"0x1F", 31},
             Case{"0X1f", 31},
             Case{"$1F", 31},
             Case{"x1F", 31},
             Case{"$FFFFFFFF", -1},
             Case{"0xFFFFFFFF", -1},
             Case{"\" 12\"", 12},
             Case{"12", 12},
             Case{"-5", -5},
             Case{"+5", 5},
             Case{"2147483647", 2147483647},
             Case{"-2147483648", -2147483647 - 1},
             Case{"12a", kDefault},
             Case{"1 2", kDefault},
             Case{"2147483648", kDefault},
             Case{"$100000000", kDefault},
             Case{"-$1F", kDefault},
             Case{"-0x1F", kDefault},
             Case{"0x", kDefault},
             Case{"$", kDefault},
             Case{"-", kDefault},
             Case{"", kDefault},
             Case{"true", kDefault},
         }) {
        PutValue(c.stored);
        EXPECT_EQ(IniReadInteger("Quillet", "Key", kDefault, kFile), c.expected) << c.stored;
    }
    EXPECT_EQ(IniReadInteger("Quillet", "Missing", kDefault, kFile), kDefault);
}

TEST_F(IniRoutines, BooleansAreAnyIntegerButZero) {
    struct Case {
        const char* stored;  // nullptr: no such key
        bool withFalse;      // read with the default false
        bool withTrue;       // read with the default true
    };
    for (const Case& c :
         {Case{"1", true, true}, Case{"2", true, true}, Case{"-1", true, true},
          Case{"0x10", true, true}, Case{"$10", true, true}, Case{"0", false, false},
          Case{"0x0", false, false}, Case{"true", false, true}, Case{"yes", false, true},
          Case{"", false, true}, Case{nullptr, false, true}}) {
        if (c.stored != nullptr) {
            PutValue(c.stored);
        } else {
            Put("[Quillet]\r\n");
        }
        const char* name = c.stored != nullptr ? c.stored : "(missing)";
        EXPECT_EQ(IniReadBool("Quillet", "Key", false, kFile), c.withFalse) << name;
        EXPECT_EQ(IniReadBool("Quillet", "Key", true, kFile), c.withTrue) << name;
    }
}

TEST_F(IniRoutines, WritesStoreTextsAndTheFirstMakesTheFileInTheWindowsDirectory) {
    EXPECT_FALSE(Exists());
    IniWriteBool("Quillet", "Button", true, kFile);
    IniWriteString("Quillet", "Option", "Pos", kFile);
    IniWriteInteger("Quillet", "Left", -5, kFile);
    IniWriteInteger("Quillet", "Top", 40, kFile);
    EXPECT_EQ(Bytes(), "[Quillet]\r\nButton=1\r\nOption=Pos\r\nLeft=-5\r\nTop=40\r\n");

    IniWriteBool("Quillet", "Button", false, kFile);
    EXPECT_EQ(IniReadString("Quillet", "Button", "x", kFile), "0");
    EXPECT_FALSE(IniReadBool("Quillet", "Button", true, kFile));
    EXPECT_EQ(IniReadInteger("Quillet", "Left", 0, kFile), -5);
    EXPECT_EQ(IniReadString("Quillet", "Option", "Caption", kFile), "Pos");
}

TEST_F(IniRoutines, AStringIsTheDefaultOnlyWhenTheKeyIsMissing) {
    EXPECT_EQ(IniReadString("Quillet", "Option", "Caption", kFile), "Caption") << "no file";
    Put("[Quillet]\r\nOption=\r\n");
    EXPECT_EQ(IniReadString("Quillet", "Option", "Caption", kFile), "");
    EXPECT_EQ(IniReadString("Quillet", "Other", "Caption", kFile), "Caption");
    EXPECT_EQ(IniReadString("Elsewhere", "Option", "Caption", kFile), "Caption");
}

TEST_F(IniRoutines, AStringReadGivesAtMost1023Characters) {
    const std::string value(1500, 'v');
    IniWriteString("Quillet", "Long", value, kFile);
    EXPECT_EQ(IniReadString("Quillet", "Long", "", kFile), value.substr(0, 1023));
    EXPECT_EQ(IniReadString("Quillet", "Long", "", kFile).size(), 1023u);
}

TEST_F(IniRoutines, ACutJapaneseValueEndsOnAWholeCharacter) {
    std::string value;
    for (int i = 0; i < 600; ++i) value += "表";  // two bytes, the second the backslash's
    IniWriteString("Quillet", "Long", value, kFile);
    EXPECT_EQ(IniReadString("Quillet", "Long", "", kFile), value.substr(0, 1022));
}

TEST_F(IniRoutines, SectionValuesLeaveOutEmptyValuesAndKeepFileOrder) {
    Put("[Quillet]\r\nOption=Pos\r\nEmpty=\r\nBare\r\nButton=1\r\n; note=x\r\nLeft=-5\r\n"
        "[Other]\r\nTop=1\r\n");
    EXPECT_EQ(Lines(*IniReadSectionValues("quillet", kFile)),
              (std::vector<std::string>{"Option=Pos", "Button=1", "Left=-5"}));
    EXPECT_EQ(IniReadSectionValues("Missing", kFile)->Count(), 0);

    // Two keys of one name, by letter case: both read the first one's value, and the second
    // line takes the place of the first.
    Put("[Quillet]\r\nkey=1\r\nKEY=2\r\n");
    EXPECT_EQ(Lines(*IniReadSectionValues("Quillet", kFile)), (std::vector<std::string>{"KEY=1"}));
}

TEST_F(IniRoutines, KeysThatDifferInTheSecondByteOfACharacterStayApart) {
    // "ア" and "ャ" differ only where the second bytes read as "A" and "a".
    Put("[Quillet]\r\n\x83\x41=1\r\n\x83\x61=2\r\n");
    EXPECT_EQ(Lines(*IniReadSectionValues("Quillet", kFile)),
              (std::vector<std::string>{"\x83\x41=1", "\x83\x61=2"}));
}

TEST_F(IniRoutines, ListsComeInFileOrder) {
    Put("[Zeta]\r\nb=1\r\na=\r\n[alpha]\r\nc=3\r\n[Mid]\r\n");
    EXPECT_EQ(Lines(*IniReadSections(kFile)), (std::vector<std::string>{"Zeta", "alpha", "Mid"}));
    EXPECT_EQ(Lines(*IniReadSection("Zeta", kFile)), (std::vector<std::string>{"b", "a"}));
    EXPECT_EQ(IniReadSection("Missing", kFile)->Count(), 0);
    EXPECT_EQ(IniReadSections("Nothing.ini")->Count(), 0);
}

TEST_F(IniRoutines, TheSectionListStopsAtEightKilobytesWithWholeNames) {
    std::string text;
    for (int i = 0; i < 1000; ++i) {
        char header[16];
        std::snprintf(header, sizeof header, "[Section%04d]\r\n", i);
        text += header;
    }
    Put(text);
    const std::vector<std::string> names = Lines(*IniReadSections(kFile));
    ASSERT_EQ(names.size(), 682u);
    EXPECT_EQ(names.front(), "Section0000");
    EXPECT_EQ(names.back(), "Section0681");
}

TEST_F(IniRoutines, EraseSectionTakesTheSectionWithAllItsKeys) {
    Put("[Quillet]\r\nButton=1\r\nOption=Pos\r\n[Other]\r\nTop=1\r\n");
    IniEraseSection("Quillet", kFile);
    EXPECT_EQ(IniReadSection("Quillet", kFile)->Count(), 0);
    EXPECT_EQ(Bytes(), "[Other]\r\nTop=1\r\n");
}

TEST_F(IniRoutines, DeleteKeyTakesOneKeyAndReportsNothing) {
    IniDeleteKey("Quillet", "Button", kFile);
    EXPECT_FALSE(Exists()) << "no file is made";
    Put("[Quillet]\r\nButton=1\r\nOption=Pos\r\n");
    IniDeleteKey("Quillet", "Missing", kFile);
    IniDeleteKey("Missing", "Button", kFile);
    IniDeleteKey("Quillet", "Button", kFile);
    EXPECT_EQ(Bytes(), "[Quillet]\r\nOption=Pos\r\n");
}

TEST_F(IniRoutines, AWriteToAReadOnlyFileRaisesAndLeavesTheFileAsItWas) {
    const std::string before = "[Quillet]\r\nButton=1\r\nOption=Pos\r\n";
    struct Case {
        const char* what;
        std::function<void()> change;
    };
    for (const Case& c : {
             Case{"string", [] { IniWriteString("Quillet", "Option", "Hide", kFile); }},
             Case{"integer", [] { IniWriteInteger("Quillet", "Left", -5, kFile); }},
             Case{"boolean", [] { IniWriteBool("Quillet", "Button", false, kFile); }},
             Case{"erase", [] { IniEraseSection("Quillet", kFile); }},
             Case{"same value", [] { IniWriteBool("Quillet", "Button", true, kFile); }},
         }) {
        SetFileAttributesA(Path().c_str(), FILE_ATTRIBUTE_NORMAL);
        Put(before);
        ASSERT_TRUE(SetFileAttributesA(Path().c_str(), FILE_ATTRIBUTE_READONLY));
        try {
            c.change();
            ADD_FAILURE() << c.what << ": nothing raised";
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), "QLT.ini に書き込めません") << c.what;
        }
        EXPECT_EQ(Bytes(), before) << c.what;
    }
    IniDeleteKey("Quillet", "Button", kFile);  // says nothing
    EXPECT_EQ(Bytes(), before);
}

TEST_F(IniRoutines, TheMessageNamesTheFileAsTheCallerGaveIt) {
    const std::string name = winsim::WindowsDirectory() + "/missing/QLT.ini";
    try {
        IniWriteString("Quillet", "Option", "Pos", name);
        ADD_FAILURE() << "nothing raised";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), name + " に書き込めません");
    }
}

}  // namespace
