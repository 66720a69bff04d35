// Registry, local time, system facts, the shell and the beep. Included at the end of
// winsim/winapi.h, after the types it uses.
#pragma once

// Registry.
struct HKEY__ {
    int unused;
};
using HKEY = HKEY__*;
using PHKEY = HKEY*;
using LSTATUS = LONG;
using REGSAM = DWORD;
using LPDWORD = DWORD*;
using LPBYTE = BYTE*;

#define HKEY_CURRENT_USER ((HKEY)(ULONG_PTR)((LONG)0x80000001))
#define HKEY_LOCAL_MACHINE ((HKEY)(ULONG_PTR)((LONG)0x80000002))

#define KEY_QUERY_VALUE 0x0001
#define KEY_SET_VALUE 0x0002
#define KEY_CREATE_SUB_KEY 0x0004
#define KEY_ENUMERATE_SUB_KEYS 0x0008
#define KEY_NOTIFY 0x0010
#define KEY_READ 0x20019
#define KEY_ALL_ACCESS 0xF003F

#define REG_OPTION_NON_VOLATILE 0x00000000L
#define REG_CREATED_NEW_KEY 0x00000001L
#define REG_OPENED_EXISTING_KEY 0x00000002L

#define REG_NONE 0
#define REG_SZ 1
#define REG_EXPAND_SZ 2
#define REG_BINARY 3
#define REG_DWORD 4

#define ERROR_SUCCESS 0L
#define ERROR_FILE_NOT_FOUND 2L
#define ERROR_ACCESS_DENIED 5L
#define ERROR_INVALID_HANDLE 6L
#define ERROR_INVALID_PARAMETER 87L
#define ERROR_BAD_PATHNAME 161L
#define ERROR_MORE_DATA 234L
#define ERROR_KEY_DELETED 1018L

LSTATUS WINAPI RegCreateKeyExA(HKEY key, LPCSTR subKey, DWORD reserved, LPSTR keyClass,
                               DWORD options, REGSAM access, void* securityAttributes, PHKEY result,
                               LPDWORD disposition);
LSTATUS WINAPI RegOpenKeyExA(HKEY key, LPCSTR subKey, DWORD options, REGSAM access, PHKEY result);
LSTATUS WINAPI RegCloseKey(HKEY key);
LSTATUS WINAPI RegDeleteKeyA(HKEY key, LPCSTR subKey);
LSTATUS WINAPI RegQueryValueExA(HKEY key, LPCSTR valueName, LPDWORD reserved, LPDWORD type,
                                LPBYTE data, LPDWORD dataSize);
LSTATUS WINAPI RegSetValueExA(HKEY key, LPCSTR valueName, DWORD reserved, DWORD type,
                              const BYTE* data, DWORD dataSize);

// Local time and system facts.
struct SYSTEMTIME {
    WORD wYear;
    WORD wMonth;
    WORD wDayOfWeek;
    WORD wDay;
    WORD wHour;
    WORD wMinute;
    WORD wSecond;
    WORD wMilliseconds;
};
using LPSYSTEMTIME = SYSTEMTIME*;

#define MAX_PATH 260

void WINAPI GetLocalTime(LPSYSTEMTIME time);
UINT WINAPI GetSystemDirectoryA(LPSTR buffer, UINT size);
BOOL WINAPI GetUserNameA(LPSTR buffer, LPDWORD size);

// The shell.
#define SE_ERR_FNF 2

#define EWX_LOGOFF 0x00000000
#define EWX_SHUTDOWN 0x00000001
#define EWX_REBOOT 0x00000002
#define EWX_FORCE 0x00000004
#define EWX_POWEROFF 0x00000008

HINSTANCE WINAPI ShellExecuteA(HWND hwnd, LPCSTR verb, LPCSTR file, LPCSTR parameters,
                               LPCSTR directory, INT showCommand);
HICON WINAPI ExtractIconA(HINSTANCE instance, LPCSTR file, UINT index);
BOOL WINAPI ExitWindowsEx(UINT flags, DWORD reason);
BOOL WINAPI MessageBeep(UINT type);
