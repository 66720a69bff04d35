#include "vcl/icon.h"

TIcon::~TIcon() {
    if (handle_ != nullptr) DestroyIcon(handle_);
}

void TIcon::SetHandle(HICON handle) {
    if (handle == handle_) return;
    if (handle_ != nullptr) DestroyIcon(handle_);
    handle_ = handle;
    width_ = 0;
    height_ = 0;
    ICONINFO info{};
    if (handle == nullptr || !GetIconInfo(handle, &info)) return;
    // The size is the colour image's; an icon without one has a mask twice as high.
    BITMAP image{};
    if (info.hbmColor != nullptr && GetObjectA(info.hbmColor, sizeof(image), &image) != 0) {
        width_ = image.bmWidth;
        height_ = image.bmHeight;
    } else if (GetObjectA(info.hbmMask, sizeof(image), &image) != 0) {
        width_ = image.bmWidth;
        height_ = image.bmHeight / 2;
    }
    if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
    if (info.hbmMask != nullptr) DeleteObject(info.hbmMask);
}

void TIcon::Draw(TCanvas& canvas, int x, int y) const {
    DrawIconEx(canvas.Handle(), x, y, handle_, 0, 0, 0, nullptr, DI_NORMAL);
}
