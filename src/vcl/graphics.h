// Colours and the small pixel maps that picture buttons show as their glyphs.
#pragma once

#include <vector>

#include "win/win.h"

using TColor = COLORREF;
constexpr TColor clBlack = RGB(0, 0, 0);
constexpr TColor clWhite = RGB(255, 255, 255);
constexpr TColor clBlue = RGB(0, 0, 255);

class TGlyphMap {
  public:
    TGlyphMap() = default;
    TGlyphMap(int width, int height, TColor fill);

    int Width() const { return width_; }
    int Height() const { return height_; }
    TColor Pixel(int x, int y) const { return pixels_[static_cast<size_t>(y * width_ + x)]; }
    void SetPixel(int x, int y, TColor color) {
        pixels_[static_cast<size_t>(y * width_ + x)] = color;
    }

  private:
    int width_ = 0;
    int height_ = 0;
    std::vector<TColor> pixels_;
};
