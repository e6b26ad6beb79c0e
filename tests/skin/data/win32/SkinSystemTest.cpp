#include "SystemSeamScope.h"
#include "TestControls.h"
#include "Win32Pictures.h"

#include "skin/data/win32/SkinSystem.h"

#include <gtest/gtest.h>

namespace {

// A control that notes whether it saw csPaintCopy while it painted.
template <class Base>
class TRecording : public Base {
public:
  using Base::Base;
  bool SawPaintCopy = false;

protected:
  void Paint() override {
    SawPaintCopy = this->ControlState().Contains(csPaintCopy);
    Base::Paint();
  }
};
using TRecordingBox = TRecording<TColorBox>;
using TRecordingPanel = TRecording<TPanelControl>;

template <class T>
T* Child(TWinControl* Parent, const TRect& Bounds, TColor Color) {
  T* control = AddChild<T>(Parent, Bounds);
  control->SetParentColor(false);
  control->SetColor(Color);
  return control;
}

// A panel of clBtnFace with windowless boxes around a windowless control, Self:
//   Lower (10..30) below Self (20..50), Upper (30..50) above it, a windowed panel
//   (40..60) beside it, a hidden box and a box elsewhere.
struct TParentScene {
  TOwned<TForm> Form{MakeForm(100, 100, 200, 150)};
  TRecordingPanel* Panel = Child<TRecordingPanel>(Form.get(), Bounds(0, 0, 100, 100), clBtnFace);
  TRecordingBox* Lower = Child<TRecordingBox>(Panel, Bounds(10, 10, 20, 20), clHighlight);
  TRecordingBox* Hidden = Child<TRecordingBox>(Panel, Bounds(20, 40, 10, 10), clInfoText);
  TRecordingBox* Self = Child<TRecordingBox>(Panel, Bounds(20, 20, 30, 30), clRed);
  TRecordingBox* Upper = Child<TRecordingBox>(Panel, Bounds(30, 30, 20, 20), clInfoBk);
  TRecordingBox* Elsewhere = Child<TRecordingBox>(Panel, Bounds(70, 70, 10, 10), clGrayText);
  TRecordingPanel* Windowed = Child<TRecordingPanel>(Panel, Bounds(40, 40, 20, 20), clWindow);
  TParentScene() {
    Hidden->Hide();
    Form->Show();
  }
};

TEST(SkinSystem, DrawParentBackgroundPaintsTheParentAndTheWindowlessControlsBelow) {
  TParentScene scene;
  scene.Lower->Paints = scene.Upper->Paints = scene.Elsewhere->Paints = scene.Hidden->Paints = 0;
  auto image = FilledBitmap(30, 30, clBlack);
  DrawParentBackground(scene.Self, image->Canvas());
  const TPixelImage pixels = image->ToPixelImage();
  EXPECT_EQ(pixels.Pixel(5, 5), ColorToRGB(clHighlight));  // the panel's (25, 25): Lower
  EXPECT_EQ(pixels.Pixel(9, 9), ColorToRGB(clHighlight));
  EXPECT_EQ(pixels.Pixel(10, 10), ColorToRGB(clBtnFace));  // Lower ends at 30
  EXPECT_EQ(pixels.Pixel(15, 15), ColorToRGB(clBtnFace));  // Upper is above Self
  EXPECT_EQ(pixels.Pixel(25, 25), ColorToRGB(clBtnFace));  // the windowed panel is not painted
  EXPECT_EQ(pixels.Pixel(5, 25), ColorToRGB(clBtnFace));   // nor the hidden box
  EXPECT_EQ(scene.Upper->Paints, 0);
  EXPECT_EQ(scene.Elsewhere->Paints, 0);
  EXPECT_EQ(scene.Hidden->Paints, 0);
  EXPECT_TRUE(scene.Lower->SawPaintCopy);
  EXPECT_TRUE(scene.Panel->SawPaintCopy);
  EXPECT_FALSE(scene.Lower->ControlState().Contains(csPaintCopy));
  EXPECT_FALSE(scene.Panel->ControlState().Contains(csPaintCopy));

  // A part of Self, drawn at (0, 0).
  auto part = FilledBitmap(20, 20, clBlack);
  DrawParentBackgroundRect(scene.Self, TRect{5, 5, 25, 25}, part->Canvas());
  const TPixelImage partPixels = part->ToPixelImage();
  EXPECT_EQ(partPixels.Pixel(0, 0), ColorToRGB(clHighlight));  // the panel's (25, 25)
  EXPECT_EQ(partPixels.Pixel(4, 4), ColorToRGB(clHighlight));
  EXPECT_EQ(partPixels.Pixel(5, 5), ColorToRGB(clBtnFace));

  // For a windowed control every windowless sibling lies below it.
  auto behindWindow = FilledBitmap(20, 20, clBlack);
  DrawParentBackground(scene.Windowed, behindWindow->Canvas());
  EXPECT_EQ(behindWindow->ToPixelImage().Pixel(5, 5), ColorToRGB(clInfoBk));  // Upper at (45, 45)
  EXPECT_EQ(behindWindow->ToPixelImage().Pixel(15, 15), ColorToRGB(clBtnFace));
}

TEST(SkinSystem, AFormBehindAControlOnlyErasesItsBackground) {
  TOwned<TForm> form{MakeForm(100, 100, 120, 80)};
  form->SetColor(clWindow);
  TColorBox* box = Child<TColorBox>(form.get(), Bounds(10, 10, 20, 20), clRed);
  form->Show();
  auto image = FilledBitmap(20, 20, clBlack);
  DrawParentBackground(box, image->Canvas());
  EXPECT_EQ(image->ToPixelImage().Pixel(10, 10), ColorToRGB(clWindow));

  // Without a parent nothing is painted.
  TOwned<TColorBox> orphan{new TColorBox(nullptr)};
  auto untouched = FilledBitmap(5, 5, clBlack);
  DrawParentBackground(orphan.get(), untouched->Canvas());
  DrawParentBackground(nullptr, untouched->Canvas());
  EXPECT_EQ(untouched->ToPixelImage().Pixel(2, 2), clBlack);
}

TEST(SkinSystem, VersionGates) {
  TSystemSeams seams;
  const struct {
    int Major, Minor;
    bool Vista, XP, W2000;
  } cases[] = {
      {4, 0, false, false, false}, {5, 0, false, false, true}, {5, 1, false, true, true},
      {5, 2, false, false, true},  {6, 0, true, true, true},   {6, 1, true, true, true},
      {10, 0, true, true, true},
  };
  for (const auto& c : cases) {
    TSystemSeams::SetVersion(c.Major, c.Minor);
    int major = -1, minor = -1;
    GetWindowsVersion(major, minor);
    EXPECT_EQ(major, c.Major);
    EXPECT_EQ(minor, c.Minor);
    EXPECT_EQ(IsWindowsVistaOrLater(), c.Vista) << c.Major << "." << c.Minor;
    EXPECT_EQ(IsWindowsXPOrLater(), c.XP) << c.Major << "." << c.Minor;
    EXPECT_EQ(IsWindows2000OrLater(), c.W2000) << c.Major << "." << c.Minor;
    EXPECT_TRUE(IsNTPlatform());
  }
  TSystemSeams::SetVersion(4, 10, false);
  EXPECT_FALSE(IsNTPlatform());
}

TEST(SkinSystem, LayeredAlphaIsSetThroughTheLookedUpFunction) {
  TOwned<TForm> form{MakeForm(50, 50, 60, 40)};
  HWND window = form->Handle();
  SetWindowLongA(window, GWL_EXSTYLE, GetWindowLongA(window, GWL_EXSTYLE) | WS_EX_LAYERED);
  SetLayeredAlpha(window, 77);
  BYTE alpha = 0;
  DWORD flags = 0;
  COLORREF key = 1;
  ASSERT_TRUE(GetLayeredWindowAttributes(window, &key, &alpha, &flags));
  EXPECT_EQ(alpha, 77);
  EXPECT_EQ(flags & LWA_ALPHA, static_cast<DWORD>(LWA_ALPHA));
}

TEST(SkinSystem, ScreenAndMonitorAreas) {
  TSystemSeams seams;
  TSystemSeams::SetWorkArea({10, 20, 300, 200});
  TRect r;
  GetScreenArea(true, r);
  EXPECT_EQ(r, (TRect{10, 20, 300, 200}));
  GetScreenArea(false, r);
  EXPECT_EQ(r, (TRect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}));

