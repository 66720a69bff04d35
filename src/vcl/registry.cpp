#include "vcl/registry.h"

#include <algorithm>

namespace {

// A leading backslash names a key from the root; the name itself goes without it.
bool IsRelative(const AnsiString& key) { return key.empty() || key[0] != '\\'; }
AnsiString WithoutLeadingBackslash(const AnsiString& key) {
    return IsRelative(key) ? key : key.substr(1);
}

// Closes a subkey on every way out of a read.
class OpenedKey {
  public:
    explicit OpenedKey(HKEY key) : key_(key) {}
    ~OpenedKey() { RegCloseKey(key_); }
    OpenedKey(const OpenedKey&) = delete;
    OpenedKey& operator=(const OpenedKey&) = delete;
    HKEY get() const { return key_; }

  private:
    HKEY key_;
};

}  // namespace

TRegIniFile::TRegIniFile(const AnsiString& path) {
    if (!path.empty()) OpenKey(path, true);
}

TRegIniFile::~TRegIniFile() { CloseKey(); }

void TRegIniFile::SetRootKey(HKEY root) {
    CloseKey();
    root_ = root;
}

bool TRegIniFile::OpenKey(const AnsiString& key, bool canCreate) {
    HKEY base = BaseKey(IsRelative(key));
    AnsiString name = WithoutLeadingBackslash(key);
    HKEY opened = nullptr;
    LSTATUS status = canCreate
                         ? RegCreateKeyExA(base, name.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                           KEY_ALL_ACCESS, nullptr, &opened, nullptr)
                         : RegOpenKeyExA(base, name.c_str(), 0, KEY_ALL_ACCESS, &opened);
    if (status != ERROR_SUCCESS) return false;
    CloseKey();
    current_ = opened;
    return true;
}

AnsiString TRegIniFile::ReadString(const AnsiString& section, const AnsiString& ident,
                                   const AnsiString& defaultValue) {
    HKEY subkey = nullptr;
    if (RegOpenKeyExA(BaseKey(IsRelative(section)), WithoutLeadingBackslash(section).c_str(), 0,
                      KEY_ALL_ACCESS, &subkey) != ERROR_SUCCESS) {
        return defaultValue;
    }
    OpenedKey key(subkey);
    DWORD type = REG_NONE, size = 0;
    if (RegQueryValueExA(key.get(), ident.c_str(), nullptr, &type, nullptr, &size) !=
        ERROR_SUCCESS) {
        return defaultValue;
    }
    if (type != REG_SZ && type != REG_EXPAND_SZ) {
        throw ERegistryException("'" + ident + "' のﾃﾞｰﾀ型が不正です");
    }
    AnsiString data(size, '\0');
    if (RegQueryValueExA(key.get(), ident.c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(data.data()), &size) != ERROR_SUCCESS) {
        throw ERegistryException("'" + ident + "' の取得に失敗しました");
    }
    data.resize(std::min<std::size_t>(size, data.size()));
    return data.substr(0, data.find('\0'));
}

void TRegIniFile::CloseKey() {
    if (current_ != nullptr) RegCloseKey(current_);
    current_ = nullptr;
}

HKEY TRegIniFile::BaseKey(bool relative) const {
    return relative && current_ != nullptr ? current_ : root_;
}
