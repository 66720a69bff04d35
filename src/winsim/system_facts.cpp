// The local clock as tests set it, the system directory and the logged-on user's name.
#include <cstring>
#include <string>
#include <vector>

#include "winsim/reset_parts.h"
#include "winsim/sim.h"

namespace winsim {
namespace {

constexpr SYSTEMTIME kDefaultTime{2024, 3, 2, 5, 12, 0, 0, 0};  // a Tuesday

std::vector<SYSTEMTIME> times;
std::size_t nextTime = 0;
int timeReads = 0;
std::string userName;

// Copies a text with its NUL when it fits; the size that would be needed otherwise.
bool CopyWhole(const std::string& text, LPSTR buffer, std::size_t size) {
    if (buffer == nullptr || text.size() + 1 > size) return false;
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    return true;
}

}  // namespace

void SetLocalTimes(std::vector<SYSTEMTIME> newTimes) {
    times = std::move(newTimes);
    nextTime = 0;
}

int LocalTimeReads() { return timeReads; }

void SetUserName(const std::string& name) { userName = name; }

namespace detail {

void ResetSystemFacts() {
    times = {kDefaultTime};
    nextTime = 0;
    timeReads = 0;
    userName = "quillet";
}

}  // namespace detail
}  // namespace winsim

void WINAPI GetLocalTime(LPSYSTEMTIME time) {
    ++winsim::timeReads;
    if (time == nullptr || winsim::times.empty()) return;
    *time = winsim::times[winsim::nextTime];
    if (winsim::nextTime + 1 < winsim::times.size()) ++winsim::nextTime;
}

UINT WINAPI GetSystemDirectoryA(LPSTR buffer, UINT size) {
    const std::string directory = winsim::kSystemDirectory;
    // Too small a buffer gets nothing; the answer is then the size needed with the NUL.
    if (!winsim::CopyWhole(directory, buffer, size)) return static_cast<UINT>(directory.size() + 1);
    return static_cast<UINT>(directory.size());
}

BOOL WINAPI GetUserNameA(LPSTR buffer, LPDWORD size) {
    if (size == nullptr) return FALSE;
    bool fits = winsim::CopyWhole(winsim::userName, buffer, *size);
    *size = static_cast<DWORD>(winsim::userName.size() + 1);
    return fits ? TRUE : FALSE;
}
