// Hand-written control sections load into the fields they name; a new object holds the
// values of its constructor, a loaded one the absent values of its keys.
#include "skin/data/SkinBarData.h"
#include "skin/data/SkinButtonData.h"
#include "skin/data/SkinEditData.h"
#include "skin/data/SkinPanelData.h"
#include "skin/data/SkinViewData.h"

#include "SkinIniText.h"

#include <gtest/gtest.h>

namespace {

TEST(SkinControlData, TheBaseKeysFillTheBaseFields) {
  auto c = Loaded<TspDataSkinCustomControl>(
      "b",
      "[b]\r\npictureindex=2\r\nmaskpictureindex=3\r\ncursorindex=4\r\nskinrect=0,0,60,21\r\n"
      "lefttoppoint=3,4\r\nrighttoppoint=57,4\r\nleftbottompoint=3,17\r\n"
      "rightbottompoint=57,17\r\nclientrect=3,3,57,18\r\nleftstretch=1\r\nbottomstretch=1\r\n"
      "stretcheffect=1\r\nstretchtype=stvert\r\n");
  EXPECT_EQ(c.IDName, "b");
  EXPECT_EQ(c.PictureIndex, 2);
  EXPECT_EQ(c.MaskPictureIndex, 3);
  EXPECT_EQ(c.CursorIndex, 4);
  EXPECT_EQ(c.SkinRect, (TRect{0, 0, 60, 21}));
  EXPECT_EQ(c.LTPoint, (TPoint{3, 4}));
  EXPECT_EQ(c.RTPoint, (TPoint{57, 4}));
  EXPECT_EQ(c.LBPoint, (TPoint{3, 17}));
  EXPECT_EQ(c.RBPoint, (TPoint{57, 17}));
  EXPECT_EQ(c.ClRect, (TRect{3, 3, 57, 18}));
  EXPECT_TRUE(c.LeftStretch);
  EXPECT_FALSE(c.TopStretch);
  EXPECT_FALSE(c.RightStretch);
  EXPECT_TRUE(c.BottomStretch);
  EXPECT_TRUE(c.StretchEffect);
  EXPECT_EQ(c.StretchType, stvert);
}

TEST(SkinControlData, TheStretchTypeKeywordIsCaseSensitive) {
  EXPECT_EQ(Loaded<TspDataSkinCustomControl>("b", "[b]\r\nstretchtype=STFULL\r\n").StretchType,
            sthorz);
  EXPECT_EQ(Loaded<TspDataSkinCustomControl>("b", "[b]\r\n").StretchType, stfull);
}

TEST(SkinControlData, AFrameCountBelowOneLoadsAsOne) {
  for (const char* count : {"0", "-5", "x"})
    EXPECT_EQ(Loaded<TspDataSkinFrameGauge>("f", std::string("[f]\r\nframescount=") + count +
                                                     "\r\n")
                  .FramesCount,
              1)
        << count;
  auto f = Loaded<TspDataSkinAnimateControl>("f", "[f]\r\nframescount=12\r\n"
                                                  "framesplacement=FPHORIZONTAL\r\n");
  EXPECT_EQ(f.FramesCount, 12);
  EXPECT_EQ(f.FramesPlacement, fpvertical);
}

TEST(SkinControlData, RegulatorKindFallsBackToVertical) {
  EXPECT_EQ(Loaded<TspDataSkinFrameRegulator>("r", "[r]\r\n").Kind, rkround);
  EXPECT_EQ(Loaded<TspDataSkinFrameRegulator>("r", "[r]\r\nkind=rkhorizontal\r\n").Kind,
            rkhorizontal);
  EXPECT_EQ(Loaded<TspDataSkinFrameRegulator>("r", "[r]\r\nkind=rkvertical\r\n").Kind,
            rkvertical);
  EXPECT_EQ(Loaded<TspDataSkinFrameRegulator>("r", "[r]\r\nkind=round\r\n").Kind, rkvertical);
}

TEST(SkinControlData, NewObjectsHoldTheirConstructorValues) {
  TspDataSkinButtonControl button("b");
  EXPECT_EQ(button.FontHeight, 12);
  EXPECT_EQ(button.FontName, "Arial");
  EXPECT_EQ(button.AnimateInterval, 0);
  EXPECT_EQ(button.PictureIndex, -1);
  EXPECT_EQ(button.MaskPictureIndex, -1);
  EXPECT_EQ(button.CursorIndex, -1);
  EXPECT_EQ(button.StretchType, stfull);
  EXPECT_EQ(TspDataSkinScrollBarControl("s").ThumbTransparentColor, 0xFF00FF);
  EXPECT_EQ(TspDataSkinScrollBarControl("s").GlyphTransparentColor, 0xFF00FF);
  EXPECT_EQ(TspDataSkinTabControl("t").ButtonTransparentColor, 0xFF00FF);
  EXPECT_EQ(TspDataSkinTreeView("t").BGColor, 0xFFFFFF);
  EXPECT_EQ(TspDataSkinListView("t").BGColor, 0xFFFFFF);
  EXPECT_EQ(TspDataSkinRichEdit("t").BGColor, 0xFFFFFF);
  EXPECT_EQ(TspDataSkinControlBar("c").ItemOffset1, 0);
  EXPECT_EQ(TspDataSkinPanelControl("p").Alignment, taCenter);
  EXPECT_EQ(TspDataSkinPanelControl("p").BGPictureIndex, -1);
  EXPECT_EQ(TspDataSkinFrameGauge("f").FramesCount, 1);
  EXPECT_TRUE(TspDataSkinBitLabelControl("l").Symbols.Count() == 0);
}

TEST(SkinControlData, AnEmptySectionGivesAbsentValuesNotConstructorValues) {
  auto button = Loaded<TspDataSkinButtonControl>("b", "[b]\r\nskinrect=1,2,3,4\r\n");
  EXPECT_EQ(button.FontHeight, 14);
  EXPECT_EQ(button.AnimateInterval, 25);
  EXPECT_EQ(button.FrameCount, 0);
  EXPECT_EQ(button.FontName, "Arial");
  EXPECT_EQ(button.MorphKind, mkdefault);
  EXPECT_EQ(Loaded<TspDataSkinScrollBarControl>("s", "").ThumbTransparentColor, 0);
  EXPECT_EQ(Loaded<TspDataSkinTabControl>("t", "").ButtonTransparentColor, 0);
  EXPECT_EQ(Loaded<TspDataSkinTabControl>("t", "").BGPictureIndex, -1);
  EXPECT_EQ(Loaded<TspDataSkinTreeView>("t", "").BGColor, 0);
  EXPECT_EQ(Loaded<TspDataSkinListView>("t", "").BGColor, 0);
  EXPECT_EQ(Loaded<TspDataSkinRichEdit>("t", "").BGColor, 0);
  EXPECT_EQ(Loaded<TspDataSkinControlBar>("c", "").ItemOffset1, 3);
  EXPECT_EQ(Loaded<TspDataSkinStdLabelControl>("l", "").ActiveFontColor, 16711680);
  auto gauge = Loaded<TspDataSkinGaugeControl>("g", "");
  EXPECT_EQ(gauge.AnimationTimerInterval, 0);
  EXPECT_EQ(gauge.FontHeight, 14);
  EXPECT_EQ(gauge.ProgressTransparentColor, 0);
}

TEST(SkinControlData, ButtonAndMenuButtonSections) {
  const std::string text =
      "[tb]\r\nfontname=Tahoma\r\nfontheight=13\r\nfontstyle=fsbold\r\nfontcolor=1\r\n"
      "activefontcolor=2\r\ndisabledfontcolor=3\r\ndownfontcolor=4\r\nmorphing=1\r\n"
      "morphkind=mkgradient\r\nactiveskinrect=1,1,1,1\r\ndownskinrect=2,2,2,2\r\n"
      "focusedskinrect=3,3,3,3\r\ndisabledskinrect=4,4,4,4\r\nanimateskinrect=5,5,5,5\r\n"
      "framecount=6\r\nanimateinterval=40\r\nshowfocus=1\r\nmenumarkerflatrect=7,7,7,7\r\n"
      "menumarkerrect=8,8,8,8\r\nmenumarkeractiverect=9,9,9,9\r\n"
      "menumarkerdownrect=10,10,10,10\r\nmenumarkertransparentcolor=11\r\n"
      "trackbuttonrect=12,12,12,12\r\n";
  auto b = Loaded<TspDataSkinMenuButtonControl>("tb", text);
  EXPECT_EQ(b.FontName, "Tahoma");
  EXPECT_EQ(b.FontHeight, 13);
  EXPECT_EQ(b.FontStyle, TFontStyles{fsBold});
  EXPECT_EQ(b.FontColor, 1);
  EXPECT_EQ(b.ActiveFontColor, 2);
  EXPECT_EQ(b.DisabledFontColor, 3);
  EXPECT_EQ(b.DownFontColor, 4);
  EXPECT_TRUE(b.Morphing);
  EXPECT_EQ(b.MorphKind, mkgradient);
  EXPECT_EQ(b.ActiveSkinRect.Left, 1);
  EXPECT_EQ(b.DownSkinRect.Left, 2);
  EXPECT_EQ(b.FocusedSkinRect.Left, 3);
  EXPECT_EQ(b.DisabledSkinRect.Left, 4);
  EXPECT_EQ(b.AnimateSkinRect.Left, 5);
  EXPECT_EQ(b.FrameCount, 6);
  EXPECT_EQ(b.AnimateInterval, 40);
  EXPECT_TRUE(b.ShowFocus);
  EXPECT_EQ(b.MenuMarkerFlatRect.Left, 7);
  EXPECT_EQ(b.MenuMarkerRect.Left, 8);
  EXPECT_EQ(b.MenuMarkerActiveRect.Left, 9);
  EXPECT_EQ(b.MenuMarkerDownRect.Left, 10);
  EXPECT_EQ(b.MenuMarkerTransparentColor, 11);
  EXPECT_EQ(b.TrackButtonRect.Left, 12);
}

TEST(SkinControlData, CheckRadioSection) {
  auto c = Loaded<TspDataSkinCheckRadioControl>(
      "cb",
      "[cb]\r\nunenabledfontcolor=5\r\nframefontcolor=6\r\ncheckimagearea=1,1,1,1\r\n"
      "textarea=2,2,2,2\r\ncheckimagerect=3,3,3,3\r\ngrayedcheckimagerect=4,4,4,4\r\n"
      "uncheckimagerect=5,5,5,5\r\nactivecheckimagerect=6,6,6,6\r\n"
      "activegrayedcheckimagerect=7,7,7,7\r\nactiveuncheckimagerect=8,8,8,8\r\n"
      "unenabledcheckimagerect=9,9,9,9\r\nunenabledgrayedcheckimagerect=10,10,10,10\r\n"
      "unenableduncheckimagerect=11,11,11,11\r\n");
  EXPECT_EQ(c.UnenabledFontColor, 5);
  EXPECT_EQ(c.FrameFontColor, 6);
  EXPECT_EQ(c.CheckImageArea.Left, 1);
  EXPECT_EQ(c.TextArea.Left, 2);
  EXPECT_EQ(c.CheckImageRect.Left, 3);
  EXPECT_EQ(c.GrayedCheckImageRect.Left, 4);
  EXPECT_EQ(c.UncheckImageRect.Left, 5);
  EXPECT_EQ(c.ActiveCheckImageRect.Left, 6);
  EXPECT_EQ(c.ActiveGrayedCheckImageRect.Left, 7);
  EXPECT_EQ(c.ActiveUncheckImageRect.Left, 8);
  EXPECT_EQ(c.UnenabledCheckImageRect.Left, 9);
  EXPECT_EQ(c.UnenabledGrayedCheckImageRect.Left, 10);
  EXPECT_EQ(c.UnenabledUncheckImageRect.Left, 11);
  EXPECT_EQ(Loaded<TspDataSkinCheckRadioControl>("cb", "").FrameFontColor, 0);
}

TEST(SkinControlData, MemoSectionsAreReadWithTheEditKeysFirst) {
  auto m = Loaded<TspDataSkinMemoControl>(
      "memo", "[memo]\r\nactiveskinrect=1,1,1,1\r\ndisabledskinrect=2,2,2,2\r\n"
              "fontname=Verdana\r\ndisabledfontcolor=3\r\nactivefontcolor=4\r\n"
              "buttonrect=5,5,5,5\r\nactivebuttonrect=6,6,6,6\r\ndownbuttonrect=7,7,7,7\r\n"
              "unenabledbuttonrect=8,8,8,8\r\nbgcolor=9\r\nactivebgcolor=10\r\n");
  EXPECT_EQ(m.ActiveSkinRect.Left, 1);
  EXPECT_EQ(m.DisabledSkinRect.Left, 2);
  EXPECT_EQ(m.FontName, "Verdana");
  EXPECT_EQ(m.DisabledFontColor, 3);
  EXPECT_EQ(m.ActiveFontColor, 4);
  EXPECT_EQ(m.ButtonRect.Left, 5);
  EXPECT_EQ(m.ActiveButtonRect.Left, 6);
  EXPECT_EQ(m.DownButtonRect.Left, 7);
  EXPECT_EQ(m.UnenabledButtonRect.Left, 8);
  EXPECT_EQ(m.BGColor, 9);
  EXPECT_EQ(m.ActiveBGColor, 10);
}

TEST(SkinControlData, ListBoxSections) {
  auto empty = Loaded<TspDataSkinListBox>("lb", "");
  EXPECT_EQ(empty.HScrollBarName, "hscrollbar");
  EXPECT_EQ(empty.VScrollBarName, "vscrollbar");
  EXPECT_EQ(empty.BothHScrollBarName, "bothhscrollbar");
  EXPECT_TRUE(TspDataSkinListBox("lb").HScrollBarName.empty());

  auto l = Loaded<TspDataSkinCheckListBox>(
      "clb", "[clb]\r\nitemrect=1,1,1,1\r\nactiveitemrect=2,2,2,2\r\nfocusitemrect=3,3,3,3\r\n"
             "itemleftoffset=4\r\nitemrightoffset=5\r\nitemtextrect=6,6,6,6\r\n"
             "focusfontcolor=7\r\ncaptionrect=8,8,8,8\r\ncaptionfontname=Courier\r\n"
             "captionfontheight=9\r\ncaptionfontstyle=fsitalic\r\ncaptionfontcolor=10\r\n"
             "upbuttonrect=11,0,0,0\r\nactiveupbuttonrect=12,0,0,0\r\n"
             "downupbuttonrect=13,0,0,0\r\ndownbuttonrect=14,0,0,0\r\n"
             "activedownbuttonrect=15,0,0,0\r\ndowndownbuttonrect=16,0,0,0\r\n"
             "checkbuttonrect=17,0,0,0\r\nactivecheckbuttonrect=18,0,0,0\r\n"
             "downcheckbuttonrect=19,0,0,0\r\nhscrollbarname=h2\r\nvscrollbarname=v2\r\n"
             "bothhscrollbarname=b2\r\nshowfocus=1\r\ncheckimagerect=20,0,0,0\r\n"
             "itemcheckrect=21,0,0,0\r\nuncheckimagerect=22,0,0,0\r\n");
  EXPECT_EQ(l.ItemRect.Left, 1);
  EXPECT_EQ(l.ActiveItemRect.Left, 2);
  EXPECT_EQ(l.FocusItemRect.Left, 3);
  EXPECT_EQ(l.ItemLeftOffset, 4);
  EXPECT_EQ(l.ItemRightOffset, 5);
  EXPECT_EQ(l.ItemTextRect.Left, 6);
  EXPECT_EQ(l.FocusFontColor, 7);
  EXPECT_EQ(l.CaptionRect.Left, 8);
  EXPECT_EQ(l.CaptionFontName, "Courier");
  EXPECT_EQ(l.CaptionFontHeight, 9);
  EXPECT_EQ(l.CaptionFontStyle, TFontStyles{fsItalic});
  EXPECT_EQ(l.CaptionFontColor, 10);
  EXPECT_EQ(l.UpButtonRect.Left, 11);
  EXPECT_EQ(l.ActiveUpButtonRect.Left, 12);
  EXPECT_EQ(l.DownUpButtonRect.Left, 13);
  EXPECT_EQ(l.DownButtonRect.Left, 14);
  EXPECT_EQ(l.ActiveDownButtonRect.Left, 15);
  EXPECT_EQ(l.DownDownButtonRect.Left, 16);
  EXPECT_EQ(l.CheckButtonRect.Left, 17);
  EXPECT_EQ(l.ActiveCheckButtonRect.Left, 18);
  EXPECT_EQ(l.DownCheckButtonRect.Left, 19);
  EXPECT_EQ(l.HScrollBarName, "h2");
  EXPECT_EQ(l.VScrollBarName, "v2");
  EXPECT_EQ(l.BothHScrollBarName, "b2");
  EXPECT_TRUE(l.ShowFocus);
  EXPECT_EQ(l.CheckImageRect.Left, 20);
  EXPECT_EQ(l.ItemCheckRect.Left, 21);
  EXPECT_EQ(l.UncheckImageRect.Left, 22);
}

TEST(SkinControlData, ComboBoxAndSpinEditSections) {
  EXPECT_EQ(Loaded<TspDataSkinComboBox>("cb", "").ListBoxName, "");
  auto c = Loaded<TspDataSkinComboBox>(
      "cb", "[cb]\r\nlistboxname=captionlistbox\r\nitemstretcheffect=1\r\n"
            "focusitemstretcheffect=0\r\nbuttonrect=1,0,0,0\r\nunenabledbuttonrect=2,0,0,0\r\n"
            "focusfontcolor=3\r\nactivefontcolor=4\r\n");
  EXPECT_EQ(c.ListBoxName, "captionlistbox");
  EXPECT_TRUE(c.ItemStretchEffect);
  EXPECT_FALSE(c.FocusItemStretchEffect);
  EXPECT_EQ(c.ButtonRect.Left, 1);
  EXPECT_EQ(c.UnenabledButtonRect.Left, 2);
  EXPECT_EQ(c.FocusFontColor, 3);
  EXPECT_EQ(c.ActiveFontColor, 4);

  auto s = Loaded<TspDataSkinSpinEditControl>(
      "se", "[se]\r\nactivefontcolor=1\r\ndisabledfontcolor=2\r\nupbuttonrect=3,0,0,0\r\n"
            "downdownbuttonrect=4,0,0,0\r\n");
  EXPECT_EQ(s.ActiveFontColor, 1);
  EXPECT_EQ(s.DisabledFontColor, 2);
  EXPECT_EQ(s.UpButtonRect.Left, 3);
  EXPECT_EQ(s.DownDownButtonRect.Left, 4);
  EXPECT_EQ(TspDataSkinSpinEditControl("se").FontHeight, 12);
}

TEST(SkinControlData, ScrollBarSection) {
  auto s = Loaded<TspDataSkinScrollBarControl>(
      "sb", "[sb]\r\ntrackarea=1,0,0,0\r\nthumbrect=2,0,0,0\r\nactivethumbrect=3,0,0,0\r\n"
            "downthumbrect=4,0,0,0\r\nthumboffset1=5\r\nthumboffset2=6\r\nglyphrect=7,0,0,0\r\n"
            "activeglyphrect=8,0,0,0\r\ndownglyphrect=9,0,0,0\r\nglyphtransparent=1\r\n"
            "glyphtransparentcolor=10\r\nthumbtransparent=1\r\nthumbtransparentcolor=11\r\n"
            "thumbstretcheffect=1\r\nthumbminsize=12\r\nthumbminpagesize=13\r\n");
  EXPECT_EQ(s.TrackArea.Left, 1);
  EXPECT_EQ(s.ThumbRect.Left, 2);
  EXPECT_EQ(s.ActiveThumbRect.Left, 3);
  EXPECT_EQ(s.DownThumbRect.Left, 4);
  EXPECT_EQ(s.ThumbOffset1, 5);
  EXPECT_EQ(s.ThumbOffset2, 6);
  EXPECT_EQ(s.GlyphRect.Left, 7);
  EXPECT_EQ(s.ActiveGlyphRect.Left, 8);
  EXPECT_EQ(s.DownGlyphRect.Left, 9);
  EXPECT_TRUE(s.GlyphTransparent);
  EXPECT_EQ(s.GlyphTransparentColor, 10);
  EXPECT_TRUE(s.ThumbTransparent);
  EXPECT_EQ(s.ThumbTransparentColor, 11);
  EXPECT_TRUE(s.ThumbStretchEffect);
  EXPECT_EQ(s.ThumbMinSize, 12);
  EXPECT_EQ(s.ThumbMinPageSize, 13);
}

TEST(SkinControlData, TrackBarGaugeSplitterAndSliderSections) {
  auto t = Loaded<TspDataSkinTrackBarControl>(
      "t", "[t]\r\nactiveskinrect=1,0,0,0\r\ntrackarea=2,0,0,0\r\nbuttonrect=3,0,0,0\r\n"
           "activebuttonrect=4,0,0,0\r\nvertical=1\r\nbuttontransparent=1\r\n"
           "buttontransparentcolor=5\r\n");
  EXPECT_EQ(t.ActiveSkinRect.Left, 1);
  EXPECT_EQ(t.TrackArea.Left, 2);
  EXPECT_EQ(t.ButtonRect.Left, 3);
  EXPECT_EQ(t.ActiveButtonRect.Left, 4);
  EXPECT_TRUE(t.Vertical);
  EXPECT_TRUE(t.ButtonTransparent);
  EXPECT_EQ(t.ButtonTransparentColor, 5);

  auto g = Loaded<TspDataSkinGaugeControl>(
      "g", "[g]\r\nprogressarea=1,0,0,0\r\nprogressrect=2,0,0,0\r\nbeginoffset=3\r\n"
           "endoffset=4\r\nprogresstransparent=1\r\nprogressstretch=1\r\n"
           "animationskinrect=5,0,0,0\r\nanimationcountframes=6\r\n"
           "animationtimerinterval=7\r\nprogressanimationskinrect=8,0,0,0\r\n"
           "progressanimationcountframes=9\r\nprogressanimationtimerinterval=10\r\n"
           "animationbeginoffset=11\r\nanimationendoffset=12\r\n");
  EXPECT_EQ(g.ProgressArea.Left, 1);
  EXPECT_EQ(g.ProgressRect.Left, 2);
  EXPECT_EQ(g.BeginOffset, 3);
  EXPECT_EQ(g.EndOffset, 4);
  EXPECT_TRUE(g.ProgressTransparent);
  EXPECT_TRUE(g.ProgressStretch);
  EXPECT_FALSE(g.Vertical);
  EXPECT_EQ(g.AnimationSkinRect.Left, 5);
  EXPECT_EQ(g.AnimationCountFrames, 6);
  EXPECT_EQ(g.AnimationTimerInterval, 7);
  EXPECT_EQ(g.ProgressAnimationSkinRect.Left, 8);
  EXPECT_EQ(g.ProgressAnimationCountFrames, 9);
  EXPECT_EQ(g.ProgressAnimationTimerInterval, 10);
  EXPECT_EQ(g.AnimationBeginOffset, 11);
  EXPECT_EQ(g.AnimationEndOffset, 12);

  auto sp = Loaded<TspDataSkinSplitterControl>(
      "sp", "[sp]\r\ngripperrect=1,0,0,0\r\ngrippertransparent=1\r\n");
  EXPECT_EQ(sp.GripperRect.Left, 1);
  EXPECT_TRUE(sp.GripperTransparent);
  EXPECT_EQ(sp.GripperTransparentColor, 0);

  auto sl = Loaded<TspDataSkinSlider>(
      "sl", "[sl]\r\nhrulerrect=1,0,0,0\r\nhthumbrect=2,0,0,0\r\nvrulerrect=3,0,0,0\r\n"
            "vthumbrect=4,0,0,0\r\nedgesize=5\r\nbgcolor=6\r\npointscolor=7\r\n");
  EXPECT_EQ(sl.HRulerRect.Left, 1);
  EXPECT_EQ(sl.HThumbRect.Left, 2);
  EXPECT_EQ(sl.VRulerRect.Left, 3);
  EXPECT_EQ(sl.VThumbRect.Left, 4);
  EXPECT_EQ(sl.EdgeSize, 5);
  EXPECT_EQ(sl.BGColor, 6);
  EXPECT_EQ(sl.PointsColor, 7);
}

TEST(SkinControlData, UpDownEntriesKeepNoCornerPointsOrClientRectangle) {
  const std::string text =
      "[ud]\r\nskinrect=0,0,16,20\r\nlefttoppoint=3,3\r\nrightbottompoint=9,9\r\n"
      "clientrect=2,2,10,10\r\nupbuttonrect=0,0,16,10\r\ndownbuttonrect=0,10,16,20\r\n";
  auto u = Loaded<TspDataSkinUpDownControl>("ud", text);
  EXPECT_EQ(u.LTPoint, TPoint{});
  EXPECT_EQ(u.RBPoint, TPoint{});
  EXPECT_EQ(u.ClRect, TRect{});
  EXPECT_EQ(u.SkinRect, (TRect{0, 0, 16, 20}));
  EXPECT_EQ(u.UpButtonRect, (TRect{0, 0, 16, 10}));
  EXPECT_EQ(u.DownButtonRect, (TRect{0, 10, 16, 20}));

  TSkinIniText ini;
  TspDataSkinUpDownControl saved("ud");
  saved.LTPoint = {3, 3};
  saved.ClRect = {2, 2, 10, 10};
  saved.SaveToFile(ini);
  EXPECT_EQ(saved.LTPoint, TPoint{});
  EXPECT_EQ(saved.ClRect, TRect{});
  EXPECT_EQ(ini.ReadString("ud", "lefttoppoint", ""), "0,0");
  EXPECT_EQ(ini.ReadString("ud", "clientrect", ""), "0,0,0,0");
}

TEST(SkinControlData, PanelAndExPanelSections) {
  EXPECT_EQ(Loaded<TspDataSkinPanelControl>("p", "").Alignment, taCenter);
  EXPECT_EQ(Loaded<TspDataSkinPanelControl>("p", "[p]\r\nalignment=left\r\n").Alignment,
            taRightJustify);
  auto p = Loaded<TspDataSkinPanelControl>(
      "p", "[p]\r\nbgpictureindex=2\r\ncaptionrect=1,0,0,0\r\nalignment=taleftjustify\r\n"
           "checkimagerect=2,0,0,0\r\nuncheckimagerect=3,0,0,0\r\nmarkframerect=4,0,0,0\r\n"
           "framerect=5,0,0,0\r\nframetextrect=6,0,0,0\r\nframeleftoffset=7\r\n"
           "framerightoffset=8\r\ngripperrect=9,0,0,0\r\ngrippertransparent=1\r\n"
           "grippertransparentcolor=10\r\n");
  EXPECT_EQ(p.BGPictureIndex, 2);
  EXPECT_EQ(p.CaptionRect.Left, 1);
  EXPECT_EQ(p.Alignment, taLeftJustify);
  EXPECT_EQ(p.CheckImageRect.Left, 2);
  EXPECT_EQ(p.UncheckImageRect.Left, 3);
  EXPECT_EQ(p.MarkFrameRect.Left, 4);
  EXPECT_EQ(p.FrameRect.Left, 5);
  EXPECT_EQ(p.FrameTextRect.Left, 6);
  EXPECT_EQ(p.FrameLeftOffset, 7);
  EXPECT_EQ(p.FrameRightOffset, 8);
  EXPECT_EQ(p.GripperRect.Left, 9);
  EXPECT_TRUE(p.GripperTransparent);
  EXPECT_EQ(p.GripperTransparentColor, 10);

  auto e = Loaded<TspDataSkinExPanelControl>(
      "e", "[e]\r\nrollhskinrect=1,0,0,0\r\nrollvskinrect=2,0,0,0\r\nrollleftoffset=3\r\n"
           "rollrightoffset=4\r\nrolltopoffset=5\r\nrollbottomoffset=6\r\n"
           "rollvcaptionrect=7,0,0,0\r\nrollhcaptionrect=8,0,0,0\r\n"
           "closebuttonrect=9,0,0,0\r\nclosebuttonactiverect=10,0,0,0\r\n"
           "closebuttondownrect=11,0,0,0\r\nhrollbuttonrect=12,0,0,0\r\n"
           "hrollbuttonactiverect=13,0,0,0\r\nhrollbuttondownrect=14,0,0,0\r\n"
           "hrestorebuttonrect=15,0,0,0\r\nhrestorebuttonactiverect=16,0,0,0\r\n"
           "hrestorebuttondownrect=17,0,0,0\r\nvrollbuttonrect=18,0,0,0\r\n"
           "vrollbuttonactiverect=19,0,0,0\r\nvrollbuttondownrect=20,0,0,0\r\n"
           "vrestorebuttonrect=21,0,0,0\r\nvrestorebuttonactiverect=22,0,0,0\r\n"
           "vrestorebuttondownrect=23,0,0,0\r\ncaptionrect=24,0,0,0\r\n"
           "buttonstransparent=1\r\nbuttonstransparentcolor=25\r\n");
  const TRect* rects[] = {&e.RollHSkinRect,         &e.RollVSkinRect,
                          &e.RollVCaptionRect,      &e.RollHCaptionRect,
                          &e.CloseButtonRect,       &e.CloseButtonActiveRect,
                          &e.CloseButtonDownRect,   &e.HRollButtonRect,
                          &e.HRollButtonActiveRect, &e.HRollButtonDownRect,
                          &e.HRestoreButtonRect,    &e.HRestoreButtonActiveRect,
                          &e.HRestoreButtonDownRect, &e.VRollButtonRect,
                          &e.VRollButtonActiveRect, &e.VRollButtonDownRect,
                          &e.VRestoreButtonRect,    &e.VRestoreButtonActiveRect,
                          &e.VRestoreButtonDownRect, &e.CaptionRect};
  const int lefts[] = {1, 2, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24};
  for (size_t i = 0; i < std::size(rects); ++i) EXPECT_EQ(rects[i]->Left, lefts[i]) << i;
  EXPECT_EQ(e.RollLeftOffset, 3);
  EXPECT_EQ(e.RollRightOffset, 4);
  EXPECT_EQ(e.RollTopOffset, 5);
  EXPECT_EQ(e.RollBottomOffset, 6);
  EXPECT_TRUE(e.ButtonsTransparent);
  EXPECT_EQ(e.ButtonsTransparentColor, 25);
}

TEST(SkinControlData, LabelsAndBevelSections) {
  auto s = Loaded<TspDataSkinStdLabelControl>(
      "s", "[s]\r\nfontname=Arial Black\r\nfontheight=-11\r\nfontstyle=fsunderline\r\n"
           "fontcolor=1\r\nactivefontcolor=2\r\n");
  EXPECT_EQ(s.FontName, "Arial Black");
  EXPECT_EQ(s.FontHeight, -11);
  EXPECT_EQ(s.FontStyle, TFontStyles{fsUnderline});
  EXPECT_EQ(s.FontColor, 1);
  EXPECT_EQ(s.ActiveFontColor, 2);
  EXPECT_EQ(TspDataSkinStdLabelControl("s").ActiveFontColor, 16711680);

  auto b = Loaded<TspDataSkinBitLabelControl>(
      "b", "[b]\r\nskintextrect=1,2,3,4\r\nsymbolwidth=8\r\nsymbolheight=9\r\n"
           "symbolslinecount=3\r\nsymbolsline0=ABC\r\nsymbolsline2=GHI\r\n");
  EXPECT_EQ(b.SkinTextRect, (TRect{1, 2, 3, 4}));
  EXPECT_EQ(b.SymbolWidth, 8);
  EXPECT_EQ(b.SymbolHeight, 9);
  ASSERT_EQ(b.Symbols.Count(), 3);
  EXPECT_EQ(b.Symbols.Strings(0), "ABC");
  EXPECT_EQ(b.Symbols.Strings(1), "");
  EXPECT_EQ(b.Symbols.Strings(2), "GHI");
  EXPECT_EQ(Loaded<TspDataSkinBitLabelControl>("b", "[b]\r\nsymbolslinecount=0\r\n")
                .Symbols.Count(),
            0);

  auto v = Loaded<TspDataSkinBevel>("v", "[v]\r\nlightcolor=16777215\r\ndarkcolor=8421504\r\n");
  EXPECT_EQ(v.LightColor, 0xFFFFFF);
  EXPECT_EQ(v.DarkColor, 0x808080);
}

TEST(SkinControlData, TabSection) {
  auto t = Loaded<TspDataSkinTabControl>(
      "tab", "[tab]\r\ntabrect=1,0,0,0\r\nactivetabrect=2,0,0,0\r\nfocustabrect=3,0,0,0\r\n"
             "mouseintabrect=4,0,0,0\r\nclientrect=5,0,0,0\r\ntabsbgrect=6,0,0,0\r\n"
             "lefttoppoint=7,0\r\nrighttoppoint=8,0\r\nleftbottompoint=9,0\r\n"
             "rightbottompoint=10,0\r\ntableftoffset=11\r\ntabrightoffset=12\r\n"
             "mouseinfontcolor=13\r\nupdown=hupdown\r\nbgpictureindex=3\r\n"
             "tabstretcheffect=1\r\ntopstretch=1\r\nshowfocus=1\r\nfocusoffsetx=14\r\n"
             "focusoffsety=15\r\nstretchtype=sthorz\r\ncloseButtonRect=16,0,0,0\r\n"
             "closebuttonactiverect=17,0,0,0\r\nclosebuttondownrect=18,0,0,0\r\n"
             "buttontransparent=1\r\n");
  EXPECT_EQ(t.TabRect.Left, 1);
  EXPECT_EQ(t.ActiveTabRect.Left, 2);
  EXPECT_EQ(t.FocusTabRect.Left, 3);
  EXPECT_EQ(t.MouseInTabRect.Left, 4);
  EXPECT_EQ(t.ClRect.Left, 5);
  EXPECT_EQ(t.TabsBGRect.Left, 6);
  EXPECT_EQ(t.LTPoint.X, 7);
  EXPECT_EQ(t.RTPoint.X, 8);
  EXPECT_EQ(t.LBPoint.X, 9);
  EXPECT_EQ(t.RBPoint.X, 10);
  EXPECT_EQ(t.TabLeftOffset, 11);
  EXPECT_EQ(t.TabRightOffset, 12);
  EXPECT_EQ(t.MouseInFontColor, 13);
  EXPECT_EQ(t.UpDown, "hupdown");
  EXPECT_EQ(t.BGPictureIndex, 3);
  EXPECT_TRUE(t.TabStretchEffect);
  EXPECT_FALSE(t.LeftStretch);
  EXPECT_TRUE(t.TopStretch);
  EXPECT_FALSE(t.RightStretch);
  EXPECT_FALSE(t.BottomStretch);
  EXPECT_TRUE(t.ShowFocus);
  EXPECT_EQ(t.FocusOffsetX, 14);
  EXPECT_EQ(t.FocusOffsetY, 15);
  EXPECT_EQ(t.StretchType, sthorz);
  EXPECT_EQ(t.CloseButtonRect.Left, 16);
  EXPECT_EQ(t.CloseButtonActiveRect.Left, 17);
  EXPECT_EQ(t.CloseButtonDownRect.Left, 18);
  EXPECT_TRUE(t.ButtonTransparent);
  EXPECT_EQ(t.ButtonTransparentColor, 0);
}

TEST(SkinControlData, GridSection) {
  auto g = Loaded<TspDataSkinGridControl>(
      "grid", "[grid]\r\nfixedcellrect=1,0,0,0\r\nselectcellrect=2,0,0,0\r\n"
              "focuscellrect=3,0,0,0\r\ndisabledcellrect=4,0,0,0\r\nfixedcellleftoffset=5\r\n"
              "fixedcellrightoffset=6\r\nfixedcelltextrect=7,0,0,0\r\ncellleftoffset=8\r\n"
              "cellrightoffset=9\r\ncelltextrect=10,0,0,0\r\nlinescolor=11\r\nbgcolor=12\r\n"
              "selectfontcolor=13\r\nfocusfontcolor=14\r\nfixedfontname=Tahoma\r\n"
              "fixedfontheight=15\r\nfixedfontstyle=fsbold\r\nfixedfontcolor=16\r\n"
              "cellstretcheffect=1\r\n");
  EXPECT_EQ(g.FixedCellRect.Left, 1);
  EXPECT_EQ(g.SelectCellRect.Left, 2);
  EXPECT_EQ(g.FocusCellRect.Left, 3);
  EXPECT_EQ(g.DisabledCellRect.Left, 4);
  EXPECT_EQ(g.FixedCellLeftOffset, 5);
  EXPECT_EQ(g.FixedCellRightOffset, 6);
  EXPECT_EQ(g.FixedCellTextRect.Left, 7);
  EXPECT_EQ(g.CellLeftOffset, 8);
  EXPECT_EQ(g.CellRightOffset, 9);
  EXPECT_EQ(g.CellTextRect.Left, 10);
  EXPECT_EQ(g.LinesColor, 11);
  EXPECT_EQ(g.BGColor, 12);
  EXPECT_EQ(g.BGPictureIndex, -1);
  EXPECT_EQ(g.SelectFontColor, 13);
  EXPECT_EQ(g.FocusFontColor, 14);
  EXPECT_EQ(g.FontName, "Arial");
  EXPECT_EQ(g.FixedFontName, "Tahoma");
  EXPECT_EQ(g.FixedFontHeight, 15);
  EXPECT_EQ(g.FixedFontStyle, TFontStyles{fsBold});
  EXPECT_TRUE(g.FontStyle.Empty());
  EXPECT_EQ(g.FixedFontColor, 16);
  EXPECT_TRUE(g.CellStretchEffect);
  EXPECT_FALSE(g.FixedCellStretchEffect);
}

TEST(SkinControlData, MainMenuBarControlBarAndViewSections) {
  auto m = Loaded<TspDataSkinMainMenuBar>(
      "mb", "[mb]\r\nitemsrect=1,0,0,0\r\nmenubaritem=mainmenubaritem\r\n"
            "minbutton=menubarminbutton\r\nmaxbutton=menubarmaxbutton\r\n"
            "sysmenubutton=menubarsysmenubutton\r\ntrackmarkcolor=2\r\n"
            "trackmarkactivecolor=3\r\nstretcheffect=1\r\nitemtransparent=1\r\n");
  EXPECT_EQ(m.ItemsRect.Left, 1);
  EXPECT_EQ(m.MenuBarItem, "mainmenubaritem");
  EXPECT_EQ(m.CloseButton, "");
  EXPECT_EQ(m.MinButton, "menubarminbutton");
  EXPECT_EQ(m.MaxButton, "menubarmaxbutton");
  EXPECT_EQ(m.SysMenuButton, "menubarsysmenubutton");
  EXPECT_EQ(m.TrackMarkColor, 2);
  EXPECT_EQ(m.TrackMarkActiveColor, 3);
  EXPECT_TRUE(m.StretchEffect);
  EXPECT_TRUE(m.ItemTransparent);

  auto c = Loaded<TspDataSkinControlBar>(
      "cb", "[cb]\r\nitemrect=1,0,0,0\r\nbgpictureindex=4\r\nhgriprect=2,0,0,0\r\n"
            "vgriprect=3,0,0,0\r\ngripoffset1=5\r\ngripoffset2=6\r\nitemstretcheffect=1\r\n"
            "itemoffset2=7\r\nitemtransparent=1\r\nitemtransparentcolor=8\r\n"
            "griptransparent=1\r\ngriptransparentcolor=9\r\n");
  EXPECT_EQ(c.ItemRect.Left, 1);
  EXPECT_EQ(c.BGPictureIndex, 4);
  EXPECT_EQ(c.HGripRect.Left, 2);
  EXPECT_EQ(c.VGripRect.Left, 3);
  EXPECT_EQ(c.GripOffset1, 5);
  EXPECT_EQ(c.GripOffset2, 6);
  EXPECT_TRUE(c.ItemStretchEffect);
  EXPECT_EQ(c.ItemOffset1, 3);
  EXPECT_EQ(c.ItemOffset2, 7);
  EXPECT_TRUE(c.ItemTransparent);
  EXPECT_EQ(c.ItemTransparentColor, 8);
  EXPECT_TRUE(c.GripTransparent);
  EXPECT_EQ(c.GripTransparentColor, 9);

  auto v = Loaded<TspDataSkinListView>(
      "lv", "[lv]\r\nfontname=Tahoma\r\nfontheight=11\r\nfontstyle=fsitalic\r\nfontcolor=1\r\n"
            "bgcolor=2\r\n");
  EXPECT_EQ(v.FontName, "Tahoma");
  EXPECT_EQ(v.FontHeight, 11);
  EXPECT_EQ(v.FontStyle, TFontStyles{fsItalic});
  EXPECT_EQ(v.FontColor, 1);
  EXPECT_EQ(v.BGColor, 2);
}

}  // namespace
