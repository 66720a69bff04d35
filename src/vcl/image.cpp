#include "vcl/image.h"

TBitmap& TPicture::Bitmap() {
    if (!bitmap_) bitmap_ = std::make_unique<TBitmap>();
    return *bitmap_;
}

TCanvas& TImage::Canvas() {
    if (picture_.Graphic() == nullptr) picture_.Bitmap().SetSize(width_, height_);
    return picture_.Bitmap().Canvas();
}
