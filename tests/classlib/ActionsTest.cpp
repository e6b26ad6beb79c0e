#include "TestControls.h"
#include "UiTest.h"

#include "classlib/Actions.h"
#include "classlib/ClassRegistry.h"
#include "classlib/FormReader.h"
#include "classlib/Menus.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// What the actions' handlers saw, in order.
std::vector<std::string> gActionLog;

// A form whose text the test reads. Outside any namespace: the reader compares the
// class the text names with the object's.
class TActionsForm : public TForm {
public:
  explicit TActionsForm(TComponent* AOwner) : TForm(AOwner) {}
  void SaveExecute(TObject* Sender) { gActionLog.push_back("execute " + dynamic_cast<TComponent*>(Sender)->Name()); }
  template <class T>
  T* Part(const std::string& Name) {
    return dynamic_cast<T*>(FindComponent(Name));
  }
};

namespace {

void RegisterColorBox() {
  static const bool registered = [] {
    TClassRegistry::Instance().DefineComponent<TColorBox, TGraphicControl>("TColorBox");
    return true;
  }();
  (void)registered;
}

// A windowless control that also shows the action's check mark, as a check box does.
class TCheckMark : public TColorBox {
public:
  using TColorBox::TColorBox;
  bool Checked = false;

protected:
  void ActionChange(TObject* Sender, bool CheckDefaults) override {
    TColorBox::ActionChange(Sender, CheckDefaults);
    if (auto* action = dynamic_cast<TCustomAction*>(Sender); action != nullptr && (!CheckDefaults || !Checked))
      Checked = action->Checked();
  }
};

class Actions : public ::testing::Test {
protected:
  Actions() {
    gActionLog.clear();
    Action->SetName("SaveAction");
    Action->OnExecute = [](TObject* Sender) {
      gActionLog.push_back("execute " + dynamic_cast<TComponent*>(Sender)->Name());
    };
    Menu->Items()->Add(Item);
    Form->Show();
  }
  ~Actions() override { ParkPointer(); }

