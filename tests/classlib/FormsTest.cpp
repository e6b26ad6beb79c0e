#include "TestControls.h"
#include "UiTest.h"

#include "classlib/Screen.h"
#include "classlib/SystemSeams.h"

#include <gtest/gtest.h>


namespace {

// Ends a modal loop that a test failed to end, so that a broken test fails instead of
// hanging.
class TModalWatchdog {
public:
  explicit TModalWatchdog(TCustomForm* form) {
    Current = form;
    FTimer = SetTimer(nullptr, 0, 5000, Expired);
  }
  ~TModalWatchdog() {
    KillTimer(nullptr, FTimer);
    Current = nullptr;
  }
  TModalWatchdog(const TModalWatchdog&) = delete;
  TModalWatchdog& operator=(const TModalWatchdog&) = delete;

private:
  static void CALLBACK Expired(HWND, UINT, UINT_PTR, DWORD) {
    if (Current != nullptr) Current->SetModalResult(mrAbort);
  }
  static inline TCustomForm* Current = nullptr;
  UINT_PTR FTimer;
};

// A control that sets its form's modal result when clicked.
class TResultButton : public TPanelControl {
public:
  using TPanelControl::TPanelControl;
  TModalResult Result = mrOk;

protected:
  void Click() override {
    TPanelControl::Click();
    GetParentForm(this)->SetModalResult(Result);
  }
};

TEST(Forms, ShowModalReturnsTheResultAControlSetsAndReenablesTheOtherWindows) {
  TOwned<TForm> other(MakeForm(50, 50, 200, 100));
  other->Show();
  TOwned<TForm> dialog(MakeForm(300, 300, 200, 100));
  auto* button = AddChild<TResultButton>(dialog.get(), Bounds(10, 10, 80, 30));
  button->Result = mrYes;
  bool otherEnabledMeanwhile = true;
  bool dialogVisibleMeanwhile = false;
  button->OnClick = [&](TObject*) {
    otherEnabledMeanwhile = IsWindowEnabled(other->Handle());
    dialogVisibleMeanwhile = IsWindowVisible(dialog->Handle());
  };
  dialog->OnShow = [&](TObject*) {
    PostMouse(button, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    PostMouse(button, WM_LBUTTONUP, 5, 5);
  };
  TModalWatchdog watchdog(dialog.get());
  EXPECT_EQ(dialog->ShowModal(), mrYes);
  EXPECT_FALSE(otherEnabledMeanwhile);
  EXPECT_TRUE(dialogVisibleMeanwhile);
  EXPECT_TRUE(IsWindowEnabled(other->Handle()));
  EXPECT_FALSE(IsWindowVisible(dialog->Handle()));
  EXPECT_FALSE(dialog->Modal());
  EXPECT_THROW(other->ShowModal(), EInvalidOperation);  // already visible
}

TEST(Forms, OnMessageSeesPostedMessagesInsideAModalLoop) {
  constexpr UINT WM_PROBE = WM_APP + 7;
  TOwned<TForm> dialog(MakeForm(300, 300, 200, 100));
  std::vector<UINT> seen;
  const TApplication::TMessageEvent saved = Application->OnMessage;
  Application->OnMessage = [&](MSG& msg, bool& handled) {
    if (msg.message != WM_PROBE) return;
    seen.push_back(msg.message);
    handled = true;
    dialog->SetModalResult(static_cast<TModalResult>(msg.wParam));
  };
  dialog->OnShow = [&](TObject*) { PostMessageA(dialog->Handle(), WM_PROBE, mrRetry, 0); };
  TModalWatchdog watchdog(dialog.get());
  EXPECT_EQ(dialog->ShowModal(), mrRetry);
  Application->OnMessage = saved;
  EXPECT_EQ(seen, std::vector<UINT>{WM_PROBE});
}

TEST(Forms, ClosingAModalFormCancelsUnlessTheQueryRefuses) {
  TOwned<TForm> dialog(MakeForm(300, 300, 200, 100));
  int queries = 0;
  dialog->OnCloseQuery = [&](TObject*, bool& canClose) { canClose = ++queries > 1; };
  dialog->OnShow = [&](TObject*) {
    PostMessageA(dialog->Handle(), WM_CLOSE, 0, 0);  // refused: the loop goes on
    PostMessageA(dialog->Handle(), WM_CLOSE, 0, 0);
  };
  TModalWatchdog watchdog(dialog.get());
  EXPECT_EQ(dialog->ShowModal(), mrCancel);
  EXPECT_EQ(queries, 2);
}

TEST(Forms, ReleasingAModalFormEndsTheLoopAndFreesItAfterwards) {
  auto* dialog = MakeForm(300, 300, 200, 100);
  bool destroyed = false;
  dialog->OnDestroy = [&](TObject*) { destroyed = true; };
  dialog->OnShow = [&](TObject*) { dialog->Release(); };
  TModalResult result = mrNone;
  {
    TModalWatchdog watchdog(dialog);
    result = dialog->ShowModal();
  }
  EXPECT_EQ(result, mrCancel);
  EXPECT_FALSE(destroyed);  // ShowModal returned on a whole form
  EXPECT_TRUE(PumpUntil([&] { return destroyed; }));
}

TEST(Forms, CloseActionsOfAModelessForm) {
  TOwned<TForm> form(MakeForm(300, 300, 200, 100));
  TCloseAction next = caNone;
  int closes = 0;
  int hides = 0;
  bool allow = true;
  form->OnCloseQuery = [&](TObject*, bool& canClose) { canClose = allow; };
  form->OnClose = [&](TObject*, TCloseAction& action) {
    ++closes;
    EXPECT_EQ(action, caHide);  // the default offered
    action = next;
  };
  form->OnHide = [&](TObject*) { ++hides; };
  form->Show();

  allow = false;
  form->Close();
  EXPECT_EQ(closes, 0);
  allow = true;
  form->Close();  // caNone
  EXPECT_EQ(closes, 1);
  EXPECT_TRUE(IsWindowVisible(form->Handle()));

  next = caMinimize;
  form->Close();
  EXPECT_TRUE(IsIconic(form->Handle()));
  EXPECT_EQ(form->WindowState(), wsMinimized);
  form->SetWindowState(wsNormal);
  EXPECT_FALSE(IsIconic(form->Handle()));

  next = caHide;
  SendMessageA(form->Handle(), WM_CLOSE, 0, 0);  // the system's close takes the same road
  EXPECT_FALSE(IsWindowVisible(form->Handle()));
  EXPECT_FALSE(form->Visible());
  EXPECT_EQ(hides, 1);

  bool destroyed = false;
  form->OnDestroy = [&](TObject*) { destroyed = true; };
  form->Show();
  next = caFree;
  form->Close();
  EXPECT_FALSE(destroyed);  // freed later, once no handler of it runs
  TForm* released = form.release();
  EXPECT_TRUE(PumpUntil([&] { return destroyed; }));
  for (int i = 0; i < Screen->FormCount(); ++i) EXPECT_NE(Screen->Forms(i), released);
}

TRect WindowRect(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return FromRECT(r);
}

TEST(Forms, TheMinimizedApplicationTakesItsFormsOffTheScreenAndBringsThemBackAsTheyWere) {
  TOwned<TForm> first(MakeForm(40, 40, 200, 100));
  TOwned<TForm> second(MakeForm(300, 60, 150, 120));
  TOwned<TForm> neverShown(MakeForm(100, 300, 100, 100));
  TOwned<TForm> closedMeanwhile(MakeForm(500, 300, 100, 100));
  for (TForm* form : {first.get(), second.get(), closedMeanwhile.get()}) form->Show();
  neverShown->HandleNeeded();
  first->SetBounds(60, 50, 220, 110);  // moved since it showed
  SetActiveWindow(second->Handle());
  const TRect firstBounds = WindowRect(first->Handle());
  const TRect secondBounds = WindowRect(second->Handle());
  HWND application = Application->Handle();

  // Minimized by its system command, and restored from outside (as a second start does)
  // and by the system command (the icon's menu, the taskbar).
  for (auto restore : {+[](HWND window) { ShowWindow(window, SW_RESTORE); },
                       +[](HWND window) { SendMessageA(window, WM_SYSCOMMAND, SC_RESTORE, 0); }}) {
    closedMeanwhile->Show();
    SendMessageA(application, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(IsIconic(application));
    for (TForm* form : {first.get(), second.get(), closedMeanwhile.get()}) {
      EXPECT_FALSE(IsWindowVisible(form->Handle()));
      EXPECT_TRUE(form->Visible()) << "a form off the screen with the application is still shown to the program";
    }
    // Keys typed meanwhile reach no form off the screen.
    EXPECT_EQ(GetActiveWindow(), application);
    closedMeanwhile->Hide();

    restore(application);
    EXPECT_FALSE(IsIconic(application));
    EXPECT_TRUE(IsWindowVisible(first->Handle()));
    EXPECT_TRUE(IsWindowVisible(second->Handle()));
    EXPECT_EQ(WindowRect(first->Handle()), firstBounds);
    EXPECT_EQ(WindowRect(second->Handle()), secondBounds);
    EXPECT_FALSE(IsWindowVisible(neverShown->Handle()));
    EXPECT_FALSE(IsWindowVisible(closedMeanwhile->Handle()));
    // The form the user left takes the keyboard again.
    EXPECT_EQ(GetActiveWindow(), second->Handle());
  }
}

TEST(Forms, TheApplicationActivatedFromOutsideActivatesTheModalFormUp) {
  TOwned<TForm> other(MakeForm(50, 50, 200, 100));
  other->Show();
  TOwned<TForm> dialog(MakeForm(300, 300, 200, 100));
  HWND activeThen = nullptr;
  dialog->OnShow = [&](TObject*) {
    RunFromLoop([&] {
      // What a second start of the program does to this one.
      SetForegroundWindow(Application->Handle());
      activeThen = GetActiveWindow();
      dialog->SetModalResult(mrOk);
    });
  };
  TModalWatchdog watchdog(dialog.get());
  EXPECT_EQ(dialog->ShowModal(), mrOk);
  EXPECT_EQ(activeThen, dialog->Handle());
}

// A form whose handlers look at its own members and children.
class TLifeForm : public TForm {
public:
  explicit TLifeForm(TComponent* AOwner) : TForm(AOwner) {
    OnCreate = Event(this, &TLifeForm::Created);
    OnShow = Event(this, &TLifeForm::Shown);
    OnDestroy = Event(this, &TLifeForm::Destroyed);
    SetBorderStyle(bsNone);
    SetBounds(300, 300, 100, 80);
    AddChild<TColorBox>(this, Bounds(0, 0, 10, 10));
  }
  std::string Note = "whole";
  static inline std::vector<std::string> Log;

private:
  void Created(TObject*) { Log.push_back("create " + Note); }
  void Shown(TObject*) { Log.push_back(IsWindowVisible(Handle()) ? "show visible" : "show hidden"); }
  void Destroyed(TObject*) { Log.push_back("destroy " + Note + " " + std::to_string(ControlCount())); }
};

TEST(Forms, LifeCycleEventsSeeTheWholeForm) {
  TLifeForm::Log.clear();
  TLifeForm* form = nullptr;
  ASSERT_EQ(Application->MainForm(), nullptr);
  Application->CreateForm(form);
  EXPECT_EQ(Application->MainForm(), form);
  form->AfterConstruction();  // OnCreate fires once only
  form->Show();
  form->Hide();
  form->Show();
  form->Free();
  EXPECT_EQ(Application->MainForm(), nullptr);
  EXPECT_EQ(TLifeForm::Log, (std::vector<std::string>{"create whole", "show hidden", "show hidden",
                                                      "destroy whole 1"}));
}

TEST(Forms, BorderStyleAndIconsChangeTheLiveWindow) {
  TOwned<TForm> form(new TForm(Application));
  form->SetBounds(300, 300, 200, 120);
  form->Show();
  HWND window = form->Handle();
  auto style = [&] { return static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)); };
  auto exStyle = [&] { return static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE)); };
  EXPECT_EQ(style() & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_SYSMENU),
            static_cast<DWORD>(WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_SYSMENU));
  EXPECT_EQ(GetWindow(window, GW_OWNER), Application->Handle());

  form->SetBorderIcons({biSystemMenu});
  EXPECT_EQ(style() & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_SYSMENU), static_cast<DWORD>(WS_SYSMENU));
  form->SetBorderIcons({});
  EXPECT_EQ(style() & WS_SYSMENU, 0u);
  EXPECT_NE(style() & WS_VISIBLE, 0u);  // other bits are left alone

  form->SetBorderStyle(bsToolWindow);
  EXPECT_EQ(style() & WS_THICKFRAME, 0u);
  EXPECT_NE(exStyle() & WS_EX_TOOLWINDOW, 0u);
  EXPECT_EQ(form->Handle(), window);  // the same window throughout

  form->SetFormStyle(fsStayOnTop);
  EXPECT_NE(exStyle() & WS_EX_TOPMOST, 0u);
  EXPECT_THROW(form->SetFormStyle(fsMDIChild), EInvalidOperation);  // not for a form with a window
}

