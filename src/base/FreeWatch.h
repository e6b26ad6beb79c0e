#pragma once
// TFreeWatch: learns whether a component is freed while it watches. Controls, menus and
// frame objects run event handlers (a click, a scroll, a close notification) that may
// free the object that runs them, or the control that opened them; code that goes on
// afterwards asks the watch first.

#include "Component.h"

class TFreeWatch final : public TComponent {
public:
  explicit TFreeWatch(TComponent* Target) : TComponent(nullptr), FTarget(Target) {
    if (Target != nullptr) Target->FreeNotification(this);
  }
  // The component, or nullptr once it was freed.
  TComponent* Target() const { return FTarget; }
  bool Gone() const { return FTarget == nullptr; }

protected:
  void Notification(TComponent* AComponent, TOperation Operation) override {
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FTarget) FTarget = nullptr;
  }

private:
  TComponent* FTarget;
};

// Runs Step (an event handler, or work that runs one); whether Component outlived it.
template <class F>
bool Outlives(TComponent* Component, F&& Step) {
  const TFreeWatch watch(Component);
  Step();
  return !watch.Gone();
}
