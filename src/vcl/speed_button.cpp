#include "vcl/speed_button.h"

#include "vcl/form.h"

namespace {

void FillLine(HDC dc, int left, int top, int width, int height, int sysColor) {
    const RECT line{left, top, left + width, top + height};
    FillRect(dc, &line, GetSysColorBrush(sysColor));
}

bool Contains(const RECT& rect, int x, int y) {
    return x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
}

}  // namespace

TSpeedButton::TSpeedButton(TComponent* owner) : TControl(owner) {}

void TSpeedButton::SetGlyph(const TGlyphMap& glyph) {
    glyph_ = glyph;
    Invalidate();
}

void TSpeedButton::Click() {
    if (OnClick) OnClick(this);
}

void TSpeedButton::MouseMessage(UINT msg, int x, int y) {
    switch (msg) {
        case WM_LBUTTONDOWN:
            tracking_ = true;
            Parent()->SetCaptureControl(this);
            SetDown(true);
            break;
        case WM_MOUSEMOVE:
            if (tracking_) SetDown(Contains(BoundsRect(), x, y));
            break;
        case WM_LBUTTONUP:
            if (!tracking_) break;
            tracking_ = false;
            Parent()->SetCaptureControl(nullptr);
            SetDown(false);
            // Last, as the handler may hide this button or take the form away.
            if (Visible() && Contains(BoundsRect(), x, y)) Click();
            break;
    }
}

void TSpeedButton::CaptureLost() {
    tracking_ = false;
    SetDown(false);
}

void TSpeedButton::SetDown(bool down) {
    if (down == down_) return;
    down_ = down;
    Invalidate();
}

void TSpeedButton::Paint(HDC dc) {
    const RECT r = BoundsRect();
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    PaintFrame(dc, r);
    PaintGlyph(dc, r);
}

// Raised: light above and to the left, shadow below and to the right. Pressed: the reverse.
void TSpeedButton::PaintFrame(HDC dc, const RECT& r) {
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    const int lit = down_ ? COLOR_BTNSHADOW : COLOR_BTNHIGHLIGHT;
    const int shaded = down_ ? COLOR_BTNHIGHLIGHT : COLOR_BTNSHADOW;
    FillLine(dc, r.left, r.top, width - 1, 1, lit);
    FillLine(dc, r.left, r.top, 1, height - 1, lit);
    FillLine(dc, r.left, r.bottom - 1, width, 1, shaded);
    FillLine(dc, r.right - 1, r.top, 1, height, shaded);
}

void TSpeedButton::PaintGlyph(HDC dc, const RECT& r) {
    if (glyph_.Width() == 0 || glyph_.Height() == 0) return;
    const int offset = down_ ? 1 : 0;
    const int left = r.left + (r.right - r.left - glyph_.Width()) / 2 + offset;
    const int top = r.top + (r.bottom - r.top - glyph_.Height()) / 2 + offset;
    const TColor transparent = glyph_.Pixel(0, glyph_.Height() - 1);
    for (int y = 0; y < glyph_.Height(); ++y) {
        for (int x = 0; x < glyph_.Width(); ++x) {
            const TColor color = glyph_.Pixel(x, y);
            if (color != transparent) ::SetPixel(dc, left + x, top + y, color);
        }
    }
}
