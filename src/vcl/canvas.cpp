#include "vcl/canvas.h"

void TCanvas::TextOut(int x, int y, const AnsiString& text) {
    // The font is in the context only while it draws, so that it can be replaced at any time.
    HGDIOBJ old = SelectObject(dc_, font_.Handle());
    SetTextColor(dc_, font_.Color());
    SetBkMode(dc_, TRANSPARENT);
    ::TextOutA(dc_, x, y, text.c_str(), static_cast<int>(text.size()));
    SelectObject(dc_, old);
}
