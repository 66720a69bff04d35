// The clipboard, as a place for a bitmap.
#pragma once

#include "vcl/bitmap.h"

class TClipboard {
  public:
    // Puts a copy of the bitmap on the clipboard in place of what it held. False when another
    // program has the clipboard open or it refuses the bitmap; the copy is then released.
    bool Assign(const TBitmap& bitmap);
};
