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
  EXPECT_TRUE(IsWindowVisible(main->Handle()));  // the main form ends the program instead of hiding
  EXPECT_TRUE(IsWindowVisible(Application->Handle()));

  // Minimizing and restoring go through the application window.
  SendMessageA(Application->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_TRUE(IsIconic(Application->Handle()));
  SendMessageA(Application->Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
  EXPECT_FALSE(IsIconic(Application->Handle()));
  EXPECT_TRUE(IsWindowVisible(main->Handle()));

  main->Free();
  EXPECT_EQ(Application->MainForm(), nullptr);
}

}  // namespace
