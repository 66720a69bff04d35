// The program entry: prepares the application object, creates the one window and runs the
// message loop until that window closes.
#include "ui/form1.h"
#include "vcl/application.h"
#include "win/win.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    try {
        Application->Initialize();
        // No taskbar button: the window is owned by this hidden one and has none of its own.
        ShowWindow(Application->Handle(), SW_HIDE);
        // Before the window exists: its start-up may copy the title into the tray icon's tip.
        Application->SetTitle("Quillet");
        Application->CreateForm(Form1);
        Application->Run();
    } catch (const Exception& exception) {
        Application->ShowException(exception);
    }
    return 0;
}
