// The windowed skinned-control bases under Wine: the off-screen paint and its blending
// over the parent, the entry looked up at every paint, references that clear, the
// parent-background message, and how size, region and borders follow the skin entry.
#include "SkinControlTestKit.h"

#include "skin/controls/SkinControlMessages.h"
#include "skin/controls/SkinCustomControl.h"

#include "classlib/ImageList.h"

#include "TestControls.h"

#include <gtest/gtest.h>

namespace {

constexpr TColor Background = RGBColor(1, 2, 3);
constexpr TColor Filled = RGBColor(200, 40, 60);
constexpr TColor ParentColour = RGBColor(20, 160, 90);

// Fills itself with Filled without a skin; counts the skin changes it takes.
class TFilledControl : public TspSkinControl {
public:
  using TspSkinControl::TspSkinControl;
  void ChangeSkinData() override {
    ++Changes;
    TspSkinControl::ChangeSkinData();
  }
  int Changes = 0;

protected:
  void CreateControlDefaultImage(TBitmap* B) override {
    B->Canvas()->Brush()->SetColor(Filled);
    B->Canvas()->FillRect(TRect{0, 0, B->Width(), B->Height()});
  }
};

// Paints its borders and client part straight onto its canvas.
class TDirectControl : public TspSkinCustomControl {
public:
  explicit TDirectControl(TComponent* AOwner) : TspSkinCustomControl(AOwner) { PaintBordersDirect = true; }
  void SetPaintClientPart(bool Value) { PaintClientPart = Value; }
};

TEST(SkinControl, BlendsOverItsParentByAlphaBlendValue) {
  TSkinTestWindow window;
  auto* parent = window.Add<TPanelControl>({0, 0, 200, 100});
  parent->SetColor(ParentColour);
  auto* control = window.Add<TFilledControl>({10, 10, 60, 40}, parent);
  window.Show();
  EXPECT_EQ(Painted(control)->Pixel(5, 5), Filled);
  control->SetAlphaBlend(true);
  control->SetAlphaBlendValue(255);
  EXPECT_EQ(Painted(control)->Pixel(5, 5), Filled);
  control->SetAlphaBlendValue(0);
  EXPECT_EQ(Painted(control)->Pixel(49, 29), ParentColour);
  control->SetAlphaBlendValue(128);  // about half of each
  const TColor half = Painted(control)->Pixel(30, 20);
  EXPECT_NEAR(GetRValue(half), (200 + 20) / 2, 2);
  EXPECT_NEAR(GetGValue(half), (40 + 160) / 2, 2);
}

TEST(SkinControl, LooksItsEntryUpAtEveryPaintAndDrawsTheDefaultLookWithoutOne) {
  TSkinTestWindow window;
  auto* control = window.Add<TFilledControl>({0, 0, 40, 20});
  control->SetSkinDataName("button");
  control->SetSkinData(window.Data());
  EXPECT_EQ(control->Changes, 0);  // an empty skin is not taken
  window.Load("flatcolour");
  EXPECT_EQ(control->Changes, 1);
  EXPECT_EQ(control->SkinIndex(), window.Data()->GetControlIndex("button"));
  control->PrepareSkinDataChange();
  EXPECT_EQ(control->SkinIndex(), -1);
  control->SetSkinDataName("nosuchentry");
  EXPECT_EQ(control->SkinIndex(), -1);  // the name alone looks nothing up
  EXPECT_EQ(Painted(control)->Pixel(3, 3), Filled);
  control->SetDrawDefault(false);  // left as the blank bitmap
  EXPECT_EQ(Painted(control)->Pixel(3, 3), clBlack);
  control->SetSkinDataName("button");
  Painted(control);
  EXPECT_EQ(control->SkinIndex(), window.Data()->GetControlIndex("button"));
  control->SetCursor(crHandPoint);
  control->SetUseSkinCursor(true);  // the entry has no cursor
  control->ChangeSkinData();
  EXPECT_EQ(control->Cursor(), crDefault);
}

TEST(SkinControl, ReferencesClearWhenTheirComponentsGoWhateverOwnsThem) {
  TSkinTestWindow window;
  auto* control = window.Add<TFilledControl>({0, 0, 40, 20});
  auto* data = new TspSkinData(nullptr);
  auto* other = new TForm(Application);
  auto* images = new TImageList(other);
  control->SetSkinData(data);
  control->SetHintImageList(images);
  data->Free();
  other->Free();
  EXPECT_EQ(control->SkinData(), nullptr);
  EXPECT_EQ(control->HintImageList(), nullptr);
  EXPECT_EQ(Painted(control)->Pixel(3, 3), Filled);
}

TEST(SkinControl, TheParentBackgroundMessagePassesOnlyThroughBlendedControls) {
  TSkinTestWindow window;
  auto* outer = window.Add<TFilledControl>({0, 0, 200, 100});
  auto* middle = window.Add<TFilledControl>({10, 10, 100, 60}, outer);
  auto* inner = window.Add<TFilledControl>({5, 5, 20, 20}, middle);
  auto* windowless = window.Add<TColorBox>({30, 5, 10, 10}, middle);
  window.Show();
  TMessageLog middleLog(middle), innerLog(inner), windowlessLog(windowless);
  SendMessageA(outer->Handle(), SP_PARENT_BACKGROUND_CHANGED, 0, 0);
  EXPECT_EQ(middleLog.Count(SP_PARENT_BACKGROUND_CHANGED), 0);  // outer does not blend
  outer->SetAlphaBlend(true);
  SendMessageA(outer->Handle(), SP_PARENT_BACKGROUND_CHANGED, 0, 0);
  EXPECT_EQ(middleLog.Count(SP_PARENT_BACKGROUND_CHANGED), 1);
  EXPECT_EQ(innerLog.Count(SP_PARENT_BACKGROUND_CHANGED), 0);
  middle->SetAlphaBlend(true);
  SendMessageA(outer->Handle(), SP_PARENT_BACKGROUND_CHANGED, 0, 0);
  EXPECT_EQ(innerLog.Count(SP_PARENT_BACKGROUND_CHANGED), 1);
  EXPECT_EQ(windowlessLog.Count(SP_PARENT_BACKGROUND_CHANGED), 1);
}

TEST(SkinCustomControl, FitsItsSizeToTheEntryAndTakesTheDefaultSizeWithoutOne) {
  TSkinTestWindow window;
  auto* fixed = window.Add<TspSkinCustomControl>({0, 0, 60, 60});
  auto* wide = window.Add<TspSkinCustomControl>({0, 70, 60, 60});
  fixed->SetSkinDataName("buttondelete");  // 21 x 21, no corner points
  wide->SetSkinDataName("edit");           // corner points across only
  for (TspSkinCustomControl* c : {fixed, wide}) {
    c->SetDefaultWidth(50);
    c->SetDefaultHeight(30);
    c->SetSkinData(window.Data());
  }
  EXPECT_EQ(fixed->Width(), 50);  // no skin yet
  for (const char* skin : {"flatcolour", "sparse"}) {
    window.Load(skin);
    EXPECT_EQ((TSize{fixed->Width(), fixed->Height()}), (TSize{21, 21})) << skin;
    EXPECT_EQ(wide->Height(), 21) << skin;
    fixed->SetBounds(5, 5, 100, 100);
    wide->SetBounds(0, 70, 120, 100);
    EXPECT_EQ(fixed->BoundsRect(), (TRect{5, 5, 26, 26})) << skin;
    EXPECT_EQ(wide->BoundsRect(), (TRect{0, 70, 120, 91})) << skin;
    EXPECT_EQ(wide->CurrentClientRect(), (TRect{3, 3, 117, 18})) << skin;
  }
  window.Clear();
  EXPECT_EQ(fixed->BoundsRect(), (TRect{5, 5, 55, 35}));
  EXPECT_EQ(wide->BoundsRect(), (TRect{0, 70, 50, 100}));
  fixed->SetDefaultWidth(0);  // nothing to apply
  window.Load("flatcolour");
  fixed->SetDefaultWidth(70);  // stored, not applied over the skin
  EXPECT_EQ(fixed->Width(), 21);
}

TEST(SkinCustomControl, TakesTheRegionOfItsMaskAndGivesItBackWithoutOne) {
  TSkinTestWindow window;
  auto* control = window.Add<TspSkinCustomControl>({10, 10, 100, 80});
  control->SetSkinDataName("panel");
  control->SetSkinData(window.Data());
  window.Show();
  window.Load("flatcolour");
  EXPECT_FALSE(control->HasSkinRegion());
  // The popup window's corner mask (40 x 40, like the panel's picture) as the panel's.
  TspSkinData& data = *window.Data();
  data.CtrlList.at(static_cast<size_t>(data.GetControlIndex("panel")))->MaskPictureIndex =
      data.ActivePicturesNames.IndexOf("menumask.bmp");
  control->ChangeSkinData();
  ASSERT_TRUE(control->HasSkinRegion());
  const HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_EQ(GetWindowRgn(control->Handle(), region), COMPLEXREGION);
  EXPECT_FALSE(PtInRegion(region, 0, 0));  // the corners are cut away at any size
  EXPECT_FALSE(PtInRegion(region, 99, 79));
  EXPECT_TRUE(PtInRegion(region, 50, 40));
  control->SetBounds(10, 10, 150, 90);
  GetWindowRgn(control->Handle(), region);
  EXPECT_FALSE(PtInRegion(region, 149, 89));
  EXPECT_TRUE(PtInRegion(region, 147, 87));
  window.Load("sparse");  // no mask there
  EXPECT_FALSE(control->HasSkinRegion());
  EXPECT_EQ(GetWindowRgn(control->Handle(), region), ERROR);
  DeleteObject(region);
}

TEST(SkinCustomControl, ADirectPaintDrawsTheBordersAndTilesTheClientPart) {
  TSkinTestWindow window;
  auto* control = window.Add<TDirectControl>({0, 0, 130, 90});
  control->SetSkinDataName("panel");  // nine-part, 2-pixel borders
  control->SetSkinData(window.Data());
  window.Load("flatcolour");
  const TColor panel = EntryColour(*window.Data(), "panel", window.Data()->CtrlList.at(
      static_cast<size_t>(window.Data()->GetControlIndex("panel")))->SkinRect);
  auto pixels = Painted(control);
  for (const TPoint p : {TPoint{0, 0}, TPoint{129, 89}, TPoint{65, 45}, TPoint{127, 87}})
    EXPECT_EQ(pixels->Pixel(p.X, p.Y), panel) << p.X << "," << p.Y;
  control->SetPaintClientPart(false);
  pixels = Painted(control);
  EXPECT_EQ(pixels->Pixel(1, 1), panel);
  EXPECT_EQ(pixels->Pixel(65, 45), Background);  // the client part is left as it was
  control->SetAlphaBlend(true);  // blending paints the whole image off-screen
  control->SetAlphaBlendValue(255);
  EXPECT_EQ(Painted(control)->Pixel(65, 45), panel);
}

}  // namespace
