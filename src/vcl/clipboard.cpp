#include "vcl/clipboard.h"

bool TClipboard::Assign(const TBitmap& bitmap) {
    // The clipboard keeps what it is given, so it gets a copy of its own.
    TBitmap copy;
    copy.SetSize(bitmap.Width(), bitmap.Height());
    bitmap.Draw(copy.Canvas(), 0, 0);
    if (!OpenClipboard(nullptr)) return false;
    EmptyClipboard();
    HBITMAP handle = copy.ReleaseHandle();
    bool placed = SetClipboardData(CF_BITMAP, handle) != nullptr;
    if (!placed) DeleteObject(handle);
    CloseClipboard();
    return placed;
}
