// The skinned push button's pictures under Wine: each state from the flat-colour skin,
// the sparse skin's fall-backs, the default look without a skin, its glyphs, an entry
// drawn at any size, and the morph between the normal and the hot picture.
#include "SkinControlTestKit.h"

#include "skin/controls/SkinButton.h"
#include "skin/data/SkinButtonData.h"

#include "classlib/ImageList.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using TColors = std::vector<TColor>;

TspDataSkinButtonControl& ButtonEntry(TspSkinData& Data, const char* Name = "button") {
  return dynamic_cast<TspDataSkinButtonControl&>(*Data.CtrlList.at(static_cast<size_t>(Data.GetControlIndex(Name))));
}

class SkinButtonLook : public ::testing::Test {
protected:
  SkinButtonLook() {
    ParkPointer();  // only the test moves the pointer onto the button
    Button = Window.Add<TspSkinButton>({10, 10, 110, 40});
    Button->SetSkinData(Window.Data());
  }
  // The button's middle and a corner as painted now.
  TColors Middle() const {
    auto pixels = Painted(Button);
    return {pixels->Pixel(50, 15), pixels->Pixel(1, 1)};
  }
  TColor Colour(const TRect& R) const { return EntryColour(*Window.Data(), "button", R); }

  TSkinTestWindow Window;
  TspSkinButton* Button;
};

// Puts the button in each state the pointer, a press and the enabled state give.
void Hover(TspSkinButton* B) { B->Perform(CM_MOUSEENTER); }
void Press(TspSkinButton* B) {
  Hover(B);
  B->SetDown(true);
}
void Disable(TspSkinButton* B) { B->SetEnabled(false); }

TEST_F(SkinButtonLook, EachStateShowsItsPictureAndTheSparseSkinTheNormalOne) {
  for (const char* skin : {"flatcolour", "sparse"}) {
    Window.Load(skin);
    const TspDataSkinButtonControl& entry = ButtonEntry(*Window.Data());
    const bool sparse = std::string(skin) == "sparse";
    const TColor normal = Colour(entry.SkinRect);
    EXPECT_EQ(Middle(), TColors(2, normal)) << skin;
    Hover(Button);
    EXPECT_EQ(Middle(), TColors(2, sparse ? normal : Colour(entry.ActiveSkinRect))) << skin;
    Press(Button);
    EXPECT_EQ(Middle(), TColors(2, sparse ? normal : Colour(entry.DownSkinRect))) << skin;
    Button->SetDown(false);
    Disable(Button);
    EXPECT_EQ(Middle(), TColors(2, sparse ? normal : Colour(entry.DisabledSkinRect))) << skin;
    Button->SetEnabled(true);
  }
}

TEST_F(SkinButtonLook, AskedToEraseOutsideItsPaintItDrawsItselfIntoTheDC) {
  Window.Load("flatcolour");
  Button->SetCanFocused(false);  // its normal picture, whatever has the focus
  Window.Show();
  TPixelDC dc(100, 30);
  dc.Fill(RGBColor(1, 2, 3));
  SendMessageA(Button->Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.DC()), 0);
  EXPECT_EQ(dc.Pixel(50, 15), Colour(ButtonEntry(*Window.Data()).SkinRect));
}

// A button that counts its paints.
class TPaintCountingButton : public TspSkinButton {
public:
  using TspSkinButton::TspSkinButton;
  int Paints = 0;

protected:
  void Paint() override {
    ++Paints;
    TspSkinButton::Paint();
  }
};

// The system erasing the window ahead of the paint it owes (as when a window shows) leaves
// the drawing to that paint: the button is drawn once, not twice.
TEST_F(SkinButtonLook, TheSystemsEraseAheadOfAPaintLeavesTheDrawingToThePaint) {
  Window.Load("flatcolour");
  auto* counted = Window.Add<TPaintCountingButton>({10, 50, 110, 80});
  counted->SetSkinData(Window.Data());
  counted->SetCanFocused(false);
  Window.Show();
  counted->Update();
  counted->Paints = 0;
  RedrawWindow(counted->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ERASENOW);
  EXPECT_EQ(counted->Paints, 0);
  counted->Update();
  EXPECT_EQ(counted->Paints, 1);
  EXPECT_EQ(Painted(counted)->Pixel(50, 15), Colour(ButtonEntry(*Window.Data()).SkinRect));
}

