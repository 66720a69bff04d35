// The registry object: a key below a root key, opened with full access, and string values read
// from its subkeys with a default.
#pragma once

#include "vcl/sysutils.h"
#include "win/win.h"

// Raised when a value holds no string or its data cannot be read.
class ERegistryException : public Exception {
  public:
    using Exception::Exception;
};

class TRegIniFile {
  public:
    // Opens `path` below HKEY_CURRENT_USER, creating it when missing; an empty path stays at
    // the root key itself.
    explicit TRegIniFile(const AnsiString& path);
    ~TRegIniFile();
    TRegIniFile(const TRegIniFile&) = delete;
    TRegIniFile& operator=(const TRegIniFile&) = delete;

    HKEY RootKey() const { return root_; }
    // Closes whatever key is open.
    void SetRootKey(HKEY root);
    // Relative to the open key, or to the root key when `key` begins with a backslash or none
    // is open. When it fails, the open key stays as it was.
    bool OpenKey(const AnsiString& key, bool canCreate);
    // The string in value `ident` of the subkey `section` of the open key (of the root key when
    // `section` begins with a backslash), or `defaultValue` when the subkey cannot be opened
    // or the value is missing. Raises ERegistryException for a value that holds no string or
    // whose data cannot be read. An expandable string comes back unexpanded.
    AnsiString ReadString(const AnsiString& section, const AnsiString& ident,
                          const AnsiString& defaultValue);

  private:
    void CloseKey();
    HKEY BaseKey(bool relative) const;

    HKEY root_ = HKEY_CURRENT_USER;
    HKEY current_ = nullptr;
};
