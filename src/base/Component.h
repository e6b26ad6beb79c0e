#pragma once
// TComponent: the owned, named building block of forms. An owner frees its components
// (last created first) and every component that refers to another learns through
// Notification(opRemove) when that one goes: the owner's other components always hear
// it, and so does any component that asked with FreeNotification, whoever its owner is.
//
// Free components with Free(): it runs BeforeDestruction while the object is still
// whole, so overrides (a form's OnDestroy, a control leaving its parent) see their own
// class. A plain delete still frees the owned components and sends the notifications.
//
// Freed while the class library runs code on behalf of something (DispatchScope.h), by
// either way, a component is only marked and goes once that code has run.

#include "Persistent.h"
#include "Set.h"

#include <cstdint>
#include <new>
#include <string>
#include <vector>

enum TOperation { opInsert, opRemove };

enum TComponentStateFlag { csLoading, csReading, csDestroying, csDesigning };
using TComponentState = TSet<TComponentStateFlag>;

class TComponent : public TPersistent {
public:
  explicit TComponent(TComponent* AOwner);
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  // Runs BeforeDestruction, then deletes the component; while code runs on behalf of
  // anything, marks it instead (see DispatchScope.h). A second call while the first runs,
  // or while the component waits to go, does nothing.
  void Free();
  // delete: at once, or marked as Free would.
  void operator delete(TComponent* Component, std::destroying_delete_t);

  // Whether this component, or one it lies in (its owner, or the control it is placed
  // on, up the chain), was freed and waits to go.
  bool FreePending() const;
  // The component this one lies in besides its owner (a control's parent); none here.
  virtual TComponent* GetParentComponent() const { return nullptr; }

  TComponent* Owner() const { return FOwner; }
  const std::string& Name() const { return FName; }
  // Raises EComponentError for a name that is not an identifier or that the owner
  // already holds (compared without case); "" is always allowed.
  virtual void SetName(const std::string& NewName);

  int ComponentCount() const { return static_cast<int>(FComponents.size()); }
  TComponent* Components(int Index) const;  // in creation order; raises EListError
  int ComponentIndex() const;               // index in the owner's list, -1 without owner
  TComponent* FindComponent(const std::string& AName) const;  // nullptr when absent

  void InsertComponent(TComponent* AComponent);
  void RemoveComponent(TComponent* AComponent);

  // AComponent will call Notification(AComponent, opRemove) on this component when it
  // is freed, and the other way round.
  void FreeNotification(TComponent* AComponent);
  void RemoveFreeNotification(TComponent* AComponent);

  TComponentState ComponentState() const { return FComponentState; }
  // The form reader marks components while it sets their properties.
  void Loading() { FComponentState.Include(csLoading); }
  // Host tools that build form data (the skin builder) mark a component, and the
  // components it owns, as being designed; the running program never does.
  void SetDesigning(bool Value);
  void SetReading(bool Value);
  // Called once all properties of the tree are read: ends csLoading.
  virtual void Loaded();

  intptr_t Tag() const { return FTag; }
  void SetTag(intptr_t Value) { FTag = Value; }

  // Reaches every owned component; overrides clear their references on opRemove and
  // call the inherited method.
  virtual void Notification(TComponent* AComponent, TOperation Operation);

protected:
  // Points Field at Value and moves the free notification from the old component to the
  // new one, so that Notification can clear Field when Value is freed.
  template <class C>
  void SetReference(C*& Field, C* Value) {
    if (Field == Value) return;
    if (Field != nullptr) Field->RemoveFreeNotification(this);
    Field = Value;
    if (Value != nullptr) Value->FreeNotification(this);
  }

  // Called by Free while the whole object exists; overrides call the inherited one last.
  virtual void BeforeDestruction();
  // Called once as a free of this component is put off, after it and what it owns got
  // csDestroying: it lets go of what would still route input or work to it.
  virtual void FreeDeferred() {}
  // Frees the owned components, last created first.
  void DestroyComponents();

private:
  friend class TDeferredFrees;
  void MarkDestroying();
  void LeaveOwnerAndSubscribers();
  void InsertFreeNotifier(TComponent* AComponent);
  void RemoveFreeNotifier(TComponent* AComponent);

  bool FDestructionStarted = false;
  bool FFreeDeferred = false;  // marked, waiting to go
  TComponent* FOwner = nullptr;
  std::string FName;
  std::vector<TComponent*> FComponents;
  std::vector<TComponent*> FFreeNotifies;
  TComponentState FComponentState;
  intptr_t FTag = 0;
};

// Frees *Component (when set) after setting the reference to nullptr.
template <class T>
void FreeAndNil(T*& Component) {
  T* doomed = Component;
  Component = nullptr;
  if (doomed != nullptr) doomed->Free();
}

// True for a valid component name: a letter or "_" followed by letters, digits and "_".
bool IsValidIdent(const std::string& Ident);
