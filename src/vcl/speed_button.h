// A picture button without a window of its own, painted by its parent form in the platform's
// button colours. A left press draws it pressed and takes the capture; a release over it clicks.
#pragma once

#include "vcl/control.h"
#include "vcl/graphics.h"

// Where the glyph stands beside the caption. These buttons have no caption, so the glyph is
// centred whatever the layout.
enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphBottom };

class TSpeedButton : public TControl {
  public:
    explicit TSpeedButton(TComponent* owner);

    // The colour of the glyph's bottom-left pixel is transparent; every other pixel is drawn.
    const TGlyphMap& Glyph() const { return glyph_; }
    void SetGlyph(const TGlyphMap& glyph);
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout layout) { layout_ = layout; }

    TNotifyEvent OnClick;
    void Click();

    void Paint(HDC dc) override;
    void MouseMessage(UINT msg, int x, int y) override;
    void CaptureLost() override;

  private:
    void SetDown(bool down);
    void PaintFrame(HDC dc, const RECT& r);
    void PaintGlyph(HDC dc, const RECT& r);

    TGlyphMap glyph_;
    TButtonLayout layout_ = blGlyphLeft;
    bool tracking_ = false;
    bool down_ = false;
};
