// The root of the component tree: an owner releases what it owns, last made first.
#pragma once

#include <functional>
#include <vector>

class TObject {
  public:
    virtual ~TObject() = default;
};

using TNotifyEvent = std::function<void(TObject* sender)>;

class TComponent : public TObject {
  public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    TComponent* Owner() const { return owner_; }

  protected:
    // Releases the owned components now, for an owner whose own state they still reach.
    void DestroyComponents();

  private:
    TComponent* owner_;
    std::vector<TComponent*> owned_;
};
