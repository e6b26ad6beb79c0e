// The window-procedure hook under Wine: links on a control's WindowProc and on a window's
// own procedure leave in any order without a procedure left calling one that went, a link
// drops out when its control or window goes first, and a window's own procedure comes back
// only while nobody else went over the hook.
#include "skin/controls/WindowProcHook.h"

#include "classlib/Form.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// One link of a chain: it notes each WM_USER it sees in the shared log and passes it on.
struct TLoggingLink {
  TLoggingLink(std::vector<std::string>& Log, std::string Name) : FLog(Log), FName(std::move(Name)) {}
  void WindowProc(TMessage& Message) {
    if (Message.Msg == WM_USER) FLog.push_back(FName);
    Hook.CallNext(Message);
  }
  TWndMethod Proc() { return Event(this, &TLoggingLink::WindowProc); }
  TspWindowProcHook Hook;

private:
  std::vector<std::string>& FLog;
  std::string FName;
};

// A window of the system's with a known text: WM_GETTEXTLENGTH answered tells that its own
// procedure still has the messages.
HWND NewTextWindow() { return CreateWindowA("STATIC", "seven!!", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr); }

// Someone else's subclass, by hand, over whatever the window has.
WNDPROC ForeignNext = nullptr;
int ForeignCalls = 0;
LRESULT CALLBACK ForeignProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (Msg == WM_USER) ++ForeignCalls;
  return CallWindowProcA(ForeignNext, Window, Msg, WParam, LParam);
}

LONG_PTR ProcOf(HWND Window) { return GetWindowLongPtrA(Window, GWLP_WNDPROC); }

}  // namespace

TEST(WindowProcHook, ControlLinksLeaveInEitherOrderAndTheControlEndsWithItsOwnProcedure) {
  for (const bool firstGoesFirst : {true, false}) {
    SCOPED_TRACE(firstGoesFirst ? "first link goes first" : "last link goes first");
    auto* form = new TForm(nullptr);
    const TWndMethod own = form->WindowProc;
    std::vector<std::string> log;
    TLoggingLink first(log, "first"), second(log, "second");
    first.Hook.Install(form, first.Proc());
    second.Hook.Install(form, second.Proc());
    form->Perform(WM_USER);
    EXPECT_EQ(log, (std::vector<std::string>{"second", "first"}));

    log.clear();
    (firstGoesFirst ? first : second).Hook.Remove();
    form->Perform(WM_USER);
    EXPECT_EQ(log, std::vector<std::string>{firstGoesFirst ? "second" : "first"});
    // The form's own handling still answers.
    EXPECT_EQ(form->Perform(WM_GETTEXTLENGTH), static_cast<LRESULT>(form->Caption().size()));

    (firstGoesFirst ? second : first).Hook.Remove();
    EXPECT_TRUE(form->WindowProc == own);
    form->Free();
  }
}

TEST(WindowProcHook, ALinkWhoseControlGoesFirstDropsOut) {
  auto* form = new TForm(nullptr);
  std::vector<std::string> log;
  TLoggingLink link(log, "link");
  link.Hook.Install(form, link.Proc());
  EXPECT_TRUE(link.Hook.Installed());
  form->Free();
  EXPECT_FALSE(link.Hook.Installed());
  link.Hook.Remove();  // touches nothing of the form that went
}

TEST(WindowProcHook, AWindowGetsItsOwnProcedureBackWhenItsLastLinkGoesInEitherOrder) {
  for (const bool firstGoesFirst : {true, false}) {
    SCOPED_TRACE(firstGoesFirst ? "first link goes first" : "last link goes first");
    HWND window = NewTextWindow();
    const LONG_PTR own = ProcOf(window);
    std::vector<std::string> log;
    TLoggingLink first(log, "first"), second(log, "second");
    first.Hook.Install(window, first.Proc());
    second.Hook.Install(window, second.Proc());
    EXPECT_NE(ProcOf(window), own);
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(GetPropA(window, TspWindowProcHook::OwnProcProperty)), own);
    SendMessageA(window, WM_USER, 0, 0);
    EXPECT_EQ(log, (std::vector<std::string>{"second", "first"}));
    EXPECT_EQ(SendMessageA(window, WM_GETTEXTLENGTH, 0, 0), 7);

    log.clear();
    (firstGoesFirst ? first : second).Hook.Remove();
    EXPECT_NE(ProcOf(window), own);
    SendMessageA(window, WM_USER, 0, 0);
    EXPECT_EQ(log, std::vector<std::string>{firstGoesFirst ? "second" : "first"});

    (firstGoesFirst ? second : first).Hook.Remove();
    EXPECT_EQ(ProcOf(window), own);
    EXPECT_EQ(GetPropA(window, TspWindowProcHook::OwnProcProperty), nullptr);
    DestroyWindow(window);
  }
}

TEST(WindowProcHook, AWindowHookUnderSomeoneElsesSubclassStaysAForwarderAndCallsNoLinkThatWent) {
  HWND window = NewTextWindow();
  const LONG_PTR own = ProcOf(window);
  std::vector<std::string> log;
  auto* link = new TLoggingLink(log, "gone");
  link->Hook.Install(window, link->Proc());
  ForeignCalls = 0;
  ForeignNext = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ForeignProc)));
  delete link;  // out of order: the foreign subclass still calls the hook's procedure

  EXPECT_EQ(ProcOf(window), reinterpret_cast<LONG_PTR>(&ForeignProc));
  SendMessageA(window, WM_USER, 0, 0);
  EXPECT_EQ(ForeignCalls, 1);
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(SendMessageA(window, WM_GETTEXTLENGTH, 0, 0), 7);

  // A new link joins the chain that forwards still.
  TLoggingLink again(log, "again");
  again.Hook.Install(window, again.Proc());
  SendMessageA(window, WM_USER, 0, 0);
  EXPECT_EQ(log, std::vector<std::string>{"again"});
  EXPECT_EQ(ForeignCalls, 2);

  // The foreign subclass leaves; the last link then gives the window its own procedure.
  SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ForeignNext));
  again.Hook.Remove();
  EXPECT_EQ(ProcOf(window), own);
  EXPECT_EQ(SendMessageA(window, WM_GETTEXTLENGTH, 0, 0), 7);
  DestroyWindow(window);
}

TEST(WindowProcHook, ALinkWhoseWindowGoesFirstDropsOut) {
  HWND window = NewTextWindow();
  std::vector<std::string> log;
  TLoggingLink link(log, "link");
  link.Hook.Install(window, link.Proc());
  DestroyWindow(window);
  EXPECT_FALSE(link.Hook.Installed());
  link.Hook.Remove();
}
