// A control: a component with a place on its parent form. The controls built here are
// windowless; the form paints them and hands them the mouse messages over them.
#pragma once

#include "vcl/classes.h"
#include "win/win.h"

class TCustomForm;

class TControl : public TComponent {
  public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    TCustomForm* Parent() const { return parent_; }
    void SetParent(TCustomForm* parent);

    int Left() const { return BoundsRect().left; }
    int Top() const { return BoundsRect().top; }
    int Width() const { return BoundsRect().right - BoundsRect().left; }
    int Height() const { return BoundsRect().bottom - BoundsRect().top; }
    void SetLeft(int left) { SetBounds(left, Top(), Width(), Height()); }
    void SetTop(int top) { SetBounds(Left(), top, Width(), Height()); }
    void SetWidth(int width) { SetBounds(Left(), Top(), width, Height()); }
    void SetHeight(int height) { SetBounds(Left(), Top(), Width(), height); }
    // Does nothing when left, top, width and height are all unchanged.
    virtual void SetBounds(int left, int top, int width, int height);
    virtual RECT BoundsRect() const { return bounds_; }

    bool Visible() const { return visible_; }
    virtual void SetVisible(bool visible);

    bool ShowHint() const { return showHint_; }
    virtual void SetShowHint(bool showHint);
    bool ParentShowHint() const { return parentShowHint_; }
    void SetParentShowHint(bool parentShowHint) { parentShowHint_ = parentShowHint; }

    // Painting and mouse input of a windowless control, in its parent's client coordinates.
    virtual void Paint(HDC) {}
    virtual void MouseMessage(UINT, int, int) {}
    // The parent took the mouse capture away (a modal box opened, say).
    virtual void CaptureLost() {}

  protected:
    void Invalidate();
    RECT bounds_{0, 0, 0, 0};
    bool visible_ = true;

  private:
    TCustomForm* parent_ = nullptr;
    bool showHint_ = false;
    bool parentShowHint_ = true;
};
