#include "skin/data/SkinFormInfo.h"

#include "SkinIniText.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

TspSkinFormInfo Load(const std::string& Keys, bool HasMask) {
  TSkinIniText ini("[FORMINFO]\r\n" + Keys);
  TspSkinFormInfo info;
  LoadSkinFormInfo(ini, HasMask, info);
  return info;
}

// Every FORMINFO key in reading order, with its absent value and a sample value of its
// own, as a skin file spells them. The sample corners lie inside the sample client
// rectangle, so loading keeps them as read.
struct TFormInfoKey {
  const char* Key;
  const char* Absent;
  const char* Sample;
};

constexpr TFormInfoKey FormInfoKeys[] = {
    {"lefttoppoint", "0,0", "11,12"},
    {"righttoppoint", "0,0", "13,14"},
    {"leftbottompoint", "0,0", "15,16"},
    {"rightbottompoint", "0,0", "17,18"},
    {"clientrect", "0,0,0,0", "1,2,900,800"},
    {"bgpictureindex", "-1", "3"},
    {"mdibgpictureindex", "-1", "4"},
    {"leftstretch", "0", "1"},
    {"rightstretch", "0", "1"},
    {"topstretch", "0", "1"},
    {"bottomstretch", "0", "1"},
    {"stretcheffect", "0", "1"},
    {"stretchtype", "stfull", "stvert"},
    {"mdibgstretcheffect", "0", "1"},
    {"mdibgstretchtype", "stfull", "sthorz"},
    {"buttonsrect", "0,0,0,0", "21,22,23,24"},
    {"captionrect", "0,0,0,0", "25,26,27,28"},
    {"buttonsoffset", "0", "5"},
    {"buttonsinleft", "0", "1"},
    {"maskrectarea", "0,0,0,0", "31,32,33,34"},
    {"hittestlefttoppoint", "0,0", "41,42"},
    {"hittestrighttoppoint", "0,0", "43,44"},
    {"hittestleftbottompoint", "0,0", "45,46"},
    {"hittestrightbottompoint", "0,0", "47,48"},
    {"rollupleftpoint", "0,0", "51,52"},
    {"rolluprightpoint", "0,0", "53,54"},
    {"mainmenurect", "0,0,0,0", "61,62,63,64"},
    {"iconrect", "0,0,0,0", "65,66,67,68"},
    {"mainmenupopupup", "0", "1"},
    {"borderwidth", "0", "6"},
    {"formminwidth", "0", "7"},
    {"mditabstransparent", "0", "1"},
    {"mainmenubartransparent", "0", "1"},
    {"cursorindex", "-1", "8"},
    {"autorenderinginactiveimage", "0", "1"},
    {"inactiveeffect", "iebrightness", "ienoise"},
    {"sizegriparea", "0,0,0,0", "71,72,73,74"},
    {"statusbarname", "", "statusbar"},
};

// Loads the FORMINFO section of Text and writes the result back with the key table, as
// a tool that writes skins does; returns the written keys in order with their values.
std::vector<std::pair<std::string, std::string>> LoadAndWrite(const std::string& Text) {
  TSkinIniText ini(Text);
  TspSkinFormInfo info;
  LoadSkinFormInfo(ini, false, info);
  TSkinIniText written;
  WriteSkinKeys(written, "FORMINFO", info, SkinFormInfoKeys());
  TStringList keys;
  written.ReadSection("FORMINFO", keys);
  std::vector<std::pair<std::string, std::string>> result;
  for (int i = 0; i < keys.Count(); ++i)
    result.emplace_back(keys.Strings(i), written.ReadString("FORMINFO", keys.Strings(i), "?"));
  return result;
}

TEST(SkinFormInfo, EveryKeyIsReadAndWrittenUnderItsNameInReadingOrder) {
  std::vector<std::pair<std::string, std::string>> absent, samples;
  std::string text = "[FORMINFO]\r\n";
  for (const TFormInfoKey& key : FormInfoKeys) {
    absent.emplace_back(key.Key, key.Absent);
    samples.emplace_back(key.Key, key.Sample);
    text += std::string(key.Key) + "=" + key.Sample + "\r\n";
  }
  EXPECT_EQ(LoadAndWrite(""), absent);
  EXPECT_EQ(LoadAndWrite(text), samples);

  // Keys of one kind fill their own fields, which a round trip alone cannot tell.
  TSkinIniText ini(text);
  TspSkinFormInfo info;
  LoadSkinFormInfo(ini, false, info);
  EXPECT_EQ(info.LTPoint, (TPoint{11, 12}));
  EXPECT_EQ(info.RBPoint, (TPoint{17, 18}));
  EXPECT_EQ(info.BGPictureIndex, 3);
  EXPECT_EQ(info.MDIBGPictureIndex, 4);
  EXPECT_EQ(info.StretchType, stvert);
  EXPECT_EQ(info.MDIBGStretchType, sthorz);
  EXPECT_EQ(info.ButtonsRect.Left, 21);
  EXPECT_EQ(info.CaptionRect.Left, 25);
  EXPECT_EQ(info.ButtonsOffset, 5);
  EXPECT_EQ(info.MaskRectArea.Left, 31);
  EXPECT_EQ(info.HitTestRTPoint, (TPoint{43, 44}));
  EXPECT_EQ(info.RollUpRightPoint, (TPoint{53, 54}));
  EXPECT_EQ(info.MainMenuRect.Left, 61);
  EXPECT_EQ(info.IconRect.Left, 65);
  EXPECT_EQ(info.BorderWidth, 6);
  EXPECT_EQ(info.FormMinWidth, 7);
  EXPECT_EQ(info.CursorIndex, 8);
  EXPECT_EQ(info.SizeGripArea.Left, 71);
}

