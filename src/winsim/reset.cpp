#include "winsim/detail.h"
#include "winsim/reset_parts.h"
#include "winsim/sim.h"

namespace winsim {

void Reset() {
    // Windows first: the parts below may still hold handles of windows that are now gone.
    detail::ResetWindows();
    detail::ResetMessages();
    detail::ResetTimers();
    detail::ResetMenus();
    detail::ResetMessageBoxes();
    detail::ResetInput();
    detail::ResetGdi();
    detail::ResetTooltips();
    detail::ResetSystem();
    detail::ResetCodePage();
    detail::ResetWindowsDirectory();
    detail::ResetRegistry();
    detail::ResetSystemFacts();
    detail::ResetShell();
    detail::ResetDrawing();
    detail::ResetClock();
    detail::ResetFailureHook();
    detail::ResetMci();
}

}  // namespace winsim