TEST(Forms, CentredFormsUseTheWorkAreaSeam) {
  TOwned<TForm> form(MakeForm(0, 0, 200, 100));
  {
    const TSeamOverride workArea(Seams::WorkArea, [] { return Rect(100, 50, 500, 450); });
    form->SetPosition(poScreenCenter);
    form->Show();
  }
  EXPECT_EQ(form->BoundsRect(), Bounds(200, 200, 200, 100));
  RECT r{};
  GetWindowRect(form->Handle(), &r);
  EXPECT_EQ(FromRECT(r), Bounds(200, 200, 200, 100));
  form->Hide();
  form->SetLeft(10);
  form->Show();  // placed on the first show only
  EXPECT_EQ(form->Left(), 10);
}

TEST(Forms, SeamsDefaultToTheSystemServices) {
  EXPECT_EQ(Seams::WindowsVersion(), GetVersion());
  RECT r{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &r, 0);
  EXPECT_EQ(Seams::WorkArea(), FromRECT(r));
  EXPECT_EQ(Screen->WorkAreaRect(), FromRECT(r));
  const DWORD before = GetTickCount();
  EXPECT_LE(Seams::TickCount() - before, 1000u);
  Seams::SetCursorPos({123, 45});
  POINT cursor{};
  GetCursorPos(&cursor);
  EXPECT_EQ(Seams::CursorPos(), (TPoint{cursor.x, cursor.y}));
  EXPECT_EQ(Seams::CursorPos(), (TPoint{123, 45}));
  ParkPointer();
  // The shell answers for what is not there: no such file, no such icon.
  EXPECT_LE(reinterpret_cast<INT_PTR>(Seams::ShellExecute(nullptr, "open", "no-such-file.vqx", nullptr, nullptr,
                                                          SW_SHOWNORMAL)),
            32);
  NOTIFYICONDATAA icon{};
  icon.cbSize = sizeof icon;
  icon.hWnd = Application->Handle();
  icon.uID = 4711;
  EXPECT_FALSE(Seams::NotifyIcon(NIM_DELETE, &icon));
}

