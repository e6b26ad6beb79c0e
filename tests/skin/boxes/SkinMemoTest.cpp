// The skinned memo under Wine, without the keyboard: its frame strips and background in
// each state and mode with the flat-colour skin and without a skin, the formatting
// rectangle it gives the native control, and its external bars following the native
// scroll state both ways, the wheel scrolling one line.
#include "SkinControlTestKit.h"

#include "skin/boxes/SkinMemo.h"
#include "skin/controls/SkinControlMessages.h"
#include "skin/controls/SkinScrollBar.h"
#include "skin/data/SkinRects.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

constexpr TColor Background = RGBColor(1, 2, 3);
constexpr TColor MemoColor = RGBColor(90, 100, 110);

const TspDataSkinMemoControl& MemoEntry(const TspSkinData& Data) {
  return dynamic_cast<const TspDataSkinMemoControl&>(*Data.CtrlList.at(Data.GetControlIndex("memo")));
}

std::string NumberedLines(int Count) {
  std::string text;
  for (int i = 1; i <= Count; ++i) text += (i > 1 ? "\r\n" : "") + std::string("Line ") + std::to_string(i);
  return text;
}

class SkinMemoTest : public ::testing::Test {
protected:
  SkinMemoTest() { ParkPointer(); }

  TspSkinMemo* Add(const std::string& Skin) {
    if (!Skin.empty()) Window.Load(Skin);
    auto* memo = Window.Add<TspSkinMemo>(Bounds(10, 10, 160, 90));
    memo->SetTabStop(false);  // no focus, which shows the hot look
    memo->SetBorderStyle(bsSingle);
    memo->SetSkinData(Window.Data());
    Window.Show();
    memo->SetColor(MemoColor);
    return memo;
  }
  // The memo as its background and frame are painted: corner, left edge and middle.
  static std::vector<TColor> Looks(TspSkinMemo* Memo) {
    TPixelDC dc(Memo->Width(), Memo->Height());
    dc.Fill(Background);
    EXPECT_EQ(Memo->Perform(SP_PAINT_TO_DC, reinterpret_cast<WPARAM>(dc.DC()), 0), SP_PAINT_TO_DC_ANSWER);
    return {dc.Pixel(0, 0), dc.Pixel(0, Memo->Height() / 2), dc.Pixel(Memo->Width() / 2, Memo->Height() / 2)};
  }
  TColor Colour(const TRect& R) const { return EntryColour(*Window.Data(), "memo", R); }
  static int FirstVisibleLine(TspSkinMemo* Memo) {
    return static_cast<int>(SendMessageA(Memo->Handle(), EM_GETFIRSTVISIBLELINE, 0, 0));
  }
  static void Wheel(TspSkinMemo* Memo, int Delta) {
    SendMessageA(Memo->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<uint16_t>(Delta)),
                 PointToLParam(Memo->ClientToScreen({5, 5})));
  }

  TSkinTestWindow Window;
};

TEST_F(SkinMemoTest, FrameStripsAndTheClientPictureShowTheStateFromTheFlatColourSkin) {
  TspSkinMemo* memo = Add("flatcolour");
  const TspDataSkinMemoControl& entry = MemoEntry(*Window.Data());
  const TColor normal = Colour(entry.SkinRect), hot = Colour(entry.ActiveSkinRect),
               disabled = Colour(entry.DisabledSkinRect);
  EXPECT_EQ(Looks(memo), std::vector<TColor>(3, normal));
  memo->Perform(CM_MOUSEENTER);
  EXPECT_EQ(Looks(memo), std::vector<TColor>(3, hot));
  memo->Perform(CM_MOUSELEAVE);
  memo->SetEnabled(false);
  EXPECT_EQ(Looks(memo), std::vector<TColor>(3, disabled));
  memo->SetEnabled(true);
  // Without the picture background the frame surrounds the memo's own colour.
  memo->SetBitMapBG(false);
  memo->ChangeSkinData();
  EXPECT_EQ(memo->Color(), entry.BGColor);
  memo->SetColor(MemoColor);
  EXPECT_EQ(Looks(memo), (std::vector<TColor>{normal, normal, MemoColor}));
  memo->Perform(CM_MOUSEENTER);  // takes the hot background colour
  EXPECT_EQ(Looks(memo), (std::vector<TColor>{hot, hot, entry.ActiveBGColor}));
}

TEST_F(SkinMemoTest, TransparentItShowsTheParentAndWithoutABorderNoFrame) {
  TspSkinMemo* memo = Add("flatcolour");
  const TColor normal = Colour(MemoEntry(*Window.Data()).SkinRect);
  const TColor parent = Window.Form()->Color();
  memo->SetTransparent(true);
  memo->SetAlphaBlendValue(255);
  EXPECT_EQ(Looks(memo), (std::vector<TColor>{normal, normal, parent}));
  memo->SetBorderStyle(bsNone);
  EXPECT_EQ(Looks(memo), (std::vector<TColor>{parent, parent, parent}));
  memo->SetAlphaBlendValue(0);
  EXPECT_EQ(Looks(memo), std::vector<TColor>(3, normal));  // the skin's picture alone
}

