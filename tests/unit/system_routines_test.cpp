// The system, date and time and shell routines on the simulated machine.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

#include "util/system.h"
#include "vcl/registry.h"
#include "winsim/sim.h"

namespace {

class SystemRoutinesTest : public ::testing::Test {
  protected:
    void SetUp() override { winsim::Reset(); }
    void TearDown() override { EXPECT_EQ(winsim::OpenRegistryKeys(), 0) << "a key was leaked"; }

    static void SetValue(HKEY root, const char* path, const char* name, DWORD type,
                         const std::string& data) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExA(root, path, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                                  nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE*>(data.data()),
                       static_cast<DWORD>(data.size()));
        RegCloseKey(key);
    }
    static std::string Sz(const char* text) { return std::string(text, std::strlen(text) + 1); }
    static bool KeyExists(HKEY root, const char* path) {
        HKEY key = nullptr;
        if (RegOpenKeyExA(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
        RegCloseKey(key);
        return true;
    }
};

constexpr const char* kCurrentVersion = "Software\\Microsoft\\Windows\\CurrentVersion";

TEST_F(SystemRoutinesTest, SystemRootReadsTheValueOrGivesTheDefault) {
    EXPECT_EQ(GetSystemRoot(), "A:Windows");
    SetValue(HKEY_LOCAL_MACHINE, kCurrentVersion, "SystemRoot", REG_EXPAND_SZ,
             Sz("%SystemDrive%\\Windows"));
    EXPECT_EQ(GetSystemRoot(), "%SystemDrive%\\Windows") << "not expanded";
}

// A level the user may not open with full access is skipped: the next levels are tried from
// the last one that opened, and the value is looked for below that.
TEST_F(SystemRoutinesTest, SystemRootSkipsALevelThatRefusesFullAccess) {
    SetValue(HKEY_LOCAL_MACHINE, kCurrentVersion, "SystemRoot", REG_SZ, Sz("C:\\WINDOWS"));
    winsim::RefuseFullAccess(HKEY_LOCAL_MACHINE, "Software\\Microsoft");
    EXPECT_EQ(GetSystemRoot(), "A:Windows");
    EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, "Software\\Windows"))
        << "\"Windows\" was created below \"Software\"";
}

TEST_F(SystemRoutinesTest, SystemRootWithNoLevelOpenLooksBelowTheRootKey) {
    SetValue(HKEY_LOCAL_MACHINE, "CurrentVersion", "SystemRoot", REG_SZ, Sz("D:\\Root"));
    winsim::RefuseFullAccess(HKEY_LOCAL_MACHINE, "Software");
    winsim::RefuseFullAccess(HKEY_LOCAL_MACHINE, "Microsoft");
    winsim::RefuseFullAccess(HKEY_LOCAL_MACHINE, "Windows");
    EXPECT_EQ(GetSystemRoot(), "D:\\Root");
}

TEST_F(SystemRoutinesTest, FloppyDriveSettingOrTheEmptyText) {
    EXPECT_EQ(RegReadFDDrive(), "");
    SetValue(HKEY_CURRENT_USER, "Software\\Vekk", "FDDrive", REG_SZ, Sz("B:"));
    EXPECT_EQ(RegReadFDDrive(), "B:");
}

TEST_F(SystemRoutinesTest, ReadingCreatesTheSoftwareKeyWhenMissing) {
    ASSERT_EQ(RegDeleteKeyA(HKEY_CURRENT_USER, "Software"), ERROR_SUCCESS);
    EXPECT_EQ(RegReadString("Quillet", "Drive"), "NULL");
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, "Software"));
}

TEST_F(SystemRoutinesTest, RegReadStringValuesAndDefaults) {
    SetValue(HKEY_CURRENT_USER, "Software\\Quillet", "Text", REG_SZ, Sz("表示"));
    SetValue(HKEY_CURRENT_USER, "Software\\Quillet", "Stored", REG_SZ, Sz("NULL"));
    SetValue(HKEY_CURRENT_USER, "Software\\Quillet", "Cut", REG_SZ, std::string("ab\0cd\0", 6));
    SetValue(HKEY_CURRENT_USER, "Software\\Quillet", "Empty", REG_SZ, "");
    SetValue(HKEY_CURRENT_USER, "Software\\Quillet\\Deep", "Text", REG_SZ, Sz("deep"));
    SetValue(HKEY_CURRENT_USER, "Top", "Text", REG_SZ, Sz("from the root"));
    SetValue(HKEY_CURRENT_USER, "Software\\Locked", "Text", REG_SZ, Sz("locked"));
    winsim::RefuseFullAccess(HKEY_CURRENT_USER, "Software\\Locked");
    struct Case {
        const char* subkey;
        const char* name;
        const char* expected;
    };
    const Case cases[] = {
        {"Quillet", "Text", "表示"},        {"quillet", "TEXT", "表示"},
        {"Quillet", "Stored", "NULL"},      {"Quillet", "Cut", "ab"},  // up to the first NUL
        {"Quillet", "Empty", ""},           {"Quillet", "Missing", "NULL"},
        {"Nowhere", "Text", "NULL"},        {"Quillet\\Deep", "Text", "deep"},
        {"\\Top", "Text", "from the root"}, {"Top", "Text", "NULL"},
        {"Locked", "Text", "NULL"},  // full access refused
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RegReadString(c.subkey, c.name), c.expected) << c.subkey << " " << c.name;
    }
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, "Software\\Nowhere")) << "reading creates no subkey";
}

