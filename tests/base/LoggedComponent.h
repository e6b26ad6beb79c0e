#pragma once
// A component that records what happens to it in a shared log: its insertions and
// removals heard, the start of its free, its destruction, and a free put off.

#include "base/Component.h"

#include <string>
#include <vector>

class TLogged : public TComponent {
public:
  TLogged(TComponent* owner, const std::string& name, std::vector<std::string>& log) : TComponent(owner), FLog(log) {
    SetName(name);
  }
  ~TLogged() override { FLog.push_back("free " + Name()); }
  void Notification(TComponent* c, TOperation op) override {
    if (c != this) FLog.push_back(Name() + (op == opInsert ? " +" : " -") + c->Name());
    TComponent::Notification(c, op);
  }
  // Lies on Parent besides its owner (as a control on a panel).
  TComponent* Parent = nullptr;
  TComponent* GetParentComponent() const override { return Parent; }
  int Marks = 0;  // frees put off

protected:
  void BeforeDestruction() override {
    FLog.push_back("before " + Name() + (ComponentState().Contains(csDestroying) ? " destroying" : ""));
    TComponent::BeforeDestruction();
  }
  void FreeDeferred() override {
    ++Marks;
    FLog.push_back("mark " + Name());
  }

private:
  std::vector<std::string>& FLog;
};
