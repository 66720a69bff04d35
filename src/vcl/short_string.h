// The platform's counted string: a length byte (0 to 255), then that many characters.
#pragma once

#include <algorithm>
#include <cstring>

#include "vcl/sysutils.h"

struct ShortString {
    unsigned char bytes[256] = {};
};

// Text longer than 255 bytes keeps its first 255.
inline ShortString ToShortString(const AnsiString& text) {
    ShortString counted;
    std::size_t length = std::min<std::size_t>(text.size(), 255);
    counted.bytes[0] = static_cast<unsigned char>(length);
    std::memcpy(counted.bytes + 1, text.data(), length);
    return counted;
}
