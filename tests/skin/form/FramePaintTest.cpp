// The frame as it paints itself into a memory DC: the frame test skin's bands, caption
// and caption buttons in each state, the inactive window's inverted picture, the default
// frame in the system's colours, and the window regions of the masks.
#include "FrameTestKit.h"

#include "skin/form/ActiveSkinObject.h"

#include "skin/controls/SkinPanel.h"

#include "ImportPatch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

TColor PixelAt(TFrameWindow& Window, TPoint P) { return Window.PaintedFrame()->Pixel(P.X, P.Y); }

// The frame test skin on a window of its frame picture's size (400 x 140).
class FrameTestSkinPaint : public ::testing::Test {
 protected:
  FrameTestSkinPaint() {
    window.Load("flatframe");
    window.Data()->SetEnableSkinEffects(false);  // looks change at once
    window.Show();
  }
  const TspSkinData& Data() const { return *window.Data(); }
  TColor ButtonLook(const std::string& IDName, TRect TspDataSkinStdButton::*Look) {
    return ObjectColour(Data(), IDName, dynamic_cast<const TspDataSkinStdButton&>(ObjectEntry(Data(), IDName)).*Look);
  }
  TColor SkinLook(const std::string& IDName) {
    return ObjectColour(Data(), IDName, ObjectEntry(Data(), IDName).SkinRect);
  }

  TFrameWindow window{{100, 100, 500, 240}};
};

TEST_F(FrameTestSkinPaint, BandsComeFromTheFramePictureAndTheButtonsFromTheirLooks) {
  const auto dc = window.PaintedFrame();
  for (const TPoint p : {Point(2, 80), Point(397, 80), Point(200, 137), Point(1, 1)})
    EXPECT_EQ(dc->Pixel(p.X, p.Y), FramePixel(Data(), p.X, p.Y)) << p.X << "," << p.Y;
  EXPECT_EQ(dc->Pixel(200, 80), RGBColor(1, 2, 3));  // the client area is not the frame's
  // Close, maximize, minimize and roll-up run leftwards from the buttons rectangle's end,
  // 2 pixels apart; the system-menu button starts the caption.
  EXPECT_EQ(FrameObject(window.Frame(), "closebutton")->ObjectRect, Rect(364, 3, 392, 24));
  EXPECT_EQ(FrameObject(window.Frame(), "maximizebutton")->ObjectRect, Rect(334, 3, 362, 24));
  EXPECT_EQ(FrameObject(window.Frame(), "rollupbutton")->ObjectRect, Rect(274, 3, 302, 24));
  EXPECT_EQ(FrameObject(window.Frame(), "sysmenubutton")->ObjectRect, Rect(8, 3, 30, 24));
  EXPECT_EQ(FrameObject(window.Frame(), "caption")->ObjectRect, Rect(30, 3, 232, 24));
  EXPECT_FALSE(FrameObject(window.Frame(), "traybutton")->Visible);  // no biMinimizeToTray
  for (const char* button : {"closebutton", "maximizebutton", "minimizebutton", "rollupbutton", "sysmenubutton"})
    EXPECT_EQ(dc->Pixel(Centre(FrameObject(window.Frame(), button)->ObjectRect).X, 5), SkinLook(button)) << button;
  // The active caption's own picture, resized to its place.
  const TRect active = ObjectEntry(Data(), "caption").ActiveSkinRect;
  EXPECT_EQ(dc->Pixel(225, 5), ObjectColour(Data(), "caption", active));
}

