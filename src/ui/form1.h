// The program's one window: a borderless, always-on-top strip 15 pixels high holding the blue
// square and the five picture buttons, with the hidden CD player, the context menu and the timer.
#pragma once

#include "vcl/form.h"
#include "vcl/media_player.h"
#include "vcl/popup_menu.h"
#include "vcl/speed_button.h"
#include "vcl/timer.h"

class TForm1 : public TForm {
  public:
    TMediaPlayer* Player;
    TPopupMenu* PopupMenu1;
    TMenuItem* Play1;
    TMenuItem* Pause1;
    TMenuItem* Stop1;
    TMenuItem* Track1;
    TMenuItem* Next1;
    TMenuItem* Previous1;
    TMenuItem* Eject1;
    TMenuItem* N1;
    TMenuItem* N2;
    TMenuItem* Exit1;
    TTimer* Timer1;
    TSpeedButton* PlayB;
    TSpeedButton* StopB;
    TSpeedButton* NextB;
    TSpeedButton* PreviousB;
    TSpeedButton* EjectB;
    TSpeedButton* PauseB;
    TMenuItem* Button1;
    TMenuItem* N3;
    TMenuItem* Track;
    TMenuItem* Option1;
    TMenuItem* Caption1;
    TMenuItem* TaskTray1;
    TMenuItem* Pos1;
    TMenuItem* Hide1;
    TMenuItem* N4;
    TMenuItem* Mouse1;

    // The window's handlers, in the order the layout knows them. Timer1Timer, FormClose and
    // Caption1Click come with the placement modes and the settings file, and are bound then.
    void FormCreate(TObject* Sender);
    void Exit1Click(TObject* Sender);
    void Eject1Click(TObject* Sender);
    void Next1Click(TObject* Sender);
    void Previous1Click(TObject* Sender);
    void Play1Click(TObject* Sender);
    void Pause1Click(TObject* Sender);
    void Stop1Click(TObject* Sender);
    void Timer1Timer(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void Button1Click(TObject* Sender);
    void Caption1Click(TObject* Sender);
    void Track1Click(TObject* Sender);

    explicit TForm1(TComponent* Owner) : TForm(Owner) {}

    // Builds the components from the window's layout (form1_layout.cpp).
    void ReadLayout() override;

  private:
    // The open step of the transport commands: false when the device could not be opened and
    // the user has been told so.
    bool OpenMedia();
};

extern TForm1* Form1;
