// A font described by name, height and colour, made into a platform font when first needed.
#pragma once

#include "vcl/graphics.h"
#include "vcl/short_string.h"
#include "vcl/sysutils.h"
#include "win/win.h"

class TFont {
  public:
    TFont() = default;
    ~TFont();
    TFont(const TFont&) = delete;
    TFont& operator=(const TFont&) = delete;

    // The name comes as a counted string, as the platform reports it.
    ShortString Name() const { return ToShortString(name_); }
    void SetName(const AnsiString& name);
    // Negative: the character height in pixels; positive: the cell height.
    int Height() const { return height_; }
    void SetHeight(int height);
    TColor Color() const { return color_; }
    void SetColor(TColor color) { color_ = color; }

    // Made from the name and height when first asked for.
    HFONT Handle();
    // The font takes the handle over and releases it; its name and height follow the handle's
    // record. Changing the name or the height later replaces the handle.
    void SetHandle(HFONT handle);

  private:
    void ReleaseHandle();

    // A scalable face on every Windows and under Wine, so that text can be turned.
    AnsiString name_ = "Tahoma";
    int height_ = -11;
    TColor color_ = clBlack;
    HFONT handle_ = nullptr;
};
