#include "DispatchScope.h"

#include "Component.h"

#include <algorithm>
#include <vector>

namespace {

struct TPending {
  TComponent* Component;
  int Depth;  // of the scopes running when it was freed; lowered while a scope keeps it
  // The owner it left as it was marked; it still lies in that one for the scopes.
  const TComponent* FormerOwner;
};

TDispatchScope* gInnermost = nullptr;
std::vector<TPending> gPending;
bool gFreeing = false;  // FreeDeeperThan runs
DeferredFrees::TErrorReporter gReporter = nullptr;

}  // namespace

namespace DeferredFrees {

int PendingCount = 0;

bool SilencesSender(const TObject* Sender) {
  const auto* component = dynamic_cast<const TComponent*>(Sender);
  return component != nullptr && component->FreePending();
}

void SetErrorReporter(TErrorReporter Reporter) { gReporter = Reporter; }

}  // namespace DeferredFrees

// TDispatchScope

TDispatchScope::TDispatchScope(const TComponent* Target, bool Dispatch, TScopeKeeps Keeps)
    : FTarget(Target),
      FDispatch(Dispatch),
      FKeeps(Keeps),
      FDepth(TDeferredFrees::CurrentDepth() + 1),
      FOuter(gInnermost) {
  gInnermost = this;
}

TDispatchScope::~TDispatchScope() {
  gInnermost = FOuter;
  if (gInnermost == nullptr && !gPending.empty()) TDeferredFrees::FreeDeeperThan(0);
}

// TLoopTurn

TLoopTurn::TLoopTurn() : FDepth(TDeferredFrees::CurrentDepth()) {}

TLoopTurn::~TLoopTurn() {
  if (!gPending.empty()) TDeferredFrees::FreeDeeperThan(FDepth);
}

// TDeferredFrees

int TDeferredFrees::CurrentDepth() { return gInnermost != nullptr ? gInnermost->FDepth : 0; }

bool TDeferredFrees::LiesIn(const TComponent* Inner, const TComponent* Outer) {
  if (Inner == nullptr) return false;
  if (Inner == Outer) return true;
  const TComponent* owner = Inner->Owner();
  if (owner == nullptr && Inner->FFreeDeferred) {
    const auto pending = std::find_if(gPending.begin(), gPending.end(),
                                      [Inner](const TPending& Each) { return Each.Component == Inner; });
    if (pending != gPending.end()) owner = pending->FormerOwner;
  }
  return LiesIn(owner, Outer) || LiesIn(Inner->GetParentComponent(), Outer);
}

bool TDeferredFrees::KeptByRunningScope(const TComponent* Component) {
  for (const TDispatchScope* scope = gInnermost; scope != nullptr; scope = scope->FOuter) {
    if (!scope->FDispatch || scope->FTarget == nullptr) continue;
    if (LiesIn(scope->FTarget, Component)) return true;
    if (scope->FKeeps == TScopeKeeps::TargetAndParts && LiesIn(Component, scope->FTarget)) return true;
  }
  return false;
}

bool TDeferredFrees::Defers(const TComponent* Component) {
  if (gInnermost == nullptr) return false;
  return gInnermost->FDispatch || KeptByRunningScope(Component);
}

void TDeferredFrees::Defer(TComponent* Component) {
  if (Component->FFreeDeferred) return;
  Component->FFreeDeferred = true;
  gPending.push_back({Component, CurrentDepth(), Component->Owner()});
  ++DeferredFrees::PendingCount;
  Component->MarkDestroying();
  Component->FreeDeferred();
  // It leaves its owner now, and the owner's components hear of it: a part freed and
  // made anew is not the one found afterwards. (Those that asked for its free
  // notification from elsewhere hear of it as it is destroyed; until then it hears of
  // theirs, so that it touches none of them that went.)
  if (TComponent* owner = Component->FOwner) owner->RemoveComponent(Component);
}

void TDeferredFrees::Forget(TComponent* Component) {
  if (gPending.empty()) return;
  for (TPending& each : gPending)
    if (each.FormerOwner == Component) each.FormerOwner = nullptr;
  if (!Component->FFreeDeferred) return;
  Component->FFreeDeferred = false;
  std::erase_if(gPending, [Component](const TPending& Each) { return Each.Component == Component; });
  --DeferredFrees::PendingCount;
}

bool TDeferredFrees::Marked(const TComponent* Component) {
  if (Component == nullptr) return false;
  return Component->FFreeDeferred || Marked(Component->Owner()) || Marked(Component->GetParentComponent());
}

void TDeferredFrees::FreeDeeperThan(int Depth) {
  // A free that runs here may end scopes and turns of its own: this loop takes what they
  // leave, from the list as it is each time.
  if (gFreeing) return;
  gFreeing = true;
  for (;;) {
    const auto next = std::find_if(gPending.begin(), gPending.end(), [Depth](const TPending& Each) {
      return Each.Depth > Depth && !KeptByRunningScope(Each.Component);
    });
    if (next == gPending.end()) break;
    TComponent* component = next->Component;
    Forget(component);
    try {
      const TDispatchScope freeing(component, false);  // its free is not put off again
      component->Free();
    } catch (...) {
      if (gReporter != nullptr) gReporter();
    }
  }
  for (TPending& each : gPending) each.Depth = std::min(each.Depth, Depth);
  gFreeing = false;
}