TEST_F(FrameTestSkinPaint, TheClientBackgroundTilesTheFramePicturesClientPartFromTheClientsCorner) {
  // Without a background picture the client part of the frame picture is the tile.
  const TRect cell = Data().ClRect;
  ASSERT_GT(cell.Width(), 0);
  window.Form()->SetBounds(100, 100, 400 + 2 * cell.Width(), 140 + 2 * cell.Height());
  const int width = window.Form()->ClientWidth(), height = window.Form()->ClientHeight();
  ASSERT_GT(width, 2 * cell.Width());
  TPixelDC dc(width, height);
  dc.Fill(RGBColor(1, 2, 3));
  SendMessageA(window.Form()->Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.DC()), 0);
  for (const TPoint p : {Point(0, 0), Point(cell.Width() - 1, cell.Height() - 1), Point(cell.Width(), 1),
                         Point(2 * cell.Width() + 3, cell.Height() + 2), Point(width - 1, height - 1)})
    EXPECT_EQ(dc.Pixel(p.X, p.Y),
              FramePixel(Data(), cell.Left + p.X % cell.Width(), cell.Top + p.Y % cell.Height()))
        << p.X << "," << p.Y;
}

TEST_F(FrameTestSkinPaint, CaptionButtonsShowTheirHotPressedAndRestoreLooks) {
  TspActiveSkinObject* minimize = FrameObject(window.Frame(), "minimizebutton");
  const TPoint at = Centre(minimize->ObjectRect);
  window.Frame()->TestActive(at.X, at.Y, true);
  EXPECT_EQ(PixelAt(window, at), ButtonLook("minimizebutton", &TspDataSkinStdButton::ActiveSkinRect));
  SendMessageA(window.Form()->Handle(), WM_NCLBUTTONDOWN, HTOBJECT, PointToLParam(window.ScreenPoint(at)));
  EXPECT_EQ(PixelAt(window, at), ButtonLook("minimizebutton", &TspDataSkinStdButton::DownRect));
  // Released away from the button: the window stays as it is.
  window.Frame()->TestActive(-1, -1, true);
  EXPECT_EQ(PixelAt(window, at), SkinLook("minimizebutton"));
  SendMessageA(window.Form()->Handle(), WM_LBUTTONUP, 0, 0);
  EXPECT_EQ(window.Frame()->WindowState(), TspWindowState::Normal);

  window.Frame()->SetWindowState(TspWindowState::Maximized);
  const TPoint maximize = Centre(FrameObject(window.Frame(), "maximizebutton")->ObjectRect);
  EXPECT_EQ(PixelAt(window, maximize), ButtonLook("maximizebutton", &TspDataSkinStdButton::RestoreRect));
}

TEST_F(FrameTestSkinPaint, AnInactiveWindowShowsItsInactiveLooksInvertedEvenUnderTheMouse) {
  TspActiveSkinObject* close = FrameObject(window.Frame(), "closebutton");
  const TPoint at = Centre(close->ObjectRect);
  window.Frame()->TestActive(at.X, at.Y, true);
  window.SetActive(false);
  ASSERT_FALSE(window.Frame()->IsFormActive());
  const auto dc = window.PaintedFrame();
  EXPECT_EQ(dc->Pixel(at.X, at.Y), Inverted(ButtonLook("closebutton", &TspDataSkinStdButton::InActiveSkinRect)));
  EXPECT_EQ(dc->Pixel(2, 80), Inverted(Data().InActivePicture.Pixel(2, 80)));
  // The caption of an inactive window is the inactive picture's, with the effect.
  EXPECT_EQ(dc->Pixel(225, 5), Inverted(Data().InActivePicture.Pixel(225, 5)));
}

TEST_F(FrameTestSkinPaint, AWiderWindowStretchesTheCaptionRowAndMovesTheButtons) {
  window.Form()->SetBounds(100, 100, 600, 200);
  PumpFor(10);
  const auto dc = window.PaintedFrame();
  EXPECT_EQ(FrameObject(window.Frame(), "closebutton")->ObjectRect, Rect(564, 3, 592, 24));
  EXPECT_EQ(dc->Pixel(578, 5), SkinLook("closebutton"));
  EXPECT_EQ(dc->Pixel(597, 120), FramePixel(Data(), 397, 80));  // the right band, moved
  EXPECT_EQ(dc->Pixel(2, 195), FramePixel(Data(), 2, 135));     // the bottom band, moved down
  EXPECT_EQ(window.Form()->ClientWidth(), 600 - 12);            // 6-pixel sides
  EXPECT_EQ(window.Form()->ClientHeight(), 200 - 50 - 32);      // caption rows and foot
}