TEST_F(SkinButtonLook, WithoutASkinItShowsTheDefaultLookInTheSystemColours) {
  const TColor face = SysColor(clBtnFace), shadow = SysColor(clBtnShadow), navy = RGBColor(0, 0, 128);
  const auto look = [&] {
    auto pixels = Painted(Button);
    return TColors{pixels->Pixel(0, 0), pixels->Pixel(50, 15)};
  };
  EXPECT_EQ(look(), (TColors{shadow, face}));
  Hover(Button);
  EXPECT_EQ(look(), (TColors{navy, RGBColor(182, 189, 210)}));
  Press(Button);
  EXPECT_EQ(look(), (TColors{navy, RGBColor(133, 147, 181)}));
  Button->SetDown(false);
  Disable(Button);  // no longer under the pointer
  EXPECT_EQ(look(), (TColors{shadow, face}));
  Window.Load("sparse");
  Button->SetSkinDataName("editbutton");  // an entry the sparse skin lacks
  EXPECT_EQ(look(), (TColors{shadow, face}));
}

TEST_F(SkinButtonLook, ItsGlyphShowsCentredAndTheDisabledGlyphWhenDisabled) {
  TBitmap strip(16, 8);  // two 8 x 8 glyphs; the bottom-left pixel is the see-through colour
  strip.Canvas()->Brush()->SetColor(clRed);
  strip.Canvas()->FillRect(TRect{0, 0, 8, 8});
  strip.Canvas()->Brush()->SetColor(clBlue);
  strip.Canvas()->FillRect(TRect{8, 0, 16, 8});
  strip.Canvas()->SetPixels(0, 7, clWhite);
  strip.Canvas()->SetPixels(8, 7, clWhite);
  Button->SetGlyph(&strip);
  Button->SetNumGlyphs(2);
  Window.Load("flatcolour");
  auto pixels = Painted(Button);
  EXPECT_EQ(pixels->Pixel(50, 15), clRed);  // the glyph's 8 x 8 cell starts at (46, 11)
  EXPECT_EQ(pixels->Pixel(46, 18), Colour(ButtonEntry(*Window.Data()).SkinRect));  // see-through
  Disable(Button);
  EXPECT_EQ(Painted(Button)->Pixel(50, 15), clBlue);
}

TEST_F(SkinButtonLook, WithoutTheSkinSizeAFixedEntryIsStretchedToTheButton) {
  Window.Load("flatcolour");
  Button->SetSkinDataName("buttondelete");  // 21 x 21, no corner points
  Button->SetBounds(10, 10, 80, 30);
  EXPECT_EQ(Button->Width(), 21);
  Button->SetUseSkinSize(false);
  Button->SetBounds(10, 10, 80, 30);
  EXPECT_EQ(Button->BoundsRect(), (TRect{10, 10, 90, 40}));
  const TColor face = EntryColour(*Window.Data(), "buttondelete", ButtonEntry(*Window.Data(), "buttondelete").SkinRect);
  auto pixels = Painted(Button);
  EXPECT_EQ((TColors{pixels->Pixel(0, 0), pixels->Pixel(79, 29)}), TColors(2, face));
}

