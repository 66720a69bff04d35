// Lead bytes of the ANSI code page: Shift-JIS starts its double-byte characters at 0x81-0x9F
// and 0xE0-0xFC; the Western code page has none.
#include "winsim/winapi.h"

BOOL WINAPI IsDBCSLeadByte(BYTE byte) {
    if (GetACP() != 932) return FALSE;
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC) ? TRUE : FALSE;
}
