// Popup menus: their items, and TrackPopupMenu answered by the script.
#include <algorithm>
#include <deque>
#include <map>

#include "winsim/clock.h"
#include "winsim/detail.h"
#include "winsim/handles.h"
#include "winsim/reset_parts.h"
#include "winsim/sim.h"
#include "winsim/utf8.h"

namespace winsim {
namespace {

struct Item {
    UINT type;  // MFT_STRING or MFT_SEPARATOR
    UINT state;
    UINT id;
    HMENU submenu;
    std::u16string text;
};

struct Answer {
    std::vector<std::u16string> path;
    std::uint32_t afterMs;
};

std::map<HMENU, std::vector<Item>> menus;
std::deque<Answer> answers;
std::vector<MenuRecord> records;

std::vector<Item>* Items(HMENU menu) {
    auto found = menus.find(menu);
    return found != menus.end() ? &found->second : nullptr;
}

// Finds an item as the platform does: by position, or by command searching submenus first and
// falling back to a submenu item that carries the command itself.
Item* FindItem(HMENU menu, UINT item, bool byPosition) {
    auto* items = Items(menu);
    if (items == nullptr) return nullptr;
    if (byPosition) return item < items->size() ? &(*items)[item] : nullptr;
    Item* fallback = nullptr;
    for (Item& candidate : *items) {
        if (candidate.submenu != nullptr) {
            if (Item* inner = FindItem(candidate.submenu, item, false)) return inner;
            if (candidate.id == item && fallback == nullptr) fallback = &candidate;
        } else if (candidate.id == item) {
            return &candidate;
        }
    }
    return fallback;
}

std::vector<MenuItemRecord> Snapshot(HMENU menu) {
    std::vector<MenuItemRecord> snapshot;
    if (auto* items = Items(menu)) {
        for (const Item& item : *items) {
            bool separator = (item.type & MFT_SEPARATOR) != 0;
            snapshot.push_back(MenuItemRecord{
                separator ? u"" : item.text, separator, (item.state & MFS_CHECKED) != 0,
                item.submenu ? Snapshot(item.submenu) : std::vector<MenuItemRecord>{}});
        }
    }
    return snapshot;
}

// The position of the item with this caption, or -1.
int Position(HMENU menu, const std::u16string& caption) {
    auto* items = Items(menu);
    for (std::size_t i = 0; items != nullptr && i < items->size(); ++i) {
        const Item& item = (*items)[i];
        if ((item.type & MFT_SEPARATOR) == 0 && item.text == caption) return static_cast<int>(i);
    }
    return -1;
}

void InitPopup(HWND owner, HMENU menu, int position, UINT flags) {
    if ((flags & TPM_NONOTIFY) != 0) return;
    SendMessageW(owner, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), MAKELPARAM(position, 0));
}

// Follows the scripted path; returns the chosen command, or 0 when the menu is dismissed.
UINT Follow(HMENU menu, HWND owner, UINT flags, const std::vector<std::u16string>& path,
            std::size_t record) {
    HMENU current = menu;
    for (std::size_t step = 0; step < path.size(); ++step) {
        int position = Position(current, path[step]);
        if (position < 0) {
            detail::Fail("the menu has no item \"" + detail::Utf8(path[step]) + "\"");
        }
        const Item& item = (*Items(current))[position];
        bool last = step + 1 == path.size();
        if (last) {
            if (item.submenu != nullptr) {
                detail::Fail("the menu item \"" + detail::Utf8(path[step]) +
                             "\" opens a submenu and cannot be chosen");
            }
            return item.id;
        }
        if (item.submenu == nullptr) {
            detail::Fail("the menu item \"" + detail::Utf8(path[step]) + "\" has no submenu");
        }
        current = item.submenu;
        InitPopup(owner, current, position, flags);
        records[record].openedSubmenus.push_back(Snapshot(current));
    }
    return 0;
}

void Destroy(HMENU menu) {
    auto found = menus.find(menu);
    if (found == menus.end()) return;
    std::vector<Item> items = std::move(found->second);
    menus.erase(found);
    for (const Item& item : items) Destroy(item.submenu);
}

}  // namespace

void AnswerMenu(std::vector<std::u16string> path, std::uint32_t afterMs) {
    answers.push_back(Answer{std::move(path), afterMs});
}

const std::vector<MenuRecord>& Menus() { return records; }

namespace detail {

void ResetMenus() {
    menus.clear();
    answers.clear();
    records.clear();
}

}  // namespace detail
}  // namespace winsim

HMENU WINAPI CreatePopupMenu() {
    HMENU menu = winsim::detail::NewHandle<HMENU>();
    winsim::menus[menu];
    return menu;
}