  TOwned<TForm> Form{MakeForm(200, 200, 200, 100)};
  TCustomAction* Action = new TAction(Form.get());
  TColorBox* Box = AddChild<TColorBox>(Form.get(), Bounds(10, 10, 80, 40));
  TCheckMark* Mark = AddChild<TCheckMark>(Form.get(), Bounds(100, 10, 80, 40));
  TMainMenu* Menu = new TMainMenu(Form.get());
  TMenuItem* Item = new TMenuItem(Form.get());
};

TEST_F(Actions, TheActionsStateFlowsToItsControlsAndMenuItems) {
  Action->SetCaption("&Save");
  Action->SetChecked(true);
  Action->SetImageIndex(3);
  Box->SetCaption("Box");
  for (TControl* control : {static_cast<TControl*>(Box), static_cast<TControl*>(Mark)}) control->SetAction(Action);
  Item->SetAction(Action);
  EXPECT_EQ(Box->Action(), Action);
  EXPECT_EQ(Box->Caption(), "&Save") << "taken over, not only when empty";
  EXPECT_TRUE(Mark->Checked);
  EXPECT_EQ(Item->Caption(), "&Save");
  EXPECT_TRUE(Item->Checked());
  EXPECT_EQ(Item->ImageIndex(), 3);

  Action->SetEnabled(false);
  Action->SetCaption("Save &as");
  Action->SetChecked(false);
  Action->SetImageIndex(-1);
  EXPECT_FALSE(Box->Enabled());
  EXPECT_FALSE(Mark->Enabled());
  EXPECT_FALSE(Item->Enabled());
  EXPECT_EQ(Mark->Caption(), "Save &as");
  EXPECT_EQ(Item->Caption(), "Save &as");
  EXPECT_FALSE(Mark->Checked);
  EXPECT_FALSE(Item->Checked());
  EXPECT_EQ(Item->ImageIndex(), -1);

  // A client let go follows no more.
  Box->SetAction(nullptr);
  Action->SetEnabled(true);
  EXPECT_FALSE(Box->Enabled());
  EXPECT_TRUE(Mark->Enabled());
  EXPECT_TRUE(Item->Enabled());
}

TEST_F(Actions, AClickCarriesOutTheActionUnlessTheClientHasItsOwnHandler) {
  Box->SetAction(Action);
  Item->SetAction(Action);
  PostClick(Box);
  EXPECT_TRUE(Menu->DispatchCommand(Item->Command()));
  EXPECT_EQ(gActionLog, (std::vector<std::string>{"execute SaveAction", "execute SaveAction"}));

  // A disabled action disables its clients: clicks do nothing.
  gActionLog.clear();
  Action->SetEnabled(false);
  PostClick(Box);
  Item->Click();
  EXPECT_TRUE(gActionLog.empty());

  // The action's OnUpdate sets its state before it runs, and when a menu asks.
  bool allowed = true;
  Action->OnUpdate = [&](TObject*) { Action->SetEnabled(allowed); };
  EXPECT_TRUE(Item->Action()->Update());
  EXPECT_TRUE(Item->Enabled());
  allowed = false;
  EXPECT_FALSE(Action->Execute()) << "updated to disabled first";
  EXPECT_FALSE(Box->Enabled());
  allowed = true;
  Action->Update();

  // A handler of the client's own runs instead; the action's own handler runs the action.
  Box->OnClick = [](TObject* Sender) { gActionLog.push_back("own " + dynamic_cast<TComponent*>(Sender)->Name()); };
  Box->SetName("Box");
  PostClick(Box);
  Box->OnClick = Action->OnExecute;
  PostClick(Box);
  EXPECT_EQ(gActionLog, (std::vector<std::string>{"own Box", "execute SaveAction"}));
}

TEST_F(Actions, FreeingEitherSideUnlinks) {
  auto* list = new TActionList(Form.get());
  Action->SetActionList(list);
  for (TControl* control : {static_cast<TControl*>(Box), static_cast<TControl*>(Mark)}) control->SetAction(Action);
  Item->SetAction(Action);
  ASSERT_EQ(list->ActionCount(), 1);

  Mark->Free();  // the action goes on telling the others
  Action->SetCaption("Still");
  EXPECT_EQ(Item->Caption(), "Still");
  Action->Free();
  EXPECT_EQ(Box->Action(), nullptr);
  EXPECT_EQ(Item->Action(), nullptr);
  EXPECT_EQ(list->ActionCount(), 0);
  PostClick(Box);
  EXPECT_TRUE(gActionLog.empty());

  auto* second = new TAction(Form.get());
  second->SetActionList(list);
  list->Free();
  EXPECT_EQ(second->ActionList(), nullptr);
}

TEST(ActionsInForms, ActionsReadWithTheFormLeaveTheClientsOwnSettings) {
  RegisterColorBox();
  gActionLog.clear();
  TOwned<TActionsForm> form(new TActionsForm(Application));
  ReadForm(*form,
           "object ActionsForm: TActionsForm\n"
           "  BorderStyle = bsNone\n"
           "  object Actions: TActionList\n"
           "    object SaveAction: TAction\n"
           "      Caption = 'Save'\n      Checked = True\n      ImageIndex = 1\n      OnExecute = SaveExecute\n"
           "    end\n"
           "  end\n"
           "  object Plain: TColorBox\n    Width = 50\n    Height = 20\n    Action = SaveAction\n  end\n"
           "  object Captioned: TColorBox\n    Caption = 'Store'\n    Action = SaveAction\n  end\n"
           "  object Menu: TMainMenu\n"
           "    object SaveItem: TMenuItem\n      ImageIndex = 0\n      Action = SaveAction\n    end\n"
           "  end\n"
           "end\n",
           TFormBindings(TClassRegistry::Instance().TableOf<TForm>()).Handler("SaveExecute", &TActionsForm::SaveExecute),
           "Actions text");
  auto* action = form->Part<TCustomAction>("SaveAction");
  auto* item = form->Part<TMenuItem>("SaveItem");
  ASSERT_EQ(form->Part<TActionList>("Actions")->ActionCount(), 1);
  EXPECT_EQ(action->ActionList(), form->Part<TActionList>("Actions"));
  EXPECT_EQ(form->Part<TColorBox>("Plain")->Caption(), "Save");
  EXPECT_EQ(form->Part<TColorBox>("Captioned")->Caption(), "Store");
  EXPECT_EQ(item->Caption(), "Save");
  EXPECT_TRUE(item->Checked());
  EXPECT_EQ(item->ImageIndex(), 0);

  // Once read, the action leads.
  action->SetCaption("Keep");
  EXPECT_EQ(form->Part<TColorBox>("Captioned")->Caption(), "Keep");
  form->SetBounds(200, 200, 200, 100);
  form->Show();
  PostClick(form->Part<TColorBox>("Plain"));
  ParkPointer();
  EXPECT_EQ(gActionLog, (std::vector<std::string>{"execute SaveAction"}));
}

}  // namespace
