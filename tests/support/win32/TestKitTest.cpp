#include "Screenshot.h"
#include "TestControls.h"
#include "UiTest.h"

#include "classlib/Button.h"

#include "base/FileUtils.h"
#include "base/Streams.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// A borderless form with three coloured windows on a grey ground:
//   red (10, 10, 70, 50), green (80, 10, 140, 50), blue (10, 60, 140, 100).
struct TColouredScene {
  TColouredScene() {
    Form->SetColor(clGray);
    for (const auto& [bounds, colour] : Children) {
      auto* panel = AddChild<TPanelControl>(Form.get(), bounds);
      panel->SetParentColor(false);
      panel->SetColor(colour);
    }
    Form->Show();
    Form->Update();
  }
  TOwned<TForm> Form{MakeForm(150, 150, 160, 120)};
  const std::vector<std::pair<TRect, TColor>> Children = {
      {Rect(10, 10, 70, 50), clRed}, {Rect(80, 10, 140, 50), clLime}, {Rect(10, 60, 140, 100), clBlue}};
};

TEST(TestKit, AScreenshotIsTheWindowAsItShowsOnTheScreen) {
  TColouredScene scene;
  const TPixelImage picture = CaptureWindow(scene.Form->Handle());
  ASSERT_EQ(picture.Width(), 160);
  ASSERT_EQ(picture.Height(), 120);
  EXPECT_EQ(picture.Pixel(5, 5), clGray);
  for (const auto& [bounds, colour] : scene.Children) {
    EXPECT_EQ(picture.Pixel(bounds.Left, bounds.Top), colour);
    EXPECT_EQ(picture.Pixel(bounds.Right - 1, bounds.Bottom - 1), colour);
    EXPECT_EQ(picture.Pixel(bounds.Right, bounds.Bottom), clGray);
  }

  const std::string path = ScreenshotFolder() + "testkit-window.png";
  DeleteFile(path);
  SaveWindowScreenshot(scene.Form->Handle(), "testkit-window");
  ASSERT_TRUE(FileExists(path));
  TFileStream file(path, fmOpenRead | fmShareDenyNone);
  char signature[8] = {};
  file.ReadBuffer(signature, 8);
  EXPECT_EQ(std::string(signature + 1, 3), "PNG");
}

TEST(TestKit, AScreenshotTakesTheWindowsFrameToo) {
  TOwned<TForm> form(new TForm(Application));
  form->SetBounds(150, 150, 200, 120);
  form->SetCaption("Framed");
  form->SetColor(clBlue);
  form->Show();
  RECT window{};
  GetWindowRect(form->Handle(), &window);
  const TPoint client = form->ClientOrigin();
  const TPixelImage picture = CaptureWindow(form->Handle());
  ASSERT_EQ(picture.Width(), window.right - window.left);
  ASSERT_EQ(picture.Height(), window.bottom - window.top);
  ASSERT_GT(client.Y, window.top);
  EXPECT_EQ(picture.Pixel(client.X - window.left, client.Y - window.top), clBlue);
  EXPECT_NE(picture.Pixel(client.X - window.left, client.Y - window.top - 1), clBlue) << "the caption";
  SaveWindowScreenshot(form->Handle(), "testkit-framed");
}

HWND gFlatWindow = nullptr;  // EXPECT_NONFATAL_FAILURE takes no locals

TEST(TestKit, AFlatOrHiddenWindowIsRefused) {
  TOwned<TForm> form(MakeForm(150, 150, 80, 60));
  form->SetColor(clRed);
  form->Show();
  const std::string path = ScreenshotFolder() + "testkit-flat.png";
  DeleteFile(path);
  const ::testing::AssertionResult flat = TryWindowScreenshot(form->Handle(), "testkit-flat");
  EXPECT_FALSE(flat);
  EXPECT_NE(std::string(flat.message()).find("one flat colour"), std::string::npos) << flat.message();
  gFlatWindow = form->Handle();
  EXPECT_NONFATAL_FAILURE(SaveWindowScreenshot(gFlatWindow, "testkit-flat"), "one flat colour");
  EXPECT_FALSE(FileExists(path));

  form->Hide();
  EXPECT_FALSE(TryWindowScreenshot(form->Handle(), "testkit-hidden"));
}

