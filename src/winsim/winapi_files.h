// Files and double-byte lead bytes. Included at the end of winsim/winapi.h, after the types it
// uses.
#pragma once

// Fails for a missing file, a directory and a read-only file.
BOOL WINAPI DeleteFileA(LPCSTR fileName);
// Whether the byte begins a double-byte character in the ANSI code page.
BOOL WINAPI IsDBCSLeadByte(BYTE byte);
