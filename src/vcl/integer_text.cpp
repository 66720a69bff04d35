#include "vcl/integer_text.h"

#include <cstdint>

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The digits from `at` to the end in `base`, or false when there are none, another character
// follows, or the value passes `limit`.
bool Digits(const AnsiString& text, size_t at, int base, std::uint64_t limit,
            std::uint64_t* value) {
    if (at >= text.size()) return false;
    *value = 0;
    for (; at < text.size(); ++at) {
        const int digit = HexDigit(text[at]);
        if (digit < 0 || digit >= base) return false;
        *value = *value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
        if (*value > limit) return false;
    }
    return true;
}

}  // namespace

int StrToIntDef(const AnsiString& text, int fallback) {
    size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) ++at;
    if (at < text.size() && (text[at] == '$' || text[at] == 'x' || text[at] == 'X')) {
        ++at;
    } else if (at + 1 < text.size() && text[at] == '0' &&
               (text[at + 1] == 'x' || text[at + 1] == 'X')) {
        at += 2;
    } else {
        const bool negative = at < text.size() && text[at] == '-';
        if (at < text.size() && (text[at] == '-' || text[at] == '+')) ++at;
        std::uint64_t value = 0;
        if (!Digits(text, at, 10, negative ? 2147483648u : 2147483647u, &value)) return fallback;
        return static_cast<int>(negative ? -static_cast<std::int64_t>(value)
                                         : static_cast<std::int64_t>(value));
    }
    std::uint64_t value = 0;
    if (!Digits(text, at, 16, 0xFFFFFFFFu, &value)) return fallback;
    return static_cast<int>(static_cast<std::uint32_t>(value));
}