TEST(Forms, SeamOverridesAreInstalledAndPutBack) {
  auto* const shellExecute = Seams::ShellExecute;
  {
    const TSeamOverride opened(Seams::ShellExecute, [](HWND, const char*, const char*, const char*, const char*, INT) {
      return reinterpret_cast<HINSTANCE>(42);
    });
    EXPECT_EQ(Seams::ShellExecute(nullptr, "open", "mailto:a@b.example", nullptr, nullptr, SW_SHOWNORMAL),
              reinterpret_cast<HINSTANCE>(42));
  }
  EXPECT_EQ(Seams::ShellExecute, shellExecute);
}

TEST(Forms, ScreenKeepsFormsInCreationOrderAndOwnsItsCursors) {
  const int before = Screen->FormCount();
  TOwned<TForm> a(new TForm(Application));
  TOwned<TForm> b(new TForm(Application));
  ASSERT_EQ(Screen->FormCount(), before + 2);
  EXPECT_EQ(Screen->Forms(before), a.get());
  EXPECT_EQ(Screen->Forms(before + 1), b.get());
  a.reset();
  EXPECT_EQ(Screen->Forms(before), b.get());
  SendMessageA(b->Handle(), WM_ACTIVATE, WA_ACTIVE, 0);
  EXPECT_EQ(Screen->ActiveForm(), b.get());
  b.reset();
  EXPECT_EQ(Screen->ActiveForm(), nullptr);

  EXPECT_EQ(Screen->Cursors(crHourGlass), LoadCursorA(nullptr, IDC_WAIT));
  EXPECT_EQ(Screen->Cursors(crDefault), LoadCursorA(nullptr, IDC_ARROW));
  EXPECT_EQ(Screen->Cursors(12345), LoadCursorA(nullptr, IDC_ARROW));
  HCURSOR own = CopyCursor(LoadCursorA(nullptr, IDC_CROSS));
  Screen->SetCursors(1, own);
  EXPECT_EQ(Screen->Cursors(1), own);
  Screen->SetCursors(1, nullptr);  // destroyed with the entry
  EXPECT_EQ(Screen->Cursors(1), LoadCursorA(nullptr, IDC_ARROW));
  EXPECT_THROW(Screen->SetCursors(crHourGlass, nullptr), EInvalidOperation);
}

