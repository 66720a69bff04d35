// What the painting calls and the shell need of the fonts, bitmaps and icons.
#pragma once

#include "winsim/winapi.h"

namespace winsim::detail {

// The pixels of the bitmap selected into a memory device context, row by row.
struct Surface {
    COLORREF* pixels;
    int width;
    int height;
};
// False when `dc` is not a memory device context.
bool MemorySurface(HDC dc, Surface* surface);
// DeleteObject for everything but brushes.
BOOL DeleteDrawingObject(HGDIOBJ object);
// An opaque icon of one colour.
HICON NewIcon(int width, int height, COLORREF color);

}  // namespace winsim::detail
