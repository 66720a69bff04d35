#include "vcl/wide_text.h"

namespace {
constexpr UINT kShiftJis = 932;
}

WideText ToWide(const AnsiString& text) {
    if (text.empty()) return WideText();
    const int bytes = static_cast<int>(text.size());
    const int chars = MultiByteToWideChar(kShiftJis, 0, text.data(), bytes, nullptr, 0);
    if (chars <= 0) return WideText();
    WideText wide(static_cast<size_t>(chars), WCHAR());
    MultiByteToWideChar(kShiftJis, 0, text.data(), bytes, &wide[0], chars);
    return wide;
}
