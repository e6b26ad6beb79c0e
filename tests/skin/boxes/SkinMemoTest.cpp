// The skinned memo under Wine, without the keyboard: its frame strips and background in
// each state and mode with the flat-colour skin and without a skin, the formatting
// rectangle it gives the native control, and its external bars following the native
// scroll state both ways, the wheel scrolling one line.
#include "SkinControlTestKit.h"

#include "skin/boxes/SkinMemo.h"
#include "skin/controls/SkinControlMessages.h"
#include "skin/controls/SkinScrollBar.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using TColors = std::vector<TColor>;
constexpr TColor MemoColor = RGBColor(90, 100, 110);

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
  const TspDataSkinMemoControl& Entry() const {
    return dynamic_cast<const TspDataSkinMemoControl&>(
        *Window.Data()->CtrlList.at(Window.Data()->GetControlIndex("memo")));
  }
  TColor Colour(const TRect& R) const { return EntryColour(*Window.Data(), "memo", R); }
  // Background and frame as painted: the corner, the left edge and the middle.
  static TColors Looks(TspSkinMemo* Memo) {
    TPixelDC dc(Memo->Width(), Memo->Height());
    EXPECT_EQ(Memo->Perform(SP_PAINT_TO_DC, reinterpret_cast<WPARAM>(dc.DC()), 0), SP_PAINT_TO_DC_ANSWER);
    return {dc.Pixel(0, 0), dc.Pixel(0, Memo->Height() / 2), dc.Pixel(Memo->Width() / 2, Memo->Height() / 2)};
  }
  static int FirstLine(TspSkinMemo* Memo) {
    return static_cast<int>(SendMessageA(Memo->Handle(), EM_GETFIRSTVISIBLELINE, 0, 0));
  }

  TSkinTestWindow Window;
};

TEST_F(SkinMemoTest, FrameStripsAndBackgroundShowTheStateAndModeFromTheFlatColourSkin) {
  TspSkinMemo* memo = Add("flatcolour");
  const TColor normal = Colour(Entry().SkinRect), hot = Colour(Entry().ActiveSkinRect);
  EXPECT_EQ(Looks(memo), TColors(3, normal));
  memo->Perform(CM_MOUSEENTER);
  EXPECT_EQ(Looks(memo), TColors(3, hot));
  memo->Perform(CM_MOUSELEAVE);
  memo->SetEnabled(false);
  EXPECT_EQ(Looks(memo), TColors(3, Colour(Entry().DisabledSkinRect)));
  memo->SetEnabled(true);
  // Without the picture background the frame surrounds the memo's own colour.
  memo->SetBitMapBG(false);
  memo->ChangeSkinData();
  EXPECT_EQ(memo->Color(), Entry().BGColor);
  memo->Perform(CM_MOUSEENTER);  // the hot background colour
  EXPECT_EQ(Looks(memo), (TColors{hot, hot, Entry().ActiveBGColor}));
  // Transparent: the parent shows through; without a border no frame is drawn.
  memo->SetBitMapBG(true);
  memo->Perform(CM_MOUSELEAVE);
  memo->SetTransparent(true);
  memo->SetAlphaBlendValue(255);
  const TColor parent = Window.Form()->Color();
  EXPECT_EQ(Looks(memo), (TColors{normal, normal, parent}));
  memo->SetBorderStyle(bsNone);
  EXPECT_EQ(Looks(memo), TColors(3, parent));
  // Below 255 the value weighs the memo's picture as it does an edit's: 51 is one fifth.
  memo->SetAlphaBlendValue(51);
  const TColor blended = Looks(memo)[0];
  for (int shift : {0, 8, 16}) {
    const auto channel = [shift](TColor C) { return static_cast<int>(C >> shift & 0xFF); };
    EXPECT_NEAR(channel(blended), (channel(normal) + 4 * channel(parent)) / 5, 1) << shift;
  }
}

