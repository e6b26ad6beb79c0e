#pragma once
// TCollection owns an ordered list of TCollectionItems of one class.

#include "Persistent.h"

#include <functional>
#include <string>
#include <vector>

class TCollection;

class TCollectionItem : public TPersistent {
public:
  // Joins collection (when given) at its end.
  explicit TCollectionItem(TCollection* collection);
  ~TCollectionItem() override;  // leaves its collection
  TCollectionItem(const TCollectionItem&) = delete;
  TCollectionItem& operator=(const TCollectionItem&) = delete;

  TCollection* Collection() const { return FCollection; }
  void SetCollection(TCollection* collection);
  int Index() const;
  virtual void SetIndex(int index);  // moves the item
  int ID() const { return FID; }
  virtual std::string GetDisplayName() const;

protected:
  // Tells the collection that this item (or, with allItems, every item) changed.
  void Changed(bool allItems);

private:
  friend class TCollection;
  TCollection* FCollection = nullptr;
  int FID = 0;
};

enum TCollectionNotification { cnAdded, cnExtracting, cnDeleting };

class TCollection : public TPersistent {
public:
  using TItemFactory = std::function<TCollectionItem*(TCollection*)>;

  // The factory makes the collection's item class: ItemClass<TMyItem>().
  explicit TCollection(TItemFactory itemFactory);
  ~TCollection() override;
  TCollection(const TCollection&) = delete;
  TCollection& operator=(const TCollection&) = delete;

  template <class T>
  static TItemFactory ItemClass() {
    return [](TCollection* c) -> TCollectionItem* { return new T(c); };
  }

  TCollectionItem* Add();
  TCollectionItem* Insert(int index);
  void Delete(int index);
  void Clear();
  int Count() const { return static_cast<int>(FItems.size()); }
  TCollectionItem* Items(int index) const;
  TCollectionItem* FindItemID(int id) const;

  void BeginUpdate();
  void EndUpdate();
  int UpdateCount() const { return FUpdateCount; }

  // The component that owns the collection, for streaming and the display path.
  virtual TPersistent* GetOwner() const { return nullptr; }
  // Clears and adds a copy of each of Source's items.
  void Assign(const TPersistent* Source) override;

protected:
  // An item (nullptr: all items) changed; called outside updates only.
  virtual void Update(TCollectionItem* item);
  virtual void Notify(TCollectionItem* item, TCollectionNotification action);
  void Changed();

private:
  friend class TCollectionItem;
  void InsertItem(TCollectionItem* item);
  void RemoveItem(TCollectionItem* item);

  TItemFactory FItemFactory;
  std::vector<TCollectionItem*> FItems;
  int FNextID = 0;
  int FUpdateCount = 0;
};

// A collection that reports a given owner.
class TOwnedCollection : public TCollection {
public:
  TOwnedCollection(TPersistent* owner, TItemFactory itemFactory)
      : TCollection(std::move(itemFactory)), FOwner(owner) {}
  TPersistent* GetOwner() const override { return FOwner; }

private:
  TPersistent* FOwner;
};
