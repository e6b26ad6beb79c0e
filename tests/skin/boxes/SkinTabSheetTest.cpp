// The skinned tab sheets: a wallpaper tiled from the sheet's own corner whatever the skin,
// else the page body's fill (the skin's background picture, the entry's client part, or
// clBtnFace), the children told when a stretched body changes under them, and the paint
// request that sheets answer without painting.
#include "OutOfTheWay.h"

#include "skin/boxes/SkinPageControl.h"
#include "skin/boxes/SkinTabSheet.h"
#include "skin/controls/SkinControlMessages.h"
#include "skin/data/SkinViewData.h"

#include "TestControls.h"

#include <gtest/gtest.h>

namespace {

class SkinTabSheetTest : public ::testing::Test {
 protected:
  SkinTabSheetTest() {
    MoveOutOfTheWay(Window);
    Control = Window.Add<TspSkinPageControl>({10, 10, 310, 210});
    Sheet = new TspSkinTabSheet(Window.Form());
    Sheet->SetPageControl(Control);
    Sheet->SetCaption("Sheet");
    Control->SetSkinData(Window.Data());
    Window.Show();
  }
  // The sheet's background as its erasing paints it.
  std::unique_ptr<TPixelDC> Erased() {
    auto dc = std::make_unique<TPixelDC>(Sheet->Width(), Sheet->Height());
    dc->Fill(RGBColor(1, 2, 3));
    Sheet->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc->DC()), 0);
    return dc;
  }
  TspDataSkinTabControl& Tab() {
    TspSkinData& data = *Window.Data();
    return dynamic_cast<TspDataSkinTabControl&>(*data.CtrlList.at(data.GetControlIndex("tab")));
  }

  TSkinTestWindow Window;
  TspSkinPageControl* Control;
  TspSkinTabSheet* Sheet;
};

TEST_F(SkinTabSheetTest, AWallPaperIsTiledFromTheSheetsCornerWhateverTheSkin) {
  TBitmap paper(3, 2);
  const TColor colours[2][3] = {{RGBColor(200, 0, 0), RGBColor(0, 200, 0), RGBColor(0, 0, 200)},
                                {RGBColor(90, 90, 0), RGBColor(0, 90, 90), RGBColor(90, 0, 90)}};
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) paper.Canvas()->SetPixels(x, y, colours[y][x]);
  Sheet->SetWallPaper(&paper);
  for (const char* skin : {"", "flatcolour"}) {
    if (*skin != '\0') Window.Load(skin);
    const auto dc = Erased();
    for (const TPoint p : {TPoint{0, 0}, TPoint{4, 1}, TPoint{Sheet->Width() - 1, Sheet->Height() - 1}})
      EXPECT_EQ(dc->Pixel(p.X, p.Y), colours[p.Y % 2][p.X % 3]) << skin << " " << p.X << "," << p.Y;
  }
}

TEST_F(SkinTabSheetTest, WithoutAWallPaperTheSheetContinuesThePageBody) {
  EXPECT_EQ(Erased()->Pixel(5, 5), SysColor(clBtnFace));
  for (const char* skin : {"flatcolour", "sparse"}) {
    Window.Load(skin);
    const TColor body = EntryColour(*Window.Data(), "tab", Tab().SkinRect);
    const auto dc = Erased();
    EXPECT_EQ(dc->Pixel(0, 0), body) << skin;
    EXPECT_EQ(dc->Pixel(Sheet->Width() - 1, Sheet->Height() - 1), body) << skin;
  }
  // A background picture fills the sheet and the whole control, without a frame.
  const TPixelImage& picture = Window.Data()->ActivePictures.at(static_cast<size_t>(Tab().PictureIndex));
  Tab().BGPictureIndex = Tab().PictureIndex;
  EXPECT_EQ(Erased()->Pixel(1, 2), picture.Pixel(1, 2));
  EXPECT_EQ(Painted(Control)->Pixel(Control->Width() - 1, Control->Height() - 1),
            picture.Pixel((Control->Width() - 1) % picture.Width(), (Control->Height() - 1) % picture.Height()));
  Tab().BGPictureIndex = static_cast<int32_t>(Window.Data()->ActivePictures.size());  // no such picture
  EXPECT_EQ(Erased()->Pixel(1, 2), EntryColour(*Window.Data(), "tab", Tab().SkinRect));
}

TEST_F(SkinTabSheetTest, ChildrenHearOfASizeChangeOnlyOverAStretchedBody) {
  auto* child = Window.Add<TPanelControl>({5, 5, 40, 40}, Sheet);
  Window.Load("flatcolour");
  TMessageLog log(child);
  Control->SetHeight(180);
  EXPECT_EQ(log.Count(SP_PARENT_BACKGROUND_CHANGED), 0);
  Tab().StretchEffect = true;
  Control->SetHeight(160);
  EXPECT_EQ(log.Count(SP_PARENT_BACKGROUND_CHANGED), 1);
}

TEST_F(SkinTabSheetTest, ThePaintRequestIsAnsweredWithoutPaintingAndResizesNeedNotRedrawAll) {
  TPixelDC dc(Sheet->Width(), Sheet->Height());
  dc.Fill(RGBColor(1, 2, 3));
  EXPECT_EQ(SendMessageA(Sheet->Handle(), SP_PAINT_TO_DC, reinterpret_cast<WPARAM>(dc.DC()), 0), SP_PAINT_TO_DC_ANSWER);
  EXPECT_EQ(dc.Pixel(5, 5), RGBColor(1, 2, 3));
  EXPECT_EQ(GetClassLongA(Sheet->Handle(), GCL_STYLE) & (CS_HREDRAW | CS_VREDRAW), 0u);
}

// A page control a few thousand pixels each way whose body, strip background and sheets
// are filled from one-pixel tiles paints and erases within the bounds, with the tile's
// colour everywhere in the body.
TEST_F(SkinTabSheetTest, OnePixelTilesOverALargePageControlPaintWithinTheBounds) {
  std::unique_ptr<TPixelDC> erased;
  const uint64_t rise = RunWithinDeadline("a page control of one-pixel tiles", [&] {
    Window.Load("flatcolour", [](TspSkinPayload& Skin) {
      CutToOnePixelTiles(Skin, "tab");
      SetSkinValue(Skin, "tab", "tabsbgrect", "0,0,0,0");  // the strip takes the client part too
    });
    Control->SetBoundsRect({0, 0, 3000, 2000});
    PumpFor(20);
    Painted(Control);
    erased = Erased();
  });
  EXPECT_LT(rise, HostilePaintMemory);
  const TspDataSkinTabControl& tab = Tab();
  const TColor tile = EntryColour(*Window.Data(), "tab", OffsetRect(tab.ClRect, tab.SkinRect.Left, tab.SkinRect.Top));
  EXPECT_EQ(erased->Pixel(Sheet->Width() - 1, Sheet->Height() - 1), tile);
  EXPECT_EQ(erased->Pixel(Sheet->Width() / 2, 7), tile);
}

TEST_F(SkinTabSheetTest, ThePageControlIsFlatAndItsSheetsTakeThatFromIt) {
  EXPECT_FALSE(Control->Ctl3D());
  EXPECT_FALSE(Sheet->Ctl3D());
  EXPECT_TRUE(Sheet->ParentCtl3D());
}

}  // namespace
