#include "Collection.h"

#include "Exceptions.h"
#include "UpdateScope.h"

#include <algorithm>

// --- TCollectionItem -----------------------------------------------------------------

TCollectionItem::TCollectionItem(TCollection* collection) { SetCollection(collection); }

TCollectionItem::~TCollectionItem() { SetCollection(nullptr); }

void TCollectionItem::SetCollection(TCollection* collection) {
  if (collection == FCollection) return;
  if (FCollection) FCollection->RemoveItem(this);
  if (collection) collection->InsertItem(this);
}

int TCollectionItem::Index() const {
  if (!FCollection) return -1;
  auto& items = FCollection->FItems;
  return static_cast<int>(std::find(items.begin(), items.end(), this) - items.begin());
}

void TCollectionItem::SetIndex(int index) {
  int current = Index();
  if (current < 0 || index == current) return;
  auto& items = FCollection->FItems;
  CheckListIndex(index, static_cast<int64_t>(items.size()));
  items.erase(items.begin() + current);
  items.insert(items.begin() + index, this);
  Changed(true);
}

std::string TCollectionItem::GetDisplayName() const { return ClassName(); }

void TCollectionItem::Changed(bool allItems) {
  if (FCollection && FCollection->FUpdateCount == 0)
    FCollection->Update(allItems ? nullptr : this);
}

// --- TCollection ---------------------------------------------------------------------

TCollection::TCollection(TItemFactory itemFactory) : FItemFactory(std::move(itemFactory)) {}

TCollection::~TCollection() {
  FUpdateCount = 1;  // no change notifications while the collection goes
  Clear();
}

TCollectionItem* TCollection::Add() {
  TCollectionItem* item = FItemFactory(this);
  if (item->FCollection != this) item->SetCollection(this);
  Notify(item, cnAdded);
  Changed();
  return item;
}

TCollectionItem* TCollection::Insert(int index) {
  TCollectionItem* item = Add();
  item->SetIndex(index);
  return item;
}

void TCollection::Delete(int index) { delete Items(index); }

void TCollection::Clear() {
  if (FItems.empty()) return;
  WithUpdate(*this, [&] {
    while (!FItems.empty()) delete FItems.back();
  });
}

TCollectionItem* TCollection::Items(int index) const {
  CheckListIndex(index, Count());
  return FItems[index];
}

TCollectionItem* TCollection::FindItemID(int id) const {
  for (TCollectionItem* item : FItems)
    if (item->FID == id) return item;
  return nullptr;
}

void TCollection::BeginUpdate() { ++FUpdateCount; }

void TCollection::EndUpdate() {
  if (FUpdateCount > 0 && --FUpdateCount == 0) Changed();
}

void TCollection::Assign(const TPersistent* Source) {
  if (auto* source = dynamic_cast<const TCollection*>(Source)) {
    if (source == this) return;
    WithUpdate(*this, [&] {
      Clear();
      for (TCollectionItem* item : source->FItems) Add()->Assign(item);
    });
    return;
  }
  TPersistent::Assign(Source);
}

void TCollection::Update(TCollectionItem*) {}

void TCollection::Notify(TCollectionItem*, TCollectionNotification) {}

void TCollection::Changed() {
  if (FUpdateCount == 0) Update(nullptr);
}

void TCollection::InsertItem(TCollectionItem* item) {
  FItems.push_back(item);
  item->FCollection = this;
  item->FID = FNextID++;
}

void TCollection::RemoveItem(TCollectionItem* item) {
  Notify(item, cnExtracting);
  auto it = std::find(FItems.begin(), FItems.end(), item);
  if (it != FItems.end()) FItems.erase(it);
  item->FCollection = nullptr;
  Changed();
}
