#include "vcl/font.h"

#include <algorithm>
#include <cstring>

TFont::~TFont() { ReleaseHandle(); }

void TFont::SetName(const AnsiString& name) {
    if (name == name_) return;
    ReleaseHandle();
    name_ = name;
}

void TFont::SetHeight(int height) {
    if (height == height_) return;
    ReleaseHandle();
    height_ = height;
}

HFONT TFont::Handle() {
    if (handle_ == nullptr) {
        LOGFONTA record{};
        record.lfHeight = height_;
        record.lfCharSet = DEFAULT_CHARSET;
        std::strncpy(record.lfFaceName, name_.c_str(), LF_FACESIZE - 1);
        handle_ = CreateFontIndirectA(&record);
    }
    return handle_;
}

void TFont::SetHandle(HFONT handle) {
    if (handle == handle_) return;
    ReleaseHandle();
    handle_ = handle;
    LOGFONTA record{};
    if (handle != nullptr && GetObjectA(handle, sizeof(record), &record) == sizeof(record)) {
        name_.assign(record.lfFaceName,
                     std::find(record.lfFaceName, record.lfFaceName + LF_FACESIZE, '\0'));
        height_ = record.lfHeight;
    }
}

void TFont::ReleaseHandle() {
    if (handle_ != nullptr) DeleteObject(handle_);
    handle_ = nullptr;
}
