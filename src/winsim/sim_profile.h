// Test controls of the simulated Windows for this area. Included at the end of winsim/sim.h.
#pragma once

#include <string>

namespace winsim {

// The Windows directory: a fresh, empty host directory after each Reset, made when first asked
// for. Profile files named without a directory lie here.
std::string WindowsDirectory();

}  // namespace winsim
