#include "vcl/control.h"

#include "vcl/form.h"

TControl::TControl(TComponent* owner) : TComponent(owner) {}

TControl::~TControl() { SetParent(nullptr); }

void TControl::SetParent(TCustomForm* parent) {
    if (parent == parent_) return;
    if (parent_ != nullptr) {
        Invalidate();
        parent_->RemoveControl(this);
    }
    parent_ = parent;
    if (parent_ != nullptr) {
        parent_->InsertControl(this);
        Invalidate();
    }
}

void TControl::SetBounds(int left, int top, int width, int height) {
    const RECT bounds{left, top, left + width, top + height};
    if (bounds.left == bounds_.left && bounds.top == bounds_.top && bounds.right == bounds_.right &&
        bounds.bottom == bounds_.bottom) {
        return;
    }
    Invalidate();
    bounds_ = bounds;
    Invalidate();
}

void TControl::SetVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    Invalidate();
}

void TControl::SetShowHint(bool showHint) {
    showHint_ = showHint;
    parentShowHint_ = false;
}

void TControl::Invalidate() {
    if (parent_ != nullptr) parent_->InvalidateArea(bounds_);
}
