// Shared between the parts of the simulated Windows; not for tests or program code.
#pragma once

#include <string>

#include "winsim/winapi.h"

namespace winsim::detail {

// Called by Reset: puts the CD drive back to its default state with no device open.
void ResetMci();
// Reports a broken expectation of the simulation (the failure hook of sim.h).
[[noreturn]] void Fail(const std::string& what);

}  // namespace winsim::detail
