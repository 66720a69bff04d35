// The transport commands. The CD device is opened by the first command that needs it and
// closed again by Stop; only a failed open is ever reported to the user.
#include "ui/transport.h"

#include "ui/form1.h"
#include "vcl/application.h"

bool MediaOpened = false;

bool TForm1::OpenMedia() {
    if (MediaOpened) return true;
    try {
        Player->Open();
    } catch (...) {
        Application->MessageBox("オープン失敗。ほかのソフトで再生していたら終了して下さい。",
                                "エラー", MB_ICONERROR);
        MediaOpened = false;
        return false;
    }
    MediaOpened = true;
    return true;
}

void TForm1::Play1Click(TObject*) {
    if (!OpenMedia()) return;
    Player->Play();
    PlayB->SetVisible(false);
    PauseB->SetVisible(true);
}

void TForm1::Pause1Click(TObject*) {
    if (!OpenMedia()) return;
    Player->Pause();
    PlayB->SetVisible(true);
    PauseB->SetVisible(false);
}

void TForm1::Stop1Click(TObject*) {
    if (!MediaOpened) return;
    PlayB->SetVisible(true);
    PauseB->SetVisible(false);
    Player->Stop();
    Player->Close();
    MediaOpened = false;
}

void TForm1::Next1Click(TObject*) {
    if (!OpenMedia()) return;
    Player->Next();
    Track->SetCaption(IntToStr(Player->Position()));
}

void TForm1::Previous1Click(TObject*) {
    if (!OpenMedia()) return;
    Player->Previous();
    Track->SetCaption(IntToStr(Player->Position()));
}

void TForm1::Eject1Click(TObject*) {
    const bool wasOpen = MediaOpened;
    if (!OpenMedia()) return;
    Player->Eject();
    if (!wasOpen) {
        Player->Close();
        MediaOpened = false;
    }
}

void TForm1::Track1Click(TObject*) { Track->SetCaption(IntToStr(Player->Position())); }
