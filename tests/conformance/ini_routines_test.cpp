// The profile routines on the platform itself, where its own cuts and limits meet ours.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "util/ini.h"
#include "win/win.h"

namespace {

class IniRoutinesOnThePlatform : public testing::Test {
  protected:
    void SetUp() override { std::remove(Path().c_str()); }
    void TearDown() override { std::remove(Path().c_str()); }

    static const char* Name() { return "qlt_h5_routines.ini"; }
    static std::string Path() {
        char buffer[260] = {};
        UINT length = GetWindowsDirectoryA(buffer, sizeof buffer);
        return std::string(buffer, length) + "/" + Name();
    }
};

TEST_F(IniRoutinesOnThePlatform, SettingsComeBackAsWritten) {
    IniWriteBool("Quillet", "Button", true, Name());
    IniWriteString("Quillet", "Option", "Pos", Name());
    IniWriteInteger("Quillet", "Left", -5, Name());
    EXPECT_TRUE(IniReadBool("Quillet", "Button", false, Name()));
    EXPECT_EQ(IniReadString("Quillet", "Option", "Caption", Name()), "Pos");
    EXPECT_EQ(IniReadInteger("Quillet", "Left", 0, Name()), -5);
    EXPECT_EQ(IniReadSectionValues("Quillet", Name())->Count(), 3);
}

TEST_F(IniRoutinesOnThePlatform, ALongJapaneseValueIsCutOnAWholeCharacter) {
    std::string value;
    for (int i = 0; i < 600; ++i) value += "表";
    IniWriteString("Quillet", "Long", value, Name());
    // In 932 a character takes two bytes; in 1252 every byte is one.
    const size_t kept = GetACP() == 932 ? 1022 : 1023;
    EXPECT_EQ(IniReadString("Quillet", "Long", "", Name()), value.substr(0, kept));
}

TEST_F(IniRoutinesOnThePlatform, AFullSectionListHoldsWholeNamesOnly) {
    std::string text;
    for (int i = 0; i < 1000; ++i) {
        char header[16];
        std::snprintf(header, sizeof header, "[Section%04d]\r\n", i);
        text += header;
    }
    std::ofstream(Path(), std::ios::binary) << text;
    auto names = IniReadSections(Name());
    ASSERT_EQ(names->Count(), 682);
    EXPECT_EQ(names->Strings(681), "Section0681");
}

TEST_F(IniRoutinesOnThePlatform, AWriteThatFailsRaisesWithTheFileName) {
    const std::string name = Path() + ".missing/QLT.ini";
    try {
        IniWriteString("Quillet", "Option", "Pos", name);
        ADD_FAILURE() << "nothing raised";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), name + " に書き込めません");
    }
}

}  // namespace