  ASSERT_EQ(GetSystemMetrics(SM_CMONITORS), 1) << "the test display has one monitor";
  EXPECT_FALSE(IsMultiMonitor());
  TOwned<TForm> form{MakeForm(50, 50, 60, 40)};
  GetMonitorArea(form->Handle(), true, r);
  EXPECT_EQ(r, (TRect{10, 20, 300, 200}));
  GetMonitorArea(form->Handle(), false, r);
  EXPECT_EQ(r, (TRect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}));
}

TEST(SkinSystem, GetScreenImageCopiesWhatTheScreenShows) {
  TOwned<TForm> form{MakeForm(40, 60, 50, 40)};
  form->SetColor(clHighlight);
  form->Show();
  SetWindowPos(form->Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  UpdateWindow(form->Handle());
  Application->ProcessMessages();
  GdiFlush();
  auto image = FilledBitmap(10, 8, clBlack);
  GetScreenImage(45, 65, image.get());
  const TPixelImage pixels = image->ToPixelImage();
  EXPECT_EQ(pixels.Pixel(0, 0), ColorToRGB(clHighlight));
  EXPECT_EQ(pixels.Pixel(9, 7), ColorToRGB(clHighlight));
  TBitmap empty;
  GetScreenImage(0, 0, &empty);  // nothing to fill
  EXPECT_TRUE(empty.Empty());
}

}  // namespace