TEST(FrameEffects, ButtonsMorphInFifthsAndTheCaptionAnimatesOnActivationOnlyWithEffects) {
  TFrameWindow window{{100, 100, 500, 240}};
  window.Load("flatframe");
  window.Show();
  TspDynamicSkinForm* frame = window.Frame();
  const TspSkinData& data = *window.Data();
  const auto tick = [](TTimer* Timer) { SendMessageA(Timer->Handle(), WM_TIMER, 1, 0); };
  const auto& closeEntry = dynamic_cast<const TspDataSkinStdButton&>(ObjectEntry(data, "closebutton"));
  const TColor normal = ObjectColour(data, "closebutton", closeEntry.SkinRect);
  const TColor active = ObjectColour(data, "closebutton", closeEntry.ActiveSkinRect);
  const TPoint at = Centre(FrameObject(frame, "closebutton")->ObjectRect);
  frame->TestActive(at.X, at.Y, true);
  ASSERT_TRUE(frame->MorphTimer()->Enabled());
  for (int step = 1; step <= 4; ++step) tick(frame->MorphTimer());
  const TColor blended = PixelAt(window, at);
  EXPECT_TRUE(blended != normal && blended != active);
  tick(frame->MorphTimer());
  EXPECT_EQ(PixelAt(window, at), active);
  tick(frame->MorphTimer());
  EXPECT_FALSE(frame->MorphTimer()->Enabled());  // nothing left to morph

  // Activation plays the caption's frames, then its active look shows.
  const TspDataSkinCaption& caption = dynamic_cast<const TspDataSkinCaption&>(ObjectEntry(data, "caption"));
  const TRect strip = caption.AnimateSkinRect;
  const TRect first = Rect(strip.Left, strip.Top, strip.Right, strip.Top + strip.Height() / 3);
  window.SetActive(false);
  window.SetActive(true);
  ASSERT_TRUE(frame->AnimationTimer()->Enabled());
  EXPECT_EQ(PixelAt(window, {225, 5}), ObjectColour(data, "caption", first));
  for (int i = 0; i < 20 && frame->AnimationTimer()->Enabled(); ++i) tick(frame->AnimationTimer());
  EXPECT_FALSE(frame->AnimationTimer()->Enabled());
  EXPECT_EQ(PixelAt(window, {225, 5}), ObjectColour(data, "caption", caption.ActiveSkinRect));

  // Without skin effects a look changes at once.
  window.Data()->SetEnableSkinEffects(false);
  frame->TestActive(at.X, at.Y, true);
  EXPECT_EQ(PixelAt(window, at), active);
  tick(frame->MorphTimer());  // whatever still ran stops
  EXPECT_FALSE(frame->MorphTimer()->Enabled());
  frame->TestActive(-1, -1, true);
  EXPECT_FALSE(frame->MorphTimer()->Enabled());
  EXPECT_EQ(PixelAt(window, at), normal);
  window.SetActive(false);
  window.SetActive(true);
  EXPECT_FALSE(frame->AnimationTimer()->Enabled());
}

// Counts the WM_NCPAINT messages the window is sent while the counter lives.
class TFramePaintCounter {
public:
  explicit TFramePaintCounter(HWND Window) {
    FWindow = Window;
    FCount = 0;
    FHook = SetWindowsHookExA(WH_CALLWNDPROC, Count, nullptr, GetCurrentThreadId());
  }
  ~TFramePaintCounter() { UnhookWindowsHookEx(FHook); }
  int Painted() const { return FCount; }

private:
  static LRESULT CALLBACK Count(int Code, WPARAM WParam, LPARAM LParam) {
    const auto* message = reinterpret_cast<const CWPSTRUCT*>(LParam);
    if (Code == HC_ACTION && message->hwnd == FWindow && message->message == WM_NCPAINT) ++FCount;
    return CallNextHookEx(nullptr, Code, WParam, LParam);
  }
  static inline HWND FWindow = nullptr;
  static inline int FCount = 0;
  HHOOK FHook;
};

