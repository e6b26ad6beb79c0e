// The skinned speed button and its windowless bases under Wine, painted through their
// parent: each state's picture from the flat-colour skin, the sparse skin's fall-backs
// and the default look; groups; repeated clicks driven through its repeat timer; glyph
// strips; an images menu giving glyph and caption through its interface; the blend over
// the parent; references that clear.
#include "SkinControlTestKit.h"

#include "skin/controls/SkinSpeedButton.h"
#include "skin/data/SkinButtonData.h"

#include "classlib/ImageList.h"
#include "classlib/Timer.h"

#include "TestControls.h"

#include <gtest/gtest.h>

namespace {

using TColors = std::vector<TColor>;
constexpr TColor Green = RGBColor(0, 200, 0);
constexpr TColor Orange = RGBColor(250, 140, 0);

// A bitmap of Width x Height filled with Colour.
void Fill(TBitmap& Bitmap, int Width, int Height, TColor Colour) {
  Bitmap.SetSize(Width, Height);
  Bitmap.Canvas()->Brush()->SetColor(Colour);
  Bitmap.Canvas()->FillRect(TRect{0, 0, Width, Height});
}

// An images menu as the button sees it: one image list, one selected item or none.
class TImagesMenuDouble : public TComponent, public TspImagesMenuSource {
public:
  using TComponent::TComponent;
  TComponent* MenuComponent() override { return this; }
  std::optional<TspImagesMenuItemView> SelectedItem() const override { return Selected; }
  void SetOnInternalChange(const TNotifyEvent& Value) override { OnInternalChange = Value; }
  void SetOnInternalMenuClose(const TNotifyEvent& Value) override { OnInternalMenuClose = Value; }
  std::optional<TspImagesMenuItemView> Selected;
  TNotifyEvent OnInternalChange, OnInternalMenuClose;
};

// Shows its menu marker.
class TMarkedButton : public TspSkinSpeedButton {
public:
  using TspSkinSpeedButton::TspSkinSpeedButton;
  TColor Marker(bool AFlat, bool ADown, bool AActive) {
    GetSkinData();
    TBitmap image;
    Fill(image, 30, 20, clBlack);
    DrawMenuMarker(*image.Canvas(), {0, 0, 30, 20}, AFlat, ADown, AActive);
    return image.Canvas()->Pixels(15, 10);
  }
};

class SkinSpeedButtonTest : public ::testing::Test {
protected:
  SkinSpeedButtonTest() { ParkPointer(); }
  TspSkinSpeedButton* Add(const TRect& Bounds, int32_t Group = 0) {
    auto* button = window.Add<TspSkinSpeedButton>(Bounds);
    button->SetSkinData(window.Data());
    button->SetGroupIndex(Group);
    button->OnClick = [this](TObject*) { ++clicks; };
    return button;
  }
  // Button's pixel at P as its parent paints it.
  TColor At(TControl* Button, TPoint P) {
    return Painted(window.Form())->Pixel(Button->Left() + P.X, Button->Top() + P.Y);
  }
  TColor Centre(TControl* Button) { return At(Button, {Button->Width() / 2, Button->Height() / 2}); }
  TColor Colour(const TRect& R) { return EntryColour(*window.Data(), "toolbutton", R); }
  const TspDataSkinButtonControl& Entry() {
    return dynamic_cast<const TspDataSkinButtonControl&>(
        *window.Data()->CtrlList.at(static_cast<size_t>(window.Data()->GetControlIndex("toolbutton"))));
  }
  static TTimer* Timer(TComponent* Button) {
    for (int i = 0; i < Button->ComponentCount(); ++i)
      if (auto* timer = dynamic_cast<TTimer*>(Button->Components(i))) return timer;
    return nullptr;
  }
  void Press(TControl* Button, TPoint P) {
    PostMouse(Button, WM_LBUTTONDOWN, P.X, P.Y, MK_LBUTTON);
    Application->ProcessMessages();
  }
  void Release(TControl* Button, TPoint P) {
    PostMouse(Button, WM_LBUTTONUP, P.X, P.Y);
    Application->ProcessMessages();
  }