TEST(SkinFormInfo, AbsentKeysGiveTheirDefaults) {
  TspSkinFormInfo info = Load("", false);
  EXPECT_EQ(info.ClRect, TRect{});
  EXPECT_EQ(info.BGPictureIndex, -1);
  EXPECT_EQ(info.MDIBGPictureIndex, -1);
  EXPECT_EQ(info.CursorIndex, -1);
  EXPECT_EQ(info.StretchType, stfull);
  EXPECT_EQ(info.InActiveEffect, iebrightness);
  EXPECT_FALSE(info.MainMenuPopupUp);
  EXPECT_EQ(info.StatusBarName, "");

  info = Load(
      "MainMenuRect=1,2,3,4\r\nstretchtype=stdiagonal\r\nmdibgstretchtype=stvert\r\n"
      "inactiveeffect=ieinvert\r\nformminwidth=300\r\nmainmenupopupup=1\r\n",
      false);
  EXPECT_EQ(info.MainMenuRect, (TRect{1, 2, 3, 4}));  // keys match without case
  EXPECT_EQ(info.StretchType, sthorz);                // an unknown stretch type
  EXPECT_EQ(info.MDIBGStretchType, stvert);
  EXPECT_EQ(info.InActiveEffect, ieinvert);
  EXPECT_EQ(info.FormMinWidth, 300);
  EXPECT_TRUE(info.MainMenuPopupUp);
}

TEST(SkinFormInfo, WithAMaskTheMaskAreaHoldsTheClientRect) {
  const std::string client = "clientrect=10,20,100,80\r\n";
  EXPECT_EQ(Load(client, true).MaskRectArea, (TRect{10, 20, 100, 80}));
  EXPECT_EQ(Load(client + "maskrectarea=15,5,90,85\r\n", true).MaskRectArea,
            (TRect{10, 5, 100, 85}));
  EXPECT_EQ(Load(client + "maskrectarea=0,0,5,0\r\n", true).MaskRectArea, (TRect{10, 20, 100, 80}));
  EXPECT_EQ(Load(client + "maskrectarea=0,0,5,0\r\n", false).MaskRectArea, (TRect{0, 0, 5, 0}));
  EXPECT_EQ(Load(client, false).MaskRectArea, TRect{});
}

TEST(SkinFormInfo, WithAMaskNullHitTestPointsTakeTheirCorners) {
  const std::string keys =
      "lefttoppoint=5,6\r\nrighttoppoint=7,8\r\nleftbottompoint=9,10\r\nrightbottompoint=11,12\r\n"
      "hittestlefttoppoint=0,50\r\nhittestrighttoppoint=3,4\r\nhittestleftbottompoint=50,0\r\n";
  TspSkinFormInfo masked = Load(keys, true);
  EXPECT_EQ(masked.HitTestLTPoint, (TPoint{5, 6}));
  EXPECT_EQ(masked.HitTestRTPoint, (TPoint{3, 4}));
  EXPECT_EQ(masked.HitTestLBPoint, (TPoint{9, 10}));
  EXPECT_EQ(masked.HitTestRBPoint, (TPoint{11, 12}));
  TspSkinFormInfo plain = Load(keys, false);
  EXPECT_EQ(plain.HitTestLTPoint, (TPoint{0, 50}));
  EXPECT_EQ(plain.HitTestRBPoint, TPoint{});
}

TEST(SkinFormInfo, CornerPointsArePulledOntoTheClientRect) {
  const std::string client = "clientrect=10,20,100,80\r\n";
  TspSkinFormInfo info = Load(client +
                                  "lefttoppoint=2,3\r\nrighttoppoint=120,4\r\n"
                                  "leftbottompoint=1,90\r\nrightbottompoint=150,95\r\n",
                              false);
  EXPECT_EQ(info.LTPoint, (TPoint{10, 20}));
  EXPECT_EQ(info.RTPoint, (TPoint{100, 20}));
  EXPECT_EQ(info.LBPoint, (TPoint{10, 80}));
  EXPECT_EQ(info.RBPoint, (TPoint{100, 80}));

  // Corners spanning no width (or no height) stay as read.
  for (const char* corners : {"lefttoppoint=2,3\r\nrightbottompoint=2,95\r\n",
                              "lefttoppoint=2,3\r\nrightbottompoint=150,3\r\n"}) {
    TspSkinFormInfo same = Load(client + corners + "righttoppoint=120,4\r\n", false);
    EXPECT_EQ(same.LTPoint, (TPoint{2, 3})) << corners;
    EXPECT_EQ(same.RTPoint, (TPoint{120, 4})) << corners;
  }
  // The hit-test points take the corners as read, before they are pulled in.
  TspSkinFormInfo masked = Load(client + "lefttoppoint=2,3\r\nrightbottompoint=150,95\r\n", true);
  EXPECT_EQ(masked.HitTestLTPoint, (TPoint{2, 3}));
  EXPECT_EQ(masked.LTPoint, (TPoint{10, 20}));
}

}  // namespace
