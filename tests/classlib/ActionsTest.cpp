#include "TestControls.h"
#include "UiTest.h"

#include "classlib/Actions.h"
#include "classlib/ClassRegistry.h"
#include "classlib/FormReader.h"
#include "classlib/ImageList.h"
#include "classlib/Menus.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// What the actions' handlers saw, in order.
std::vector<std::string> gActionLog;

// A form read from a text, with an action list, an action and its clients. Outside any
// namespace: the reader compares the class the text names with the object's.
class TActionsForm : public TForm {
public:
  explicit TActionsForm(TComponent* AOwner) : TForm(AOwner) {}
  TActionList* Actions = nullptr;
  TCustomAction* SaveAction = nullptr;
  TImageList* Images = nullptr;
  TColorBox* Plain = nullptr;
  TColorBox* Captioned = nullptr;
  TMenuItem* SaveItem = nullptr;

  void SaveExecute(TObject* Sender) { gActionLog.push_back("execute " + dynamic_cast<TComponent*>(Sender)->Name()); }

  static const TFormBindings& Bindings() {
    static const TFormBindings bindings = TFormBindings(TClassRegistry::Instance().TableOf<TForm>())
                                              .Handler("SaveExecute", &TActionsForm::SaveExecute)
                                              .Field("Actions", &TActionsForm::Actions)
                                              .Field("SaveAction", &TActionsForm::SaveAction)
                                              .Field("Images", &TActionsForm::Images)
                                              .Field("Plain", &TActionsForm::Plain)
                                              .Field("Captioned", &TActionsForm::Captioned)
                                              .Field("SaveItem", &TActionsForm::SaveItem);
    return bindings;
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
  auto* images = new TImageList(Form.get());
  list->SetImages(images);
  Action->SetActionList(list);
  Box->SetAction(Action);
  Item->SetAction(Action);
  Mark->SetAction(Action);
  ASSERT_EQ(list->ActionCount(), 1);
  EXPECT_EQ(list->Actions(0), Action);

  Mark->Free();  // a client goes: the action goes on telling the others
  Action->SetCaption("Still");
  EXPECT_EQ(Item->Caption(), "Still");

  images->Free();
  EXPECT_EQ(list->Images(), nullptr);
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
           "  object Images: TImageList\n  end\n"
           "  object Actions: TActionList\n"
           "    Images = Images\n"
           "    object SaveAction: TAction\n"
           "      Caption = 'Save'\n      Checked = True\n      ImageIndex = 1\n"
           "      OnExecute = SaveExecute\n"
           "    end\n"
           "  end\n"
           "  object Plain: TColorBox\n    Width = 50\n    Height = 20\n    Action = SaveAction\n  end\n"
           "  object Captioned: TColorBox\n    Caption = 'Store'\n    Action = SaveAction\n  end\n"
           "  object Menu: TMainMenu\n"
           "    object SaveItem: TMenuItem\n      ImageIndex = 0\n      Action = SaveAction\n    end\n"
           "  end\n"
           "end\n",
           TActionsForm::Bindings(), "Actions text");
  ASSERT_EQ(form->Actions->ActionCount(), 1);
  EXPECT_EQ(form->Actions->Actions(0), form->SaveAction);
  EXPECT_EQ(form->SaveAction->ActionList(), form->Actions);
  EXPECT_EQ(form->Actions->Images(), form->Images);
  EXPECT_EQ(form->Plain->Caption(), "Save");
  EXPECT_EQ(form->Captioned->Caption(), "Store");
  EXPECT_EQ(form->SaveItem->Caption(), "Save");
  EXPECT_TRUE(form->SaveItem->Checked());
  EXPECT_EQ(form->SaveItem->ImageIndex(), 0);

  // Once read, the action leads.
  form->SaveAction->SetCaption("Keep");
  EXPECT_EQ(form->Captioned->Caption(), "Keep");
  form->SetBounds(200, 200, 200, 100);
  form->Show();
  PostClick(form->Plain);
  ParkPointer();
  EXPECT_EQ(gActionLog, (std::vector<std::string>{"execute SaveAction"}));
}

}  // namespace
