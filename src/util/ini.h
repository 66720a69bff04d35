// Profile-file values: each routine makes a TIniFile for the named file, does one thing with it
// and releases it before it returns, on every path.
#pragma once

#include <memory>

#include "vcl/string_list.h"
#include "vcl/sysutils.h"

AnsiString IniReadString(AnsiString section, AnsiString key, AnsiString fallback,
                         AnsiString fileName);
void IniWriteString(AnsiString section, AnsiString key, AnsiString value, AnsiString fileName);
void IniDeleteKey(AnsiString section, AnsiString key, AnsiString fileName);
void IniEraseSection(AnsiString section, AnsiString fileName);
bool IniReadBool(AnsiString section, AnsiString key, bool fallback, AnsiString fileName);
int IniReadInteger(AnsiString section, AnsiString key, int fallback, AnsiString fileName);
void IniWriteBool(AnsiString section, AnsiString key, bool value, AnsiString fileName);
void IniWriteInteger(AnsiString section, AnsiString key, int value, AnsiString fileName);

// New lists, owned by the caller.
std::unique_ptr<TStringList> IniReadSectionValues(AnsiString section, AnsiString fileName);
std::unique_ptr<TStringList> IniReadSections(AnsiString fileName);
std::unique_ptr<TStringList> IniReadSection(AnsiString section, AnsiString fileName);