  TSkinTestWindow window{320, 120};
  int clicks = 0;
};

TEST_F(SkinSpeedButtonTest, EachStateShowsItsPictureThroughTheParent) {
  window.Load("flatcolour");
  auto* button = Add({10, 10, 50, 35});
  window.Show();
  const TspDataSkinButtonControl& e = Entry();
  EXPECT_EQ(Centre(button), Colour(e.SkinRect));
  button->Perform(CM_MOUSEENTER);
  EXPECT_EQ(Centre(button), Colour(e.ActiveSkinRect));
  Press(button, {20, 12});
  EXPECT_EQ(Centre(button), Colour(e.DownSkinRect));
  Release(button, {20, 12});
  EXPECT_EQ(std::pair(Centre(button), clicks), std::pair(Colour(e.ActiveSkinRect), 1));
  button->SetEnabled(false);
  EXPECT_EQ(Centre(button), Colour(e.DisabledSkinRect));

  window.Load("sparse");  // the normal picture for every state
  button->SetEnabled(true);
  button->Perform(CM_MOUSEENTER);
  button->SetGroupIndex(1);
  button->SetDown(true);
  EXPECT_EQ(Centre(button), Colour(Entry().SkinRect));
}

TEST_F(SkinSpeedButtonTest, ADownGroupedButtonIgnoresHoverAndGoesUpWhenAnotherGoesDown) {
  window.Load("flatcolour");
  auto* first = Add({10, 10, 50, 35}, 1);
  auto* second = Add({60, 10, 100, 35}, 1);
  window.Show();
  first->SetDown(true);
  first->Perform(CM_MOUSEENTER);
  EXPECT_EQ(Centre(first), Colour(Entry().DownSkinRect));
  EXPECT_EQ(Timer(first), nullptr);  // no morph or animation started
  second->SetDown(true);
  EXPECT_EQ((std::vector<bool>{first->Down(), second->Down()}), (std::vector<bool>{false, true}));
  Press(second, {20, 12});  // a second click keeps it down without AllowAllUp
  Release(second, {20, 12});
  EXPECT_TRUE(second->Down());
  second->SetAllowAllUp(true);
  Press(second, {20, 12});
  Release(second, {20, 12});
  EXPECT_EQ(std::pair(second->Down(), clicks), std::pair(false, 1));
  first->SetAllowAllUp(true);  // nothing else is released then
  first->SetDown(true);
  second->SetDown(true);
  EXPECT_EQ((std::vector<bool>{first->Down(), second->Down()}), (std::vector<bool>{true, true}));
}

TEST_F(SkinSpeedButtonTest, AHeldRepeatButtonClicksAtEachTickAfterTheFirstAndOnceMoreWhenReleased) {
  auto* button = Add({10, 10, 50, 35});
  button->SetRepeatMode(true);
  button->SetRepeatInterval(70);
  window.Show();
  Press(button, {20, 12});
  TTimer* timer = Timer(button);
  ASSERT_NE(timer, nullptr);
  EXPECT_EQ(std::pair(timer->Interval(), clicks), std::pair(500u, 0));
  timer->SetEnabled(false);  // the test ticks it
  timer->OnTimer(timer);
  EXPECT_EQ(std::pair(timer->Interval(), clicks), std::pair(70u, 0));
  timer->SetEnabled(false);
  timer->OnTimer(timer);
  timer->OnTimer(timer);
  EXPECT_EQ(clicks, 2);
  Release(button, {20, 12});
  EXPECT_EQ(std::pair(Timer(button), clicks), std::pair(static_cast<TTimer*>(nullptr), 3));

  Press(button, {20, 12});  // away from it the clicks stop, back on it they go on
  const auto moveTo = [&](int X) {
    PostMouse(button, WM_MOUSEMOVE, X, 12, MK_LBUTTON);
    Application->ProcessMessages();
  };
  moveTo(200);
  EXPECT_EQ(Timer(button), nullptr);
  moveTo(20);
  ASSERT_NE(Timer(button), nullptr);
  EXPECT_EQ(Timer(button)->Interval(), 70u);
  moveTo(200);
  Release(button, {200, 12});  // released away from it: no click
  EXPECT_EQ(std::pair(button->Down(), clicks), std::pair(false, 3));
}

TEST_F(SkinSpeedButtonTest, WithoutSkinItHasTheDefaultLookAndFlatItShowsItsParentUntilHovered) {
  auto* button = Add({10, 10, 50, 35});
  window.Show();
  const TColor shadow = SysColor(clBtnShadow), navy = RGBColor(0, 0, 128);
  const TColor outside = At(button, {-2, -2});
  EXPECT_EQ((TColors{At(button, {0, 0}), Centre(button)}), (TColors{shadow, SysColor(clBtnFace)}));
  button->Perform(CM_MOUSEENTER);
  EXPECT_EQ((TColors{At(button, {0, 0}), Centre(button)}), (TColors{navy, DefaultHotFill}));
  button->Perform(CM_MOUSELEAVE);
  button->SetGroupIndex(1);
  button->SetDown(true);
  EXPECT_EQ((TColors{At(button, {0, 0}), Centre(button)}), (TColors{navy, DefaultDownFill}));
  button->SetDown(false);
  button->SetFlat(true);
  EXPECT_EQ(Centre(button), outside);
  button->Perform(CM_MOUSEENTER);
  EXPECT_EQ(Centre(button), DefaultHotFill);
}

TEST_F(SkinSpeedButtonTest, AStripShowsTheGlyphOfTheStateAndTheCaptionCanChangeTheWidth) {
  auto* button = Add({10, 10, 50, 35});
  TBitmap strip;  // a green and an orange glyph over a row of their transparent colour
  Fill(strip, 24, 12, Green);
  strip.Canvas()->Brush()->SetColor(Orange);
  strip.Canvas()->FillRect(TRect{12, 0, 24, 11});
  strip.Canvas()->Brush()->SetColor(clFuchsia);
  strip.Canvas()->FillRect(TRect{0, 11, 24, 12});
  button->SetGlyph(&strip);
  window.Show();
  button->SetEnabled(false);
  EXPECT_EQ(At(button, {10, 12}), Green);  // one glyph (the whole strip): always the first
  button->SetNumGlyphs(2);
  EXPECT_EQ(Centre(button), Orange);
  button->SetEnabled(true);
  EXPECT_EQ(Centre(button), Green);
  // A strip holds one to four glyphs: more counts as four, none as one (the whole strip).
  button->SetNumGlyphs(9);
  EXPECT_EQ(button->NumGlyphs(), 4);
  button->SetNumGlyphs(0);
  EXPECT_EQ(button->NumGlyphs(), 1);
  EXPECT_EQ(At(button, {10, 12}), Green);

  button->SetWidthWithCaption(80);
  button->SetWidthWithoutCaption(30);
  button->SetShowCaption(false);
  EXPECT_EQ(button->Width(), 30);
  button->SetShowCaption(true);
  EXPECT_EQ(button->Width(), 80);
}

TEST_F(SkinSpeedButtonTest, AnImagesMenuGivesTheGlyphAndCaptionOfItsSelectedItem) {
  auto* images = new TImageList(window.Form());
  images->SetSize(16, 16);
  TBitmap image;
  Fill(image, 16, 16, Green);
  images->Add(&image, nullptr);
  auto* menu = new TImagesMenuDouble(window.Form());
  auto* button = Add({10, 10, 110, 35});
  button->SetSkinImagesMenu(menu);
  button->SetUseImagesMenuImage(true);
  window.Show();
  EXPECT_TRUE(static_cast<bool>(menu->OnInternalChange));
  EXPECT_NE(Centre(button), Green);  // nothing selected: nothing drawn
  menu->Selected = TspImagesMenuItemView{images, 0, "A long menu caption"};
  menu->OnInternalChange(menu);
  EXPECT_EQ(Centre(button), Green);
  // With the menu's caption the image moves to the left of the centred block.
  button->SetUseImagesMenuCaption(true);
  const auto painted = Painted(window.Form());
  int leftmost = button->Width();
  for (int x = button->Width() - 1; x >= 0; --x)
    if (painted->Pixel(button->Left() + x, button->Top() + 12) == Green) leftmost = x;
  EXPECT_LT(leftmost, button->Width() / 2 - 8);

  button->Free();
  EXPECT_FALSE(static_cast<bool>(menu->OnInternalChange));  // the hook went with the button
  auto* other = Add({10, 40, 110, 65});
  other->SetSkinImagesMenu(menu);
  menu->Free();
  EXPECT_EQ(other->SkinImagesMenu(), nullptr);
}

TEST_F(SkinSpeedButtonTest, TheWindowlessBaseBlendsOverItsParentAndDropsWhatGoes) {
  window.Load("flatcolour");
  auto* parent = window.Add<TPanelControl>({0, 0, 200, 100});
  parent->SetColor(Orange);
  auto* button = window.Add<TMarkedButton>({10, 10, 50, 35}, parent);
  button->SetSkinData(window.Data());
  button->SetSkinDataName("toolmenubutton");
  window.Show();
  const auto& menuEntry = dynamic_cast<const TspDataSkinMenuButtonControl&>(
      *window.Data()->CtrlList.at(static_cast<size_t>(window.Data()->GetControlIndex("toolmenubutton"))));
  const auto marker = [&](const TRect& R) { return EntryColour(*window.Data(), "toolmenubutton", R); };
  EXPECT_EQ((TColors{button->Marker(false, false, false), button->Marker(true, false, false),
                     button->Marker(false, false, true), button->Marker(false, true, true)}),
            (TColors{marker(menuEntry.MenuMarkerRect), marker(menuEntry.MenuMarkerFlatRect),
                     marker(menuEntry.MenuMarkerActiveRect), marker(menuEntry.MenuMarkerDownRect)}));

  const auto pixel = [&] { return Painted(parent)->Pixel(30, 22); };
  EXPECT_EQ(pixel(), marker(menuEntry.SkinRect));
  button->SetAlphaBlend(true);
  button->SetAlphaBlendValue(0);
  EXPECT_EQ(pixel(), Orange);
  auto* images = new TImageList(nullptr);
  button->SetHintImageList(images);
  images->Free();
  EXPECT_EQ(button->HintImageList(), nullptr);
  window.Data()->Free();
  EXPECT_EQ(button->SkinData(), nullptr);
}

}  // namespace
