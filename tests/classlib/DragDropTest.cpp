// Dragging with the mouse: an automatic drag from press to drop, what the targets and
// the source hear, the cursor, and the ways a drag ends without a drop.
#include "Screenshot.h"
#include "TestControls.h"
#include "UiTest.h"

#include "classlib/MouseTracker.h"
#include "classlib/SystemSeams.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class DragDrop : public ::testing::Test {
protected:
  void SetUp() override {
    ::SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
    form.reset(MakeForm(100, 100, 400, 200));
    form->SetName("Form");
    source = Add<TPanelControl>("Source", Bounds(10, 10, 60, 60));
    source->SetDragMode(dmAutomatic);
    taker = Add<TColorBox>("Taker", Bounds(100, 10, 60, 60));  // windowless
    refuser = Add<TPanelControl>("Refuser", Bounds(200, 10, 60, 60));
    Add<TColorBox>("Plain", Bounds(300, 10, 60, 60));  // no handler: refuses too
    Listen(taker, true);
    Listen(refuser, false);
    source->OnStartDrag = [this](TObject* sender, TDragObject*& object) {
      Log("start " + NameOf(sender) + (object == nullptr ? "" : " object"));
    };
    source->OnEndDrag = [this](TObject* sender, TObject* target, int x, int y) {
      Log("end " + NameOf(sender) + " " + NameOf(target) + " " + At(x, y));
    };
    form->Show();
    PumpFor(20);
  }
  void TearDown() override { form.reset(); }

  template <class T>
  T* Add(const std::string& name, const TRect& bounds) {
    T* control = AddChild<T>(form.get(), bounds);
    control->SetName(name);
    return control;
  }
  static std::string NameOf(TObject* object) {
    auto* component = dynamic_cast<TComponent*>(object);
    return component != nullptr ? component->Name() : "nil";
  }
  static std::string At(int x, int y) { return std::to_string(x) + "," + std::to_string(y); }
  void Log(const std::string& line) { log.push_back(line); }
  void Listen(TControl* target, bool accepts) {
    target->OnDragOver = [this, accepts](TObject* sender, TObject* dragged, int x, int y, TDragState state,
                                         bool& accept) {
      static const char* const kStates[] = {"enter", "leave", "move"};
      Log(NameOf(sender) + " " + kStates[state] + " " + NameOf(dragged) + " " + At(x, y) +
          (accept ? " offered" : ""));
      accept = accepts;
    };
    target->OnDragDrop = [this](TObject* sender, TObject* dragged, int x, int y) {
      Log(NameOf(sender) + " drop " + NameOf(dragged) + " " + At(x, y));
    };
  }

  void Press(TControl* c, TPoint at) {
    PostMouse(c, WM_LBUTTONDOWN, at.X, at.Y, MK_LBUTTON);
    ASSERT_TRUE(PumpUntil([&] { return c->Dragging(); }));
  }
  TControl* Find(const std::string& name) { return dynamic_cast<TControl*>(form->FindComponent(name)); }
  HCURSOR CursorOf(TCursor cursor) { return Screen->Cursors(cursor); }

  const TPointerStaysPut pointer;
  TOwned<TForm> form;
  TPanelControl* source = nullptr;
  TColorBox* taker = nullptr;
  TPanelControl* refuser = nullptr;
  std::vector<std::string> log;
};

