// The form: a top-level window that paints its colour and its windowless controls, shows its
// hint in a tooltip, and opens its popup menu on a right click.
#pragma once

#include <vector>

#include "vcl/control.h"
#include "vcl/graphics.h"
#include "vcl/messages.h"
#include "vcl/sysutils.h"
#include "vcl/window_host.h"
#include "win/win.h"

class TPopupMenu;

enum TFormBorderStyle { bsNone, bsSingle };
enum TFormStyle { fsNormal, fsStayOnTop };
enum TPosition { poDesigned, poScreenCenter };
enum TCloseAction { caNone, caHide };

using TCloseEvent = std::function<void(TObject* sender, TCloseAction& action)>;

class TCustomForm : public TControl, private TWindowHost {
  public:
    explicit TCustomForm(TComponent* owner);
    ~TCustomForm() override;

    // Builds the form's components and settings from its layout; run by CreateForm.
    virtual void ReadLayout() = 0;

    HWND Handle();
    bool HandleAllocated() const { return handle_ != nullptr; }
    void HandleNeeded();

    RECT BoundsRect() const override;
    void SetBounds(int left, int top, int width, int height) override;
    int ClientWidth() const;
    int ClientHeight() const;
    void SetClientWidth(int width) { SetWidth(Width() + width - ClientWidth()); }
    void SetClientHeight(int height) { SetHeight(Height() + height - ClientHeight()); }

    const AnsiString& Caption() const { return caption_; }
    void SetCaption(const AnsiString& caption);
    const AnsiString& Hint() const { return hint_; }
    void SetHint(const AnsiString& hint);
    void SetShowHint(bool showHint) override;
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    // The border, the style and the position take effect when the window is created.
    void SetBorderStyle(TFormBorderStyle style) { borderStyle_ = style; }
    void SetFormStyle(TFormStyle style) { formStyle_ = style; }
    void SetPosition(TPosition position) { position_ = position; }

    void SetVisible(bool visible) override;
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Fires OnClose; unless the handler answers caNone, the main form ends the message loop
    // and any other form hides. An exception from the handler abandons the close.
    void Close();

    TPopupMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(TPopupMenu* menu) { popupMenu_ = menu; }

    TNotifyEvent OnCreate;
    TCloseEvent OnClose;

    // The form's message handling after its windowless controls have taken theirs.
    virtual void Dispatch(void* message);

    // For the windowless controls on the form.
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    void InvalidateArea(const RECT& area);
    void SetCaptureControl(TControl* control);

  protected:
    // The platform's own handling of a message, the end of every Dispatch chain.
    void DefaultHandler(TMessage& message);

  private:
    LRESULT WindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    bool RouteMouseToControl(UINT msg, LPARAM lParam);
    void CreateHandle();
    void CreateTooltip();
    void ShowFirstTimeCentred();
    void Paint();
    void OpenPopupMenu(LPARAM screenPoint);
    void UpdateTooltip(UINT message);

    HWND handle_ = nullptr;
    HWND tooltip_ = nullptr;
    AnsiString caption_;
    AnsiString hint_;
    TColor color_ = RGB(192, 192, 192);
    TFormBorderStyle borderStyle_ = bsSingle;
    TFormStyle formStyle_ = fsNormal;
    TPosition position_ = poDesigned;
    bool shownBefore_ = false;
    TPopupMenu* popupMenu_ = nullptr;
    std::vector<TControl*> controls_;
    TControl* captureControl_ = nullptr;
};

class TForm : public TCustomForm {
  public:
    using TCustomForm::TCustomForm;
};
