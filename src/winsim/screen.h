// The size of the primary screen, which SetScreenSize sets.
#pragma once

namespace winsim::detail {

int ScreenWidth();
int ScreenHeight();

}  // namespace winsim::detail
