// Profile files. Included at the end of winsim/winapi.h, after the types it uses.
#pragma once

#define FILE_ATTRIBUTE_READONLY 0x00000001
#define FILE_ATTRIBUTE_NORMAL 0x00000080

// A file name without a directory names a file in the Windows directory.
DWORD WINAPI GetPrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR defaultValue,
                                      LPSTR returned, DWORD size, LPCSTR fileName);
DWORD WINAPI GetPrivateProfileSectionNamesA(LPSTR returned, DWORD size, LPCSTR fileName);
BOOL WINAPI WritePrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR value, LPCSTR fileName);
UINT WINAPI GetWindowsDirectoryA(LPSTR buffer, UINT size);
BOOL WINAPI SetFileAttributesA(LPCSTR fileName, DWORD attributes);
