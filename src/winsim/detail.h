// Shared between the parts of the simulated Windows; not for tests or program code.
#pragma once

#include <cstdint>
#include <string>

#include "winsim/winapi.h"

namespace winsim::detail {

// Called by Reset: puts the CD drive back to its default state with no device open.
void ResetMci();
// Reports a broken expectation of the simulation (the failure hook of sim.h).
[[noreturn]] void Fail(const std::string& what);

// A modal loop that lasts `ms` (a message box, a menu): the clock moves on, and queued messages,
// due timers and scripted actions are dispatched meanwhile, as in the real modal loops.
void ModalWait(std::uint32_t ms);

}  // namespace winsim::detail
