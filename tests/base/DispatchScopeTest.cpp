// Components freed while code runs on behalf of something: marked, silent, and freed
// once that code has run, whichever way they were freed.
#include "LoggedComponent.h"

#include "base/Component.h"
#include "base/Delegate.h"
#include "base/DispatchScope.h"
#include "base/FreeWatch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

class DispatchScope : public ::testing::Test {
protected:
  TLogged* Make(TComponent* owner, const std::string& name) { return new TLogged(owner, name, Log); }
  bool Logged(const std::string& entry) const { return std::find(Log.begin(), Log.end(), entry) != Log.end(); }
  int Count(const std::string& entry) const { return static_cast<int>(std::count(Log.begin(), Log.end(), entry)); }

  std::vector<std::string> Log;
};

TEST_F(DispatchScope, AFreeOutsideEveryScopeIsImmediateByEveryWay) {
  TLogged owner(nullptr, "Owner", Log);
  Make(&owner, "A")->Free();
  EXPECT_TRUE(Logged("free A"));
  delete Make(&owner, "B");
  EXPECT_TRUE(Logged("free B"));
  std::unique_ptr<TLogged> held(Make(&owner, "C"));
  held.reset();
  EXPECT_TRUE(Logged("free C"));
  EXPECT_EQ(owner.ComponentCount(), 0);
}

TEST_F(DispatchScope, AFreeInsideAScopeMarksAndWaitsForTheOutermostScopeByEveryWay) {
  TLogged owner(nullptr, "Owner", Log);
  TLogged* freed = Make(&owner, "Freed");
  TLogged* nilled = Make(&owner, "Nilled");
  TLogged* deleted = Make(&owner, "Deleted");
  std::unique_ptr<TLogged> held(Make(&owner, "Held"));
  TLogged* holder = Make(&owner, "Holder");
  TLogged* held2 = Make(holder, "Owned");
  {
    const TDispatchScope outer;
    {
      const TDispatchScope inner(freed);
      freed->Free();
      TComponent* nil = nilled;
      FreeAndNil(nil);
      EXPECT_EQ(nil, nullptr);
      delete static_cast<TObject*>(deleted);  // through the root's virtual destructor
      held.reset();
      holder->Free();
    }
    // Whole and marked once; gone from the owner, which heard of it, as in a free.
    for (TLogged* each : {freed, nilled, deleted, holder}) {
      EXPECT_TRUE(each->FreePending()) << each->Name();
      EXPECT_TRUE(each->ComponentState().Contains(csDestroying)) << each->Name();
      EXPECT_EQ(each->Marks, 1) << each->Name();
      EXPECT_EQ(each->Owner(), nullptr) << each->Name();
    }
    EXPECT_TRUE(held2->FreePending());  // lies in one marked
    EXPECT_TRUE(held2->ComponentState().Contains(csDestroying));
    EXPECT_EQ(held2->Marks, 0);
    EXPECT_EQ(held2->Owner(), holder);  // its parts go with it
    EXPECT_FALSE(owner.FreePending());
    EXPECT_EQ(owner.ComponentCount(), 0);
    EXPECT_TRUE(Logged("Owner -Freed"));
    EXPECT_FALSE(Logged("free Freed"));
  }
  for (const char* name : {"Freed", "Nilled", "Deleted", "Held", "Holder", "Owned"})
    EXPECT_EQ(Count(std::string("free ") + name), 1) << name;
  EXPECT_EQ(Count("Owner -Freed"), 1);
}

TEST_F(DispatchScope, ASecondFreeWhileMarkedOrByTheOwnerFreesOnce) {
  TLogged owner(nullptr, "Owner", Log);
  TLogged* outerOne = Make(&owner, "Outer");
  TLogged* innerOne = Make(outerOne, "Inner");
  {
    const TDispatchScope scope;
    innerOne->Free();
    innerOne->Free();
    delete innerOne;
    outerOne->Free();  // takes the marked one with it when it goes
  }
  EXPECT_EQ(Count("free Inner"), 1);
  EXPECT_EQ(Count("free Outer"), 1);
  EXPECT_EQ(Count("mark Inner"), 1);

  // An owner that goes by its destructor while the scope runs takes nothing away early.
  {
    const TDispatchScope scope;
    {
      TLogged stackOwner(nullptr, "StackOwner", Log);
      Make(&stackOwner, "Orphan")->Free();
    }
    EXPECT_FALSE(Logged("free Orphan"));
  }
  EXPECT_EQ(Count("free Orphan"), 1);
}