TEST_F(SkinMemoTest, WithoutASkinTheMemosColourInTheDefaultFrame) {
  TspSkinMemo* memo = Add("");
  EXPECT_EQ(Looks(memo), (std::vector<TColor>{SysColor(clBtnShadow), SysColor(clBtnShadow), MemoColor}));
  TPixelDC dc(memo->Width(), memo->Height());
  memo->Perform(SP_PAINT_TO_DC, reinterpret_cast<WPARAM>(dc.DC()), 0);
  EXPECT_EQ(dc.Pixel(1, 1), SysColor(clBtnFace));
}

TEST_F(SkinMemoTest, TheTextIsFormattedInsideTheFrame) {
  TspSkinMemo* memo = Add("flatcolour");
  EXPECT_EQ(memo->ClientRect(), Rect(0, 0, 160, 90));  // no non-client area
  const TspMemoSkin skin = MemoSkinOf(MemoEntry(*Window.Data()));
  auto formatted = [&] {
    RECT r{};
    SendMessageA(memo->Handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&r));
    return FromRECT(r);
  };
  TRect expected = MemoFormattingRect(memo->ClientRect(), &skin, true);
  EXPECT_EQ(memo->FormattingRect(), expected);
  // The control keeps its margins inside it and lowers the bottom to whole lines.
  TRect kept = formatted();
  EXPECT_EQ(kept.Top, expected.Top);
  EXPECT_TRUE(kept.Left >= expected.Left && kept.Right <= expected.Right && kept.Bottom <= expected.Bottom);
  memo->SetBounds(10, 10, 200, 120);  // a new size: a new rectangle
  expected = MemoFormattingRect(memo->ClientRect(), &skin, true);
  EXPECT_EQ(memo->FormattingRect(), expected);
  kept = formatted();
  EXPECT_EQ(kept.Top, expected.Top);
  EXPECT_TRUE(kept.Right <= expected.Right && kept.Right > expected.Right - 10);
}

TEST_F(SkinMemoTest, TheExternalBarsFollowTheNativeScrollStateAndScrollTheMemo) {
  TspSkinMemo* memo = Add("flatcolour");
  auto* bar = Window.Add<TspSkinScrollBar>(Bounds(170, 10, 16, 90));
  bar->SetKind(sbVertical);
  auto* across = Window.Add<TspSkinScrollBar>(Bounds(10, 100, 160, 16));
  memo->SetVScrollBar(bar);
  memo->SetHScrollBar(across);
  memo->SetText("One line");
  EXPECT_FALSE(bar->Enabled());  // everything fits
  EXPECT_EQ(bar->Max(), 0);
  EXPECT_FALSE(across->Enabled());

  memo->SetText(NumberedLines(50));
  ASSERT_TRUE(bar->Enabled());
  EXPECT_EQ(bar->Max(), 49);
  const int page = bar->PageSize();
  EXPECT_GT(page, 1);
  EXPECT_LT(page, 50);
  bar->SetPosition(10);  // the bar scrolls the memo
  EXPECT_EQ(FirstVisibleLine(memo), 10);
  Wheel(memo, -WHEEL_DELTA);  // one line down per turn, and the bar follows
  EXPECT_EQ(FirstVisibleLine(memo), 11);
  EXPECT_EQ(bar->Position(), 11);
  Wheel(memo, WHEEL_DELTA);
  Wheel(memo, WHEEL_DELTA);
  EXPECT_EQ(FirstVisibleLine(memo), 9);
  EXPECT_EQ(bar->Position(), 9);
  SendMessageA(memo->Handle(), WM_VSCROLL, SB_BOTTOM, 0);
  EXPECT_EQ(bar->Position(), 50 - page);
  memo->SetEnabled(false);
  EXPECT_FALSE(bar->Enabled());
}

TEST_F(SkinMemoTest, ABarThatGoesIsForgottenAndAMemoThatGoesNoLongerScrolledByItsBar) {
  TspSkinMemo* memo = Add("");
  auto* bar = Window.Add<TspSkinScrollBar>(Bounds(170, 10, 16, 90));
  bar->SetKind(sbVertical);
  memo->SetVScrollBar(bar);
  bar->Free();
  EXPECT_EQ(memo->VScrollBar(), nullptr);
  memo->SetText(NumberedLines(50));  // no bar to update
  auto* next = Window.Add<TspSkinScrollBar>(Bounds(170, 10, 16, 90));
  next->SetKind(sbVertical);
  memo->SetVScrollBar(next);
  memo->Free();
  next->SetRange(0, 10, 2, 0);
  next->SetPosition(5);  // calls nothing of the memo
  EXPECT_EQ(next->Position(), 5);
}

}  // namespace