TEST(TestKit, TheScreensPictureShowsTheBackdropWhereAWindowsRegionCutsItAway) {
  const TScreenBackdrop behind(Bounds(100, 100, 300, 200), clBlue);
  TOwned<TForm> form(MakeForm(150, 150, 160, 120));
  form->SetColor(clRed);
  form->Show();
  // The window's left half only.
  SetWindowRgn(form->Handle(), CreateRectRgn(0, 0, 80, 120), TRUE);
  const TPixelImage shown = ScreenPictureOf(form->Handle());
  ASSERT_EQ(shown.Width(), 160);
  ASSERT_EQ(shown.Height(), 120);
  EXPECT_EQ(shown.Pixel(79, 60), clRed);
  EXPECT_EQ(shown.Pixel(80, 60), clBlue);
  EXPECT_EQ(behind.ShowingThrough(form->Handle(), [](int32_t, int32_t Y) { return Y < 10; }), 80 * 10);
  // A region that leaves part of the window out is a fault, even where it may cut.
  EXPECT_EQ(ShapeFault(form->Handle(), behind, [](int32_t X, int32_t) { return X >= 100; }),
            "the region covers 80 x 120; 2400 pixels of the window do not show");
  SetWindowRgn(form->Handle(), nullptr, TRUE);
  EXPECT_EQ(behind.ShowingThrough(form->Handle(), [](int32_t, int32_t) { return true; }), 0);
  EXPECT_EQ(ShapeFault(form->Handle(), behind, [](int32_t, int32_t) { return false; }), "");
  form->Hide();
  EXPECT_EQ(behind.ShowingThrough(form->Handle(), [](int32_t, int32_t) { return true; }), -1);
}

// Records the mouse and key messages the application's loop shows to OnMessage.
class TMessageHook {
public:
  TMessageHook() : FSaved(Application->OnMessage) { Application->OnMessage = Event(this, &TMessageHook::Seen); }
  ~TMessageHook() { Application->OnMessage = FSaved; }
  TMessageHook(const TMessageHook&) = delete;
  TMessageHook& operator=(const TMessageHook&) = delete;
  int Count(UINT Msg) const { return static_cast<int>(std::count(Messages.begin(), Messages.end(), Msg)); }
  std::vector<UINT> Messages;

private:
  void Seen(MSG& Msg, bool&) { Messages.push_back(Msg.message); }
  TApplication::TMessageEvent FSaved;
};

// A windowed control that logs its clicks and keys.
class TInputLog : public TCustomControl {
public:
  explicit TInputLog(TComponent* AOwner) : TCustomControl(AOwner) {
    OnClick = [this](TObject*) { Log.push_back("click"); };
    OnKeyDown = [this](TObject*, uint16_t& Key, TShiftState Shift) {
      Log.push_back("key " + std::to_string(Key) + (Shift.Contains(ssCtrl) ? " ctrl" : ""));
    };
  }
  std::vector<std::string> Log;
};

TEST(TestKit, ClicksAndKeysGoThroughTheApplicationsLoop) {
  TOwned<TForm> form(MakeForm(150, 150, 200, 100));
  auto* target = AddChild<TInputLog>(form.get(), Bounds(10, 10, 80, 40));
  auto* box = AddChild<TColorBox>(form.get(), Bounds(100, 10, 80, 40));
  int boxClicks = 0;
  box->OnClick = [&](TObject*) { ++boxClicks; };
  form->Show();
  const TMessageHook hook;
  PostClick(target);
  PostClick(box, {5, 5});
  PostClick(target, mbRight);
  PostKey(target, 'Q', {ssCtrl});
  ParkPointer();
  EXPECT_EQ(target->Log, (std::vector<std::string>{"click", "key 81 ctrl"}));
  EXPECT_EQ(boxClicks, 1) << "a windowless control, through its parent";
  EXPECT_EQ(hook.Count(WM_LBUTTONDOWN), 2);
  EXPECT_EQ(hook.Count(WM_LBUTTONUP), 2);
  EXPECT_EQ(hook.Count(WM_RBUTTONUP), 1);
  EXPECT_EQ(hook.Count(WM_KEYDOWN), 1);
}

class TKitDialog : public TForm {
public:
  using TForm::TForm;
};

TEST(TestKit, AModalWindowIsDrivenFromInsideItsLoop) {
  TOwned<TKitDialog> dialog(new TKitDialog(Application));
  dialog->SetCaption("Test kit dialog");
  dialog->SetBounds(150, 150, 200, 120);
  auto* ok = AddChild<TButton>(dialog.get(), Bounds(60, 40, 75, 25));
  ok->SetModalResult(mrOk);
  HWND shown = nullptr;
  TKitDialog* found = nullptr;
  RunFromLoop([&] {
    shown = WaitForWindow("Test kit dialog");
    found = WaitForForm<TKitDialog>();
    if (found != nullptr) PostClick(ok);
  });
  EXPECT_EQ(dialog->ShowModal(), mrOk);
  EXPECT_EQ(shown, dialog->Handle());
  EXPECT_EQ(found, dialog.get());
  EXPECT_EQ(WaitForWindow("Test kit dialog", 50), nullptr) << "closed again";
}

}  // namespace
