// The text of a profile file as the platform holds it between reading and writing: sections in
// file order, each with its keys in file order. Blank lines do not survive; comments do, as keys.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace winsim::detail {

struct ProfileKey {
    std::string name;
    std::optional<std::string> value;  // none for a line without "="
};

struct ProfileSection {
    std::string name;  // empty for the lines before the first section header
    std::vector<ProfileKey> keys;
};

struct ProfileText {
    std::vector<ProfileSection> sections;
};

ProfileText ParseProfile(const std::string& bytes);
std::string FormatProfile(const ProfileText& text);

// Blanks as the platform skips them around names and values.
std::string TrimLeft(const std::string& text);
std::string Trim(const std::string& text);
// Letter case does not count; a double-byte character of the ANSI code page is compared whole.
bool SameName(const std::string& a, const std::string& b);

// The first section or key of that name, the name's blanks not counted.
ProfileSection* FindSection(ProfileText& text, const std::string& name);
ProfileKey* FindKey(ProfileSection& section, const std::string& name);

// Bytes of the ANSI code page's character that begins at `at`: 2 for a lead byte followed by a
// byte, else 1.
std::size_t CharBytes(const std::string& text, std::size_t at);

}  // namespace winsim::detail
