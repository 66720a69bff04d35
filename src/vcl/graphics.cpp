#include "vcl/graphics.h"

TGlyphMap::TGlyphMap(int width, int height, TColor fill)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width * height), fill) {}
