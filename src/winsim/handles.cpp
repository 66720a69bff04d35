#include "winsim/handles.h"

namespace winsim::detail {

std::uintptr_t NextHandleValue() {
    // Aligned and well away from null and from the small values that stand for system colours.
    static std::uintptr_t next = 0x10000;
    next += 4;
    return next;
}

}  // namespace winsim::detail
