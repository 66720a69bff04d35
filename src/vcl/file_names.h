// The pieces of a file name. Separators are found from the end; in a double-byte ANSI code page
// the second byte of a character is never taken for one, even where it has a separator's value
// (the 0x5C of "表").
#pragma once

#include "vcl/sysutils.h"

// Up to the last backslash or colon; that backslash is dropped unless it follows the drive's
// colon or another backslash: "C:\dir\f" gives "C:\dir", "C:\f" gives "C:\".
AnsiString ExtractFileDir(const AnsiString& path);
// "C:" of a drive path, "\\server\share" of a network path, else the empty text.
AnsiString ExtractFileDrive(const AnsiString& path);
// After the last backslash or colon.
AnsiString ExtractFileName(const AnsiString& path);
// From the last dot, when no backslash or colon comes after it; else the empty text.
AnsiString ExtractFileExt(const AnsiString& path);
