// The running timers, for the message queue that turns them into WM_TIMER.
#pragma once

#include <cstdint>
#include <optional>

#include "winsim/winapi.h"

namespace winsim::detail {

// When the next timer comes due, later than now; a timer already due has its tick pending.
std::optional<std::uint32_t> NextTimerDue();
// The WM_TIMER of the earliest due timer that passes the filter. Taking it (`remove`) starts the
// timer's next period, so a timer has at most one WM_TIMER pending.
std::optional<MSG> DueTimerMessage(HWND filter, bool remove);

}  // namespace winsim::detail
