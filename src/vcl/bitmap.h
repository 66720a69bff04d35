// A bitmap of the screen's format in a memory context of its own, drawn on through its canvas.
#pragma once

#include "vcl/canvas.h"
#include "win/win.h"

class TBitmap : public TGraphic {
  public:
    TBitmap();
    ~TBitmap() override;
    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    // A new picture of that size, all white.
    void SetSize(int width, int height);
    HBITMAP Handle() const { return bitmap_; }
    // Hands the bitmap over to the caller, leaving this one empty.
    HBITMAP ReleaseHandle();
    TCanvas& Canvas() { return canvas_; }
    void Draw(TCanvas& canvas, int x, int y) const override;

  private:
    HDC dc_;
    HGDIOBJ original_ = nullptr;  // what the fresh context held, put back before its end
    HBITMAP bitmap_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    TCanvas canvas_;
};