TEST_F(SystemRoutinesTest, ValuesThatCannotBeReadAsTextRaise) {
    DWORD number = 0x1F;
    SetValue(HKEY_CURRENT_USER, "Software\\Quillet", "Number", REG_DWORD,
             std::string(reinterpret_cast<const char*>(&number), sizeof(number)));
    SetValue(HKEY_CURRENT_USER, "Software\\Quillet", "Bytes", REG_BINARY, "\x01\x02");
    SetValue(HKEY_CURRENT_USER, "Software\\Quillet", "Guarded", REG_SZ, Sz("secret"));
    winsim::MakeValueUnreadable(HKEY_CURRENT_USER, "Software\\Quillet", "Guarded");
    struct Case {
        const char* name;
        const char* message;
    };
    const Case cases[] = {
        {"Number", "'Number' のﾃﾞｰﾀ型が不正です"},
        {"Bytes", "'Bytes' のﾃﾞｰﾀ型が不正です"},
        {"Guarded", "'Guarded' の取得に失敗しました"},
    };
    for (const Case& c : cases) {
        try {
            RegReadString("Quillet", c.name);
            ADD_FAILURE() << c.name << " did not raise";
        } catch (const ERegistryException& e) {
            EXPECT_EQ(e.Message(), c.message);
        }
    }
}

TEST_F(SystemRoutinesTest, SystemDirectoryAndUserName) {
    EXPECT_EQ(GetSystemDir(), "C:\\windows\\system32");
    EXPECT_EQ(GetLoginName(), "quillet");
    winsim::SetUserName(std::string(99, 'u'));
    EXPECT_EQ(GetLoginName(), std::string(99, 'u'));
    winsim::SetUserName(std::string(100, 'u'));
    EXPECT_EQ(GetLoginName(), "") << "no room for the NUL";
}

SYSTEMTIME Time(WORD year, WORD month, WORD weekday, WORD day, WORD hour, WORD minute, WORD second,
                WORD millisecond) {
    return SYSTEMTIME{year, month, weekday, day, hour, minute, second, millisecond};
}

TEST_F(SystemRoutinesTest, EachFieldComesFromItsOwnSnapshot) {
    winsim::SetLocalTimes({Time(2024, 3, 2, 5, 13, 14, 15, 167)});
    struct Case {
        const char* routine;
        std::function<int()> read;
        int expected;
    };
    const Case cases[] = {
        {"GetYear", GetYear, 2024},
        {"GetMonth", GetMonth, 3},
        {"GetDay", GetDay, 5},
        {"GetHour", GetHour, 13},
        {"GetMinute", GetMinute, 14},
        {"GetSecond", GetSecond, 15},
        {"GetMillisecond", GetMillisecond, 167},
    };
    for (const Case& c : cases) EXPECT_EQ(c.read(), c.expected) << c.routine;
    EXPECT_EQ(winsim::LocalTimeReads(), 7);
}

TEST_F(SystemRoutinesTest, DateAndTimeTakeOneSnapshotEach) {
    winsim::SetLocalTimes({Time(2024, 3, 2, 5, 23, 59, 59, 999), Time(2024, 3, 3, 6, 0, 0, 0, 0)});
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, millisecond = 0;
    GetDateNow(year, month, day);
    EXPECT_EQ(winsim::LocalTimeReads(), 1);
    EXPECT_EQ(year, 2024);
    EXPECT_EQ(month, 3);
    EXPECT_EQ(day, 5);
    GetTimeNow(hour, minute, second, millisecond);
    EXPECT_EQ(winsim::LocalTimeReads(), 2);
    EXPECT_EQ(hour, 0) << "the second snapshot, after midnight";
    EXPECT_EQ(minute, 0);
    EXPECT_EQ(second, 0);
    EXPECT_EQ(millisecond, 0);
}

