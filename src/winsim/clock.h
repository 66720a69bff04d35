// The virtual clock and the scripted actions that run when it reaches their time.
#pragma once

#include <cstdint>
#include <optional>

namespace winsim::detail {

std::uint32_t ClockNow();
// Moves the clock forward to `ms`; never backward.
void AdvanceClockTo(std::uint32_t ms);
std::optional<std::uint32_t> NextScriptedTime();
// Runs the earliest scripted action that is due; false when none is.
bool RunDueScriptedAction();
// The script was last used (an action ran, an answer was taken) at this time.
void NoteScriptUsed();
std::uint32_t LastScriptUse();

}  // namespace winsim::detail
