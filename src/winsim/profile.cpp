// Profile files, read and written as Wine's kernel does: the whole file is read for every call,
// and a change writes the whole file anew.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "winsim/profile_text.h"
#include "winsim/sim.h"

namespace winsim {
namespace {

using detail::ProfileKey;
using detail::ProfileSection;
using detail::ProfileText;

// A name without a directory is a file in the Windows directory; any other is a host path.
std::string HostPath(LPCSTR fileName) {
    if (std::strpbrk(fileName, "\\/:") != nullptr) return fileName;
    return WindowsDirectory() + "/" + fileName;
}

ProfileText Load(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return detail::ParseProfile(std::string(std::istreambuf_iterator<char>(in), {}));
}

// Tests run as root, whom the host lets write anything: the file's write bits decide.
bool ReadOnly(const std::string& path) {
    struct stat status {};
    return stat(path.c_str(), &status) == 0 && (status.st_mode & S_IWUSR) == 0;
}

// The new text goes to a file of its own that then takes the old one's place, so that a crash
// in the middle leaves the old file or the new one, never a part of either.
bool Store(const std::string& path, const ProfileText& text) {
    struct stat status {};
    mode_t mode = stat(path.c_str(), &status) == 0 ? status.st_mode & 07777 : 0644;
    std::string temporary = path + ".XXXXXX";
    int fd = mkstemp(temporary.data());
    if (fd < 0) return false;
    std::string bytes = detail::FormatProfile(text);
    bool written = write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size()) &&
                   fchmod(fd, mode) == 0 && fsync(fd) == 0;
    written = close(fd) == 0 && written;
    if (written && std::rename(temporary.c_str(), path.c_str()) == 0) return true;
    std::remove(temporary.c_str());
    return false;
}

// A value between matching quotes comes without them.
std::string Unquoted(const std::string& value) {
    if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0]) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

// The text cut to what fits before the ending zero. A cut in the ANSI code page keeps whole
// characters and still reports the full buffer, leaving the byte a half character would have
// taken as it was, as Wine does.
DWORD CopyText(const std::string& text, LPSTR out, DWORD size) {
    if (text.size() < size) {
        std::memcpy(out, text.c_str(), text.size() + 1);
        return static_cast<DWORD>(text.size());
    }
    std::size_t whole = 0;
    while (whole < text.size()) {
        std::size_t next = whole + detail::CharBytes(text, whole);
        if (next > size - 1) break;
        whole = next;
    }
    std::memcpy(out, text.data(), whole);
    out[size - 1] = '\0';
    return size - 1;
}

// Bytes handed out as a list: the zero after the last name is not counted.
DWORD CopyList(const std::string& list, LPSTR out) {
    std::memcpy(out, list.data(), list.size());
    out[list.size()] = '\0';
    return static_cast<DWORD>(list.size());
}

// Names, each ended by a zero, into `size` bytes. When they do not all fit, the names that fit
// come first, then as much of the next one as leaves room for two zeros; the result is then
// size - 2, of which the byte after the last one stays as it was.
DWORD SectionNames(const ProfileText& text, LPSTR out, DWORD size) {
    if (size == 1) {
        out[0] = '\0';
        return 0;
    }
    std::string list;
    std::size_t room = size - 1;
    for (const ProfileSection& section : text.sections) {
        if (section.name.empty()) continue;
        if (section.name.size() + 1 >= room) {
            list += section.name.substr(0, room - 1);
            CopyList(list, out);
            return size - 2;
        }
        list += section.name + '\0';
        room -= section.name.size() + 1;
    }
    return CopyList(list, out);
}

DWORD KeyNames(ProfileText& text, LPCSTR sectionName, LPSTR out, DWORD size) {
    ProfileSection* section = detail::FindSection(text, sectionName);
    std::string list;
    std::size_t room = size;
    if (section != nullptr) {
        for (const ProfileKey& key : section->keys) {
            // Lines without "=" and comments are no keys to list.
            if (!key.value || key.name[0] == ';') continue;
            if (room <= 2) break;
            std::string name = key.name.substr(0, room - 2);
            list += name + '\0';
            room -= name.size() + 1;
            if (room < 2) break;
        }
    }
    if (room <= 1 && !list.empty()) {
        list.pop_back();
        CopyList(list, out);
        return size - 2;
    }
    return CopyList(list, out);
}

