#include "Menus.h"

#include <algorithm>
#include <bitset>

namespace {

// The command numbers of the items that exist. Numbers are handed out in turn (1 to
// 65535, then from the start again, skipping those in use), so that the number of an
// item just freed reaches another item only after all the others: a stale number then
// finds no item. Trivially destructible: items freed at exit may still give theirs back.
std::bitset<0x10000> gUsedCommands;
uint16_t gLastCommand = 0;

uint16_t AllocateCommand() {
  for (int tries = 0; tries < 0xFFFF; ++tries) {
    gLastCommand = gLastCommand == 0xFFFF ? 1 : static_cast<uint16_t>(gLastCommand + 1);
    if (!gUsedCommands[gLastCommand]) {
      gUsedCommands[gLastCommand] = true;
      return gLastCommand;
    }
  }
  throw EMenuError("Too many menu items");
}

void ReleaseCommand(uint16_t command) { gUsedCommands[command] = false; }

// The first item under Item (depth first) that Matches accepts; the subtrees of items
// that Descend refuses are skipped.
template <class Matches, class Descend>
TMenuItem* FindInTree(const TMenuItem* item, const Matches& matches, const Descend& descend) {
  for (int i = 0; i < item->Count(); ++i) {
    TMenuItem* child = item->Items(i);
    if (matches(child)) return child;
    if (descend(child))
      if (TMenuItem* found = FindInTree(child, matches, descend)) return found;
  }
  return nullptr;
}

}  // namespace

// TMenuItem

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner), FCommand(AllocateCommand()) {}

TMenuItem::~TMenuItem() {
  FreeItems();
  LeaveParent();
  ReleaseCommand(FCommand);
}

void TMenuItem::BeforeDestruction() {
  FreeItems();
  LeaveParent();
  TComponent::BeforeDestruction();
}

void TMenuItem::FreeItems() {
  while (!FItems.empty()) {
    TMenuItem* last = FItems.back();
    last->Free();
    // An item whose destruction was already under way stays listed; let it go.
    if (!FItems.empty() && FItems.back() == last) {
      FItems.pop_back();
      last->FParent = nullptr;
    }
  }
}

TComponent* TMenuItem::GetParentComponent() const {
  if (FParent != nullptr) return FParent;
  return FMenu;
}

void TMenuItem::LeaveParent() {
  if (FParent != nullptr) FParent->Remove(this);
}

TBitmap* TMenuItem::Bitmap() {
  if (!FBitmap) FBitmap = std::make_unique<TBitmap>();
  return FBitmap.get();
}

void TMenuItem::SetChecked(bool Value) {
  FChecked = Value;
  if (Value && FRadioItem) TurnSiblingsOff();
}

void TMenuItem::SetRadioItem(bool Value) {
  FRadioItem = Value;
  if (Value && FChecked) TurnSiblingsOff();
}

void TMenuItem::SetGroupIndex(uint8_t Value) {
  FGroupIndex = Value;
  if (FRadioItem && FChecked) TurnSiblingsOff();
}

void TMenuItem::TurnSiblingsOff() {
  if (FParent == nullptr) return;
  for (TMenuItem* sibling : FParent->FItems)
    if (sibling != this && sibling->FRadioItem && sibling->FGroupIndex == FGroupIndex) sibling->FChecked = false;
}

void TMenuItem::SetVisible(bool Value) {
  FVisible = Value;
  FHiddenAsRedundantLine = false;
}

TMenuItem* TMenuItem::Items(int Index) const {
  CheckListIndex(Index, Count());
  return FItems[Index];
}

int TMenuItem::IndexOf(const TMenuItem* Item) const {
  auto it = std::find(FItems.begin(), FItems.end(), Item);
  return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}

int TMenuItem::MenuIndex() const { return FParent != nullptr ? FParent->IndexOf(this) : -1; }

void TMenuItem::SetMenuIndex(int Value) {
  if (FParent == nullptr) return;
  TMenuItem* parent = FParent;
  parent->Remove(this);
  parent->Insert(std::clamp(Value, 0, parent->Count()), this);
}

void TMenuItem::Insert(int Index, TMenuItem* Item) {
  if (Item == nullptr) return;
  if (Item->FParent != nullptr) throw EMenuError("Menu item " + Item->Name() + " is in a menu already");
  for (const TMenuItem* ancestor = this; ancestor != nullptr; ancestor = ancestor->FParent)
    if (ancestor == Item) throw EMenuError("A menu item cannot contain itself");
  CheckListIndex(Index, Count() + 1);  // an insert may go at the end
  FItems.insert(FItems.begin() + Index, Item);
  Item->FParent = this;
}

