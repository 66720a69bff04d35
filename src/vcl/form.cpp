#include "vcl/form.h"

#include <algorithm>

#include "vcl/application.h"
#include "vcl/popup_menu.h"
#include "vcl/wide_text.h"

namespace {

bool IsLeftMouseMessage(UINT msg) {
    return msg == WM_MOUSEMOVE || msg == WM_LBUTTONDOWN || msg == WM_LBUTTONUP;
}

bool Contains(const RECT& rect, int x, int y) {
    return x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
}

}  // namespace

TCustomForm::TCustomForm(TComponent* owner) : TControl(owner) { visible_ = false; }

TCustomForm::~TCustomForm() {
    // The components reach back to the form (controls unregister, the player closes its
    // device), so they go while the form is still whole.
    popupMenu_ = nullptr;
    DestroyComponents();
    DestroyHostWindow(handle_);
}

HWND TCustomForm::Handle() {
    HandleNeeded();
    return handle_;
}

void TCustomForm::HandleNeeded() {
    if (handle_ == nullptr) CreateHandle();
}

void TCustomForm::CreateHandle() {
    TWindowParams params{};
    params.className = "TForm";
    params.style = borderStyle_ == bsNone ? WS_POPUP : WS_POPUP | WS_CAPTION | WS_SYSMENU;
    params.exStyle = formStyle_ == fsStayOnTop ? WS_EX_TOPMOST : 0;
    params.bounds = bounds_;
    params.owner = Application->Handle();
    params.text = caption_;
    handle_ = CreateHostWindow(this, params);
    if (handle_ == nullptr) throw Exception("ウィンドウを作成できません");
    CreateTooltip();
}

void TCustomForm::CreateTooltip() {
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                               WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, handle_, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    if (tooltip_ == nullptr) return;
    UpdateTooltip(TTM_ADDTOOLW);
    SendMessageW(tooltip_, TTM_ACTIVATE, ShowHint() ? TRUE : FALSE, 0);
}

// The whole form window is the one tool: the buttons have no window of their own, so the
// form's hint shows over the square and over every button alike.
void TCustomForm::UpdateTooltip(UINT message) {
    if (tooltip_ == nullptr) return;
    WideText text = ToWide(hint_);
    TOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = handle_;
    tool.uId = reinterpret_cast<UINT_PTR>(handle_);
    tool.lpszText = &text[0];
    SendMessageW(tooltip_, message, 0, reinterpret_cast<LPARAM>(&tool));
}

RECT TCustomForm::BoundsRect() const {
    if (handle_ == nullptr) return bounds_;
    RECT rect;
    GetWindowRect(handle_, &rect);
    return rect;
}

