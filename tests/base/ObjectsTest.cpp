#include "base/Collection.h"
#include "base/Delegate.h"
#include "base/Exceptions.h"
#include "base/List.h"
#include "base/ScopeExit.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

class TNamedItem : public TCollectionItem {
public:
  using TCollectionItem::TCollectionItem;
  std::string Name;
  void Assign(const TPersistent* Source) override {
    if (auto* item = dynamic_cast<const TNamedItem*>(Source))
      Name = item->Name;
    else
      TCollectionItem::Assign(Source);
  }
  std::string GetDisplayName() const override { return Name; }
};

class TCountingCollection : public TCollection {
public:
  TCountingCollection() : TCollection(ItemClass<TNamedItem>()) {}
  int Updates = 0;

protected:
  void Update(TCollectionItem*) override { ++Updates; }
};

TNamedItem* AddNamed(TCollection& c, const std::string& name) {
  auto* item = static_cast<TNamedItem*>(c.Add());
  item->Name = name;
  return item;
}

TEST(Collection, ItemsKnowTheirIndexAndLeaveWhenFreed) {
  TCountingCollection c;
  TNamedItem* a = AddNamed(c, "a");
  TNamedItem* b = AddNamed(c, "b");
  AddNamed(c, "c");
  EXPECT_EQ(b->Index(), 1);
  const int bId = b->ID();
  EXPECT_NE(a->ID(), bId);
  b->SetIndex(0);
  EXPECT_EQ(c.Items(0), b);
  EXPECT_EQ(a->Index(), 1);
  delete a;
  EXPECT_EQ(c.Count(), 2);
  EXPECT_EQ(c.Items(1)->GetDisplayName(), "c");
  EXPECT_THROW(c.Items(2), EListError);
  c.Delete(0);
  EXPECT_EQ(c.Items(0)->GetDisplayName(), "c");
  EXPECT_EQ(c.FindItemID(bId), nullptr);
}

TEST(Collection, UpdatesAreHeldBackDuringBeginEndUpdate) {
  TCountingCollection c;
  AddNamed(c, "a");
  int before = c.Updates;
  c.BeginUpdate();
  AddNamed(c, "b");
  AddNamed(c, "c");
  EXPECT_EQ(c.Updates, before);
  c.EndUpdate();
  EXPECT_EQ(c.Updates, before + 1);
}

TEST(Collection, AssignCopiesItems) {
  TCountingCollection source, target;
  AddNamed(source, "x");
  AddNamed(source, "y");
  AddNamed(target, "old");
  target.Assign(&source);
  ASSERT_EQ(target.Count(), 2);
  EXPECT_EQ(target.Items(1)->GetDisplayName(), "y");
  EXPECT_NE(target.Items(0), source.Items(0));
}

struct Receiver {
  int Calls = 0;
  void OnEvent(TObject*) { ++Calls; }
  void Other(TObject*) {}
};

TEST(Delegates, BoundMembersCompareByObjectAndMethod) {
  Receiver r1, r2;
  TNotifyEvent a = Event(&r1, &Receiver::OnEvent);
  TNotifyEvent same = Event(&r1, &Receiver::OnEvent);
  EXPECT_TRUE(a == same);
  EXPECT_FALSE(a == Event(&r2, &Receiver::OnEvent));
  EXPECT_FALSE(a == Event(&r1, &Receiver::Other));
  a(nullptr);
  EXPECT_EQ(r1.Calls, 1);
  TNotifyEvent empty;
  EXPECT_FALSE(empty);
  EXPECT_TRUE(empty == nullptr);
}

TEST(Delegates, AHandlerThatFreesTheDelegateItRunsThroughKeepsWhatItHoldsToItsEnd) {
  // As a control's event whose handler frees the control, and the event with it.
  auto event = std::make_unique<TNotifyEvent>();
  std::string seen;
  const std::string held = "held by the handler";
  *event = [&event, &seen, held](TObject*) {
    event.reset();
    seen = held;
  };
  (*event)(nullptr);
  EXPECT_EQ(seen, held);
}

TEST(Delegates, SavedHandlersCanBeRestored) {
  int calls = 0;
  TNotifyEvent original = [&](TObject*) { ++calls; };
  TNotifyEvent saved = original;
  TNotifyEvent current = [](TObject*) {};
  EXPECT_FALSE(current == saved);
  current = saved;
  EXPECT_TRUE(current == original);
  current(nullptr);
  EXPECT_EQ(calls, 1);
}

TEST(List, CheckedIndexesAndMoves) {
  TList<int> list;
  list.Add(1);
  list.Add(2);
  list.Add(3);
  list.Move(0, 2);
  EXPECT_EQ(list.Items(2), 1);
  list.Insert(0, 9);
  EXPECT_EQ(list.IndexOf(9), 0);
  EXPECT_EQ(list.Remove(2), 1);
  EXPECT_EQ(list.Count(), 3);
  EXPECT_THROW(list.Items(3), EListError);
  EXPECT_THROW(list.Insert(5, 0), EListError);
  EXPECT_THROW(list.Delete(-1), EListError);
}

TEST(List, ManyIndexesGoAtOnceAndTheRestKeepTheirOrder) {
  TList<std::unique_ptr<int>> list;
  for (int i = 0; i < 8; ++i) list.Add(std::make_unique<int>(i));
  const std::vector<int> ascending = {0, 3, 4, 7};
  list.Delete(ascending);
  std::vector<int> left;
  for (const auto& item : list) left.push_back(*item);
  EXPECT_EQ(left, (std::vector<int>{1, 2, 5, 6}));
  // Out of order, repeated or out of range: nothing goes.
  for (const std::vector<int>& wrong : {std::vector<int>{2, 1}, {1, 1}, {0, 4}, {-1}})
    EXPECT_THROW(list.Delete(wrong), EListError);
  EXPECT_EQ(list.Count(), 4);
  list.Delete(std::vector<int>{});
  EXPECT_EQ(list.Count(), 4);
}

TEST(ScopeExit, CleanUpRunsOnEveryExitAndOnFailureOnlyWhenAsked) {
  std::vector<std::string> log;
  auto scope = [&](bool fail) {
    TScopeExit always([&] { log.push_back("exit"); });
    TScopeFail onFailure([&] { log.push_back("fail"); });
    if (fail) throw EListError("work failed");
  };
  scope(false);
  EXPECT_THROW(scope(true), EListError);
  EXPECT_EQ(log, (std::vector<std::string>{"exit", "fail", "exit"}));
}

TEST(ScopeExit, AFailingCleanUpRaisesUnlessAnEarlierFailureIsUnderWay) {
  auto cleanUpFails = [](bool workFails) {
    TScopeExit cleanUp([] { throw EListError("clean-up failed"); });
    if (workFails) throw EConvertError("work failed");
  };
  EXPECT_THROW(cleanUpFails(false), EListError);
  EXPECT_THROW(cleanUpFails(true), EConvertError);  // the first failure is the one reported
}

}  // namespace
