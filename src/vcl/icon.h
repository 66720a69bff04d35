// An icon that owns its handle and draws at its own size.
#pragma once

#include "vcl/canvas.h"
#include "win/win.h"

class TIcon : public TGraphic {
  public:
    TIcon() = default;
    ~TIcon() override;
    TIcon(const TIcon&) = delete;
    TIcon& operator=(const TIcon&) = delete;

    HICON Handle() const { return handle_; }
    // Takes the icon over, destroying the one held before.
    void SetHandle(HICON handle);
    int Width() const override { return width_; }
    int Height() const override { return height_; }
    void Draw(TCanvas& canvas, int x, int y) const override;

  private:
    HICON handle_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};