// Forms make memos disabled and enable them later: such a memo then paints exactly as one
// that was always enabled, its text not in the disabled grey.
TEST_F(SkinMemoTest, AMemoEnabledAfterItTookItsSkinPaintsItsTextAsAnEnabledOne) {
  TspSkinMemo* always = Add("flatcolour");
  auto* late = Window.Add<TspSkinMemo>(Bounds(10, 110, 160, 90));
  late->SetTabStop(false);
  late->SetBorderStyle(bsSingle);
  late->SetEnabled(false);
  late->SetSkinData(Window.Data());
  late->SetColor(MemoColor);
  for (TspSkinMemo* memo : {always, late}) memo->SetText("Some words\r\nWWW on two lines");
  late->SetEnabled(true);
  EXPECT_EQ(late->Font()->Color(), Entry().FontColor);
  // The whole client as the control paints it: background, frame and text.
  const auto painted = [](TspSkinMemo* memo) {
    auto dc = std::make_unique<TPixelDC>(memo->Width(), memo->Height());
    memo->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc->DC()), 0);
    return dc;
  };
  const auto expected = painted(always), shown = painted(late);
  const TColor background = Colour(Entry().SkinRect);
  int text = 0, differing = 0;
  for (int y = 0; y < always->Height(); ++y)
    for (int x = 0; x < always->Width(); ++x) {
      text += expected->Pixel(x, y) != background;
      differing += shown->Pixel(x, y) != expected->Pixel(x, y);
    }
  EXPECT_GT(text, 0);  // the text was painted
  EXPECT_EQ(differing, 0);
}

TEST_F(SkinMemoTest, WithoutASkinTheMemosColourInTheDefaultFrameAndTheTextInsideIt) {
  TspSkinMemo* memo = Add("");
  EXPECT_EQ(Looks(memo), (TColors{SysColor(clBtnShadow), SysColor(clBtnShadow), MemoColor}));
  EXPECT_EQ(memo->ClientRect(), Rect(0, 0, 160, 90));  // no non-client area
  RECT kept{};
  SendMessageA(memo->Handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&kept));
  EXPECT_EQ(memo->FormattingRect(), MemoFormattingRect(memo->ClientRect(), nullptr, true));
  EXPECT_EQ(kept.top, memo->FormattingRect().Top);  // the control keeps its own margins inside
  memo->SetBounds(10, 10, 200, 120);  // a new size: a new rectangle
  EXPECT_EQ(memo->FormattingRect().Right, 200 - 4);
}

TEST_F(SkinMemoTest, TheExternalBarsFollowTheNativeScrollStateAndScrollTheMemo) {
  TspSkinMemo* memo = Add("flatcolour");
  auto* bar = Window.Add<TspSkinScrollBar>(Bounds(170, 10, 16, 90));
  bar->SetKind(sbVertical);
  auto* across = Window.Add<TspSkinScrollBar>(Bounds(10, 100, 160, 16));
  memo->SetVScrollBar(bar);
  memo->SetHScrollBar(across);
  memo->SetText("One line");
  EXPECT_FALSE(bar->Enabled() || across->Enabled());  // everything fits
  std::string text = "Line 1";
  for (int i = 2; i <= 50; ++i) text += "\r\nLine " + std::to_string(i);
  memo->SetText(text);
  ASSERT_TRUE(bar->Enabled());
  EXPECT_EQ(bar->Max(), 49);
  bar->SetPosition(10);  // the bar scrolls the memo
  EXPECT_EQ(FirstLine(memo), 10);
  for (int delta : {-WHEEL_DELTA, -WHEEL_DELTA, WHEEL_DELTA})  // a line a turn, the bar following
    SendMessageA(memo->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<uint16_t>(delta)), 0);
  EXPECT_EQ(FirstLine(memo), 11);
  EXPECT_EQ(bar->Position(), 11);
  memo->SetEnabled(false);
  EXPECT_FALSE(bar->Enabled());
  bar->Free();  // forgotten when it goes
  EXPECT_EQ(memo->VScrollBar(), nullptr);
  memo->Free();  // and a memo that goes no longer hears its bar
  across->SetRange(0, 10, 2, 0);
  across->SetPosition(5);
  EXPECT_EQ(across->Position(), 5);
}

}  // namespace
