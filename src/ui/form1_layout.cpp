// The window's layout as data: the form's properties, the buttons, the player, the timer and
// the menu tree, bound to the fields and handlers of TForm1.
#include "res/glyphs.h"
#include "ui/form1.h"

namespace {

using Handler = void (TForm1::*)(TObject*);

struct FormLayout {
    const char* caption;
    const char* hint;
    bool showHint;
    TFormBorderStyle borderStyle;
    TFormStyle formStyle;
    TPosition position;
    TColor color;
    int left;
    int top;
    int clientWidth;
    int clientHeight;
};

const FormLayout kForm{
    "Quillet", "Quillet", true, bsNone, fsStayOnTop, poScreenCenter, clBlue, 200, 106, 168, 35,
};

struct ButtonLayout {
    TSpeedButton* TForm1::*field;
    int left;
    const GlyphRows& glyph;
    TButtonLayout layout;
    bool visible;
    Handler onClick;
};

constexpr int kButtonTop = 0;
constexpr int kButtonSize = 15;

const ButtonLayout kButtons[] = {
    {&TForm1::PlayB, 15, kPlayGlyph, blGlyphLeft, true, &TForm1::Play1Click},
    {&TForm1::StopB, 30, kStopGlyph, blGlyphLeft, true, &TForm1::Stop1Click},
    {&TForm1::NextB, 45, kNextGlyph, blGlyphLeft, true, &TForm1::Next1Click},
    {&TForm1::PreviousB, 60, kPreviousGlyph, blGlyphRight, true, &TForm1::Previous1Click},
    {&TForm1::EjectB, 75, kEjectGlyph, blGlyphBottom, true, &TForm1::Eject1Click},
    {&TForm1::PauseB, 90, kPauseGlyph, blGlyphLeft, false, &TForm1::Pause1Click},
};

struct PlayerLayout {
    int left;
    int top;
    int width;
    int height;
    bool visible;
    bool showHint;
    bool parentShowHint;
    int tabOrder;
    TMPDeviceTypes deviceType;
    bool shareable;
    bool autoOpen;
};

const PlayerLayout kPlayer{0, 15, 169, 20, false, false, false, 0, dtCDAudio, true, false};
const TMPBtnSet kPlayerButtons{btPlay, btPause, btStop, btNext, btPrev, btEject};

constexpr unsigned kTimerInterval = 100;

struct MenuLayout {
    int level;
    TMenuItem* TForm1::*field;
    const char* caption;
    Handler onClick;
};

const MenuLayout kMenu[] = {
    {1, &TForm1::Play1, "Pla&y", &TForm1::Play1Click},
    {1, &TForm1::Pause1, "&Pause", &TForm1::Pause1Click},
    {1, &TForm1::Stop1, "&Stop", &TForm1::Stop1Click},
    {1, &TForm1::Track1, "&Track", &TForm1::Track1Click},
    {2, &TForm1::Next1, "&Next", &TForm1::Next1Click},
    {2, &TForm1::Previous1, "&Previous", &TForm1::Previous1Click},
    {2, &TForm1::N3, "-", nullptr},
    {2, &TForm1::Track, "1", nullptr},
    {1, &TForm1::Eject1, "&Eject", &TForm1::Eject1Click},
    {1, &TForm1::N1, "-", nullptr},
    {1, &TForm1::Button1, "&Button", &TForm1::Button1Click},
    {1, &TForm1::N2, "-", nullptr},
    {1, &TForm1::Option1, "&Option", nullptr},
    {2, &TForm1::Caption1, "&Caption", nullptr},
    {2, &TForm1::TaskTray1, "&TaskTray", nullptr},
    {2, &TForm1::Pos1, "&Pos", nullptr},
    {2, &TForm1::Hide1, "&Hide", nullptr},
    {2, &TForm1::Mouse1, "&Mouse", nullptr},
    {1, &TForm1::N4, "-", nullptr},
    {1, &TForm1::Exit1, "E&xit", &TForm1::Exit1Click},
};

TGlyphMap GlyphBitmap(const GlyphRows& rows) {
    const int width = static_cast<int>(rows.front().size());
    const int height = static_cast<int>(rows.size());
    TGlyphMap bitmap(width, height, clWhite);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (rows[static_cast<size_t>(y)][static_cast<size_t>(x)] == '#') {
                bitmap.SetPixel(x, y, clBlack);
            }
        }
    }
    return bitmap;
}

TNotifyEvent Bind(TForm1* form, Handler handler) {
    if (handler == nullptr) return nullptr;
    return [form, handler](TObject* sender) { (form->*handler)(sender); };
}

}  // namespace

void TForm1::ReadLayout() {
    Player = new TMediaPlayer(this);
    Player->SetLeft(kPlayer.left);
    Player->SetTop(kPlayer.top);
    Player->SetWidth(kPlayer.width);
    Player->SetHeight(kPlayer.height);
    Player->SetVisible(kPlayer.visible);
    Player->SetShowHint(kPlayer.showHint);
    Player->SetParentShowHint(kPlayer.parentShowHint);
    Player->SetTabOrder(kPlayer.tabOrder);
    Player->SetDeviceType(kPlayer.deviceType);
    Player->SetShareable(kPlayer.shareable);
    Player->SetAutoOpen(kPlayer.autoOpen);
    Player->SetEnabledButtons(kPlayerButtons);
    Player->SetVisibleButtons(kPlayerButtons);

    PopupMenu1 = new TPopupMenu(this);
    TMenuItem* parents[3] = {PopupMenu1->Items(), nullptr, nullptr};
    for (const MenuLayout& entry : kMenu) {
        TMenuItem* item = new TMenuItem(this);
        item->SetCaption(entry.caption);
        item->OnClick = Bind(this, entry.onClick);
        parents[entry.level - 1]->Add(item);
        parents[entry.level] = item;
        this->*entry.field = item;
    }

    Timer1 = new TTimer(this);
    Timer1->SetInterval(kTimerInterval);
    Timer1->SetEnabled(true);

    for (const ButtonLayout& entry : kButtons) {
        TSpeedButton* button = new TSpeedButton(this);
        button->SetBounds(entry.left, kButtonTop, kButtonSize, kButtonSize);
        button->SetGlyph(GlyphBitmap(entry.glyph));
        button->SetLayout(entry.layout);
        button->SetShowHint(false);
        button->SetParentShowHint(false);
        button->SetVisible(entry.visible);
        button->OnClick = Bind(this, entry.onClick);
        button->SetParent(this);
        this->*entry.field = button;
    }

    SetCaption(kForm.caption);
    SetHint(kForm.hint);
    SetShowHint(kForm.showHint);
    SetBorderStyle(kForm.borderStyle);
    SetFormStyle(kForm.formStyle);
    SetPosition(kForm.position);
    SetColor(kForm.color);
    SetBounds(kForm.left, kForm.top, Width(), Height());
    SetClientWidth(kForm.clientWidth);
    SetClientHeight(kForm.clientHeight);
    SetPopupMenu(PopupMenu1);
    OnCreate = Bind(this, &TForm1::FormCreate);
}
