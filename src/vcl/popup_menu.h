// The context menu and its items. The menu exists on the window system only while it is open:
// Popup builds it, tracks it and destroys it again.
#pragma once

#include <vector>

#include "vcl/classes.h"
#include "vcl/sysutils.h"
#include "win/win.h"

class TMenuItem : public TComponent {
  public:
    explicit TMenuItem(TComponent* owner);
    ~TMenuItem() override;

    // "-" makes the item a separator.
    const AnsiString& Caption() const { return caption_; }
    void SetCaption(const AnsiString& caption);
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);

    void Add(TMenuItem* item);

    // Fired by a choice of the item, or, for an item with a submenu, as the submenu opens.
    TNotifyEvent OnClick;
    void Click();

  private:
    friend class TPopupMenu;
    bool IsSeparator() const { return caption_ == "-"; }
    void AppendTo(HMENU menu, UINT& nextCommand);
    void ForgetLiveMenu();
    void UpdateLiveMenu(UINT mask);
    TMenuItem* FindByCommand(UINT command, UINT& nextCommand);
    TMenuItem* FindBySubmenu(HMENU submenu);

    AnsiString caption_;
    bool checked_ = false;
    std::vector<TMenuItem*> items_;
    TMenuItem* parent_ = nullptr;
    HMENU liveMenu_ = nullptr;  // the open menu this item's children are shown in
};

class TPopupMenu : public TComponent {
  public:
    explicit TPopupMenu(TComponent* owner);

    TMenuItem* Items() { return &items_; }

    // Opens the menu at a screen point, owned by the owner form's window, and returns when it
    // closes. The choice arrives later as WM_COMMAND to that window.
    void Popup(int x, int y);

    // For the owner form's window.
    void SubmenuOpening(HMENU submenu);
    void DispatchCommand(UINT command);

  private:
    TMenuItem items_;
};
