// The registry: keys below HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE with typed values. Names
// compare without regard to letter case, as on the platform, after conversion from the ANSI code
// page, so that a double-byte name whose second byte is a backslash stays one name.
#include <cstring>
#include <map>
#include <memory>
#include <vector>

#include "winsim/handles.h"
#include "winsim/reset_parts.h"
#include "winsim/sim.h"

namespace winsim {
namespace {

struct Value {
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
    bool unreadable = false;
};

struct Key {
    std::map<std::u16string, std::unique_ptr<Key>> subkeys;  // by folded name
    std::map<std::u16string, Value> values;                  // by folded name
    bool refusesFullAccess = false;
};

using Path = std::vector<std::u16string>;  // folded names below a root

struct OpenKey {
    HKEY root;
    Path path;
};

Key currentUser;
Key localMachine;
std::map<HKEY, OpenKey> openKeys;

std::u16string Folded(LPCSTR name) {
    if (name == nullptr || *name == '\0') return u"";
    int length = MultiByteToWideChar(CP_ACP, 0, name, -1, nullptr, 0);
    std::vector<WCHAR> wide(static_cast<std::size_t>(length));
    MultiByteToWideChar(CP_ACP, 0, name, -1, wide.data(), length);
    std::u16string folded(wide.data(), static_cast<std::size_t>(length - 1));
    for (char16_t& c : folded) {
        if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
    }
    return folded;
}

Path Split(LPCSTR subKey) {
    Path path;
    std::u16string all = Folded(subKey);
    std::size_t start = 0;
    while (start <= all.size()) {
        std::size_t end = all.find(u'\\', start);
        if (end == std::u16string::npos) end = all.size();
        if (end > start) path.push_back(all.substr(start, end - start));
        start = end + 1;
    }
    return path;
}

Key* RootKey(HKEY root) {
    if (root == HKEY_CURRENT_USER) return &currentUser;
    if (root == HKEY_LOCAL_MACHINE) return &localMachine;
    return nullptr;
}

Key* Walk(Key* key, const Path& path) {
    for (const auto& name : path) {
        if (key == nullptr) return nullptr;
        auto found = key->subkeys.find(name);
        key = found != key->subkeys.end() ? found->second.get() : nullptr;
    }
    return key;
}

// The root and the path of a handle, or false for a handle that names nothing.
bool Locate(HKEY key, OpenKey* where) {
    if (RootKey(key) != nullptr) {
        *where = OpenKey{key, {}};
        return true;
    }
    auto found = openKeys.find(key);
    if (found == openKeys.end()) return false;
    *where = found->second;
    return true;
}

// The key a handle names now; sets `error` when there is none.
Key* Resolve(HKEY key, LSTATUS* error) {
    OpenKey where{};
    if (!Locate(key, &where)) {
        *error = ERROR_INVALID_HANDLE;
        return nullptr;
    }
    Key* node = Walk(RootKey(where.root), where.path);
    if (node == nullptr) *error = ERROR_KEY_DELETED;
    return node;
}

bool WantsMoreThanRead(REGSAM access) { return (access & ~static_cast<REGSAM>(KEY_READ)) != 0; }

LSTATUS Open(HKEY key, LPCSTR subKey, REGSAM access, bool create, PHKEY result,
             LPDWORD disposition) {
    if (result == nullptr) return ERROR_INVALID_PARAMETER;
    OpenKey where{};
    if (!Locate(key, &where)) return ERROR_INVALID_HANDLE;
    Key* node = Walk(RootKey(where.root), where.path);
    if (node == nullptr) return ERROR_KEY_DELETED;
    if (subKey != nullptr && subKey[0] == '\\') return ERROR_BAD_PATHNAME;
    bool created = false;
    for (const auto& name : Split(subKey)) {
        auto found = node->subkeys.find(name);
        if (found == node->subkeys.end()) {
            if (!create) return ERROR_FILE_NOT_FOUND;
            found = node->subkeys.emplace(name, std::make_unique<Key>()).first;
            created = true;
        }
        node = found->second.get();
        where.path.push_back(name);
    }
    if (node->refusesFullAccess && WantsMoreThanRead(access)) return ERROR_ACCESS_DENIED;
    *result = detail::NewHandle<HKEY>();
    openKeys[*result] = where;
    if (disposition != nullptr) {
        *disposition = created ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
    }
    return ERROR_SUCCESS;
}

Key* Ensure(HKEY root, const std::string& path) {
    Key* node = RootKey(root);
    for (const auto& name : Split(path.c_str())) {
        auto& slot = node->subkeys[name];
        if (!slot) slot = std::make_unique<Key>();
        node = slot.get();
    }
    return node;
}

}  // namespace

void RefuseFullAccess(HKEY root, const std::string& path) {
    Ensure(root, path)->refusesFullAccess = true;
}

void MakeValueUnreadable(HKEY root, const std::string& path, const std::string& valueName) {
    Ensure(root, path)->values[Folded(valueName.c_str())].unreadable = true;
}

int OpenRegistryKeys() { return static_cast<int>(openKeys.size()); }

namespace detail {

void ResetRegistry() {
    currentUser = Key{};
    localMachine = Key{};
    openKeys.clear();
    Ensure(HKEY_CURRENT_USER, "Software");
    Ensure(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion");
}

}  // namespace detail
}  // namespace winsim

LSTATUS WINAPI RegCreateKeyExA(HKEY key, LPCSTR subKey, DWORD, LPSTR, DWORD, REGSAM access, void*,
                               PHKEY result, LPDWORD disposition) {
    return winsim::Open(key, subKey, access, true, result, disposition);
}

LSTATUS WINAPI RegOpenKeyExA(HKEY key, LPCSTR subKey, DWORD, REGSAM access, PHKEY result) {
    return winsim::Open(key, subKey, access, false, result, nullptr);
}

LSTATUS WINAPI RegCloseKey(HKEY key) {
    if (winsim::RootKey(key) != nullptr) return ERROR_SUCCESS;
    return winsim::openKeys.erase(key) != 0 ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

LSTATUS WINAPI RegDeleteKeyA(HKEY key, LPCSTR subKey) {
    LSTATUS error = ERROR_SUCCESS;
    winsim::Key* parent = winsim::Resolve(key, &error);
    if (parent == nullptr) return error;
    winsim::Path path = winsim::Split(subKey);
    if (path.empty()) return ERROR_ACCESS_DENIED;
    std::u16string last = path.back();
    path.pop_back();
    parent = winsim::Walk(parent, path);
    if (parent == nullptr) return ERROR_FILE_NOT_FOUND;
    auto found = parent->subkeys.find(last);
    if (found == parent->subkeys.end()) return ERROR_FILE_NOT_FOUND;
    // Only a key without subkeys can go.
    if (!found->second->subkeys.empty()) return ERROR_ACCESS_DENIED;
    parent->subkeys.erase(found);
    return ERROR_SUCCESS;
}

LSTATUS WINAPI RegQueryValueExA(HKEY key, LPCSTR valueName, LPDWORD, LPDWORD type, LPBYTE data,
                                LPDWORD dataSize) {
    if (data != nullptr && dataSize == nullptr) return ERROR_INVALID_PARAMETER;
    LSTATUS error = ERROR_SUCCESS;
    winsim::Key* node = winsim::Resolve(key, &error);
    if (node == nullptr) return error;
    auto found = node->values.find(winsim::Folded(valueName));
    if (found == node->values.end() || found->second.type == REG_NONE) return ERROR_FILE_NOT_FOUND;
    const winsim::Value& value = found->second;
    if (type != nullptr) *type = value.type;
    auto size = static_cast<DWORD>(value.data.size());
    if (data != nullptr) {
        if (value.unreadable) return ERROR_ACCESS_DENIED;
        if (*dataSize < size) {
            *dataSize = size;
            return ERROR_MORE_DATA;
        }
        if (size != 0) std::memcpy(data, value.data.data(), size);
    }
    if (dataSize != nullptr) *dataSize = size;
    return ERROR_SUCCESS;
}

LSTATUS WINAPI RegSetValueExA(HKEY key, LPCSTR valueName, DWORD, DWORD type, const BYTE* data,
                              DWORD dataSize) {
    LSTATUS error = ERROR_SUCCESS;
    winsim::Key* node = winsim::Resolve(key, &error);
    if (node == nullptr) return error;
    winsim::Value& value = node->values[winsim::Folded(valueName)];
    value.type = type;
    value.data.assign(data, data + (data != nullptr ? dataSize : 0));
    return ERROR_SUCCESS;
}