void TCustomForm::SetBounds(int left, int top, int width, int height) {
    const RECT current = BoundsRect();
    if (left == current.left && top == current.top && width == current.right - current.left &&
        height == current.bottom - current.top) {
        return;
    }
    bounds_ = RECT{left, top, left + width, top + height};
    if (handle_ != nullptr) {
        SetWindowPos(handle_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

// A frame has a size only once the window exists; a borderless form has none at all.
int TCustomForm::ClientWidth() const {
    if (handle_ == nullptr) return Width();
    RECT client;
    GetClientRect(handle_, &client);
    return client.right - client.left;
}

int TCustomForm::ClientHeight() const {
    if (handle_ == nullptr) return Height();
    RECT client;
    GetClientRect(handle_, &client);
    return client.bottom - client.top;
}

void TCustomForm::SetCaption(const AnsiString& caption) {
    caption_ = caption;
    if (handle_ != nullptr) SetWindowTextW(handle_, ToWide(caption_).c_str());
}

void TCustomForm::SetHint(const AnsiString& hint) {
    hint_ = hint;
    UpdateTooltip(TTM_UPDATETIPTEXTW);
}

void TCustomForm::SetShowHint(bool showHint) {
    TControl::SetShowHint(showHint);
    if (tooltip_ != nullptr) SendMessageW(tooltip_, TTM_ACTIVATE, showHint ? TRUE : FALSE, 0);
}

void TCustomForm::SetColor(TColor color) {
    color_ = color;
    if (handle_ != nullptr) InvalidateRect(handle_, nullptr, TRUE);
}

void TCustomForm::SetVisible(bool visible) {
    if (visible) {
        HandleNeeded();
        if (!shownBefore_ && position_ == poScreenCenter) ShowFirstTimeCentred();
        shownBefore_ = true;
        ShowWindow(handle_, SW_SHOW);
    } else if (handle_ != nullptr) {
        ShowWindow(handle_, SW_HIDE);
    }
    visible_ = visible;
}

void TCustomForm::ShowFirstTimeCentred() {
    const int left = (GetSystemMetrics(SM_CXSCREEN) - Width()) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - Height()) / 2;
    SetBounds(std::max(left, 0), std::max(top, 0), Width(), Height());
}

void TCustomForm::Close() {
    TCloseAction action = caHide;
    if (OnClose) OnClose(this, action);
    if (action == caNone) return;
    if (Application->MainForm() == this) {
        Application->Terminate();
    } else {
        Hide();
    }
}

void TCustomForm::InsertControl(TControl* control) { controls_.push_back(control); }

void TCustomForm::RemoveControl(TControl* control) {
    if (captureControl_ == control) SetCaptureControl(nullptr);
    controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
}

void TCustomForm::InvalidateArea(const RECT& area) {
    if (handle_ != nullptr) InvalidateRect(handle_, &area, TRUE);
}

void TCustomForm::SetCaptureControl(TControl* control) {
    captureControl_ = control;
    if (handle_ == nullptr) return;
    if (control != nullptr) {
        SetCapture(handle_);
    } else if (GetCapture() == handle_) {
        ReleaseCapture();
    }
}

LRESULT TCustomForm::WindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (handle_ == nullptr) handle_ = hwnd;  // messages sent while CreateWindowExW runs
    if (IsLeftMouseMessage(msg) && RouteMouseToControl(msg, lParam)) return 0;
    if (msg == WM_CAPTURECHANGED && captureControl_ != nullptr) {
        TControl* lost = captureControl_;
        captureControl_ = nullptr;
        lost->CaptureLost();
    }
    TMessage message{msg, wParam, lParam, 0};
    Dispatch(&message);
    return message.Result;
}

// A mouse message over a visible control, or any while a control holds the capture, is that
// control's alone: a press on a button never reaches the form's own dispatch.
bool TCustomForm::RouteMouseToControl(UINT msg, LPARAM lParam) {
    const int x = GET_X_LPARAM(lParam);
    const int y = GET_Y_LPARAM(lParam);
    TControl* target = captureControl_;
    for (auto it = controls_.rbegin(); target == nullptr && it != controls_.rend(); ++it) {
        if ((*it)->Visible() && Contains((*it)->BoundsRect(), x, y)) target = *it;
    }
    if (target == nullptr) return false;
    target->MouseMessage(msg, x, y);
    return true;
}

void TCustomForm::Dispatch(void* message) { DefaultHandler(*static_cast<TMessage*>(message)); }

void TCustomForm::DefaultHandler(TMessage& message) {
    switch (message.Msg) {
        case WM_PAINT:
            Paint();
            return;
        case WM_ERASEBKGND:
            message.Result = 1;  // the paint covers every pixel
            return;
        case WM_CONTEXTMENU:
            OpenPopupMenu(message.LParam);
            return;
        case WM_INITMENUPOPUP:
            if (popupMenu_ != nullptr) {
                popupMenu_->SubmenuOpening(reinterpret_cast<HMENU>(message.WParam));
            }
            return;
        case WM_COMMAND:
            if (popupMenu_ != nullptr && HIWORD(message.WParam) == 0 && message.LParam == 0) {
                popupMenu_->DispatchCommand(LOWORD(message.WParam));
            }
            return;
        case WM_CLOSE:
            Close();
            return;
        default:
            message.Result = DefWindowProcW(handle_, message.Msg, message.WParam, message.LParam);
    }
}

void TCustomForm::OpenPopupMenu(LPARAM screenPoint) {
    if (popupMenu_ == nullptr) return;
    POINT at{GET_X_LPARAM(screenPoint), GET_Y_LPARAM(screenPoint)};
    if (screenPoint == -1) GetCursorPos(&at);  // from the keyboard: no point given
    popupMenu_->Popup(at.x, at.y);
}

void TCustomForm::Paint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(handle_, &paint);
    RECT client;
    GetClientRect(handle_, &client);
    HBRUSH brush = CreateSolidBrush(color_);
    FillRect(dc, &client, brush);
    DeleteObject(brush);
    for (TControl* control : controls_) {
        if (control->Visible()) control->Paint(dc);
    }
    EndPaint(handle_, &paint);
}
