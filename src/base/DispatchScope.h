#pragma once
// TDispatchScope: the class library runs code on behalf of something (a message being
// dispatched to a window or a control, a handler or an action it runs). A component freed
// while any scope runs (by Free, FreeAndNil, delete or its owner) is not destroyed then:
//  - it is marked: FreePending() holds for it and for every component it owns or holds,
//    ComponentState() gets csDestroying, and TComponent::FreeDeferred lets it leave what
//    would route input to it (a control hides and gives up the focus and the mouse);
//  - it leaves its owner, whose components hear of it as in a free (a part freed and made
//    anew is not found again);
//  - its events fire no more: a delegate whose Sender is marked is not called;
//  - it is destroyed, with the rest of what a free does (its parts, its window, its place
//    among its parent's controls, the free notifications), once no scope runs any more.
// The code that ran on its behalf finds it whole to its end, so that nothing has to ask
// after each handler whether its component is still there.
//
// A free outside every scope (the program's own code, a test) stays immediate; so does a
// free that a running free causes (a component's owned components, what its handlers
// free), unless it would take away what a running scope works for.
//
// A nested message loop (a modal form's, ProcessMessages) ends each message with a
// TLoopTurn: what that message freed goes then, except a component that a scope still
// running below the loop works for, holds such a component, or lies in one (the code
// waiting below may still use the parts of its component): that waits for the scopes
// below.

class TComponent;
class TObject;

// What a scope keeps from a loop turn's frees: its target and what holds it, and also
// what lies in its target unless the scope only waits for a loop to end (a modal form's).
enum class TScopeKeeps { TargetAndParts, TargetOnly };

class TDispatchScope {
public:
  // Target: the component the code runs for, or nullptr.
  explicit TDispatchScope(const TComponent* Target = nullptr, TScopeKeeps Keeps = TScopeKeeps::TargetAndParts)
      : TDispatchScope(Target, true, Keeps) {}
  ~TDispatchScope();
  TDispatchScope(const TDispatchScope&) = delete;
  TDispatchScope& operator=(const TDispatchScope&) = delete;

private:
  friend class TComponent;
  friend class TDeferredFrees;
  // A free that runs is a scope too, one whose own frees are immediate.
  TDispatchScope(const TComponent* Target, bool Dispatch, TScopeKeeps Keeps = TScopeKeeps::TargetOnly);

  const TComponent* FTarget;
  bool FDispatch;
  TScopeKeeps FKeeps;
  int FDepth;
  TDispatchScope* FOuter;
};

// One message of a nested loop: what it freed goes when it ends (see above).
class TLoopTurn {
public:
  TLoopTurn();
  ~TLoopTurn();
  TLoopTurn(const TLoopTurn&) = delete;
  TLoopTurn& operator=(const TLoopTurn&) = delete;

private:
  int FDepth;
};

// The frees put off; TComponent's side of the mechanism.
class TDeferredFrees {
public:
  // Whether a free of Component now is put off.
  static bool Defers(const TComponent* Component);
  // Marks Component (once) and lets it go later.
  static void Defer(TComponent* Component);
  // Component goes now (or went): it waits no more.
  static void Forget(TComponent* Component);
  // Whether Component or one it lies in is marked.
  static bool Marked(const TComponent* Component);

private:
  friend class TDispatchScope;
  friend class TLoopTurn;
  // Frees what was put off deeper than Depth, except what a running scope works for.
  static void FreeDeeperThan(int Depth);
  static int CurrentDepth();
  // Inner is Outer, or is owned by or placed on it, however far up (a marked component
  // still by the owner it left).
  static bool LiesIn(const TComponent* Inner, const TComponent* Outer);
  // Whether a running dispatch works for Component, for something that lies in it or
  // (see TScopeKeeps) for something it lies in.
  static bool KeptByRunningScope(const TComponent* Component);
};

// Whether a delegate called with Sender stays silent: Sender is a component marked freed.
namespace DeferredFrees {
extern int PendingCount;
bool SilencesSender(const TObject* Sender);
// Reports what a deferred free raised (the class library reports it as an event handler's
// error); the free of the others goes on.
using TErrorReporter = void (*)();
void SetErrorReporter(TErrorReporter Reporter);
}  // namespace DeferredFrees
