// A drawing surface over a device context, with its font, and the pictures that draw on one.
#pragma once

#include "vcl/font.h"
#include "vcl/sysutils.h"
#include "win/win.h"

class TCanvas;

// Anything that can be drawn on a canvas: a bitmap or an icon.
class TGraphic {
  public:
    virtual ~TGraphic() = default;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    // At its own size, with its top-left corner at (x, y).
    virtual void Draw(TCanvas& canvas, int x, int y) const = 0;
};

class TCanvas {
  public:
    // The context stays its maker's.
    explicit TCanvas(HDC dc) : dc_(dc) {}
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    HDC Handle() const { return dc_; }
    TFont& Font() { return font_; }
    // In the font's colour, over what is there: the canvas has no brush of its own.
    void TextOut(int x, int y, const AnsiString& text);
    void Draw(int x, int y, const TGraphic& graphic) { graphic.Draw(*this, x, y); }

  private:
    HDC dc_;
    TFont font_;
};
