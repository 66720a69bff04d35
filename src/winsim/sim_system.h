// Test controls of the simulated Windows for the registry, the local time, the system facts and
// the shell. Included at the end of winsim/sim.h.
#pragma once

#include <string>
#include <vector>

#include "winsim/winapi.h"

namespace winsim {

// ---- Registry ----------------------------------------------------------------------------
// A fresh machine has HKEY_CURRENT_USER\Software and
// HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion, with no values.
// From now on, opening or creating the key `path` below `root` with more than read access
// fails with ERROR_ACCESS_DENIED, as for a user without write access to it.
void RefuseFullAccess(HKEY root, const std::string& path);
// From now on, reading the data of that value fails with ERROR_ACCESS_DENIED; asking for its
// type and size still works.
void MakeValueUnreadable(HKEY root, const std::string& path, const std::string& valueName);
// Key handles opened and not yet closed: a test that ends with any has leaked one.
int OpenRegistryKeys();

// ---- Local time and system facts -----------------------------------------------------------
// Default: Tuesday 5 March 2024, 12:00:00.000. Each GetLocalTime takes the next of these times;
// the last one stays.
void SetLocalTimes(std::vector<SYSTEMTIME> times);
int LocalTimeReads();                       // GetLocalTime calls since Reset
void SetUserName(const std::string& name);  // default "quillet"
constexpr const char* kSystemDirectory = "C:\\windows\\system32";

// ---- The shell -----------------------------------------------------------------------------
// A file the shell can open, with how many icons it holds (each a 32x32 icon). The system
// directory's "shell32.dll" is there from the start.
void AddShellFile(const std::string& path, int icons);
struct ShellExecuteRecord {
    HWND hwnd;
    bool hasVerb;
    std::string verb;
    std::string file;
    std::string parameters;
    std::string directory;
    int showCommand;
};
const std::vector<ShellExecuteRecord>& ShellExecutes();
struct ExtractIconRecord {
    HINSTANCE instance;
    std::string file;
    UINT index;
    HICON result;
};
const std::vector<ExtractIconRecord>& ExtractIcons();
// Whether the process holds the shut-down privilege (by default it does not): without it
// ExitWindowsEx refuses to shut down, restart or power off, and still logs the user off.
void SetShutdownPrivilege(bool held);
const std::vector<UINT>& ExitWindowsRequests();  // the flags of each call
const std::vector<UINT>& Beeps();                // the type of each MessageBeep

}  // namespace winsim
