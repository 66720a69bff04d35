#include "util/ini.h"

#include <utility>

#include "vcl/ini_file.h"

// The profile-file object lives in the routine's own frame, so it is released when the routine
// returns and also when the operation raises.

AnsiString IniReadString(AnsiString section, AnsiString key, AnsiString fallback,
                         AnsiString fileName) {
    const TIniFile ini(std::move(fileName));
    return ini.ReadString(section, key, fallback);
}

void IniWriteString(AnsiString section, AnsiString key, AnsiString value, AnsiString fileName) {
    const TIniFile ini(std::move(fileName));
    ini.WriteString(section, key, value);
}

void IniDeleteKey(AnsiString section, AnsiString key, AnsiString fileName) {
    const TIniFile ini(std::move(fileName));
    ini.DeleteKey(section, key);
}

void IniEraseSection(AnsiString section, AnsiString fileName) {
    const TIniFile ini(std::move(fileName));
    ini.EraseSection(section);
}

bool IniReadBool(AnsiString section, AnsiString key, bool fallback, AnsiString fileName) {
    const TIniFile ini(std::move(fileName));
    return ini.ReadBool(section, key, fallback);
}

int IniReadInteger(AnsiString section, AnsiString key, int fallback, AnsiString fileName) {
    const TIniFile ini(std::move(fileName));
    return ini.ReadInteger(section, key, fallback);
}

void IniWriteBool(AnsiString section, AnsiString key, bool value, AnsiString fileName) {
    const TIniFile ini(std::move(fileName));
    ini.WriteBool(section, key, value);
}

void IniWriteInteger(AnsiString section, AnsiString key, int value, AnsiString fileName) {
    const TIniFile ini(std::move(fileName));
    ini.WriteInteger(section, key, value);
}

std::unique_ptr<TStringList> IniReadSectionValues(AnsiString section, AnsiString fileName) {
    const TIniFile ini(std::move(fileName));
    auto strings = std::make_unique<TStringList>();
    ini.ReadSectionValues(section, strings.get());
    return strings;
}

std::unique_ptr<TStringList> IniReadSections(AnsiString fileName) {
    const TIniFile ini(std::move(fileName));
    auto strings = std::make_unique<TStringList>();
    ini.ReadSections(strings.get());
    return strings;
}

std::unique_ptr<TStringList> IniReadSection(AnsiString section, AnsiString fileName) {
    const TIniFile ini(std::move(fileName));
    auto strings = std::make_unique<TStringList>();
    ini.ReadSection(section, strings.get());
    return strings;
}
