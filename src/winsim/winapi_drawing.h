// Fonts, bitmaps, icons and the clipboard. Included at the end of winsim/winapi.h, after the types it uses.
#pragma once