TEST_F(SystemRoutinesTest, SeparateCallsCanStraddleNewYear) {
    const SYSTEMTIME before = Time(2023, 12, 0, 31, 23, 59, 59, 999);
    const SYSTEMTIME after = Time(2024, 1, 1, 1, 0, 0, 0, 0);
    winsim::SetLocalTimes({before, after});
    int year = GetYear();
    int month = GetMonth();
    EXPECT_EQ(year, 2023);
    EXPECT_EQ(month, 1) << "the old year with the new month";
    winsim::SetLocalTimes({before, after});
    int day = 0;
    GetDateNow(year, month, day);
    EXPECT_EQ(year, 2023);
    EXPECT_EQ(month, 12);
    EXPECT_EQ(day, 31);
}

TEST_F(SystemRoutinesTest, WeekdayNames) {
    const char* const names[] = {"日", "月", "火", "水", "木", "金", "土", ""};
    for (WORD weekday = 0; weekday < 8; ++weekday) {
        winsim::SetLocalTimes({Time(2024, 3, weekday, 3 + weekday, 12, 0, 0, 0)});
        EXPECT_EQ(GetWeekdayName(), names[weekday]) << weekday;
    }
}

TEST_F(SystemRoutinesTest, ShutDownModeWords) {
    struct Case {
        const char* word;
        bool calls;
        UINT flags;
        bool acceptedWithoutPrivilege;
    };
    const Case cases[] = {
        {"", true, EWX_SHUTDOWN, false},         {"終了", true, EWX_SHUTDOWN, false},
        {"電源切り", true, EWX_POWEROFF, false}, {"再起動", true, EWX_REBOOT, false},
        {"強制終了", true, EWX_FORCE, true},  // the forced log-off needs no privilege
        {"shutdown", false, 0, false},           {"終了 ", false, 0, false},
        {"再起動する", false, 0, false},         {"電源", false, 0, false},
    };
    for (bool privilege : {false, true}) {
        for (const Case& c : cases) {
            winsim::Reset();
            winsim::SetShutdownPrivilege(privilege);
            bool accepted = ShutDownWindows(c.word);
            EXPECT_EQ(accepted, c.calls && (privilege || c.acceptedWithoutPrivilege))
                << "\"" << c.word << "\" privilege " << privilege;
            if (c.calls) {
                EXPECT_EQ(winsim::ExitWindowsRequests(), std::vector<UINT>{c.flags}) << c.word;
            } else {
                EXPECT_TRUE(winsim::ExitWindowsRequests().empty()) << c.word;
            }
        }
    }
}

TEST_F(SystemRoutinesTest, OpeningAFileAsksTheShellForItsDefaultAction) {
    ShellOpenFile("C:\\Music\\list.txt", "", "");
    ShellOpenFile("notepad.exe", "a.txt", "C:\\Work");
    const auto& requests = winsim::ShellExecutes();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].hwnd, nullptr);
    EXPECT_FALSE(requests[0].hasVerb);
    EXPECT_EQ(requests[0].file, "C:\\Music\\list.txt");
    EXPECT_EQ(requests[0].parameters, "");
    EXPECT_EQ(requests[0].showCommand, SW_SHOWNORMAL);
    EXPECT_EQ(requests[1].parameters, "a.txt");
    EXPECT_EQ(requests[1].directory, "C:\\Work");
}

TEST_F(SystemRoutinesTest, ExtractFileIconReturnsThePlatformsResult) {
    winsim::AddShellFile("C:\\表\\app.exe", 2);
    HICON second = ExtractFileIcon("C:\\表\\app.exe", 1);
    HICON beyond = ExtractFileIcon("C:\\表\\app.exe", 2);
    HICON missing = ExtractFileIcon("C:\\nothing.exe", 0);
    const auto& records = winsim::ExtractIcons();
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].instance, nullptr);
    EXPECT_EQ(records[0].index, 1u);
    EXPECT_NE(second, nullptr);
    EXPECT_EQ(records[0].result, second);
    EXPECT_EQ(beyond, nullptr);
    EXPECT_EQ(missing, nullptr);
    DestroyIcon(second);
}

TEST_F(SystemRoutinesTest, SimpleBeepSoundsTheSimpleBeep) {
    SimpleBeep();
    EXPECT_EQ(winsim::Beeps(), std::vector<UINT>{0xFFFFFFFF});
}

}  // namespace
