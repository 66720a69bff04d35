#include "vcl/classes.h"

#include <algorithm>

TComponent::TComponent(TComponent* owner) : owner_(owner) {
    if (owner_ != nullptr) owner_->owned_.push_back(this);
}

TComponent::~TComponent() {
    DestroyComponents();
    if (owner_ != nullptr) {
        auto& siblings = owner_->owned_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    }
}

void TComponent::DestroyComponents() {
    while (!owned_.empty()) {
        TComponent* last = owned_.back();
        owned_.pop_back();
        last->owner_ = nullptr;
        delete last;
    }
}
