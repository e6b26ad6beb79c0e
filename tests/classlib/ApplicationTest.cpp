// The application's own life runs once per process (the quit message ends it for good),
// so it has a test program of its own.
#include "TestControls.h"
#include "UiTest.h"

#include "classlib/Timer.h"

#include <gtest/gtest.h>

namespace {

class TMainForm : public TForm {
public:
  explicit TMainForm(TComponent* AOwner) : TForm(AOwner) {
    SetBorderStyle(bsSingle);
    SetBounds(200, 200, 240, 160);
    OnShow = [this](TObject*) { ++Shows; };
    OnClose = [this](TObject*, TCloseAction&) { ++Closes; };
    OnCloseQuery = [this](TObject*, bool& canClose) { canClose = AllowClose; };
    OnDestroy = [this](TObject*) {
      ++Destroys;
      VisibleWhenFreed = IsWindowVisible(Handle()) != FALSE;
    };
    Closer = new TTimer(this);
    Closer->SetEnabled(false);
    Closer->SetInterval(20);
    // Closes the application window from outside, as the taskbar would.
    Closer->OnTimer = [](TObject* timer) {
      static_cast<TTimer*>(timer)->SetEnabled(false);
      PostMessageA(Application->Handle(), WM_CLOSE, 0, 0);
    };
  }
  int Shows = 0;
  int Closes = 0;
  bool AllowClose = true;
  static inline int Destroys = 0;
  static inline bool VisibleWhenFreed = false;
  TTimer* Closer;
};

TEST(Application, LifeFromInitializeToTheEndOfRun) {
  Application->Initialize();
  Application->SetTitle("Life test");
  char title[32] = {};
  GetWindowTextA(Application->Handle(), title, sizeof title);
  EXPECT_STREQ(title, "Life test");

  TMainForm* main = nullptr;
  Application->CreateForm(main);
  TForm* second = nullptr;
  Application->CreateForm(second);
  ASSERT_EQ(Application->MainForm(), main);
  EXPECT_EQ(GetWindow(main->Handle(), GW_OWNER), Application->Handle());

  // The session end asks the main form first.
  main->AllowClose = false;
  EXPECT_EQ(SendMessageA(Application->Handle(), WM_QUERYENDSESSION, 0, 0), 0);
  main->AllowClose = true;
  EXPECT_EQ(SendMessageA(Application->Handle(), WM_QUERYENDSESSION, 0, 0), 1);

  // A fallback ends the run should the close not arrive.
  TTimer fallback(nullptr);
  fallback.SetInterval(5000);
  fallback.OnTimer = [](TObject*) { Application->Terminate(); };

  main->Closer->SetEnabled(true);
  Application->Run();
  EXPECT_TRUE(Application->Terminated());
  EXPECT_EQ(main->Shows, 1);
  EXPECT_EQ(main->Closes, 1);  // the application window's close reached the main form
  // The end of the loop freed the forms, the main form still showing: it ends the program
  // instead of hiding, and goes before the process-wide objects.
  EXPECT_EQ(TMainForm::Destroys, 1);
  EXPECT_TRUE(TMainForm::VisibleWhenFreed);
  EXPECT_EQ(Application->MainForm(), nullptr);
  EXPECT_EQ(Application->ComponentCount(), 0);
  EXPECT_TRUE(IsWindowVisible(Application->Handle()));

  // Minimizing and restoring go through the application window.
  SendMessageA(Application->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_TRUE(IsIconic(Application->Handle()));
  SendMessageA(Application->Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
  EXPECT_FALSE(IsIconic(Application->Handle()));

  // The system ends the process once the session's end is answered: the forms go first.
  TMainForm* late = nullptr;
  Application->CreateForm(late);
  SendMessageA(Application->Handle(), WM_ENDSESSION, FALSE, 0);
  EXPECT_EQ(TMainForm::Destroys, 1) << "a session that goes on keeps the forms";
  SendMessageA(Application->Handle(), WM_ENDSESSION, TRUE, 0);
  EXPECT_EQ(TMainForm::Destroys, 2);
  EXPECT_EQ(Application->ComponentCount(), 0);
}

}  // namespace
