// The ANSI code page and conversions between it (or 932, or 1252) and UTF-16, through iconv.
#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <functional>
#include <string>

#include "winsim/reset_parts.h"
#include "winsim/sim.h"

namespace winsim {
namespace {

UINT ansiCodePage = 932;

UINT Resolved(UINT codePage) { return codePage == CP_ACP ? ansiCodePage : codePage; }

const char* IconvName(UINT codePage) {
    switch (Resolved(codePage)) {
        case 932:
            return "CP932";
        case 1252:
            return "CP1252";
        default:
            return nullptr;
    }
}

// Converts all of `in`; a unit that has no counterpart becomes what `fallback` makes of its
// first byte, and the conversion goes on after it, as the platform does without strict flags.
std::string Convert(const char* to, const char* from, const std::string& in, std::size_t unitSize,
                    const std::function<std::string(char)>& fallback, bool* fellBack) {
    iconv_t cd = iconv_open(to, from);
    std::string out;
    char buffer[256];
    auto* inPtr = const_cast<char*>(in.data());
    std::size_t inLeft = in.size();
    while (inLeft > 0) {
        char* outPtr = buffer;
        std::size_t outLeft = sizeof buffer;
        std::size_t result = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        out.append(buffer, outPtr);
        if (result == static_cast<std::size_t>(-1) && errno != E2BIG) {
            std::size_t skip = std::min(unitSize, inLeft);
            out += fallback(*inPtr);
            inPtr += skip;
            inLeft -= skip;
            *fellBack = true;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
        }
    }
    iconv_close(cd);
    return out;
}

}  // namespace

void SetAnsiCodePage(UINT codePage) { ansiCodePage = codePage; }

namespace detail {

void ResetCodePage() { ansiCodePage = 932; }

}  // namespace detail
}  // namespace winsim

UINT WINAPI GetACP() { return winsim::ansiCodePage; }

int WINAPI MultiByteToWideChar(UINT codePage, DWORD, LPCSTR text, int bytes, LPWSTR wide,
                               int wideChars) {
    const char* name = winsim::IconvName(codePage);
    if (name == nullptr || text == nullptr || bytes == 0 || bytes < -1 || wideChars < 0) return 0;
    // A length of -1 takes the text up to and with its terminator.
    std::string in(text, bytes == -1 ? std::strlen(text) + 1 : static_cast<std::size_t>(bytes));
    // A byte without a character: 932 shows the katakana middle dot, 1252 passes it through.
    const bool shiftJis = winsim::Resolved(codePage) == 932;
    auto fallback = [shiftJis](char byte) {
        return shiftJis ? std::string("\xFB\x30", 2) : std::string{byte, '\0'};
    };
    bool fellBack = false;
    std::string utf16 = winsim::Convert("UTF-16LE", name, in, 1, fallback, &fellBack);
    int needed = static_cast<int>(utf16.size() / 2);
    if (wideChars == 0) return needed;
    if (wide == nullptr || needed > wideChars) return 0;
    for (int i = 0; i < needed; ++i) {
        wide[i] = static_cast<WCHAR>(static_cast<unsigned char>(utf16[2 * i]) |
                                     static_cast<unsigned char>(utf16[2 * i + 1]) << 8);
    }
    return needed;
}

int WINAPI WideCharToMultiByte(UINT codePage, DWORD, LPCWSTR wide, int wideChars, LPSTR text,
                               int bytes, LPCSTR defaultChar, LPBOOL usedDefault) {
    const char* name = winsim::IconvName(codePage);
    if (name == nullptr || wide == nullptr || wideChars == 0 || wideChars < -1 || bytes < 0) {
        return 0;
    }
    std::size_t count = 0;
    if (wideChars == -1) {
        while (wide[count] != 0) ++count;
        ++count;
    } else {
        count = static_cast<std::size_t>(wideChars);
    }
    std::string in;
    for (std::size_t i = 0; i < count; ++i) {
        in += static_cast<char>(wide[i] & 0xFF);
        in += static_cast<char>(wide[i] >> 8);
    }
    std::string replacement = defaultChar ? defaultChar : "?";
    bool fellBack = false;
    std::string out = winsim::Convert(
        name, "UTF-16LE", in, 2, [&](char) { return replacement; }, &fellBack);
    if (usedDefault != nullptr) *usedDefault = fellBack;
    int needed = static_cast<int>(out.size());
    if (bytes == 0) return needed;
    if (text == nullptr || needed > bytes) return 0;
    std::memcpy(text, out.data(), out.size());
    return needed;
}
