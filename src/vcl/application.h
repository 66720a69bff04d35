// The application object: its own top-level window, the title, the message loop, the forms it
// creates, and the boxes that show messages and escaped exceptions.
#pragma once

#include <new>

#include "vcl/classes.h"
#include "vcl/form.h"
#include "vcl/sysutils.h"
#include "vcl/window_host.h"
#include "win/win.h"

class TApplication : public TComponent, private TWindowHost {
  public:
    TApplication();
    ~TApplication() override;

    void Initialize() {}

    // Shown, with a caption bar, zero pixels wide and high at the centre of the screen: all
    // that can be seen of it is its taskbar button. The forms are owned by it.
    HWND Handle() const { return handle_; }
    const AnsiString& Title() const { return title_; }
    void SetTitle(const AnsiString& title);
    HICON Icon() const { return icon_; }
    TCustomForm* MainForm() const { return mainForm_; }
    bool ShowMainForm() const { return showMainForm_; }
    void SetShowMainForm(bool show) { showMainForm_ = show; }

    // `ref` holds the form's address before the form is constructed, so the form's creation
    // handler can reach it there. If construction fails, `ref` is null again and the exception
    // goes on to the caller; one escaping the creation handler is shown and creation goes on.
    template <class T>
    void CreateForm(T*& ref);

    // Shows the main form unless ShowMainForm is false, then runs the loop until Terminate.
    void Run();
    void Terminate();
    // Handles the waiting messages until the queue is empty.
    void ProcessMessages();

    // A modal box owned by the application's window; texts are CP932.
    int MessageBox(const AnsiString& text, const AnsiString& caption, UINT flags);
    // The message followed by ".", the title as caption, the stop icon.
    void ShowException(const Exception& exception);
    // Shows the exception being handled; call it only from inside a catch block.
    void HandleException(TObject* sender);

  private:
    LRESULT WindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    void FormCreated(TCustomForm* form);
    bool HandleMessage(MSG& msg);

    HWND handle_ = nullptr;
    HICON icon_ = nullptr;
    AnsiString title_;
    TCustomForm* mainForm_ = nullptr;
    bool showMainForm_ = true;
    bool terminated_ = false;
};

extern TApplication* Application;

// The application object lives from before the program's entry point runs until after it
// returns; native tests make and end one around each test.
void CreateApplication();
void DestroyApplication();

template <class T>
void TApplication::CreateForm(T*& ref) {
    void* memory = ::operator new(sizeof(T));
    ref = static_cast<T*>(memory);
    T* form;
    try {
        form = new (memory) T(this);
    } catch (...) {
        ref = nullptr;
        ::operator delete(memory);
        throw;
    }
    try {
        form->ReadLayout();
    } catch (...) {
        ref = nullptr;
        delete form;
        throw;
    }
    FormCreated(form);
}
