#pragma once
// TFreeWatch: learns whether a component is freed while it watches, at once or put off
// (see DispatchScope.h). Freed while the library runs code, a component stays whole until
// that code has run: the watch serves code that must stop early once its component went,
// such as a second step that would do something new for it.

#include "Component.h"

class TFreeWatch final : public TComponent {
public:
  explicit TFreeWatch(TComponent* Target) : TComponent(nullptr), FTarget(Target) {
    if (Target != nullptr) Target->FreeNotification(this);
  }
  // The component, or nullptr once it was freed.
  TComponent* Target() const { return FTarget; }
  // Freed, or marked to go.
  bool Gone() const { return FTarget == nullptr || FTarget->FreePending(); }

protected:
  void Notification(TComponent* AComponent, TOperation Operation) override {
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FTarget) FTarget = nullptr;
  }

private:
  TComponent* FTarget;
};
