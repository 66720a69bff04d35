// The shell's services as the program asks for them: each request is recorded, and nothing is
// started, shut down or sounded.
#include <cctype>
#include <map>
#include <string>
#include <vector>

#include "winsim/drawing_objects.h"
#include "winsim/reset_parts.h"
#include "winsim/sim.h"

namespace winsim {
namespace {

std::map<std::string, int> shellFiles;  // by upper-cased path: how many icons
std::vector<ShellExecuteRecord> executes;
std::vector<ExtractIconRecord> extracts;
std::vector<UINT> exitRequests;
std::vector<UINT> beeps;
bool shutdownPrivilege = false;

std::string Upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

std::string Text(LPCSTR text) { return text != nullptr ? text : ""; }

// The icon count of a file the shell knows, or -1.
int IconsOf(LPCSTR file) {
    auto found = shellFiles.find(Upper(Text(file)));
    return found != shellFiles.end() ? found->second : -1;
}

}  // namespace

void AddShellFile(const std::string& path, int icons) { shellFiles[Upper(path)] = icons; }
const std::vector<ShellExecuteRecord>& ShellExecutes() { return executes; }
const std::vector<ExtractIconRecord>& ExtractIcons() { return extracts; }
void SetShutdownPrivilege(bool held) { shutdownPrivilege = held; }
const std::vector<UINT>& ExitWindowsRequests() { return exitRequests; }
const std::vector<UINT>& Beeps() { return beeps; }

namespace detail {

void ResetShell() {
    shellFiles.clear();
    AddShellFile(std::string(kSystemDirectory) + "\\shell32.dll", 4);
    executes.clear();
    extracts.clear();
    exitRequests.clear();
    beeps.clear();
    shutdownPrivilege = false;
}

}  // namespace detail
}  // namespace winsim

HINSTANCE WINAPI ShellExecuteA(HWND hwnd, LPCSTR verb, LPCSTR file, LPCSTR parameters,
                               LPCSTR directory, INT showCommand) {
    winsim::executes.push_back(
        winsim::ShellExecuteRecord{hwnd, verb != nullptr, winsim::Text(verb), winsim::Text(file),
                                   winsim::Text(parameters), winsim::Text(directory), showCommand});
    // Success is any value above 32.
    std::uintptr_t result = winsim::IconsOf(file) >= 0 ? 42 : SE_ERR_FNF;
    return reinterpret_cast<HINSTANCE>(result);
}

HICON WINAPI ExtractIconA(HINSTANCE instance, LPCSTR file, UINT index) {
    int icons = winsim::IconsOf(file);
    HICON icon = nullptr;
    if (icons >= 0 && index < static_cast<UINT>(icons)) {
        icon = winsim::detail::NewIcon(32, 32, RGB(0, 0, 128));
    }
    winsim::extracts.push_back(
        winsim::ExtractIconRecord{instance, winsim::Text(file), index, icon});
    return icon;
}

BOOL WINAPI ExitWindowsEx(UINT flags, DWORD) {
    winsim::exitRequests.push_back(flags);
    // Only logging off needs no privilege.
    constexpr UINT needsPrivilege = EWX_SHUTDOWN | EWX_REBOOT | EWX_POWEROFF;
    return (flags & needsPrivilege) == 0 || winsim::shutdownPrivilege ? TRUE : FALSE;
}

BOOL WINAPI MessageBeep(UINT type) {
    winsim::beeps.push_back(type);
    return TRUE;
}