TEST_F(DispatchScope, TheEventsOfAMarkedComponentAndOfWhatLiesInItAreSilent) {
  TLogged owner(nullptr, "Owner", Log);
  TLogged* panel = Make(&owner, "Panel");
  TLogged* placed = Make(&owner, "Placed");
  placed->Parent = panel;
  TLogged* other = Make(&owner, "Other");
  int calls = 0;
  const TNotifyEvent event = [&](TObject*) { ++calls; };
  const TDelegate<int(TObject*, int)> answer = [](TObject*, int value) { return value; };
  const TDelegate<void(int)> senderless = [&](int) { ++calls; };
  {
    const TDispatchScope scope;
    panel->Free();
    event(panel);
    event(placed);
    EXPECT_EQ(answer(placed, 7), 0);
    EXPECT_EQ(calls, 0);
    event(other);
    event(nullptr);
    senderless(1);
    EXPECT_EQ(answer(other, 7), 7);
    EXPECT_EQ(calls, 3);
    EXPECT_TRUE(placed->FreePending());
    EXPECT_TRUE(TFreeWatch(panel).Gone());
    EXPECT_FALSE(TFreeWatch(other).Gone());
  }
  EXPECT_FALSE(placed->FreePending());
  event(placed);
  EXPECT_EQ(calls, 4);
}

TEST_F(DispatchScope, WhatARunningFreeCausesGoesWithItUnlessARunningScopeWorksForIt) {
  TLogged owner(nullptr, "Owner", Log);
  TLogged* freed = Make(&owner, "Freed");
  TLogged* target = Make(&owner, "Target");  // a scope below works for it
  TLogged* byNotification = Make(&owner, "ByNotification");
  // Told that Freed goes, the one watching frees two others.
  class TFreesOnNotification : public TComponent {
  public:
    using TComponent::TComponent;
    std::vector<TComponent*> Doomed;
    TComponent* Watched = nullptr;
    void Notification(TComponent* c, TOperation op) override {
      TComponent::Notification(c, op);
      if (op != opRemove || c != Watched) return;
      for (TComponent* each : Doomed) each->Free();
      Doomed.clear();
    }
  } watcher(nullptr);
  watcher.Watched = freed;
  freed->FreeNotification(&watcher);
  watcher.Doomed = {byNotification, target};
  {
    const TDispatchScope outer(target);
    {
      const TLoopTurn turn;
      {
        const TDispatchScope message;
        freed->Free();
      }
    }
    // The turn freed what its message freed; that free took ByNotification with it at
    // once, and left Target to the scope that works for it.
    EXPECT_TRUE(Logged("free Freed"));
    EXPECT_TRUE(Logged("free ByNotification"));
    EXPECT_FALSE(Logged("free Target"));
    EXPECT_TRUE(target->FreePending());
  }
  EXPECT_TRUE(Logged("free Target"));
}

TEST_F(DispatchScope, ALoopTurnFreesWhatItsMessageFreedButNotWhatAScopeBelowWorksForOrWhatHoldsIt) {
  TLogged owner(nullptr, "Owner", Log);
  TLogged* form = Make(&owner, "Form");
  TLogged* button = Make(form, "Button");
  TLogged* part = Make(button, "Part");
  TLogged* dialog = Make(&owner, "Dialog");
  TLogged* dialogPart = Make(dialog, "DialogPart");
  TLogged* before = Make(&owner, "Before");
  {
    const TDispatchScope click(button);
    before->Free();  // by the code that runs the loop: it may still use it
    const TDispatchScope modal(dialog, TScopeKeeps::TargetOnly);
    for (int message = 0; message < 2; ++message) {
      const TLoopTurn turn;
      const TDispatchScope handler;
      if (message == 0) {
        part->Free();  // the click's code may still use its control's parts
        dialogPart->Free();
        form->Free();  // holds the button the click runs for
      }
    }
    EXPECT_TRUE(Logged("free DialogPart"));
    EXPECT_FALSE(Logged("free Part"));
    EXPECT_FALSE(Logged("free Form"));
    EXPECT_FALSE(Logged("free Before"));
    EXPECT_TRUE(button->FreePending());
    dialog->Free();
    EXPECT_FALSE(Logged("free Dialog"));
  }
  for (const char* name : {"Form", "Button", "Part", "Before", "Dialog"})
    EXPECT_EQ(Count(std::string("free ") + name), 1) << name;
}

TEST_F(DispatchScope, AFreeThatRaisesIsReportedAndTheOthersStillGo) {
  static int reports = 0;
  reports = 0;
  DeferredFrees::SetErrorReporter([] { ++reports; });
  class TRaising : public TComponent {
  public:
    using TComponent::TComponent;

  protected:
    void BeforeDestruction() override {
      TComponent::BeforeDestruction();
      throw std::runtime_error("refused");
    }
  };
  TLogged owner(nullptr, "Owner", Log);
  TLogged* after = Make(&owner, "After");
  auto* raising = new TRaising(nullptr);
  {
    const TDispatchScope scope;
    raising->Free();
    after->Free();
  }
  DeferredFrees::SetErrorReporter(nullptr);
  EXPECT_EQ(reports, 1);
  EXPECT_TRUE(Logged("free After"));
  delete raising;  // a free that raised leaves the object to its holder, as it always did
}

}  // namespace
