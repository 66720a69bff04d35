#include "winsim/profile_text.h"

#include "winsim/winapi.h"

namespace winsim::detail {
namespace {

bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r') || c == '\x1A'; }

bool IsLeadByte(unsigned char c) {
    return GetACP() == 932 && ((c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC));
}

char Folded(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// Where the character `c` last stands, never matching the second byte of a double-byte one.
std::size_t FindLastChar(const std::string& text, char c) {
    std::size_t found = std::string::npos;
    for (std::size_t at = 0; at < text.size(); at += CharBytes(text, at)) {
        if (text[at] == c) found = at;
    }
    return found;
}

void AddLine(ProfileText& text, const std::string& line) {
    if (line[0] == '[') {
        std::size_t close = FindLastChar(line, ']');
        if (close != std::string::npos && close > 0) {
            text.sections.push_back({Trim(line.substr(1, close - 1)), {}});
            return;
        }
    }
    if (text.sections.empty()) text.sections.push_back({});
    std::size_t equals = line.find('=');  // "=" is never the second byte of a character
    ProfileKey key;
    if (equals == std::string::npos) {
        key.name = line;
    } else {
        key.name = Trim(line.substr(0, equals));
        key.value = Trim(line.substr(equals + 1));
    }
    text.sections.back().keys.push_back(std::move(key));
}

}  // namespace

std::size_t CharBytes(const std::string& text, std::size_t at) {
    return IsLeadByte(static_cast<unsigned char>(text[at])) && at + 1 < text.size() ? 2 : 1;
}

std::string TrimLeft(const std::string& text) {
    std::size_t begin = 0;
    while (begin < text.size() && IsBlank(text[begin])) ++begin;
    return text.substr(begin);
}

std::string Trim(const std::string& text) {
    std::string left = TrimLeft(text);
    std::size_t end = left.size();
    while (end > 0 && IsBlank(left[end - 1])) --end;
    return left.substr(0, end);
}

bool SameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t at = 0; at < a.size();) {
        std::size_t bytes = CharBytes(a, at);
        if (bytes == 2) {
            if (a.compare(at, 2, b, at, 2) != 0) return false;
        } else if (Folded(a[at]) != Folded(b[at])) {
            return false;
        }
        at += bytes;
    }
    return true;
}

ProfileText ParseProfile(const std::string& bytes) {
    ProfileText text;
    std::size_t at = 0;
    while (at < bytes.size()) {
        std::size_t end = bytes.find_first_of("\r\n", at);
        if (end == std::string::npos) end = bytes.size();
        std::string line = Trim(bytes.substr(at, end - at));
        if (!line.empty()) AddLine(text, line);
        at = end + 1;
    }
    return text;
}

std::string FormatProfile(const ProfileText& text) {
    std::string bytes;
    for (const ProfileSection& section : text.sections) {
        if (!section.name.empty()) bytes += "[" + section.name + "]\r\n";
        for (const ProfileKey& key : section.keys) {
            bytes += key.name;
            if (key.value) bytes += "=" + *key.value;
            bytes += "\r\n";
        }
    }
    return bytes;
}

ProfileSection* FindSection(ProfileText& text, const std::string& name) {
    std::string wanted = Trim(name);
    for (ProfileSection& section : text.sections) {
        if (SameName(section.name, wanted)) return &section;
    }
    return nullptr;
}

ProfileKey* FindKey(ProfileSection& section, const std::string& name) {
    std::string wanted = Trim(name);
    for (ProfileKey& key : section.keys) {
        if (SameName(key.name, wanted)) return &key;
    }
    return nullptr;
}

}  // namespace winsim::detail
