// The frame's smaller options under Wine: the form's cursor over the frame
// (UseFormCursorInNCArea) and the skin's cursors (UseSkinCursors), the logo and the
// caption painted by the application on the default frame, the client rectangle a
// client-area frame leaves (OnChangeClientRect), a skin data component that goes, and
// object handlers that rebuild the frame's objects.
#include "FrameTestKit.h"

#include "classlib/Screen.h"
#include "classlib/Timer.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// Where the tests say the pointer is.
TPoint Pointer;
TPoint PointerAt() { return Pointer; }

LRESULT SetCursorOn(TFrameWindow& Window, WORD Hit) {
  HWND window = Window.Form()->Handle();
  return SendMessageA(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window), MAKELPARAM(Hit, WM_MOUSEMOVE));
}

TEST(FrameOptions, TheFormsCursorShowsOverTheFrameButNotOverItsSizingBorders) {
  TFrameWindow window;
  window.Show();
  Pointer = window.ScreenPoint({50, 10});
  TSeamOverride<TPoint()> pointer{Seams::CursorPos, PointerAt};
  window.Form()->SetCursor(crHandPoint);
  const HCURSOR hand = Screen->Cursors(crHandPoint);
  SetCursorOn(window, HTCAPTION);
  EXPECT_NE(GetCursor(), hand);  // the caption keeps the system's cursor by default
  window.Frame()->SetUseFormCursorInNCArea(true);
  SetCursorOn(window, HTCAPTION);
  EXPECT_EQ(GetCursor(), hand);
  SetCursorOn(window, HTOBJECT);
  EXPECT_EQ(GetCursor(), hand);
  SetCursorOn(window, HTLEFT);  // a sizing border keeps its sizing cursor
  EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_SIZEWE)));
}

TEST(FrameOptions, WithSkinCursorsTheFormTakesTheHotObjectsCursorElseTheSkins) {
  TFrameWindow window{{100, 100, 500, 240}};
  window.Frame()->SetSupportNCArea(false);
  window.Load("flatframe");
  window.Frame()->SetUseSkinCursors(true);
  window.Show();
  TspActiveSkinObject* caption = FrameObject(window.Frame(), "caption");
  ASSERT_NE(caption, nullptr);
  caption->CursorIndex = 2;
  window.Data()->CursorIndex = 4;
  const TPoint onCaption = Centre(caption->ObjectRect);
  Pointer = window.Form()->ClientToScreen(onCaption);
  TSeamOverride<TPoint()> pointer{Seams::CursorPos, PointerAt};
  TTimer* timer = window.Frame()->MouseTimer();
  timer->OnTimer(timer);
  EXPECT_EQ(window.Frame()->HotObject() >= 0 ? window.Frame()->Objects(window.Frame()->HotObject()) : nullptr,
            caption);
  EXPECT_EQ(window.Form()->Cursor(), TspSkinData::StartCursorIndex + 2);
  // Off the objects: the skin's own cursor; without one the default.
  Pointer = window.Form()->ClientToScreen({window.Form()->ClientWidth() / 2, window.Form()->ClientHeight() - 30});
  timer->OnTimer(timer);
  ASSERT_EQ(window.Frame()->HotObject(), -1);
  EXPECT_EQ(window.Form()->Cursor(), TspSkinData::StartCursorIndex + 4);
  window.Data()->CursorIndex = -1;
  timer->OnTimer(timer);
  EXPECT_EQ(window.Form()->Cursor(), crDefault);
}

TEST(FrameOptions, TheLogoSitsInTheClientsMiddleAndItsTransparentColourShowsTheFace) {
  TFrameWindow window{{100, 100, 400, 300}};
  window.Show();
  TBitmap logo(20, 10);
  logo.Canvas()->Brush()->SetColor(RGBColor(200, 0, 0));
  logo.Canvas()->FillRect({0, 0, 20, 10});
  logo.Canvas()->Brush()->SetColor(RGBColor(0, 200, 0));
  logo.Canvas()->FillRect({0, 5, 10, 10});  // the bottom-left quarter: the see-through colour
  window.Frame()->SetLogoBitMap(&logo);
  const int w = window.Form()->ClientWidth(), h = window.Form()->ClientHeight();
  const TPoint origin{w / 2 - 10, h / 2 - 5};
  const auto erased = [&] {
    auto dc = std::make_unique<TPixelDC>(w, h);
    SendMessageA(window.Form()->Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc->DC()), 0);
    return dc;
  };
  auto dc = erased();
  EXPECT_EQ(dc->Pixel(1, 1), SysColor(clBtnFace));
  EXPECT_EQ(dc->Pixel(origin.X + 15, origin.Y + 2), RGBColor(200, 0, 0));
  EXPECT_EQ(dc->Pixel(origin.X + 2, origin.Y + 8), RGBColor(0, 200, 0));
  EXPECT_EQ(dc->Pixel(origin.X - 1, origin.Y + 2), SysColor(clBtnFace));
  window.Frame()->SetLogoBitMapTransparent(true);
  dc = erased();
  EXPECT_EQ(dc->Pixel(origin.X + 2, origin.Y + 8), SysColor(clBtnFace));
  EXPECT_EQ(dc->Pixel(origin.X + 15, origin.Y + 2), RGBColor(200, 0, 0));
}

