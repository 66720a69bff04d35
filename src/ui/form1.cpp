#include "ui/form1.h"

#include "vcl/application.h"

TForm1* Form1 = nullptr;

namespace {
constexpr int kStripHeight = 15;
constexpr int kSquareWidth = 15;
constexpr int kWidthWithButtons = 90;
}  // namespace

void TForm1::FormCreate(TObject*) {
    Form1->SetHeight(kStripHeight);
    Form1->SetWidth(kSquareWidth);
    PauseB->SetLeft(PlayB->Left());
}

void TForm1::Exit1Click(TObject*) { Form1->Close(); }

void TForm1::Button1Click(TObject*) {
    Button1->SetChecked(!Button1->Checked());
    SetWidth(Button1->Checked() ? kWidthWithButtons : kSquareWidth);
}
