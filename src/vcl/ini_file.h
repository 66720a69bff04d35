// The platform's profile-file object. It holds only the file's name: every operation goes to the
// file when it is made, so releasing the object writes nothing.
#pragma once

#include "vcl/classes.h"
#include "vcl/string_list.h"
#include "vcl/sysutils.h"
#include "win/win.h"

class TIniFile : public TObject {
  public:
    // A name without a directory names a file in the Windows directory.
    explicit TIniFile(AnsiString fileName) : fileName_(std::move(fileName)) {}
    const AnsiString& FileName() const { return fileName_; }

    // At most 1023 characters of the value, or `fallback` when the key is missing.
    AnsiString ReadString(const AnsiString& section, const AnsiString& key,
                          const AnsiString& fallback) const;
    // The value's text as an integer; "0x" before the digits reads as "$".
    int ReadInteger(const AnsiString& section, const AnsiString& key, int fallback) const;
    // Any integer but 0 is true.
    bool ReadBool(const AnsiString& section, const AnsiString& key, bool fallback) const;

    // The writes and the erase raise Exception ("<file name> に書き込めません") when the file
    // cannot be changed.
    void WriteString(const AnsiString& section, const AnsiString& key,
                     const AnsiString& value) const;
    void WriteInteger(const AnsiString& section, const AnsiString& key, int value) const;
    void WriteBool(const AnsiString& section, const AnsiString& key, bool value) const;
    void EraseSection(const AnsiString& section) const;
    // Reports nothing, whether the key was there or not.
    void DeleteKey(const AnsiString& section, const AnsiString& key) const;

    // Names in file order, added to `strings`. The platform hands over 8192 bytes of names at
    // most; a name it had to cut is left out.
    void ReadSections(TStringList* strings) const;
    void ReadSection(const AnsiString& section, TStringList* strings) const;
    // name=value for each key of the section whose value is not empty.
    void ReadSectionValues(const AnsiString& section, TStringList* strings) const;

  private:
    void Written(BOOL succeeded) const;

    AnsiString fileName_;
};
