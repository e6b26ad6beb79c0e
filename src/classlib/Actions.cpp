#include "Actions.h"

#include "ImageList.h"

#include "base/DispatchScope.h"
#include "base/Exceptions.h"

#include <algorithm>

namespace {

template <class T>
void EraseFirst(std::vector<T*>& list, T* item) {
  auto it = std::find(list.begin(), list.end(), item);
  if (it != list.end()) list.erase(it);
}

}  // namespace

// TCustomAction

TCustomAction::~TCustomAction() { Detach(); }

void TCustomAction::BeforeDestruction() {
  Detach();
  TComponent::BeforeDestruction();
}

// Leaves the list and the clients, before the action's parts go.
void TCustomAction::Detach() {
  SetActionList(nullptr);
  for (TActionLink* link : FLinks) link->FAction = nullptr;
  FLinks.clear();
}

template <class T>
void TCustomAction::Change(T& Field, const T& Value) {
  if (Field == Value) return;
  Field = Value;
  // By index: a client told may set another action, or free another client.
  for (size_t i = 0; i < FLinks.size(); ++i) {
    TActionChangeEvent handler = FLinks[i]->FOnChange;
    if (handler) handler(this, false);
  }
}

void TCustomAction::SetCaption(const std::string& Value) { Change(FCaption, Value); }
void TCustomAction::SetChecked(bool Value) { Change(FChecked, Value); }
void TCustomAction::SetEnabled(bool Value) { Change(FEnabled, Value); }
void TCustomAction::SetImageIndex(int Value) { Change(FImageIndex, Value); }

void TCustomAction::SetActionList(TActionList* Value) {
  if (Value == FActionList) return;
  if (FActionList != nullptr) EraseFirst(FActionList->FActions, this);
  FActionList = Value;
  if (Value != nullptr) Value->FActions.push_back(this);
}

bool TCustomAction::Execute() {
  const TDispatchScope running(this);
  Update();
  if (!FEnabled || !OnExecute) return false;
  TNotifyEvent handler = OnExecute;  // the handler may free or change the action
  handler(this);
  return true;
}

bool TCustomAction::Update() {
  if (!OnUpdate) return false;
  TNotifyEvent handler = OnUpdate;
  handler(this);
  return true;
}

// TActionList

TActionList::~TActionList() { Detach(); }

void TActionList::BeforeDestruction() {
  Detach();
  TComponent::BeforeDestruction();
}

void TActionList::Detach() {
  while (!FActions.empty()) FActions.back()->SetActionList(nullptr);
}

TCustomAction* TActionList::Actions(int Index) const {
  CheckListIndex(Index, ActionCount());
  return FActions[Index];
}

void TActionList::SetImages(TCustomImageList* Value) { SetReference(FImages, Value); }

void TActionList::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FImages) FImages = nullptr;
}

// TActionLink

void TActionLink::SetAction(TCustomAction* Value) {
  if (Value == FAction) return;
  if (FAction != nullptr) EraseFirst(FAction->FLinks, this);
  FAction = Value;
  if (Value == nullptr) return;
  Value->FLinks.push_back(this);
  if (FOnChange) FOnChange(Value, Value->ComponentState().Contains(csLoading));
}

void TActionLink::Click(TComponent* Client, const TNotifyEvent& OnClick) {
  if (Client->FreePending()) return;  // a freed control carries nothing out
  const bool ownHandler = OnClick && !(FAction != nullptr && OnClick == FAction->OnExecute);
  if (FAction != nullptr && !ownHandler && !Client->ComponentState().Contains(csDesigning)) {
    FAction->Execute();
  } else if (OnClick) {
    TNotifyEvent handler = OnClick;  // the handler may free the client
    handler(Client);
  }
}
