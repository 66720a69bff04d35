// Handle values for the simulated objects. They are never reused, not even across Reset, so a
// handle kept from an earlier test can never name a newer object.
#pragma once

#include <cstdint>

namespace winsim::detail {

std::uintptr_t NextHandleValue();

template <typename Handle>
Handle NewHandle() {
    return reinterpret_cast<Handle>(NextHandleValue());
}

}  // namespace winsim::detail
