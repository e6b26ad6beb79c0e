#include "LoggedComponent.h"

#include "base/Component.h"
#include "base/Exceptions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Holds a reference to another component and clears it when that one goes.
class TLinker : public TComponent {
public:
  using TComponent::TComponent;
  TComponent* Target = nullptr;
  // Freed from inside Notification when set: exercises changes while being told.
  TComponent* FreeWhenTargetGoes = nullptr;
  void SetTarget(TComponent* target) {
    if (Target) Target->RemoveFreeNotification(this);
    Target = target;
    if (Target) Target->FreeNotification(this);
  }
  void Notification(TComponent* c, TOperation op) override {
    TComponent::Notification(c, op);
    if (op == opRemove && c == Target) {
      Target = nullptr;
      FreeAndNil(FreeWhenTargetGoes);
    }
  }
};

TEST(Component, OwnsComponentsInCreationOrderAndFreesThemLastFirst) {
  std::vector<std::string> log;
  auto* owner = new TLogged(nullptr, "Owner", log);
  auto* a = new TLogged(owner, "A", log);
  new TLogged(owner, "B", log);
  new TLogged(a, "A1", log);
  ASSERT_EQ(owner->ComponentCount(), 2);
  EXPECT_EQ(owner->Components(0), a);
  EXPECT_EQ(owner->Components(1)->ComponentIndex(), 1);
  EXPECT_EQ(owner->FindComponent("b"), owner->Components(1));
  EXPECT_EQ(owner->FindComponent("A1"), nullptr);  // not owned directly
  EXPECT_EQ(owner->FindComponent(""), nullptr);
  EXPECT_THROW(owner->Components(2), EListError);

  log.clear();
  owner->Free();
  const std::vector<std::string> expected = {
      "before Owner destroying",
      "before B destroying", "Owner -B", "A -B", "A1 -B", "free B",
      "before A destroying", "before A1 destroying", "A -A1", "free A1", "Owner -A", "free A",
      "free Owner"};
  EXPECT_EQ(log, expected);
}

TEST(Component, NamesAreIdentifiersUniqueWithinTheOwner) {
  TComponent owner(nullptr);
  TComponent other(nullptr);
  auto* a = new TComponent(&owner);
  auto* b = new TComponent(&owner);
  a->SetName("Button1");
  EXPECT_THROW(b->SetName("BUTTON1"), EComponentError);
  EXPECT_THROW(b->SetName("1Button"), EComponentError);
  EXPECT_THROW(b->SetName("Butt on"), EComponentError);
  b->SetName("_Button_2");
  b->SetName("");
  a->SetName("");  // any number of unnamed components
  auto* c = new TComponent(&other);
  c->SetName("Button1");
  a->SetName("Button1");
  EXPECT_THROW(owner.InsertComponent(c), EComponentError);  // the name would clash
  EXPECT_EQ(c->Owner(), &other);
}

TEST(Component, InsertAndRemoveReachTheOwnersComponents) {
  std::vector<std::string> log;
  TLogged owner(nullptr, "Owner", log);
  new TLogged(&owner, "A", log);
  TLogged other(nullptr, "Other", log);
  auto* moved = new TLogged(&other, "M", log);
  log.clear();
  owner.InsertComponent(moved);
  EXPECT_EQ(moved->Owner(), &owner);
  EXPECT_EQ(other.ComponentCount(), 0);
  EXPECT_EQ(log, (std::vector<std::string>{"Other -M", "Owner +M", "A +M"}));
}

TEST(Component, ReferenceAcrossOwnersIsClearedWhenItsTargetIsFreed) {
  TComponent formA(nullptr);
  TComponent formB(nullptr);
  auto* linker = new TLinker(&formA);
  auto* target = new TComponent(&formB);
  linker->SetTarget(target);
  target->Free();
  EXPECT_EQ(linker->Target, nullptr);

  // The other way round: the freed subscriber is forgotten by its target, so freeing
  // the target later tells nobody who is gone (the sanitizers watch this).
  auto* target2 = new TComponent(&formB);
  linker->SetTarget(target2);
  linker->Free();
  target2->Free();
}

TEST(Component, RemovedFreeNotificationIsNotSent) {
  TComponent formA(nullptr);
  TComponent formB(nullptr);
  auto* linker = new TLinker(&formA);
  auto* target = new TComponent(&formB);
  linker->SetTarget(target);
  target->RemoveFreeNotification(linker);
  TComponent* kept = target;
  target->Free();
  EXPECT_EQ(linker->Target, kept);  // not told, so the stale value stays
}

TEST(Component, SubscriberMayFreeAnotherWhileBeingTold) {
  TComponent formA(nullptr);
  TComponent formB(nullptr);
  auto* first = new TLinker(&formA);
  auto* second = new TLinker(&formA);
  auto* target = new TComponent(&formB);
  first->SetTarget(target);
  second->SetTarget(target);
  second->FreeWhenTargetGoes = first;  // second is told first (last subscribed)
  first->FreeWhenTargetGoes = nullptr;
  target->Free();
  EXPECT_EQ(formA.ComponentCount(), 1);
  EXPECT_EQ(second->Target, nullptr);
}

TEST(Component, PlainDeleteStillFreesAndNotifies) {
  std::vector<std::string> log;
  TLogged owner(nullptr, "Owner", log);
  auto* a = new TLogged(&owner, "A", log);
  new TLogged(a, "A1", log);
  new TLogged(&owner, "B", log);
  log.clear();
  delete a;
  EXPECT_EQ(owner.ComponentCount(), 1);
  EXPECT_EQ(log, (std::vector<std::string>{"free A", "before A1 destroying", "free A1",
                                           "Owner -A", "B -A"}));
}

TEST(Component, LoadingAndReadingStates) {
  TComponent c(nullptr);
  EXPECT_TRUE(c.ComponentState().Empty());
  c.Loading();
  c.SetReading(true);
  EXPECT_TRUE(c.ComponentState().Contains(csLoading));
  EXPECT_TRUE(c.ComponentState().Contains(csReading));
  c.SetReading(false);
  c.Loaded();
  EXPECT_TRUE(c.ComponentState().Empty());
}

TEST(Component, DesigningReachesTheOwnedComponents) {
  TComponent owner(nullptr);
  auto* child = new TComponent(&owner);
  auto* grandchild = new TComponent(child);
  owner.SetDesigning(true);
  EXPECT_TRUE(owner.ComponentState().Contains(csDesigning));
  EXPECT_TRUE(grandchild->ComponentState().Contains(csDesigning));
  child->SetDesigning(false);
  EXPECT_TRUE(owner.ComponentState().Contains(csDesigning));
  EXPECT_FALSE(child->ComponentState().Contains(csDesigning));
  EXPECT_FALSE(grandchild->ComponentState().Contains(csDesigning));
}

TEST(Component, FreeAndNilClearsTheReferenceFirst) {
  TComponent owner(nullptr);
  TComponent* c = new TComponent(&owner);
  FreeAndNil(c);
  EXPECT_EQ(c, nullptr);
  EXPECT_EQ(owner.ComponentCount(), 0);
  FreeAndNil(c);  // nothing to do
}

}  // namespace
