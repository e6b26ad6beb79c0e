#include "skin/data/SkinWindowData.h"

#include "SkinIniText.h"

#include "base/Exceptions.h"

#include <gtest/gtest.h>

namespace {

TEST(SkinWindowData, AreaEntriesSplitAtTheFirstColon) {
  struct Case {
    const char* Entry;
    const char* Name;
    TRect Rect;
  } cases[] = {
      {"frame:1,2,30,40", "frame", {1, 2, 30, 40}},
      {"frame:-1,2,30,-40", "frame", {1, 2, 30, 40}},
      {"a:b:1,2,3,4", "a", {1, 2, 3, 4}},
      {":5,6,7,8", "", {5, 6, 7, 8}},
      {"nocolon", "", {0, 0, 0, 0}},
      {"", "", {0, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    std::string name = "?";
    TRect rect{9, 9, 9, 9};
    GetAreaNameAndRect(c.Entry, name, rect);
    EXPECT_EQ(name, c.Name) << c.Entry;
    EXPECT_EQ(rect, c.Rect) << c.Entry;
  }
  std::string name;
  TRect rect;
  EXPECT_THROW(GetAreaNameAndRect("frame:1,2", name, rect), EConvertError);
}

TEST(SkinWindowData, LoadAreasAppendsOneAreaPerEntry) {
  TSkinIniText ini("[skinareas]\r\nCount=3\r\n0=frame:1,2,30,40\r\n2=caption:0,0,10,5\r\n"
                   "3=beyond:1,1,1,1\r\n");
  std::vector<TspDataSkinArea> areas;
  areas.emplace_back("kept", TRect{});
  LoadAreas(ini, areas);
  ASSERT_EQ(areas.size(), 4u);
  EXPECT_EQ(areas[1].IDName, "frame");
  EXPECT_EQ(areas[1].AreaRect, (TRect{1, 2, 30, 40}));
  EXPECT_EQ(areas[2].IDName, "");  // entry 1 is absent
  EXPECT_EQ(areas[3].IDName, "caption");
  EXPECT_EQ(areas[3].AreaRect, (TRect{0, 0, 10, 5}));

  std::vector<TspDataSkinArea> none;
  TSkinIniText empty;
  LoadAreas(empty, none);
  EXPECT_TRUE(none.empty());
}

TEST(SkinWindowData, AHugeAreaCountIsCapped) {
  TSkinIniText ini("[SKINAREAS]\r\ncount=2147483647\r\n");
  std::vector<TspDataSkinArea> areas;
  LoadAreas(ini, areas);
  EXPECT_EQ(areas.size(), static_cast<size_t>(MaxSkinListCount));
}

TEST(SkinWindowData, PopupWindowSection) {
  TspDataSkinPopupWindow fresh;
  EXPECT_EQ(fresh.WindowPictureIndex, -1);
  EXPECT_EQ(fresh.MaskPictureIndex, -1);
  EXPECT_EQ(fresh.CursorIndex, -1);

  TSkinIniText ini(
      "[PopupWindow]\r\nwindowpictureindex=1\r\nmaskpictureindex=2\r\nlefttoppoint=3,3\r\n"
      "righttoppoint=4,4\r\nleftbottompoint=5,5\r\nrightbottompoint=6,6\r\n"
      "itemsrect=7,8,9,10\r\nscrollmarkercolor=11\r\nscrollmarkeractivecolor=12\r\n"
      "cursorindex=13\r\ntopstretch=1\r\nrightstretch=1\r\nstretcheffect=1\r\n"
      "stretchtype=stvert\r\n");
  TspDataSkinPopupWindow p;
  p.LoadFromFile(ini);
  EXPECT_EQ(p.WindowPictureIndex, 1);
  EXPECT_EQ(p.MaskPictureIndex, 2);
  EXPECT_EQ(p.LTPoint, (TPoint{3, 3}));
  EXPECT_EQ(p.RTPoint, (TPoint{4, 4}));
  EXPECT_EQ(p.LBPoint, (TPoint{5, 5}));
  EXPECT_EQ(p.RBPoint, (TPoint{6, 6}));
  EXPECT_EQ(p.ItemsRect, (TRect{7, 8, 9, 10}));
  EXPECT_EQ(p.ScrollMarkerColor, 11);
  EXPECT_EQ(p.ScrollMarkerActiveColor, 12);
  EXPECT_EQ(p.CursorIndex, 13);
  EXPECT_TRUE(p.TopStretch);
  EXPECT_FALSE(p.LeftStretch);
  EXPECT_TRUE(p.RightStretch);
  EXPECT_FALSE(p.BottomStretch);
  EXPECT_TRUE(p.StretchEffect);
  EXPECT_EQ(p.StretchType, stvert);

  TSkinIniText empty;
  p.LoadFromFile(empty);
  EXPECT_EQ(p.WindowPictureIndex, -1);
  EXPECT_EQ(p.ItemsRect, TRect{});
  EXPECT_EQ(p.StretchType, stfull);
}

TEST(SkinWindowData, HintWindowSection) {
  TspDataSkinHintWindow hint;
  EXPECT_EQ(hint.FontHeight, 12);
  EXPECT_EQ(hint.FontName, "Arial");
  TSkinIniText empty;
  hint.LoadFromFile(empty);
  EXPECT_EQ(hint.FontHeight, 14);
  EXPECT_EQ(hint.WindowPictureIndex, -1);

  TSkinIniText ini(
      "[HINTWINDOW]\r\nwindowpictureindex=4\r\nmaskpictureindex=5\r\nlefttoppoint=1,2\r\n"
      "rightbottompoint=3,4\r\nclientrect=5,6,7,8\r\nfontname=Tahoma\r\nfontheight=11\r\n"
      "fontstyle=fsitalic\r\nfontcolor=9\r\nleftstretch=1\r\nbottomstretch=1\r\n"
      "stretchtype=STVERT\r\n");
  hint.LoadFromFile(ini);
  EXPECT_EQ(hint.WindowPictureIndex, 4);
  EXPECT_EQ(hint.MaskPictureIndex, 5);
  EXPECT_EQ(hint.LTPoint, (TPoint{1, 2}));
  EXPECT_EQ(hint.RBPoint, (TPoint{3, 4}));
  EXPECT_EQ(hint.ClRect, (TRect{5, 6, 7, 8}));
  EXPECT_EQ(hint.FontName, "Tahoma");
  EXPECT_EQ(hint.FontHeight, 11);
  EXPECT_EQ(hint.FontStyle, TFontStyles{fsItalic});
  EXPECT_EQ(hint.FontColor, 9);
  EXPECT_TRUE(hint.LeftStretch);
  EXPECT_FALSE(hint.TopStretch);
  EXPECT_TRUE(hint.BottomStretch);
  EXPECT_EQ(hint.StretchType, sthorz);
}

TEST(SkinWindowData, SkinColorsStartBlackTakeSystemColoursOnRequestAndLoadZeroWhenAbsent) {
  TspSkinColors colors;
  EXPECT_EQ(colors.cBtnFace, 0);
  colors.SetDefault();
  const TColor expected[] = {static_cast<TColor>(0xFF00000F), static_cast<TColor>(0xFF000012),
                             static_cast<TColor>(0xFF000005), static_cast<TColor>(0xFF000008),
                             static_cast<TColor>(0xFF00000D), static_cast<TColor>(0xFF00000E),
                             static_cast<TColor>(0xFF000014), static_cast<TColor>(0xFF000010),
                             static_cast<TColor>(0xFF000016), static_cast<TColor>(0xFF000015)};
  const TColor actual[] = {colors.cBtnFace,      colors.cBtnText,      colors.cWindow,
                           colors.cWindowText,   colors.cHighLight,    colors.cHighLightText,
                           colors.cBtnHighLight, colors.cBtnShadow,    colors.c3DLight,
                           colors.c3DDkShadow};
  for (int i = 0; i < 10; ++i) EXPECT_EQ(actual[i], expected[i]) << i;

  TSkinIniText ini(
      "[SKINCOLORS]\r\ncbtnface=1\r\ncbtntext=2\r\ncwindowtext=4\r\nchighlight=5\r\n"
      "chighlighttext=6\r\ncbtnhighlight=7\r\ncbtnshadow=8\r\nc3dlight=9\r\n"
      "c3ddkshadow=-16777201\r\n");
  colors.LoadFromFile(ini);
  const TColor loaded[] = {colors.cBtnFace,      colors.cBtnText,      colors.cWindow,
                           colors.cWindowText,   colors.cHighLight,    colors.cHighLightText,
                           colors.cBtnHighLight, colors.cBtnShadow,    colors.c3DLight,
                           colors.c3DDkShadow};
  const TColor want[] = {1, 2, 0, 4, 5, 6, 7, 8, 9, clBtnFace};
  for (int i = 0; i < 10; ++i) EXPECT_EQ(loaded[i], want[i]) << i;
}

}  // namespace
