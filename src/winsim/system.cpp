// Facts about the machine: the screen, the module, shared icons and cursors.
#include <map>
#include <string>
#include <utility>

#include "winsim/handles.h"
#include "winsim/reset_parts.h"
#include "winsim/screen.h"
#include "winsim/sim.h"

namespace winsim {
namespace {

int screenWidth = 1280;
int screenHeight = 1024;

// A resource is named by a string or by a number (MAKEINTRESOURCE).
std::u16string ResourceKey(LPCWSTR name) {
    auto value = reinterpret_cast<std::uintptr_t>(name);
    if (value <= 0xFFFF) return u"#" + std::u16string(1, static_cast<char16_t>(value));
    return name;
}

// The platform hands out one shared handle per loaded icon or cursor resource.
template <typename Handle>
Handle Shared(std::map<std::pair<HINSTANCE, std::u16string>, Handle>& loaded, HINSTANCE instance,
              LPCWSTR name) {
    if (name == nullptr) return nullptr;
    auto key = std::make_pair(instance, ResourceKey(name));
    auto found = loaded.find(key);
    if (found != loaded.end()) return found->second;
    return loaded[key] = detail::NewHandle<Handle>();
}

std::map<std::pair<HINSTANCE, std::u16string>, HICON> icons;
std::map<std::pair<HINSTANCE, std::u16string>, HCURSOR> cursors;

}  // namespace

void SetScreenSize(int width, int height) {
    screenWidth = width;
    screenHeight = height;
}

namespace detail {

int ScreenWidth() { return screenWidth; }
int ScreenHeight() { return screenHeight; }

void ResetSystem() {
    screenWidth = 1280;
    screenHeight = 1024;
}

}  // namespace detail
}  // namespace winsim

int WINAPI GetSystemMetrics(int index) {
    switch (index) {
        case SM_CXSCREEN:
            return winsim::screenWidth;
        case SM_CYSCREEN:
            return winsim::screenHeight;
        default:
            return 0;
    }
}

HMODULE WINAPI GetModuleHandleW(LPCWSTR moduleName) {
    // Only the program itself is asked for.
    if (moduleName != nullptr) return nullptr;
    return reinterpret_cast<HMODULE>(static_cast<std::uintptr_t>(0x400000));
}

HICON WINAPI LoadIconW(HINSTANCE instance, LPCWSTR name) {
    return winsim::Shared(winsim::icons, instance, name);
}

HCURSOR WINAPI LoadCursorW(HINSTANCE instance, LPCWSTR name) {
    return winsim::Shared(winsim::cursors, instance, name);
}
