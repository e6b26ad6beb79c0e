#include "TestControls.h"
#include "UiTest.h"

#include "classlib/WindowClasses.h"

#include <gtest/gtest.h>

namespace {

constexpr UINT WM_TEST = WM_APP + 1;
constexpr UINT WM_TEST_THROW = WM_APP + 2;

// Three levels of handlers for WM_TEST, each passing it on to its base class.
class TBaseHandler : public TCustomControl {
public:
  using TCustomControl::TCustomControl;
  std::vector<std::string> Log;
  void Dispatch(TMessage& Message) override {
    if (Message.Msg == WM_TEST) {
      Log.push_back("base");
      TCustomControl::Dispatch(Message);
      return;
    }
    if (Message.Msg == WM_TEST_THROW) throw Exception("handler failed");
    TCustomControl::Dispatch(Message);
  }
  void DefaultHandler(TMessage& Message) override {
    if (Message.Msg == WM_TEST) Log.push_back("default");
    TCustomControl::DefaultHandler(Message);
  }
};

class TDerivedHandler : public TBaseHandler {
public:
  using TBaseHandler::TBaseHandler;
  void Dispatch(TMessage& Message) override {
    if (Message.Msg == WM_TEST) {
      Log.push_back("derived");
      Message.Result = 7;
      TBaseHandler::Dispatch(Message);
      Message.Result += 1;  // DefWindowProc answered 0 meanwhile
      return;
    }
    TBaseHandler::Dispatch(Message);
  }
};

// A hook that logs and passes messages on to the procedure it replaced.
class THook {
public:
  THook(std::string name, TControl* control, std::vector<std::string>& log)
      : FName(std::move(name)), FLog(log), FControl(control), FOld(control->WindowProc) {
    control->WindowProc = Event(this, &THook::Proc);
  }
  void Remove() { FControl->WindowProc = FOld; }
  TWndMethod Installed() { return Event(this, &THook::Proc); }

private:
  void Proc(TMessage& Message) {
    if (Message.Msg == WM_TEST) FLog.push_back(FName);
    FOld(Message);
  }
  std::string FName;
  std::vector<std::string>& FLog;
  TControl* FControl;
  TWndMethod FOld;
};

TEST(Messaging, HandlersRunFromTheMostDerivedClassDownToTheWindowProcedure) {
  TOwned<TForm> form(MakeForm(100, 100, 100, 100));
  auto* control = AddChild<TDerivedHandler>(form.get(), Bounds(0, 0, 50, 50));
  EXPECT_EQ(control->Perform(WM_TEST), 1);
  EXPECT_EQ(control->Log, (std::vector<std::string>{"derived", "base", "default"}));
  control->Log.clear();
  EXPECT_EQ(SendMessageA(control->Handle(), WM_TEST, 0, 0), 1);  // the same road from outside
  EXPECT_EQ(control->Log, (std::vector<std::string>{"derived", "base", "default"}));
}

TEST(Messaging, ReplacedWindowProcsSeePerformedAndSentMessagesAndComeOffInReverse) {
  TOwned<TForm> form(MakeForm(100, 100, 100, 100));
  auto* control = AddChild<TDerivedHandler>(form.get(), Bounds(0, 0, 50, 50));
  auto* windowless = AddChild<TColorBox>(form.get(), Bounds(60, 0, 20, 20));
  std::vector<std::string> log;
  const TWndMethod original = control->WindowProc;
  THook first("first", control, log);
  THook second("second", control, log);
  control->Perform(WM_TEST);
  SendMessageA(control->Handle(), WM_TEST, 0, 0);
  EXPECT_EQ(log, (std::vector<std::string>{"second", "first", "second", "first"}));
  EXPECT_TRUE(control->WindowProc == second.Installed());

  second.Remove();
  EXPECT_TRUE(control->WindowProc == first.Installed());
  log.clear();
  control->Perform(WM_TEST);
  EXPECT_EQ(log, (std::vector<std::string>{"first"}));
  first.Remove();
  EXPECT_TRUE(control->WindowProc == original);

  // Windowless controls have the same seam; their parent's broadcasts pass it.
  TMessageLog boxLog(windowless);
  form->SetColor(clWindow);
  EXPECT_EQ(boxLog.Count(CM_PARENTCOLORCHANGED), 1);
}

// An edit control of the system under the library's own class name.
class TTestEdit : public TWinControl {
public:
  using TWinControl::TWinControl;

protected:
  void CreateParams(TCreateParams& Params) override {
    TWinControl::CreateParams(Params);
    CreateSubClass(Params, "EDIT");
    Params.Style |= ES_AUTOHSCROLL | WS_BORDER;
  }
};

TEST(Messaging, SuperclassedSystemControlKeepsItsBehaviour) {
  TOwned<TForm> form(MakeForm(100, 100, 200, 100));
  auto* edit = AddChild<TTestEdit>(form.get(), Bounds(10, 10, 150, 24));
  edit->SetText("hello world");
  form->Show();
  char className[64] = {};
  GetClassNameA(edit->Handle(), className, sizeof className);
  EXPECT_NE(std::string(className), "Edit");
  EXPECT_EQ(FindControl(edit->Handle()), edit);
  EXPECT_EQ(edit->Text(), "hello world");
  // The edit's own procedure answers its messages.
  edit->Perform(EM_SETSEL, 2, 5);
  DWORD start = 0;
  DWORD end = 0;
  edit->Perform(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 2u);
  EXPECT_EQ(end, 5u);
  EXPECT_NE(edit->Perform(WM_GETDLGCODE) & DLGC_HASSETSEL, 0);
}

// A control whose class style depends on a property.
class TStyledControl : public TCustomControl {
public:
  using TCustomControl::TCustomControl;
  bool WithoutRedraw = false;

protected:
  void CreateParams(TCreateParams& Params) override {
    TCustomControl::CreateParams(Params);
    if (WithoutRedraw) Params.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
  }
};

TEST(Messaging, OneWindowClassPerClassNameAndStyle) {
  TOwned<TForm> form(MakeForm(100, 100, 200, 100));
  auto* a = AddChild<TStyledControl>(form.get(), Bounds(0, 0, 10, 10));
  auto* b = AddChild<TStyledControl>(form.get(), Bounds(20, 0, 10, 10));
  auto* c = new TStyledControl(form.get());
  c->WithoutRedraw = true;
  c->SetParent(form.get());
  form->HandleNeeded();
  auto classOf = [](TWinControl* control) {
    char name[128] = {};
    GetClassNameA(control->Handle(), name, sizeof name);
    return std::string(name);
  };
  EXPECT_EQ(classOf(a), classOf(b));
  EXPECT_NE(classOf(a), classOf(c));
  EXPECT_EQ(GetClassLongA(a->Handle(), GCL_STYLE) & (CS_HREDRAW | CS_VREDRAW), CS_HREDRAW | CS_VREDRAW);
  EXPECT_EQ(GetClassLongA(c->Handle(), GCL_STYLE) & (CS_HREDRAW | CS_VREDRAW), 0u);
  EXPECT_EQ(GetClassLongA(c->Handle(), GCL_STYLE) & CS_DBLCLKS, static_cast<DWORD>(CS_DBLCLKS));
}

TEST(Messaging, AnErrorInAHandlerIsReportedAndTheLoopGoesOn) {
  TReportedErrors errors;
  TOwned<TForm> form(MakeForm(100, 100, 100, 100));
  auto* control = AddChild<TDerivedHandler>(form.get(), Bounds(0, 0, 50, 50));
  PostMessageA(control->Handle(), WM_TEST_THROW, 0, 0);
  PostMessageA(control->Handle(), WM_TEST, 0, 0);
  ASSERT_TRUE(PumpUntil([&] { return control->Log.size() == 3; }));
  EXPECT_EQ(errors.Messages(), (std::vector<std::string>{"handler failed"}));
}

TEST(Messaging, WindowsWithoutAnObjectGetTheDefaultProcedure) {
  EXPECT_EQ(FindControl(nullptr), nullptr);
  EXPECT_EQ(FindControl(GetDesktopWindow()), nullptr);
  TOwned<TForm> form(MakeForm(100, 100, 100, 100));
  HWND window = form->Handle();
  EXPECT_EQ(FindControl(window), form.get());
  form.reset();
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(FindControl(window), nullptr);
}

}  // namespace
