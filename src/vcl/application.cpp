#include "vcl/application.h"

#include <exception>

#include "vcl/wide_text.h"

TApplication* Application = nullptr;

void CreateApplication() { Application = new TApplication(); }

void DestroyApplication() {
    delete Application;
    Application = nullptr;
}

TApplication::TApplication() : TComponent(nullptr) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    icon_ = LoadIconW(GetModuleHandleW(nullptr), ToWide("MAINICON").c_str());
    const int x = GetSystemMetrics(SM_CXSCREEN) / 2;
    const int y = GetSystemMetrics(SM_CYSCREEN) / 2;
    TWindowParams params{};
    params.className = "TApplication";
    params.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_VISIBLE;
    params.bounds = RECT{x, y, x, y};
    params.icon = icon_;
    handle_ = CreateHostWindow(this, params);
}

TApplication::~TApplication() {
    // The forms reach back to the application while they go.
    DestroyComponents();
    DestroyHostWindow(handle_);
}

void TApplication::SetTitle(const AnsiString& title) {
    title_ = title;
    if (handle_ != nullptr) SetWindowTextW(handle_, ToWide(title_).c_str());
}

void TApplication::FormCreated(TCustomForm* form) {
    if (form->OnCreate) {
        try {
            form->OnCreate(form);
        } catch (...) {
            HandleException(form);
        }
    }
    if (mainForm_ == nullptr) mainForm_ = form;
    form->HandleNeeded();
}

void TApplication::Run() {
    if (mainForm_ == nullptr) return;
    if (showMainForm_) mainForm_->Show();
    MSG msg;
    while (!terminated_ && HandleMessage(msg)) {
    }
}

// False once the loop has been told to end.
bool TApplication::HandleMessage(MSG& msg) {
    if (GetMessageW(&msg, nullptr, 0, 0) <= 0) {
        terminated_ = true;
        return false;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
    return true;
}

void TApplication::Terminate() { PostQuitMessage(0); }

void TApplication::ProcessMessages() {
    MSG msg;
    while (!terminated_ && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            terminated_ = true;
            break;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

int TApplication::MessageBox(const AnsiString& text, const AnsiString& caption, UINT flags) {
    return MessageBoxW(handle_, ToWide(text).c_str(), ToWide(caption).c_str(), flags);
}

void TApplication::ShowException(const Exception& exception) {
    MessageBox(exception.Message() + ".", title_, MB_OK | MB_ICONSTOP);
}

void TApplication::HandleException(TObject*) {
    try {
        throw;
    } catch (const Exception& exception) {
        ShowException(exception);
    } catch (const std::exception& exception) {
        ShowException(Exception(exception.what()));
    } catch (...) {
        ShowException(Exception("不明な例外"));
    }
}

// A close request to the application's window closes the main form.
LRESULT TApplication::WindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_CLOSE) {
        if (mainForm_ != nullptr) mainForm_->Close();
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}
