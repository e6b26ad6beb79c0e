#pragma once
// TAtFree: runs a callback at the moment a watched component is freed, while it still
// exists (its free notification), so a test can see the state it was freed in.

#include "base/Component.h"

#include <functional>
#include <utility>

class TAtFree final : public TComponent {
public:
  TAtFree(TComponent* Watched, std::function<void()> AtFree)
      : TComponent(nullptr), FWatched(Watched), FAtFree(std::move(AtFree)) {
    Watched->FreeNotification(this);
  }
  bool Freed() const { return FFreed; }

protected:
  void Notification(TComponent* AComponent, TOperation Operation) override {
    TComponent::Notification(AComponent, Operation);
    if (Operation != opRemove || AComponent != FWatched) return;
    FFreed = true;
    FAtFree();
  }

private:
  TComponent* FWatched;
  std::function<void()> FAtFree;
  bool FFreed = false;
};
