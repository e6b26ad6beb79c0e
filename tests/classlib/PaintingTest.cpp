#include "TestControls.h"
#include "UiTest.h"

#include <gtest/gtest.h>

namespace {

// A panel with two overlapping windowless boxes and a hidden one.
struct PaintScene {
  TOwned<TForm> Form{MakeForm(100, 100, 200, 150)};
  TPanelControl* Panel = AddChild<TPanelControl>(Form.get(), Bounds(0, 0, 100, 100));
  TColorBox* Lower = AddChild<TColorBox>(Panel, Bounds(10, 10, 20, 20));
  TColorBox* Upper = AddChild<TColorBox>(Panel, Bounds(20, 20, 20, 20));
  TColorBox* Hidden = AddChild<TColorBox>(Panel, Bounds(60, 60, 20, 20));
  PaintScene() {
    Panel->SetParentColor(false);  // the form's colour is the same: keep it apart
    Panel->SetColor(clBtnFace);
    Lower->SetColor(clHighlight);
    Upper->SetColor(clBtnShadow);
    Hidden->SetColor(clInfoBk);
    Hidden->Hide();
  }
};

TEST(Painting, WindowlessChildrenArePaintedIntoTheParentsDC) {
  PaintScene scene;
  scene.Form->Show();
  TPixelDC memory(100, 100);
  memory.Fill(clBlack);
  scene.Panel->Perform(WM_PAINT, reinterpret_cast<WPARAM>(memory.DC()), 0);
  EXPECT_EQ(memory.Pixel(5, 5), SysColor(clBtnFace));
  EXPECT_EQ(memory.Pixel(15, 15), SysColor(clHighlight));
  EXPECT_EQ(memory.Pixel(25, 25), SysColor(clBtnShadow));  // the upper one wins
  EXPECT_EQ(memory.Pixel(35, 35), SysColor(clBtnShadow));
  EXPECT_EQ(memory.Pixel(40, 40), SysColor(clBtnFace));    // right and bottom edges excluded
  EXPECT_EQ(memory.Pixel(70, 70), SysColor(clBtnFace));    // the hidden box is not painted
  EXPECT_EQ(scene.Hidden->Paints, 0);

  // The same through PaintTo, at an offset, with the windowed panel inside the form.
  TPixelDC whole(220, 170);
  whole.Fill(clBlack);
  scene.Form->SetColor(clWindow);
  scene.Form->PaintTo(whole.DC(), 10, 10);
  EXPECT_EQ(whole.Pixel(5, 5), clBlack);
  EXPECT_EQ(whole.Pixel(25, 25), SysColor(clHighlight));
  EXPECT_EQ(whole.Pixel(15, 15), SysColor(clBtnFace));
  EXPECT_EQ(whole.Pixel(150, 120), SysColor(clWindow));
  EXPECT_FALSE(scene.Form->ControlState().Contains(csPaintCopy));
}

TEST(Painting, OpaqueWindowlessChildrenAreLeftOutOfTheParentsClip) {
  PaintScene scene;
  scene.Upper->SetControlStyle(scene.Upper->ControlStyle() + TControlStyle{csOpaque});
  scene.Form->Show();
  TPixelDC memory(100, 100);
  scene.Panel->Perform(WM_PAINT, reinterpret_cast<WPARAM>(memory.DC()), 0);
  // Children in list order: Lower, Upper (opaque), Hidden.
  EXPECT_EQ(scene.Panel->ChildCornersVisible, (std::vector<bool>{true, false, true}));
  EXPECT_EQ(memory.Pixel(35, 35), SysColor(clBtnShadow));  // still painted afterwards
  // The clip is whole again for the children painted after the panel.
  EXPECT_EQ(memory.Pixel(15, 15), SysColor(clHighlight));
}

TEST(Painting, WindowlessInvalidationAndImmediateRepaint) {
  PaintScene scene;
  scene.Form->Show();
  HWND panel = scene.Panel->Handle();
  UpdateWindow(panel);
  ValidateRect(panel, nullptr);
  scene.Lower->Invalidate();
  RECT update{};
  ASSERT_TRUE(GetUpdateRect(panel, &update, FALSE));
  EXPECT_EQ(FromRECT(update), Bounds(10, 10, 20, 20));
  ValidateRect(panel, nullptr);

  // An opaque control repaints at once through the parent, with those above it.
  scene.Lower->SetControlStyle(scene.Lower->ControlStyle() + TControlStyle{csOpaque});
  const int lowerBefore = scene.Lower->Paints;
  const int upperBefore = scene.Upper->Paints;
  const int panelBefore = scene.Panel->Paints;
  scene.Lower->Repaint();
  EXPECT_EQ(scene.Lower->Paints, lowerBefore + 1);
  EXPECT_EQ(scene.Upper->Paints, upperBefore + 1);
  EXPECT_EQ(scene.Panel->Paints, panelBefore);
  EXPECT_FALSE(GetUpdateRect(panel, nullptr, FALSE));
}

TEST(Painting, AWindowAwaitsAPaintFromAnInvalidationUntilItIsPaintedOrValidated) {
  PaintScene scene;
  scene.Form->Show();
  HWND panel = scene.Panel->Handle();
  scene.Form->Update();  // with its children
  EXPECT_FALSE(AwaitsPaint(panel));
  const RECT part{5, 5, 6, 6};
  InvalidateRect(panel, &part, FALSE);
  EXPECT_TRUE(AwaitsPaint(panel));
  EXPECT_FALSE(AwaitsPaint(scene.Form->Handle()));  // its own area only
  UpdateWindow(panel);
  EXPECT_FALSE(AwaitsPaint(panel));
  InvalidateRect(panel, nullptr, FALSE);
  ValidateRect(panel, nullptr);
  EXPECT_FALSE(AwaitsPaint(panel));
}

// Invalidates itself while it first paints, as a control may whose look depends on the
// paint (a late size): that invalidation still gets its paint.
class TSelfInvalidatingPanel : public TPanelControl {
public:
  using TPanelControl::TPanelControl;

protected:
  void Paint() override {
    TPanelControl::Paint();
    if (Paints == 1) InvalidateRect(Handle(), nullptr, FALSE);
  }
};

TEST(Painting, AWindowIsFirstPaintedInTheEraseAsItShowsAndLaterOnesByPaintMessages) {
  PaintScene scene;
  auto* invalidating = AddChild<TSelfInvalidatingPanel>(scene.Form.get(), Bounds(110, 10, 40, 40));
  scene.Form->Show();
  // Painted while the window showed, no message pumped: nothing awaits a paint any more.
  EXPECT_EQ(scene.Panel->Paints, 1);
  EXPECT_EQ(scene.Lower->Paints, 1);  // the windowless children with it
  EXPECT_FALSE(AwaitsPaint(scene.Panel->Handle()));
  EXPECT_EQ(invalidating->Paints, 1);
  EXPECT_TRUE(AwaitsPaint(invalidating->Handle()));
  ASSERT_TRUE(PumpUntil([&] { return invalidating->Paints == 2; }));

  // A later erase (a size change) leaves the paint to the paint message.
  scene.Panel->SetBounds(0, 0, 120, 110);
  EXPECT_EQ(scene.Panel->Paints, 1);
  EXPECT_TRUE(AwaitsPaint(scene.Panel->Handle()));
  ASSERT_TRUE(PumpUntil([&] { return scene.Panel->Paints == 2; }));
}

TEST(Painting, RealPaintMessagesThroughTheLoop) {
  PaintScene scene;
  scene.Form->Show();
  scene.Panel->Invalidate();
  const int before = scene.Lower->Paints;
  ASSERT_TRUE(PumpUntil([&] { return scene.Lower->Paints > before; }));
  EXPECT_FALSE(GetUpdateRect(scene.Panel->Handle(), nullptr, FALSE));
}

TEST(Painting, WindowlessCanvasOutsidePaintingDrawsAtTheControlsPlace) {
  PaintScene scene;
  scene.Form->Show();
  HDC dc = scene.Upper->Canvas()->Handle();
  POINT origin{};
  GetViewportOrgEx(dc, &origin);
  EXPECT_EQ(origin.x, 20);
  EXPECT_EQ(origin.y, 20);
  RECT clip{};
  GetClipBox(dc, &clip);
  EXPECT_EQ(FromRECT(clip), Bounds(0, 0, 20, 20));
  // The DC goes back when the application is idle or the parent window goes.
  FreeDeviceContexts();
  EXPECT_FALSE(scene.Upper->Canvas()->HandleAllocated());
  scene.Upper->Canvas()->Handle();
  scene.Panel->RecreateWnd();
  EXPECT_FALSE(scene.Upper->Canvas()->HandleAllocated());
}

TEST(Painting, TheSystemPaintsTheFrameOfAControlThatHasOne) {
  TOwned<TForm> form(MakeForm(100, 100, 200, 150));
  auto* bordered = AddChild<TBorderedPanel>(form.get(), Bounds(10, 10, 60, 40));
  bordered->SetColor(clWhite);
  form->Show();
  UpdateWindow(form->Handle());
  // The border is drawn by the system's frame painting, in the window frame colour.
  HDC dc = GetWindowDC(bordered->Handle());
  const COLORREF corner = GetPixel(dc, 0, 0);
  const COLORREF inside = GetPixel(dc, 5, 5);
  ReleaseDC(bordered->Handle(), dc);
  EXPECT_EQ(corner, ColorToRGB(clWindowFrame));
  EXPECT_EQ(inside, ColorToRGB(clWhite));
}

}  // namespace
