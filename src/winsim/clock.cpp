#include "winsim/clock.h"

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

#include "winsim/reset_parts.h"
#include "winsim/sim.h"

namespace winsim {
namespace {

struct ScriptedAction {
    std::uint32_t at;
    std::function<void()> action;
};

std::uint32_t now = 0;
std::uint32_t lastScriptUse = 0;
std::vector<ScriptedAction> script;  // by time; actions for the same time in the order given

}  // namespace

std::uint32_t Now() { return now; }

void At(std::uint32_t atMs, std::function<void()> action) {
    auto later =
        std::upper_bound(script.begin(), script.end(), atMs,
                         [](std::uint32_t t, const ScriptedAction& a) { return t < a.at; });
    script.insert(later, ScriptedAction{atMs, std::move(action)});
}

namespace detail {

std::uint32_t ClockNow() { return now; }

void AdvanceClockTo(std::uint32_t ms) { now = std::max(now, ms); }

std::optional<std::uint32_t> NextScriptedTime() {
    if (script.empty()) return std::nullopt;
    return script.front().at;
}

bool RunDueScriptedAction() {
    if (script.empty() || script.front().at > now) return false;
    // Taken off first: the action may script more.
    auto action = std::move(script.front().action);
    script.erase(script.begin());
    NoteScriptUsed();
    action();
    return true;
}

void NoteScriptUsed() { lastScriptUse = now; }

std::uint32_t LastScriptUse() { return lastScriptUse; }

void ResetClock() {
    now = 0;
    lastScriptUse = 0;
    script.clear();
}

}  // namespace detail
}  // namespace winsim
