// An image control without a window: a picture of its own size that its canvas draws on.
#pragma once

#include <memory>

#include "vcl/bitmap.h"
#include "vcl/classes.h"

class TPicture {
  public:
    // The picture's graphic, or null while it has none.
    TGraphic* Graphic() const { return bitmap_.get(); }
    // The picture as a bitmap, made empty when it has none yet.
    TBitmap& Bitmap();

  private:
    std::unique_ptr<TBitmap> bitmap_;
};

class TImage : public TComponent {
  public:
    explicit TImage(TComponent* owner) : TComponent(owner) {}

    int Width() const { return width_; }
    void SetWidth(int width) { width_ = width; }
    int Height() const { return height_; }
    void SetHeight(int height) { height_ = height; }
    TPicture& Picture() { return picture_; }
    // The first use gives an empty picture a white bitmap of the image's size.
    TCanvas& Canvas();

  private:
    int width_ = 105;
    int height_ = 105;
    TPicture picture_;
};
