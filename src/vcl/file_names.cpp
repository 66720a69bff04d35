#include "vcl/file_names.h"

#include <string_view>
#include <vector>

#include "win/win.h"

namespace {

// For each byte, whether it is the second byte of a double-byte character. The bytes are read
// from the start: from the end, a trail byte cannot be told from a single one.
std::vector<bool> TrailBytes(const AnsiString& text) {
    std::vector<bool> trail(text.size(), false);
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (IsDBCSLeadByte(static_cast<BYTE>(text[i]))) trail[++i] = true;
    }
    return trail;
}

// The position of the last single-byte character that is one of the delimiters, or npos.
std::size_t LastDelimiter(std::string_view delimiters, const AnsiString& text,
                          const std::vector<bool>& trail) {
    for (std::size_t i = text.size(); i-- > 0;) {
        if (!trail[i] && delimiters.find(text[i]) != std::string_view::npos) return i;
    }
    return AnsiString::npos;
}

// The position of the next backslash at or after `from` that is a character of its own.
std::size_t NextBackslash(const AnsiString& text, const std::vector<bool>& trail,
                          std::size_t from) {
    for (std::size_t i = from; i < text.size(); ++i) {
        if (!trail[i] && text[i] == '\\') return i;
    }
    return AnsiString::npos;
}

}  // namespace

AnsiString ExtractFileDir(const AnsiString& path) {
    const auto trail = TrailBytes(path);
    std::size_t last = LastDelimiter("\\:", path, trail);
    if (last == AnsiString::npos) return AnsiString();
    bool keepsBackslash = last == 0 || path[last] != '\\' ||
                          (!trail[last - 1] && (path[last - 1] == ':' || path[last - 1] == '\\'));
    return path.substr(0, keepsBackslash ? last + 1 : last);
}

AnsiString ExtractFileDrive(const AnsiString& path) {
    if (path.size() >= 2 && path[1] == ':') return path.substr(0, 2);
    if (path.size() < 2 || path[0] != '\\' || path[1] != '\\') return AnsiString();
    const auto trail = TrailBytes(path);
    std::size_t serverEnd = NextBackslash(path, trail, 2);
    if (serverEnd == AnsiString::npos) return path;
    return path.substr(0, NextBackslash(path, trail, serverEnd + 1));
}

AnsiString ExtractFileName(const AnsiString& path) {
    std::size_t last = LastDelimiter("\\:", path, TrailBytes(path));
    return last == AnsiString::npos ? path : path.substr(last + 1);
}

AnsiString ExtractFileExt(const AnsiString& path) {
    std::size_t last = LastDelimiter(".\\:", path, TrailBytes(path));
    return last != AnsiString::npos && path[last] == '.' ? path.substr(last) : AnsiString();
}
