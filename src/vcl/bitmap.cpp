#include "vcl/bitmap.h"

#include <utility>

TBitmap::TBitmap() : dc_(CreateCompatibleDC(nullptr)), canvas_(dc_) {}

TBitmap::~TBitmap() {
    // A bitmap cannot go while a context holds it.
    if (original_ != nullptr) SelectObject(dc_, original_);
    if (bitmap_ != nullptr) DeleteObject(bitmap_);
    DeleteDC(dc_);
}

void TBitmap::SetSize(int width, int height) {
    HDC screen = GetDC(nullptr);
    HBITMAP fresh = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    HGDIOBJ previous = SelectObject(dc_, fresh);
    if (original_ == nullptr) original_ = previous;
    if (bitmap_ != nullptr) DeleteObject(bitmap_);
    bitmap_ = fresh;
    width_ = width;
    height_ = height;
    RECT all{0, 0, width, height};
    HBRUSH white = CreateSolidBrush(clWhite);
    FillRect(dc_, &all, white);
    DeleteObject(white);
}

HBITMAP TBitmap::ReleaseHandle() {
    if (original_ != nullptr) SelectObject(dc_, original_);
    original_ = nullptr;
    width_ = 0;
    height_ = 0;
    return std::exchange(bitmap_, nullptr);
}

void TBitmap::Draw(TCanvas& canvas, int x, int y) const {
    BitBlt(canvas.Handle(), x, y, width_, height_, dc_, 0, 0, SRCCOPY);
}
