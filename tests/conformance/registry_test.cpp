#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "win/win.h"

namespace {

constexpr const char* kTestKey = "Software\\QuilletConformance";

// A key of the test's own below the current user, with all it holds removed afterwards.
class RegistryTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kTestKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                                  KEY_ALL_ACCESS, nullptr, &key_, nullptr),
                  ERROR_SUCCESS);
    }
    void TearDown() override {
        RegDeleteKeyA(key_, "Sub");
        RegCloseKey(key_);
        RegDeleteKeyA(HKEY_CURRENT_USER, kTestKey);
    }
    void SetString(const char* name, DWORD type, const char* text) {
        ASSERT_EQ(RegSetValueExA(key_, name, 0, type, reinterpret_cast<const BYTE*>(text),
                                 static_cast<DWORD>(std::strlen(text) + 1)),
                  ERROR_SUCCESS);
    }
    HKEY key_ = nullptr;
};

TEST_F(RegistryTest, ValuesKeepTheirTypeAndData) {
    SetString("Text", REG_SZ, "A:Windows");
    SetString("Path", REG_EXPAND_SZ, "%SystemRoot%\\x");
    DWORD number = 0x12345678;
    ASSERT_EQ(RegSetValueExA(key_, "Number", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                             sizeof(number)),
              ERROR_SUCCESS);
    struct Case {
        const char* name;
        DWORD type;
        std::string data;
    };
    const Case cases[] = {
        {"Text", REG_SZ, std::string("A:Windows", 10)},
        {"path", REG_EXPAND_SZ, std::string("%SystemRoot%\\x", 15)},  // not expanded
        {"NUMBER", REG_DWORD, std::string("\x78\x56\x34\x12", 4)},
    };
    for (const Case& c : cases) {
        DWORD type = 0, size = 0;
        ASSERT_EQ(RegQueryValueExA(key_, c.name, nullptr, &type, nullptr, &size), ERROR_SUCCESS)
            << c.name;
        EXPECT_EQ(type, c.type) << c.name;
        EXPECT_EQ(size, c.data.size()) << c.name << ": the size alone, with no buffer";
        std::string data(size, '?');
        ASSERT_EQ(RegQueryValueExA(key_, c.name, nullptr, &type,
                                   reinterpret_cast<BYTE*>(data.data()), &size),
                  ERROR_SUCCESS);
        EXPECT_EQ(data, c.data) << c.name;
    }
}

TEST_F(RegistryTest, TooSmallABufferReportsTheSizeNeeded) {
    SetString("Text", REG_SZ, "0123456789");
    char buffer[4] = {};
    DWORD size = sizeof(buffer);
    EXPECT_EQ(
        RegQueryValueExA(key_, "Text", nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size),
        ERROR_MORE_DATA);
    EXPECT_EQ(size, 11u);
}

TEST_F(RegistryTest, AMissingValueOrKeyIsNotFound) {
    DWORD size = 0;
    EXPECT_EQ(RegQueryValueExA(key_, "Nothing", nullptr, nullptr, nullptr, &size),
              ERROR_FILE_NOT_FOUND);
    HKEY sub = nullptr;
    EXPECT_EQ(RegOpenKeyExA(key_, "Sub", 0, KEY_ALL_ACCESS, &sub), ERROR_FILE_NOT_FOUND);
}

TEST_F(RegistryTest, CreatingOpensAnExistingKeyWhateverItsLetterCase) {
    HKEY created = nullptr, again = nullptr, opened = nullptr;
    DWORD disposition = 0;
    ASSERT_EQ(RegCreateKeyExA(key_, "Sub", 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                              nullptr, &created, &disposition),
              ERROR_SUCCESS);
    EXPECT_EQ(disposition, static_cast<DWORD>(REG_CREATED_NEW_KEY));
    DWORD number = 7;
    RegSetValueExA(created, "N", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), 4);
    ASSERT_EQ(RegCreateKeyExA(key_, "SUB", 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                              nullptr, &again, &disposition),
              ERROR_SUCCESS);
    EXPECT_EQ(disposition, static_cast<DWORD>(REG_OPENED_EXISTING_KEY));
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "software\\quilletconformance\\sub", 0,
                            KEY_ALL_ACCESS, &opened),
              ERROR_SUCCESS);
    DWORD read = 0, size = sizeof(read);
    EXPECT_EQ(
        RegQueryValueExA(opened, "n", nullptr, nullptr, reinterpret_cast<BYTE*>(&read), &size),
        ERROR_SUCCESS);
    EXPECT_EQ(read, 7u);
    for (HKEY key : {created, again, opened}) EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
}

// Which is why the registry object drops the backslash that marks a path from the root.
TEST(Registry, ALeadingBackslashIsABadPathName) {
    HKEY key = nullptr;
    EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "\\Software", 0, KEY_ALL_ACCESS, &key),
              ERROR_BAD_PATHNAME);
}

TEST(Registry, TheLocalMachineKeysTheSystemRootRoutineOpensExist) {
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion", 0,
                            KEY_READ, &key),
              ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
}

TEST(Registry, ClosingTheRootKeysSucceeds) {
    EXPECT_EQ(RegCloseKey(HKEY_CURRENT_USER), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(HKEY_LOCAL_MACHINE), ERROR_SUCCESS);
}

}  // namespace