// Where the cursor seam of a test puts the pointer.
TPoint gCursor;

TEST(Forms, ScreenCursorOverridesEveryControlUnderTheCursorSeam) {
  TOwned<TForm> form(MakeForm(300, 300, 200, 100));
  auto* hand = AddChild<TColorBox>(form.get(), Bounds(0, 0, 100, 100));
  hand->SetCursor(crHandPoint);
  auto* split = AddChild<TColorBox>(form.get(), Bounds(100, 0, 100, 100));
  split->SetCursor(crHSplit);
  form->Show();
  const TSeamOverride cursorPos(Seams::CursorPos, [] { return gCursor; });
  auto cursorAt = [&](TPoint P) {
    gCursor = P;
    SendMessageA(form->Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(form->Handle()),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    return GetCursor();
  };
  EXPECT_EQ(cursorAt({350, 350}), LoadCursorA(nullptr, IDC_HAND));
  EXPECT_EQ(cursorAt({450, 350}), Screen->Cursors(crHSplit));
  EXPECT_NE(Screen->Cursors(crHSplit), LoadCursorA(nullptr, IDC_HAND));
  Screen->SetCursor(crHourGlass);
  EXPECT_EQ(cursorAt({350, 350}), LoadCursorA(nullptr, IDC_WAIT));
  Screen->SetCursor(crDefault);
  EXPECT_EQ(cursorAt({350, 350}), LoadCursorA(nullptr, IDC_HAND));
}

}  // namespace