void TMenuItem::Delete(int Index) { Remove(Items(Index)); }

void TMenuItem::Remove(TMenuItem* Item) {
  auto it = std::find(FItems.begin(), FItems.end(), Item);
  if (it == FItems.end()) return;
  FItems.erase(it);
  Item->FParent = nullptr;
}

void TMenuItem::Clear() { FreeItems(); }

void TMenuItem::Click() {
  if (FEnabled) FActionLink.Click(this, OnClick);
}

void TMenuItem::ActionChange(TObject* Sender, bool CheckDefaults) {
  const auto* action = dynamic_cast<const TCustomAction*>(Sender);
  if (action == nullptr) return;
  if (!CheckDefaults || FCaption.empty()) SetCaption(action->Caption());
  if (!CheckDefaults || !FChecked) SetChecked(action->Checked());
  if (!CheckDefaults || FEnabled) SetEnabled(action->Enabled());
  if (!CheckDefaults || FImageIndex == -1) SetImageIndex(action->ImageIndex());
}

void TMenuItem::RethinkLines() {
  bool itemBefore = false;
  TMenuItem* pendingLine = nullptr;  // shown only when an item follows it
  auto hideLine = [](TMenuItem* line) {
    if (line->FVisible) line->FHiddenAsRedundantLine = true;
    line->FVisible = false;
  };
  for (TMenuItem* item : FItems) {
    if (!item->IsLine()) {
      if (!item->FVisible) continue;
      if (pendingLine != nullptr) {
        pendingLine->FVisible = true;
        pendingLine->FHiddenAsRedundantLine = false;
        pendingLine = nullptr;
      }
      itemBefore = true;
    } else if (item->FVisible || item->FHiddenAsRedundantLine) {
      if (itemBefore && pendingLine == nullptr)
        pendingLine = item;
      else
        hideLine(item);
    }
  }
  if (pendingLine != nullptr) hideLine(pendingLine);
}

TMenu* TMenuItem::GetParentMenu() const {
  const TMenuItem* item = this;
  while (item->FParent != nullptr) item = item->FParent;
  return item->FMenu;
}

// TMenu

TMenu::TMenu(TComponent* AOwner) : TComponent(AOwner), FItems(new TMenuItem(nullptr)) { FItems->FMenu = this; }

TMenu::~TMenu() { FreeAndNil(FItems); }

void TMenu::BeforeDestruction() {
  FreeAndNil(FItems);
  TComponent::BeforeDestruction();
}

void TMenu::SetImages(TCustomImageList* Value) {
  SetReference(FImages, Value);
}

void TMenu::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FImages) FImages = nullptr;
}

TMenuItem* TMenu::FindItem(int Value, TFindItemKind Kind) const {
  if (FItems == nullptr) return nullptr;
  return FindInTree(
      FItems,
      [&](const TMenuItem* item) {
        return Kind == fkCommand ? item->Command() == Value : item->ShortCut() == Value;
      },
      [](const TMenuItem*) { return true; });
}

bool TMenu::DispatchCommand(uint16_t ACommand) {
  TMenuItem* item = FindItem(ACommand, fkCommand);
  if (item == nullptr) return false;
  item->Click();
  return true;
}

bool TMenu::IsShortCut(TWMKey& Message) {
  const TShortCut shortCut = ::ShortCut(Message.CharCode, KeyDataToShiftState(Message.KeyData));
  if (shortCut == scNone || FItems == nullptr) return false;
  TMenuItem* item = FindInTree(
      FItems, [&](const TMenuItem* candidate) { return candidate->Enabled() && candidate->ShortCut() == shortCut; },
      [](const TMenuItem* parent) { return parent->Enabled(); });
  if (item == nullptr) return false;
  item->Click();
  return true;
}

// TPopupMenu

void TPopupMenu::Popup(int, int) { DoPopup(this); }

void TPopupMenu::DoPopup(TObject* Sender) {
  if (OnPopup) {
    TNotifyEvent handler = OnPopup;
    handler(Sender);
  }
}

void TPopupMenu::SetPopupComponent(TComponent* Value) {
  SetReference(FPopupComponent, Value);
}

void TPopupMenu::Notification(TComponent* AComponent, TOperation Operation) {
  TMenu::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FPopupComponent) FPopupComponent = nullptr;
}