struct TCaptionPainter {
  void Paint(TCanvas* Canvas, TRect R, bool Active) {
    Rects.push_back(R);
    States.push_back(Active);
    Canvas->Brush()->SetColor(Colour);
    Canvas->FillRect(R);
  }
  static constexpr TColor Colour = RGBColor(10, 120, 230);
  std::vector<TRect> Rects;
  std::vector<bool> States;
};

TEST(FrameOptions, OnCaptionPaintDrawsTheDefaultCaptionInsteadOfItsTitle) {
  TFrameWindow window{{100, 100, 400, 300}};
  TCaptionPainter painter;
  window.Frame()->OnCaptionPaint = Event(&painter, &TCaptionPainter::Paint);
  window.Show();
  window.Frame()->SetForceActive(true);
  const auto dc = window.PaintedFrame();
  ASSERT_FALSE(painter.Rects.empty());
  const TRect r = painter.Rects.back();
  EXPECT_TRUE(painter.States.back());
  // In the caption bitmap's coordinates: the caption strip between the caption buttons.
  EXPECT_EQ(r.Top, 0);
  EXPECT_EQ(r.Bottom, 19 - 3);
  const TPoint middle{(r.Left + r.Right) / 2 + 3, (r.Top + r.Bottom) / 2 + 3};
  EXPECT_EQ(dc->Pixel(middle.X, middle.Y), TCaptionPainter::Colour);
  window.Frame()->SetForceActive(false);
  window.SetActive(false);
  window.PaintedFrame();
  EXPECT_FALSE(painter.States.back());
}

TEST(FrameOptions, AClientAreaFrameReportsTheClientRectangleItLeavesAtEachSize) {
  TFrameWindow window{{100, 100, 500, 240}};
  window.Frame()->SetSupportNCArea(false);
  std::vector<TRect> reported;
  window.Frame()->OnChangeClientRect = [&](TRect& R) { reported.push_back(R); };
  window.Load("flatframe");
  window.Show();
  ASSERT_FALSE(reported.empty());
  const TRect skinClient = window.Data()->ClRect;
  EXPECT_EQ(reported.back().TopLeft(), skinClient.TopLeft());
  const TRect before = reported.back();
  window.Form()->SetBounds(100, 100, window.Form()->Width() + 40, window.Form()->Height() + 20);
  EXPECT_EQ(reported.back(), Rect(before.Left, before.Top, before.Right + 40, before.Bottom + 20));
}

TEST(FrameOptions, RemovingTheSkinDataComponentLeavesTheDefaultFrame) {
  TFrameWindow window{{100, 100, 500, 240}};
  window.Load("flatframe");
  window.Show();
  ASSERT_TRUE(window.Frame()->SkinInUse());
  window.Data()->Free();
  EXPECT_EQ(window.Frame()->SkinData(), nullptr);
  EXPECT_FALSE(window.Frame()->SkinInUse());
  // The default frame paints; its caption buttons come back.
  const auto dc = window.PaintedFrame();
  EXPECT_EQ(dc->Pixel(0, window.Form()->Height() / 2), SysColor(cl3DLight));
  EXPECT_NE(window.Frame()->StdButtonObject(cmclose), nullptr);
}

// Counts the objects' mouse events by name.
struct TEnterLog {
  void Enter(const std::string& IDName) { ++Entered[IDName]; }
  std::map<std::string, int> Entered;
};

TEST(FrameOptions, AHandlerThatRebuildsTheObjectsSendsNoEventToTheNewOnes) {
  TFrameWindow window{{100, 100, 500, 240}};
  window.Load("flatframe");
  window.Data()->SetEnableSkinEffects(false);
  window.Show();
  TspDynamicSkinForm* frame = window.Frame();
  frame->SetForceActive(true);
  TEnterLog log;
  frame->OnMouseEnterEvent = Event(&log, &TEnterLog::Enter);
  const TPoint onClose = Centre(frame->StdButtonObject(cmclose)->ObjectRect);
  const TPoint onMinimize = Centre(frame->StdButtonObject(cmminimize)->ObjectRect);
  frame->TestActive(onClose.X, onClose.Y, true);
  // Leaving the close button rebuilds the objects, and the mouse is tested again meanwhile
  // (as a handler that pumps messages would see it): the minimize button is entered once.
  bool rebuilt = false;
  frame->OnMouseLeaveEvent = [&](const std::string&) {
    if (rebuilt) return;
    rebuilt = true;
    frame->UpdateSkin();
    frame->TestActive(onMinimize.X, onMinimize.Y, true);
  };
  frame->TestActive(onMinimize.X, onMinimize.Y, true);
  EXPECT_EQ(log.Entered["minimizebutton"], 1);
  EXPECT_EQ(log.Entered["closebutton"], 1);
  EXPECT_EQ(frame->Objects(frame->HotObject()), frame->StdButtonObject(cmminimize));
}

}  // namespace