TEST_F(SkinButtonLook, AMorphFadesToTheHotPictureInFifthsAndStopsWhenDisabled) {
  Button->SetCanFocused(false);  // only the pointer decides the look
  Window.Show();
  Window.Load("flatcolour");
  ButtonEntry(*Window.Data()).Morphing = true;
  Button->ChangeSkinData();
  const TColor normal = Colour(ButtonEntry(*Window.Data()).SkinRect);
  const TColor hot = Colour(ButtonEntry(*Window.Data()).ActiveSkinRect);
  Hover(Button);
  const auto tick = [&] { SendMessageA(Button->Handle(), WM_TIMER, TspSkinButton::MorphTimerId, 0); };
  tick();
  tick();
  EXPECT_DOUBLE_EQ(Button->MorphKf(), 0.4);
  const TColor between = Painted(Button)->Pixel(50, 15);
  EXPECT_NEAR(GetRValue(between), (3 * GetRValue(normal) + 2 * GetRValue(hot)) / 5.0, 1);
  EXPECT_NEAR(GetBValue(between), (3 * GetBValue(normal) + 2 * GetBValue(hot)) / 5.0, 1);
  for (int i = 0; i < 4; ++i) tick();
  EXPECT_EQ(Button->MorphKf(), 1);
  EXPECT_EQ(Painted(Button)->Pixel(50, 15), hot);
  Button->Perform(CM_MOUSELEAVE);
  tick();
  EXPECT_DOUBLE_EQ(Button->MorphKf(), 0.8);
  Disable(Button);
  EXPECT_EQ(Button->MorphKf(), 0);
  EXPECT_FALSE(Button->MouseIn());
  EXPECT_EQ(Painted(Button)->Pixel(50, 15), Colour(ButtonEntry(*Window.Data()).DisabledSkinRect));
}

TEST_F(SkinButtonLook, AFrameAnimationPlaysForwardUnderThePointerAndBackwardAfterIt) {
  Button->SetCanFocused(false);
  Window.Show();
  Window.Load("flatcolour");
  TspDataSkinButtonControl& entry = ButtonEntry(*Window.Data());
  // Two frames side by side: the pressed picture's place, then the focused one's.
  const int32_t step = entry.FocusedSkinRect.Left - entry.DownSkinRect.Left;
  entry.AnimateSkinRect = {entry.DownSkinRect.Left, entry.DownSkinRect.Top, entry.DownSkinRect.Left + 2 * step,
                           entry.DownSkinRect.Bottom};
  entry.FrameCount = 2;
  entry.AnimateInterval = 30;
  Button->ChangeSkinData();
  const TColor first = Colour(entry.DownSkinRect), second = Colour(entry.FocusedSkinRect);
  const auto tick = [&] { SendMessageA(Button->Handle(), WM_TIMER, TspSkinButton::AnimationTimerId, 0); };
  const auto shown = [&] { return Painted(Button)->Pixel(50, 15); };
  Hover(Button);
  EXPECT_EQ(shown(), first);
  tick();
  EXPECT_EQ(shown(), second);
  tick();  // past the last frame: the hot picture
  EXPECT_EQ(shown(), Colour(entry.ActiveSkinRect));
  Button->Perform(CM_MOUSELEAVE);  // backwards, in place of the normal picture
  EXPECT_EQ(shown(), second);
  tick();
  EXPECT_EQ(shown(), first);
  Window.Data()->SetEnableSkinEffects(false);  // no effects, no animation
  Hover(Button);
  EXPECT_EQ(shown(), Colour(entry.ActiveSkinRect));
}

// Tahoma at 13 pixels under Wine draws this caption 4 pixels wider than it measures it.
TEST_F(SkinButtonLook, ACaptionWhoseGlyphsReachPastItsMeasureShowsWhole) {
  Button->SetBounds(10, 10, 380, 30);
  Button->DefaultFont()->SetName("Tahoma");
  Button->DefaultFont()->SetHeight(13);
  Button->SetCaption("Antes de renombrar, guardar los nombres en la lista :");
  EXPECT_TRUE(PaintsTextsWhole(Button));
}

TEST_F(SkinButtonLook, AnActionGivesItsCaptionAndItsImageAsTheGlyph) {
  TImageList images(nullptr);
  TBitmap red(16, 16);
  red.Canvas()->Brush()->SetColor(clRed);
  red.Canvas()->FillRect(TRect{0, 0, 16, 16});
  images.Add(&red, nullptr);
  TActionList actions(nullptr);
  actions.SetImages(&images);
  TAction action(nullptr);
  action.SetActionList(&actions);
  action.SetCaption("Save");
  action.SetImageIndex(0);
  Button->SetAction(&action);
  EXPECT_EQ(Button->Caption(), "Save");
  EXPECT_EQ(Button->Glyph()->Width(), 16);
  Button->SetAction(nullptr);
}

}  // namespace
