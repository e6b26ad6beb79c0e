// A built skin folder as the stored-skin component reads it: pictures, the window
// sections and the entries, in list order, with the values they were given.
#include "SkinBuilder.h"

#include "PixelPainter.h"
#include "SkinEntryList.h"
#include "TempFolder.h"

#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/SkinButtonData.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinEditData.h"

#include "base/Exceptions.h"
#include "base/IniFiles.h"

#include <gtest/gtest.h>

namespace {

class SkinBuilderTest : public ::testing::Test {
protected:
  SkinBuilderTest() : builder("Test", "A skin for this test") {
    builder.SetFramePicture(TPixelImage(30, 20));
    atlas = builder.AddAtlas("parts.bmp", 64, clSilver);
  }

  // Writes the folder and loads it back through the stored skin.
  void Load() {
    stored.LoadFromIniFile(builder.WriteFolder(folder.Path()));
    ASSERT_FALSE(stored.IsEmpty());
    skin.LoadCompressedStoredSkin(&stored);
  }

  TempFolder folder;
  TSkinBuilder builder;
  int atlas;
  TspCompressedStoredSkin stored{nullptr};
  TspSkinData skin{nullptr};
};

TEST_F(SkinBuilderTest, EntriesComeBackWithTheirValuesAndRequiredOnesListedFirst) {
  auto& extra = builder.AddControl<TspDataSkinButtonControl>("combobutton", "button");
  extra.SkinRect = builder.Atlas(atlas).Allocate(10, 10);
  auto& edit = builder.AddControl<TspDataSkinEditControl>("edit", "edit");
  edit.PictureIndex = atlas;
  edit.SkinRect = builder.Atlas(atlas).Allocate(20, 8);
  edit.LTPoint = {3, 0};
  edit.FontName = "Tahoma";
  builder.AddControl<TspDataSkinButtonControl>("button", "button").FontHeight = 13;
  builder.AddObject<TspDataSkinCaption>("caption", "caption").TextRect = {1, 2, 3, 4};
  builder.Colors.cWindow = RGBColor(1, 2, 3);
  builder.Areas.emplace_back("grip", TRect{1, 2, 3, 4});
  Load();

  ASSERT_EQ(skin.CtrlList.size(), 3u);
  EXPECT_EQ(skin.CtrlList[0]->IDName, "button");  // required entries come in their own order
  EXPECT_EQ(skin.CtrlList[1]->IDName, "edit");
  EXPECT_EQ(skin.CtrlList[2]->IDName, "combobutton");
  const auto& loaded = dynamic_cast<const TspDataSkinEditControl&>(*skin.CtrlList[1]);
  EXPECT_EQ(loaded.SkinRect, edit.SkinRect);
  EXPECT_EQ(loaded.LTPoint, edit.LTPoint);
  EXPECT_EQ(loaded.FontName, "Tahoma");
  EXPECT_EQ(dynamic_cast<const TspDataSkinButtonControl&>(*skin.CtrlList[0]).FontHeight, 13);
  ASSERT_EQ(skin.ObjectList.size(), 1u);
  EXPECT_EQ(dynamic_cast<const TspDataSkinCaption&>(*skin.ObjectList[0]).TextRect,
            (TRect{1, 2, 3, 4}));
  EXPECT_EQ(skin.SkinColors.cWindow, RGBColor(1, 2, 3));
  EXPECT_EQ(skin.SkinColors.cBtnFace, clBtnFace);  // colours not set stay the system's
  ASSERT_EQ(skin.AreaList.size(), 1u);
  EXPECT_EQ(skin.AreaList[0].AreaRect, (TRect{1, 2, 3, 4}));
  EXPECT_EQ(skin.SkinName, "Test");
}

TEST_F(SkinBuilderTest, PicturesAndWindowSectionsArriveWhereTheyWereSent) {
  TPixelPainter(builder.Atlas(atlas).Canvas()).Fill(builder.Atlas(atlas).Allocate(4, 4), clRed);
  TPixelImage mask(30, 20);
  mask.SetPixel(0, 0, clWhite);
  builder.SetFrameMask(mask);
  const int hint = builder.AddPicture("hint.bmp", TPixelImage(8, 6));
  builder.HintWindow.emplace().WindowPictureIndex = hint;
  builder.FormInfo.ClRect = {2, 3, 28, 18};
  Load();

  EXPECT_EQ(skin.Picture.Width(), 30);
  EXPECT_EQ(skin.Mask.Pixel(0, 0), clWhite);
  EXPECT_EQ(skin.Mask.Pixel(1, 0), clBlack);
  EXPECT_TRUE(skin.InActivePicture.Empty());
  ASSERT_EQ(skin.ActivePictures.size(), 2u);
  EXPECT_EQ(skin.ActivePictures[0].Pixel(2, 2), clRed);
  EXPECT_EQ(skin.ActivePictures[1].Width(), 8);
  EXPECT_EQ(skin.HintWindow.WindowPictureIndex, hint);
  EXPECT_EQ(skin.PopupWindow.WindowPictureIndex, -1);  // no section, no popup skin
  EXPECT_EQ(skin.ClRect, (TRect{2, 3, 28, 18}));
  TMemIniFile ini(folder / "skin.ini");
  EXPECT_FALSE(ini.SectionExists("POPUPWINDOW"));
  EXPECT_TRUE(ini.SectionExists("HINTWINDOW"));
}

TEST_F(SkinBuilderTest, AKeywordOfAnotherClassAndAMissingEntryAreRefused) {
  EXPECT_THROW(builder.AddControl<TspDataSkinButtonControl>("edit", "edit"), Exception);
  EXPECT_THROW(builder.AddControl<TspDataSkinButtonControl>("x", "menubutton"),
               Exception);  // a subclass
  EXPECT_THROW(builder.AddControl<TspDataSkinButtonControl>("x", "nosuchtype"), Exception);
  builder.AddControl<TspDataSkinButtonControl>("button", "button");
  EXPECT_NO_THROW(builder.Control<TspDataSkinButtonControl>("button"));
  EXPECT_THROW(builder.Control<TspDataSkinEditControl>("button"), Exception);
  builder.RemoveEntry("button");
  EXPECT_THROW(builder.Control<TspDataSkinButtonControl>("button"), Exception);
}

}  // namespace
