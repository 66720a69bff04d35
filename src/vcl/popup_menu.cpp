#include "vcl/popup_menu.h"

#include <algorithm>

#include "vcl/form.h"
#include "vcl/wide_text.h"

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner) {}

TMenuItem::~TMenuItem() {
    for (TMenuItem* item : items_) item->parent_ = nullptr;
    if (parent_ != nullptr) {
        auto& siblings = parent_->items_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    }
}

void TMenuItem::SetCaption(const AnsiString& caption) {
    caption_ = caption;
    UpdateLiveMenu(MIIM_STRING);
}

void TMenuItem::SetChecked(bool checked) {
    checked_ = checked;
    UpdateLiveMenu(MIIM_STATE);
}

void TMenuItem::Add(TMenuItem* item) {
    item->parent_ = this;
    items_.push_back(item);
}

void TMenuItem::Click() {
    if (OnClick) OnClick(this);
}

// Commands are numbered from 1 in the order of a walk through the tree, so a WM_COMMAND that
// arrives after the menu has gone still finds its item.
void TMenuItem::AppendTo(HMENU menu, UINT& nextCommand) {
    const UINT command = nextCommand++;
    const UINT check = checked_ ? MF_CHECKED : MF_UNCHECKED;
    if (IsSeparator()) {
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    } else if (items_.empty()) {
        AppendMenuW(menu, MF_STRING | check, command, ToWide(caption_).c_str());
    } else {
        liveMenu_ = CreatePopupMenu();
        for (TMenuItem* item : items_) item->AppendTo(liveMenu_, nextCommand);
        AppendMenuW(menu, MF_POPUP | check, reinterpret_cast<UINT_PTR>(liveMenu_),
                    ToWide(caption_).c_str());
    }
}

void TMenuItem::ForgetLiveMenu() {
    liveMenu_ = nullptr;
    for (TMenuItem* item : items_) item->ForgetLiveMenu();
}

// While the menu is open, a change shows at once, even in a submenu that is just opening.
void TMenuItem::UpdateLiveMenu(UINT mask) {
    if (parent_ == nullptr || parent_->liveMenu_ == nullptr || IsSeparator()) return;
    const auto& siblings = parent_->items_;
    const auto position = std::find(siblings.begin(), siblings.end(), this) - siblings.begin();
    WideText text = ToWide(caption_);
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = mask;
    info.fState = checked_ ? MFS_CHECKED : MFS_UNCHECKED;
    info.dwTypeData = &text[0];
    SetMenuItemInfoW(parent_->liveMenu_, static_cast<UINT>(position), TRUE, &info);
}

TMenuItem* TMenuItem::FindByCommand(UINT command, UINT& nextCommand) {
    for (TMenuItem* item : items_) {
        if (nextCommand++ == command) return item;
        if (TMenuItem* found = item->FindByCommand(command, nextCommand)) return found;
    }
    return nullptr;
}

TMenuItem* TMenuItem::FindBySubmenu(HMENU submenu) {
    for (TMenuItem* item : items_) {
        if (item->liveMenu_ == submenu) return item;
        if (TMenuItem* found = item->FindBySubmenu(submenu)) return found;
    }
    return nullptr;
}

TPopupMenu::TPopupMenu(TComponent* owner) : TComponent(owner), items_(nullptr) {}

void TPopupMenu::Popup(int x, int y) {
    auto* form = dynamic_cast<TCustomForm*>(Owner());
    HWND owner = form != nullptr ? form->Handle() : nullptr;
    items_.liveMenu_ = CreatePopupMenu();
    UINT nextCommand = 1;
    for (TMenuItem* item : items_.items_) item->AppendTo(items_.liveMenu_, nextCommand);
    HMENU menu = items_.liveMenu_;
    TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON, x, y, 0, owner, nullptr);
    items_.ForgetLiveMenu();
    DestroyMenu(menu);
}

void TPopupMenu::SubmenuOpening(HMENU submenu) {
    if (TMenuItem* item = items_.FindBySubmenu(submenu)) item->Click();
}

void TPopupMenu::DispatchCommand(UINT command) {
    UINT nextCommand = 1;
    if (TMenuItem* item = items_.FindByCommand(command, nextCommand)) item->Click();
}