TEST(FramePaint, AWindowShowingPaintsItsFrameOnceThoughActivatedOnTheWay) {
  TFrameWindow window({100, 100, 500, 240});
  window.Load("flatframe");
  window.Data()->SetEnableSkinEffects(false);
  window.Form()->HandleNeeded();
  {
    TFramePaintCounter counter(window.Form()->Handle());
    window.Show();
    EXPECT_EQ(counter.Painted(), 1);  // the system's, after the activation
  }
  // What reached the screen is the active caption.
  const TPoint caption = window.ScreenPoint({225, 5});
  HDC screen = GetDC(nullptr);
  const COLORREF shown = GetPixel(screen, caption.X, caption.Y);
  ReleaseDC(nullptr, screen);
  const TspSkinData& data = *window.Data();
  EXPECT_EQ(static_cast<TColor>(shown), ObjectColour(data, "caption", ObjectEntry(data, "caption").ActiveSkinRect));
  // Once painted, an activation repaints the frame at once.
  TFramePaintCounter counter(window.Form()->Handle());
  window.SetActive(false);
  EXPECT_GE(counter.Painted(), 1);
}

TEST(FramePaint, WithoutASkinTheDefaultFrameIsDrawnInTheSystemsColours) {
  TFrameWindow window{{100, 100, 400, 300}};
  window.Show();
  auto dc = window.PaintedFrame();
  EXPECT_EQ(dc->Pixel(0, 0), SysColor(cl3DLight));
  EXPECT_EQ(dc->Pixel(299, 199), SysColor(cl3DDkShadow));
  EXPECT_EQ(dc->Pixel(1, 1), SysColor(clBtnHighlight));
  EXPECT_EQ(dc->Pixel(298, 198), SysColor(clBtnShadow));
  EXPECT_EQ(dc->Pixel(2, 100), SysColor(clBtnFace));
  // The striped caption between the system-menu button and the four caption buttons.
  EXPECT_EQ(dc->Pixel(30, 5), SysColor(clBtnHighlight));
  EXPECT_EQ(dc->Pixel(30, 6), SysColor(clBtnShadow));
  EXPECT_EQ(dc->Pixel(30, 25), RGBColor(1, 2, 3));  // the client area is left alone
  EXPECT_EQ(window.Form()->ClientWidth(), 294);
  EXPECT_EQ(window.Form()->ClientHeight(), 200 - 25);

  // Buttons are 17 pixels square, their top at 4, leftwards from 297.
  EXPECT_EQ(FrameObject(window.Frame(), "closebutton")->ObjectRect, Rect(280, 4, 297, 21));
  EXPECT_EQ(FrameObject(window.Frame(), "rollupbutton")->ObjectRect, Rect(229, 4, 246, 21));
  EXPECT_EQ(FrameObject(window.Frame(), "sysmenubutton")->ObjectRect, Rect(3, 4, 20, 21));
  EXPECT_EQ(dc->Pixel(281, 5), SysColor(clBtnFace));
  window.Frame()->TestActive(288, 12, true);
  dc = window.PaintedFrame();
  EXPECT_EQ(dc->Pixel(280, 4), RGBColor(0, 0, 128));
  EXPECT_EQ(dc->Pixel(281, 5), RGBColor(182, 189, 210));
}

// The icons handed to DestroyIcon while a TDestroyedIcons lives.
std::vector<HICON> DestroyedIcons;
const auto SystemDestroyIcon = SystemFunction<decltype(&DestroyIcon)>("user32.dll", "DestroyIcon");

BOOL WINAPI RecordedDestroyIcon(HICON Icon) {
  DestroyedIcons.push_back(Icon);
  return SystemDestroyIcon(Icon);
}

struct TDestroyedIcons {
  TDestroyedIcons() { DestroyedIcons.clear(); }
  TImportPatch Patch{reinterpret_cast<void*>(SystemDestroyIcon), reinterpret_cast<void*>(&RecordedDestroyIcon)};
};

