// Placeholder until the simulated CD drive lands: no drive, every request refused.
#include "winsim/detail.h"

namespace winsim::detail {
void ResetMci() {}
}  // namespace winsim::detail

MCIERROR WINAPI mciSendCommandA(MCIDEVICEID, UINT, DWORD_PTR, DWORD_PTR) {
    return MCIERR_INVALID_DEVICE_NAME;
}

BOOL WINAPI mciGetErrorStringA(MCIERROR, LPSTR text, UINT textSize) {
    if (text == nullptr || textSize == 0) return FALSE;
    text[0] = '\0';
    return FALSE;
}