TEST_F(DragDrop, AnAutomaticDragAsksEachTargetAndDropsOnTheOneThatAccepts) {
  Press(source, {5, 5});
  EXPECT_NE(GetCapture(), nullptr);
  EXPECT_NE(GetCapture(), source->Handle()) << "the drag holds the mouse, not the control";
  // Within the threshold nothing starts.
  PostCapturedMouse(source, WM_MOUSEMOVE, {6, 6});
  EXPECT_TRUE(log.empty());

  PostCapturedMouse(taker, WM_MOUSEMOVE, {10, 12});
  EXPECT_EQ(GetCursor(), CursorOf(crDrag));
  PostCapturedMouse(taker, WM_MOUSEMOVE, {20, 22});
  PostCapturedMouse(refuser, WM_MOUSEMOVE, {5, 6});
  EXPECT_EQ(GetCursor(), CursorOf(crNoDrop));
  PostCapturedMouse(Find("Plain"), WM_MOUSEMOVE, {5, 6});
  EXPECT_EQ(GetCursor(), CursorOf(crNoDrop));
  PostCapturedMouse(taker, WM_MOUSEMOVE, {30, 31});
  PostCapturedMouse(taker, WM_LBUTTONUP, {30, 32}, 0);

  EXPECT_EQ(log, (std::vector<std::string>{
                     "start Source",
                     "Taker enter Source 10,12 offered",
                     "Taker move Source 20,22 offered",
                     "Taker leave Source 105,6 offered",  // where it left, in its own coordinates
                     "Refuser enter Source 5,6 offered",
                     "Refuser leave Source 105,6 offered",
                     "Taker enter Source 30,31 offered",
                     "Taker drop Source 30,32",
                     "end Source Taker 30,32",
                 }));
  EXPECT_FALSE(source->Dragging());
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(DragDrop, AWindowlessControlDragsOntoAWindowedOne) {
  taker->SetDragMode(dmAutomatic);
  taker->OnEndDrag = source->OnEndDrag;
  refuser->OnDragOver = [this](TObject*, TObject* dragged, int x, int y, TDragState state, bool& accept) {
    if (state != dsDragLeave) Log("over " + NameOf(dragged) + " " + At(x, y));
    accept = true;
  };
  Press(taker, {5, 5});
  EXPECT_EQ(GetCaptureControl(), nullptr) << "the drag took the mouse from the control";
  PostCapturedMouse(refuser, WM_MOUSEMOVE, {7, 8});
  PostCapturedMouse(refuser, WM_LBUTTONUP, {9, 8}, 0);
  EXPECT_EQ(log, (std::vector<std::string>{"over Taker 7,8", "Refuser drop Taker 9,8", "end Taker Refuser 9,8"}));
}

TEST_F(DragDrop, AReleaseOverARefusingTargetDropsNothing) {
  source->SetDragCursor(crHandPoint);
  Press(source, {5, 5});
  PostCapturedMouse(taker, WM_MOUSEMOVE, {10, 10});
  EXPECT_EQ(GetCursor(), CursorOf(crHandPoint)) << "the source's DragCursor";
  PostCapturedMouse(refuser, WM_MOUSEMOVE, {10, 10});
  PostCapturedMouse(refuser, WM_LBUTTONUP, {10, 11}, 0);
  ASSERT_GE(log.size(), 2u);
  EXPECT_EQ(log[log.size() - 2], "Refuser leave Source 10,11 offered");
  EXPECT_EQ(log.back(), "end Source nil 0,0");
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(DragDrop, EscapeCancelModeAndALostCaptureEndTheDragWithoutADrop) {
  const std::vector<std::function<void()>> cancels = {
      [&] { PostKey(form.get(), VK_ESCAPE); },
      [&] { SendMessageA(GetCapture(), WM_CANCELMODE, 0, 0); },
      [&] { SetCapture(form->Handle()); },
  };
  for (size_t i = 0; i < cancels.size(); ++i) {
    log.clear();
    Press(source, {5, 5});
    PostCapturedMouse(taker, WM_MOUSEMOVE, {10, 10});
    cancels[i]();
    Application->ProcessMessages();
    EXPECT_FALSE(source->Dragging()) << i;
    EXPECT_EQ(log, (std::vector<std::string>{"start Source", "Taker enter Source 10,10 offered",
                                             "Taker leave Source 10,10 offered", "end Source nil 0,0"}))
        << i;
    ReleaseCapture();
  }
}

TEST_F(DragDrop, APressReleasedBeforeTheThresholdIsAClick) {
  int clicks = 0;
  source->OnClick = [&](TObject*) { ++clicks; };
  Press(source, {5, 5});
  PostCapturedMouse(source, WM_MOUSEMOVE, {6, 5});
  PostCapturedMouse(source, WM_LBUTTONUP, {6, 5}, 0);
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(log.empty());
  EXPECT_FALSE(source->Dragging());
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(DragDrop, ManualAndDockingControlsDoNotDragOnTheirOwn) {
  for (auto setUp : {+[](TControl* c) { c->SetDragMode(dmManual); },
                     +[](TControl* c) { c->SetDragKind(dkDock); }}) {
    setUp(source);
    PostMouse(source, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    PostMouse(source, WM_MOUSEMOVE, 40, 40, MK_LBUTTON);
    PostMouse(source, WM_LBUTTONUP, 40, 40);
    Application->ProcessMessages();
    EXPECT_FALSE(source->Dragging());
    EXPECT_TRUE(log.empty());
    source->SetDragMode(dmAutomatic);
  }
  // Docking is not built: a docking control's BeginDrag does nothing either.
  source->BeginDrag(true);
  EXPECT_FALSE(source->Dragging());
}

TEST_F(DragDrop, BeginDragAtOnceAndEndDragFromTheProgram) {
  source->SetDragMode(dmManual);
  Seams::SetCursorPos(taker->ClientToScreen({4, 5}));
  source->BeginDrag(true);
  EXPECT_TRUE(source->Dragging());
  EXPECT_EQ(log, (std::vector<std::string>{"start Source", "Taker enter Source 4,5 offered"}));
  taker->EndDrag(true);  // not the taker's drag
  EXPECT_TRUE(source->Dragging());
  // Only one drag runs at a time.
  refuser->BeginDrag(true);
  EXPECT_FALSE(refuser->Dragging());
  source->EndDrag(true);
  EXPECT_EQ(log.back(), "end Source Taker 4,5");
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(DragDrop, TheStartingHandlersObjectIsWhatTargetsSee) {
  struct TPayload : TDragObject {
  } payload;
  TObject* seen = nullptr;
  source->OnStartDrag = [&](TObject*, TDragObject*& object) { object = &payload; };
  taker->OnDragOver = [&](TObject*, TObject* dragged, int, int, TDragState, bool& accept) {
    seen = dragged;
    accept = true;
  };
  Press(source, {5, 5});
  PostCapturedMouse(taker, WM_MOUSEMOVE, {10, 10});
  EXPECT_EQ(seen, &payload);
  source->EndDrag(false);
}

TEST_F(DragDrop, ATargetOrSourceFreedMidDragIsNeverToldAgain) {
  Press(source, {5, 5});
  PostCapturedMouse(taker, WM_MOUSEMOVE, {10, 10});
  taker->Free();
  taker = nullptr;
  PostCapturedMouse(form.get(), WM_LBUTTONUP, {130, 40}, 0);
  EXPECT_EQ(log.back(), "end Source nil 0,0");

  log.clear();
  Press(source, {5, 5});
  PostCapturedMouse(refuser, WM_MOUSEMOVE, {10, 10});
  source->Free();
  source = nullptr;
  EXPECT_EQ(GetCapture(), nullptr) << "the freed source's drag let the mouse go";
  PostMouse(form.get(), WM_LBUTTONUP, 210, 20);
  Application->ProcessMessages();
  EXPECT_EQ(log, (std::vector<std::string>{"start Source", "Refuser enter Source 10,10 offered"}));
}

// The two drag cursors side by side on a dark and a light ground.
class TCursorSampler : public TCustomControl {
public:
  using TCustomControl::TCustomControl;

protected:
  void Paint() override {
    HDC dc = Canvas()->Handle();
    Canvas()->Brush()->SetColor(clBlack);
    Canvas()->FillRect(TRect{0, 0, 80, 40});
    Canvas()->Brush()->SetColor(clWhite);
    Canvas()->FillRect(TRect{80, 0, 160, 40});
    for (int ground : {0, 80}) {
      DrawIconEx(dc, ground + 4, 4, Screen->Cursors(crDrag), 32, 32, 0, nullptr, DI_NORMAL);
      DrawIconEx(dc, ground + 44, 4, Screen->Cursors(crNoDrop), 32, 32, 0, nullptr, DI_NORMAL);
    }
  }
};

TEST(DragCursors, TheDragCursorIsAnOutlinedArrowAndNoDropIsTheSystems) {
  TOwned<TForm> form(MakeForm(100, 320, 160, 40));
  auto* sampler = AddChild<TCursorSampler>(form.get(), Bounds(0, 0, 160, 40));
  EXPECT_EQ(Screen->Cursors(crNoDrop), LoadCursorA(nullptr, IDC_NO));
  EXPECT_NE(Screen->Cursors(crDrag), Screen->Cursors(crArrow));
  form->Show();
  TPixelDC pixels(160, 40);
  sampler->PaintTo(pixels.DC(), 0, 0);
  // The tip is black, the inside white, the ground around it shows through.
  EXPECT_EQ(pixels.Pixel(4, 4), clBlack);
  EXPECT_EQ(pixels.Pixel(84, 4), clBlack);
  EXPECT_EQ(pixels.Pixel(6, 8), clWhite);
  EXPECT_EQ(pixels.Pixel(86, 8), clWhite);
  EXPECT_EQ(pixels.Pixel(5, 4), clBlack) << "the dark ground";
  EXPECT_EQ(pixels.Pixel(85, 4), clWhite) << "the light ground";
  SaveWindowScreenshot(form->Handle(), "drag-cursors");
}

}  // namespace