TEST(FramePaint, TheSystemsSharedApplicationIconShownForAWindowWithoutOneIsNeverDestroyed) {
  ASSERT_TRUE(Application->Icon()->Empty());
  const HICON shared = LoadIconA(nullptr, IDI_APPLICATION);
  {
    const TDestroyedIcons destroyed;
    TFrameWindow window{{100, 100, 400, 300}};
    TBitmap image;
    image.SetSize(32, 32);
    window.Frame()->DrawFormIcon(image.Canvas(), 0, 0);
  }
  // The window drew a copy of its own, which went with it.
  EXPECT_EQ(DestroyedIcons.size(), 1U);
  EXPECT_EQ(std::count(DestroyedIcons.begin(), DestroyedIcons.end(), shared), 0);
}

TEST(FrameRegion, MasksCutTheCornersAndASkinWithoutOneLeavesTheRectangle) {
  for (const std::string skin : {"flatcolour", "sparse"}) {
    TFrameWindow window{{100, 100, 300, 250}};
    window.Load(skin);
    window.Show();
    TGdiObject<HRGN> region(CreateRectRgn(0, 0, 0, 0));
    const bool has = GetWindowRgn(window.Form()->Handle(), region.get()) != ERROR;
    const bool corner = has && PtInRegion(region.get(), 0, 0);
    const bool farCorner = has && PtInRegion(region.get(), 199, 149);
    EXPECT_TRUE(!has || PtInRegion(region.get(), 100, 75)) << skin;
    EXPECT_EQ(corner, skin == "sparse") << skin;
    EXPECT_EQ(farCorner, skin == "sparse") << skin;
    if (skin == "flatcolour") {
      EXPECT_TRUE(PtInRegion(region.get(), 2, 2));
    }
  }
}

TEST(FrameRegion, AClientAreaFrameRollsUpToTheRollUpPictureAndMask) {
  TFrameWindow window{{100, 100, 600, 300}};
  window.Frame()->SetSupportNCArea(false);
  // Controls named after a skin area lie in it; a roll-up hides the visible ones.
  auto* inArea = AddChild<TspSkinPanel>(window.Form(), Rect(0, 0, 10, 10));
  inArea->SetAreaName("clientarea");
  auto* hidden = AddChild<TspSkinPanel>(window.Form(), Rect(0, 0, 10, 10));
  hidden->Hide();
  window.Load("flatframe");
  window.Data()->SetEnableSkinEffects(false);
  window.Show();
  const TspSkinData& data = *window.Data();
  EXPECT_GE(window.Form()->ClientWidth(), data.Picture.Width());  // the client follows the picture
  // The area grows with the window from the picture's 400 x 140.
  EXPECT_EQ(inArea->BoundsRect(), Rect(8, 48, window.Form()->Width() - 8, window.Form()->Height() - 34));
  window.Frame()->RollUp(true);
  EXPECT_FALSE(inArea->Visible());
  const int width = window.Form()->Width();
  EXPECT_EQ(window.Form()->Height(), data.RollUpPicture.Height());  // stretching: the width stays
  EXPECT_EQ(width, 500);

  TGdiObject<HRGN> region(CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(GetWindowRgn(window.Form()->Handle(), region.get()), ERROR);
  EXPECT_FALSE(PtInRegion(region.get(), 0, 0));
  EXPECT_FALSE(PtInRegion(region.get(), width - 1, 0));
  EXPECT_TRUE(PtInRegion(region.get(), width / 2, 14));

  TPixelDC dc(width, data.RollUpPicture.Height());
  SendMessageA(window.Form()->Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.DC()), 0);
  // Right of the roll-up points the picture keeps to the right end.
  EXPECT_EQ(dc.Pixel(width - 18, 13), data.RollUpPicture.Pixel(182, 13));
  EXPECT_EQ(dc.Pixel(width / 2, 13),
            ObjectColour(data, "rollupcaption", ObjectEntry(data, "rollupcaption").ActiveSkinRect));

  window.Frame()->RollUp(false);
  EXPECT_GE(window.Form()->Height(), data.Picture.Height());
  EXPECT_TRUE(inArea->Visible());
  EXPECT_FALSE(hidden->Visible());
}

}  // namespace
