#include "Component.h"

#include "DispatchScope.h"
#include "Exceptions.h"
#include "StrUtils.h"

#include <algorithm>
#include <cctype>

namespace {

void EraseFirst(std::vector<TComponent*>& list, TComponent* item) {
  auto it = std::find(list.begin(), list.end(), item);
  if (it != list.end()) list.erase(it);
}

}  // namespace

bool IsValidIdent(const std::string& Ident) {
  if (Ident.empty()) return false;
  auto isStart = [](unsigned char c) { return std::isalpha(c) || c == '_'; };
  if (!isStart(static_cast<unsigned char>(Ident[0]))) return false;
  return std::all_of(Ident.begin(), Ident.end(), [&](char c) {
    return isStart(static_cast<unsigned char>(c)) || std::isdigit(static_cast<unsigned char>(c));
  });
}

TComponent::TComponent(TComponent* AOwner) {
  if (AOwner != nullptr) AOwner->InsertComponent(this);
}

TComponent::~TComponent() {
  TDeferredFrees::Forget(this);
  if (!FDestructionStarted) {
    FDestructionStarted = true;
    MarkDestroying();
  }
  DestroyComponents();
  LeaveOwnerAndSubscribers();
}

void TComponent::Free() {
  if (FDestructionStarted) return;
  if (TDeferredFrees::Defers(this)) {
    TDeferredFrees::Defer(this);
    return;
  }
  FDestructionStarted = true;
  TDeferredFrees::Forget(this);
  const TDispatchScope freeing(this, false);
  MarkDestroying();
  BeforeDestruction();
  delete this;
}

void TComponent::operator delete(TComponent* Component, std::destroying_delete_t) {
  if (!Component->FDestructionStarted && TDeferredFrees::Defers(Component)) {
    TDeferredFrees::Defer(Component);
    return;
  }
  TDeferredFrees::Forget(Component);
  void* whole = dynamic_cast<void*>(Component);
  {
    const TDispatchScope freeing(Component, false);
    Component->~TComponent();
  }
  ::operator delete(whole);
}

bool TComponent::FreePending() const { return DeferredFrees::PendingCount != 0 && TDeferredFrees::Marked(this); }

void TComponent::BeforeDestruction() {
  DestroyComponents();
  LeaveOwnerAndSubscribers();
}

void TComponent::MarkDestroying() {
  FComponentState.Include(csDestroying);
  for (TComponent* component : FComponents) component->MarkDestroying();
}

void TComponent::DestroyComponents() {
  while (!FComponents.empty()) {
    TComponent* last = FComponents.back();
    last->Free();
    // A component whose destruction was already under way stays listed; let it go.
    if (!FComponents.empty() && FComponents.back() == last) {
      FComponents.pop_back();
      last->FOwner = nullptr;
    }
  }
}

void TComponent::LeaveOwnerAndSubscribers() {
  // The list is read anew each time: a subscriber may free others while it is told.
  while (!FFreeNotifies.empty()) {
    TComponent* subscriber = FFreeNotifies.back();
    FFreeNotifies.pop_back();
    subscriber->RemoveFreeNotifier(this);
    subscriber->Notification(this, opRemove);
  }
  if (FOwner != nullptr) FOwner->RemoveComponent(this);
}

void TComponent::SetName(const std::string& NewName) {
  if (NewName == FName) return;
  if (!NewName.empty() && !IsValidIdent(NewName))
    throw EComponentError("Component name \"" + NewName + "\" is not a valid identifier");
  if (!NewName.empty() && FOwner != nullptr) {
    TComponent* other = FOwner->FindComponent(NewName);
    if (other != nullptr && other != this)
      throw EComponentError("A component named " + NewName + " already exists");
  }
  FName = NewName;
}

TComponent* TComponent::Components(int Index) const {
  CheckListIndex(Index, ComponentCount());
  return FComponents[Index];
}

int TComponent::ComponentIndex() const {
  if (FOwner == nullptr) return -1;
  const auto& list = FOwner->FComponents;
  auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

TComponent* TComponent::FindComponent(const std::string& AName) const {
  if (AName.empty()) return nullptr;
  for (TComponent* component : FComponents)
    if (SameText(component->FName, AName)) return component;
  return nullptr;
}

void TComponent::InsertComponent(TComponent* AComponent) {
  if (AComponent->FOwner == this) return;
  if (!AComponent->FName.empty() && FindComponent(AComponent->FName) != nullptr)
    throw EComponentError("A component named " + AComponent->FName + " already exists");
  if (AComponent->FOwner != nullptr) AComponent->FOwner->RemoveComponent(AComponent);
  FComponents.push_back(AComponent);
  AComponent->FOwner = this;
  Notification(AComponent, opInsert);
}

void TComponent::RemoveComponent(TComponent* AComponent) {
  if (AComponent->FOwner != this) return;
  EraseFirst(FComponents, AComponent);
  AComponent->FOwner = nullptr;
  Notification(AComponent, opRemove);
}

void TComponent::FreeNotification(TComponent* AComponent) {
  // Components of one owner already hear of each other through it.
  if (AComponent == nullptr || AComponent == this) return;
  if (FOwner != nullptr && AComponent->FOwner == FOwner) return;
  InsertFreeNotifier(AComponent);
  AComponent->InsertFreeNotifier(this);
}

void TComponent::RemoveFreeNotification(TComponent* AComponent) {
  if (AComponent == nullptr) return;
  RemoveFreeNotifier(AComponent);
  AComponent->RemoveFreeNotifier(this);
}

void TComponent::InsertFreeNotifier(TComponent* AComponent) {
  if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), AComponent) == FFreeNotifies.end())
    FFreeNotifies.push_back(AComponent);
}

void TComponent::RemoveFreeNotifier(TComponent* AComponent) { EraseFirst(FFreeNotifies, AComponent); }

void TComponent::SetReading(bool Value) {
  if (Value)
    FComponentState.Include(csReading);
  else
    FComponentState.Exclude(csReading);
}

void TComponent::SetDesigning(bool Value) {
  if (Value)
    FComponentState.Include(csDesigning);
  else
    FComponentState.Exclude(csDesigning);
  for (TComponent* component : FComponents) component->SetDesigning(Value);
}

void TComponent::Loaded() { FComponentState.Exclude(csLoading); }

void TComponent::Notification(TComponent* AComponent, TOperation Operation) {
  // Walks down with a bound check: a component told may free or add others.
  for (int i = ComponentCount() - 1; i >= 0; --i) {
    if (i >= ComponentCount()) continue;
    FComponents[i]->Notification(AComponent, Operation);
  }
}
