#include "vcl/ini_file.h"

#include <cstring>
#include <vector>

#include "vcl/integer_text.h"

namespace {

constexpr DWORD kValueBytes = 1024;
constexpr DWORD kNameListBytes = 8192;

// The names of a list the platform filled in. When it reports size - 2, the list did not fit and
// its last name may be cut, so that one is dropped.
void AddNames(const std::vector<char>& buffer, DWORD length, TStringList* strings) {
    std::vector<AnsiString> names;
    for (DWORD at = 0; at < length;) {
        const size_t size = strnlen(&buffer[at], length - at);
        names.emplace_back(&buffer[at], size);
        at += static_cast<DWORD>(size) + 1;
    }
    if (length == buffer.size() - 2 && !names.empty()) names.pop_back();
    for (const AnsiString& name : names) strings->Add(name);
}

}  // namespace

AnsiString TIniFile::ReadString(const AnsiString& section, const AnsiString& key,
                                const AnsiString& fallback) const {
    // Zeroed first: a cut in the middle of a double-byte character leaves that byte unwritten
    // while the length still counts it, so the text ends at the first zero.
    std::vector<char> buffer(kValueBytes, '\0');
    const DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(),
                                                  buffer.data(), kValueBytes, fileName_.c_str());
    return AnsiString(buffer.data(), strnlen(buffer.data(), length));
}

int TIniFile::ReadInteger(const AnsiString& section, const AnsiString& key, int fallback) const {
    AnsiString text = ReadString(section, key, "");
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text = "$" + text.substr(2);
    }
    return StrToIntDef(text, fallback);
}

bool TIniFile::ReadBool(const AnsiString& section, const AnsiString& key, bool fallback) const {
    return ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

void TIniFile::WriteString(const AnsiString& section, const AnsiString& key,
                           const AnsiString& value) const {
    Written(
        WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), fileName_.c_str()));
}

void TIniFile::WriteInteger(const AnsiString& section, const AnsiString& key, int value) const {
    WriteString(section, key, IntToStr(value));
}

void TIniFile::WriteBool(const AnsiString& section, const AnsiString& key, bool value) const {
    WriteString(section, key, value ? "1" : "0");
}

void TIniFile::EraseSection(const AnsiString& section) const {
    Written(WritePrivateProfileStringA(section.c_str(), nullptr, nullptr, fileName_.c_str()));
}

void TIniFile::DeleteKey(const AnsiString& section, const AnsiString& key) const {
    WritePrivateProfileStringA(section.c_str(), key.c_str(), nullptr, fileName_.c_str());
}

void TIniFile::ReadSections(TStringList* strings) const {
    std::vector<char> buffer(kNameListBytes, '\0');
    const DWORD length =
        GetPrivateProfileSectionNamesA(buffer.data(), kNameListBytes, fileName_.c_str());
    AddNames(buffer, length, strings);
}

void TIniFile::ReadSection(const AnsiString& section, TStringList* strings) const {
    std::vector<char> buffer(kNameListBytes, '\0');
    const DWORD length = GetPrivateProfileStringA(section.c_str(), nullptr, nullptr, buffer.data(),
                                                  kNameListBytes, fileName_.c_str());
    AddNames(buffer, length, strings);
}

void TIniFile::ReadSectionValues(const AnsiString& section, TStringList* strings) const {
    TStringList keys;
    ReadSection(section, &keys);
    for (int i = 0; i < keys.Count(); ++i) {
        const AnsiString value = ReadString(section, keys.Strings(i), "");
        if (!value.empty()) strings->SetValue(keys.Strings(i), value);
    }
}

void TIniFile::Written(BOOL succeeded) const {
    if (!succeeded) throw Exception(fileName_ + " に書き込めません");
}