BOOL WINAPI DestroyMenu(HMENU menu) {
    if (winsim::Items(menu) == nullptr) return FALSE;
    winsim::Destroy(menu);
    return TRUE;
}

BOOL WINAPI AppendMenuW(HMENU menu, UINT flags, UINT_PTR idOrSubmenu, LPCWSTR text) {
    auto* items = winsim::Items(menu);
    if (items == nullptr) return FALSE;
    winsim::Item item{};
    item.state = flags & MF_CHECKED;
    if ((flags & MF_SEPARATOR) != 0) {
        item.type = MFT_SEPARATOR;
    } else {
        item.type = MFT_STRING;
        item.text = text ? text : u"";
    }
    if ((flags & MF_POPUP) != 0) {
        item.submenu = reinterpret_cast<HMENU>(idOrSubmenu);
        if (winsim::Items(item.submenu) == nullptr) return FALSE;
    }
    item.id = static_cast<UINT>(idOrSubmenu);
    items->push_back(item);
    return TRUE;
}

BOOL WINAPI GetMenuItemInfoW(HMENU menu, UINT item, BOOL byPosition, LPMENUITEMINFOW info) {
    if (info == nullptr || info->cbSize != sizeof(MENUITEMINFOW)) return FALSE;
    winsim::Item* found = winsim::FindItem(menu, item, byPosition != 0);
    if (found == nullptr) return FALSE;
    if ((info->fMask & MIIM_FTYPE) != 0) info->fType = found->type;
    if ((info->fMask & MIIM_STATE) != 0) info->fState = found->state;
    if ((info->fMask & MIIM_ID) != 0) info->wID = found->id;
    if ((info->fMask & MIIM_SUBMENU) != 0) info->hSubMenu = found->submenu;
    if ((info->fMask & MIIM_STRING) != 0) {
        const std::u16string& text = found->text;
        if (info->dwTypeData != nullptr && info->cch > 0) {
            std::size_t count = std::min<std::size_t>(text.size(), info->cch - 1);
            std::copy_n(text.begin(), count, info->dwTypeData);
            info->dwTypeData[count] = 0;
            info->cch = static_cast<UINT>(count);
        } else {
            info->cch = static_cast<UINT>(text.size());
        }
    }
    return TRUE;
}

BOOL WINAPI SetMenuItemInfoW(HMENU menu, UINT item, BOOL byPosition, LPCMENUITEMINFOW info) {
    if (info == nullptr || info->cbSize != sizeof(MENUITEMINFOW)) return FALSE;
    winsim::Item* found = winsim::FindItem(menu, item, byPosition != 0);
    if (found == nullptr) return FALSE;
    if ((info->fMask & MIIM_FTYPE) != 0) found->type = info->fType;
    if ((info->fMask & MIIM_STATE) != 0) found->state = info->fState;
    if ((info->fMask & MIIM_ID) != 0) found->id = info->wID;
    if ((info->fMask & MIIM_SUBMENU) != 0) found->submenu = info->hSubMenu;
    if ((info->fMask & MIIM_STRING) != 0) found->text = info->dwTypeData ? info->dwTypeData : u"";
    return TRUE;
}

int WINAPI GetMenuItemCount(HMENU menu) {
    auto* items = winsim::Items(menu);
    return items != nullptr ? static_cast<int>(items->size()) : -1;
}

DWORD WINAPI CheckMenuItem(HMENU menu, UINT item, UINT check) {
    winsim::Item* found = winsim::FindItem(menu, item, (check & MF_BYPOSITION) != 0);
    if (found == nullptr) return static_cast<DWORD>(-1);
    DWORD previous = found->state & MF_CHECKED;
    found->state = (found->state & ~static_cast<UINT>(MF_CHECKED)) | (check & MF_CHECKED);
    return previous;
}

BOOL WINAPI TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int, HWND owner, const RECT*) {
    using namespace winsim;
    if (Items(menu) == nullptr || !IsWindow(owner)) return FALSE;
    InitPopup(owner, menu, 0, flags);
    records.push_back(MenuRecord{owner, POINT{x, y}, Snapshot(menu), {}});
    if (answers.empty()) detail::Fail("a popup menu opened, and no answer is scripted");
    Answer answer = std::move(answers.front());
    answers.pop_front();
    detail::NoteScriptUsed();
    detail::ModalWait(answer.afterMs);
    UINT command = Follow(menu, owner, flags, answer.path, records.size() - 1);
    if ((flags & TPM_RETURNCMD) != 0) return static_cast<BOOL>(command);
    if (command != 0) PostMessageW(owner, WM_COMMAND, command, 0);
    return TRUE;
}