// The change a write asks for; false when the file needs none.
bool Change(ProfileText& text, const std::string& sectionName, LPCSTR keyName, LPCSTR value) {
    auto& sections = text.sections;
    // An erase and a delete compare the names with their blanks.
    if (keyName == nullptr) {
        auto found = std::find_if(sections.begin(), sections.end(), [&](const auto& section) {
            return detail::SameName(section.name, sectionName);
        });
        if (found == sections.end()) return false;
        sections.erase(found);
        return true;
    }
    if (value == nullptr) {
        for (ProfileSection& section : sections) {
            if (!detail::SameName(section.name, sectionName)) continue;
            auto& keys = section.keys;
            auto found = std::find_if(keys.begin(), keys.end(), [&](const ProfileKey& key) {
                return detail::SameName(key.name, keyName);
            });
            if (found == keys.end()) continue;
            keys.erase(found);
            return true;
        }
        return false;
    }
    ProfileSection* section = detail::FindSection(text, sectionName);
    if (section == nullptr) {
        // New names lose the blanks before them only.
        sections.push_back({detail::TrimLeft(sectionName), {}});
        section = &sections.back();
    }
    ProfileKey* key = detail::FindKey(*section, keyName);
    if (key == nullptr) {
        section->keys.push_back({detail::TrimLeft(keyName), std::nullopt});
        key = &section->keys.back();
    }
    std::string stored = detail::TrimLeft(value);
    if (key->value == stored) return false;
    key->value = stored;
    return true;
}

}  // namespace
}  // namespace winsim

DWORD WINAPI GetPrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR defaultValue,
                                      LPSTR returned, DWORD size, LPCSTR fileName) {
    if (returned == nullptr || size == 0) return 0;
    winsim::detail::ProfileText text = winsim::Load(winsim::HostPath(fileName));
    if (section == nullptr) return winsim::SectionNames(text, returned, size);
    if (key == nullptr) return winsim::KeyNames(text, section, returned, size);

    std::string fallback = defaultValue != nullptr ? defaultValue : "";
    fallback.erase(fallback.find_last_not_of(' ') + 1);
    const winsim::detail::ProfileKey* found = nullptr;
    if (auto* inSection = winsim::detail::FindSection(text, section)) {
        found = winsim::detail::FindKey(*inSection, key);
    }
    const std::string& value = found != nullptr && found->value ? *found->value : fallback;
    return winsim::CopyText(winsim::Unquoted(value), returned, size);
}

DWORD WINAPI GetPrivateProfileSectionNamesA(LPSTR returned, DWORD size, LPCSTR fileName) {
    if (returned == nullptr || size == 0) return 0;
    return winsim::SectionNames(winsim::Load(winsim::HostPath(fileName)), returned, size);
}

BOOL WINAPI WritePrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR value, LPCSTR fileName) {
    if (section == nullptr) return FALSE;
    std::string path = winsim::HostPath(fileName);
    winsim::detail::ProfileText text = winsim::Load(path);
    // The file is opened for writing before anything else, so a read-only one refuses even a
    // write that would change nothing.
    if (winsim::ReadOnly(path)) return FALSE;
    if (!winsim::Change(text, section, key, value)) return TRUE;
    return winsim::Store(path, text) ? TRUE : FALSE;
}

BOOL WINAPI SetFileAttributesA(LPCSTR fileName, DWORD attributes) {
    struct stat status {};
    if (stat(fileName, &status) != 0) return FALSE;
    mode_t mode = status.st_mode & 07777;
    mode = (attributes & FILE_ATTRIBUTE_READONLY) != 0 ? mode & ~0222 : mode | S_IWUSR;
    return chmod(fileName, mode) == 0 ? TRUE : FALSE;
}
