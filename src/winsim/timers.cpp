#include <algorithm>
#include <vector>

#include "winsim/clock.h"
#include "winsim/reset_parts.h"
#include "winsim/timer_table.h"
#include "winsim/window_table.h"

namespace winsim {
namespace {

struct Timer {
    HWND hwnd;
    UINT_PTR id;
    UINT elapse;
    TIMERPROC proc;
    std::uint32_t due;
};

// The platform raises shorter periods to this.
constexpr UINT minimumElapse = 10;

std::vector<Timer> timers;
UINT_PTR nextThreadTimerId = 1;

auto FindTimer(HWND hwnd, UINT_PTR id) {
    return std::find_if(timers.begin(), timers.end(),
                        [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; });
}

}  // namespace

namespace detail {

std::optional<std::uint32_t> NextTimerDue() {
    std::optional<std::uint32_t> next;
    for (const Timer& t : timers) {
        if (t.due > ClockNow() && (!next || t.due < *next)) next = t.due;
    }
    return next;
}

std::optional<MSG> DueTimerMessage(HWND filter, bool remove) {
    Timer* earliest = nullptr;
    for (Timer& t : timers) {
        if (t.due > ClockNow() || (filter != nullptr && t.hwnd != filter)) continue;
        if (earliest == nullptr || t.due < earliest->due) earliest = &t;
    }
    if (earliest == nullptr) return std::nullopt;
    if (remove) earliest->due = ClockNow() + earliest->elapse;
    POINT cursor{};
    GetCursorPos(&cursor);
    return MSG{earliest->hwnd, WM_TIMER, earliest->id, reinterpret_cast<LPARAM>(earliest->proc),
               ClockNow(),     cursor};
}

void ForgetWindowTimers(HWND hwnd) {
    timers.erase(std::remove_if(timers.begin(), timers.end(),
                                [hwnd](const Timer& t) { return t.hwnd == hwnd; }),
                 timers.end());
}

void ResetTimers() { timers.clear(); }

}  // namespace detail
}  // namespace winsim

UINT_PTR WINAPI SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc) {
    using namespace winsim;
    if (hwnd != nullptr && !IsWindow(hwnd)) return 0;
    if (hwnd == nullptr) id = nextThreadTimerId++;
    elapse = std::max(elapse, minimumElapse);
    std::uint32_t due = detail::ClockNow() + elapse;
    auto existing = FindTimer(hwnd, id);
    if (existing != timers.end()) {
        *existing = Timer{hwnd, id, elapse, proc, due};
    } else {
        timers.push_back(Timer{hwnd, id, elapse, proc, due});
    }
    return id;
}

BOOL WINAPI KillTimer(HWND hwnd, UINT_PTR id) {
    auto found = winsim::FindTimer(hwnd, id);
    if (found == winsim::timers.end()) return FALSE;
    winsim::timers.erase(found);
    return TRUE;
}
