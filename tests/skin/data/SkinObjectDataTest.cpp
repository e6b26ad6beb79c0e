// Hand-written window-frame object sections load into the fields they name.
#include "skin/data/SkinObjectData.h"

#include "SkinIniText.h"

#include <gtest/gtest.h>

namespace {

TEST(SkinObjectData, TheBaseKeysFillTheBaseFields) {
  auto o = Loaded<TspDataSkinSwitch>(
      "sw", "[sw]\r\nhint=Switch it\r\nrollup=1\r\nactivepictureindex=2\r\n"
            "skinrectinapicture=1\r\ncursorindex=3\r\nskinrect=1,0,0,0\r\n"
            "activeskinrect=2,0,0,0\r\ninactiveskinrect=3,0,0,0\r\nmorphing=1\r\n"
            "morphkind=mkrightslide\r\n");
  EXPECT_EQ(o.IDName, "sw");
  EXPECT_EQ(o.Hint, "Switch it");
  EXPECT_TRUE(o.RollUp);
  EXPECT_EQ(o.ActivePictureIndex, 2);
  EXPECT_TRUE(o.SkinRectInAPicture);
  EXPECT_EQ(o.CursorIndex, 3);
  EXPECT_EQ(o.SkinRect.Left, 1);
  EXPECT_EQ(o.ActiveSkinRect.Left, 2);
  EXPECT_EQ(o.InActiveSkinRect.Left, 3);
  EXPECT_TRUE(o.Morphing);
  EXPECT_EQ(o.MorphKind, mkrightslide);

  auto empty = Loaded<TspDataSkinSwitch>("sw", "");
  EXPECT_EQ(empty.ActivePictureIndex, -1);
  EXPECT_EQ(empty.CursorIndex, -1);
  EXPECT_EQ(empty.MorphKind, mkdefault);
}

TEST(SkinObjectData, AUserObjectReadsOnlyItsThreeKeys) {
  auto u = Loaded<TspDataUserObject>(
      "u", "[u]\r\nhint=ignored\r\nrollup=1\r\nskinrect=1,2,3,4\r\ncursorindex=5\r\n"
           "activeskinrect=6,6,6,6\r\nmorphing=1\r\nactivepictureindex=7\r\n");
  EXPECT_EQ(u.Hint, "");
  EXPECT_TRUE(u.RollUp);
  EXPECT_EQ(u.SkinRect, (TRect{1, 2, 3, 4}));
  EXPECT_EQ(u.CursorIndex, 5);
  EXPECT_EQ(u.ActiveSkinRect, TRect{});
  EXPECT_FALSE(u.Morphing);
  EXPECT_EQ(u.ActivePictureIndex, -1);
}

TEST(SkinObjectData, TrackBarsAnimationsAndBitLabelsNeverMorph) {
  const std::string text = "[o]\r\nmorphing=1\r\nmorphkind=mkpush\r\n";
  EXPECT_FALSE(Loaded<TspDataSkinTrackBar>("o", text).Morphing);
  EXPECT_FALSE(Loaded<TspDataSkinAnimate>("o", text).Morphing);
  EXPECT_FALSE(Loaded<TspDataSkinBitLabel>("o", text).Morphing);
  EXPECT_EQ(Loaded<TspDataSkinBitLabel>("o", text).MorphKind, mkpush);
  EXPECT_TRUE(Loaded<TspDataSkinGauge>("o", text).Morphing);
}

TEST(SkinObjectData, GaugeFrameGaugeAndRegulatorSections) {
  auto g = Loaded<TspDataSkinGauge>("g", "[g]\r\nminvalue=1\r\nmaxvalue=2\r\nkind=vertical\r\n");
  EXPECT_EQ(g.MinValue, 1);
  EXPECT_EQ(g.MaxValue, 2);
  EXPECT_EQ(g.Kind, gkvertical);
  EXPECT_EQ(Loaded<TspDataSkinGauge>("g", "").Kind, gkhorizontal);

  auto f = Loaded<TspDataSkinFrameGaugeObject>(
      "f", "[f]\r\nminvalue=1\r\nmaxvalue=2\r\ncountframes=3\r\nframesplacement=fpvertical\r\n");
  EXPECT_EQ(f.MinValue, 1);
  EXPECT_EQ(f.MaxValue, 2);
  EXPECT_EQ(f.CountFrames, 3);
  EXPECT_EQ(f.FramesPlacement, fpvertical);

  for (const char* kind : {"rkvertical", "rkdiagonal", "RKROUND"})
    EXPECT_EQ(Loaded<TspDataSkinFrameRegulatorObject>("r", std::string("[r]\r\nkind=") + kind +
                                                               "\r\n")
                  .Kind,
              rkvertical)
        << kind;
  auto r = Loaded<TspDataSkinFrameRegulatorObject>("r", "[r]\r\ncountframes=4\r\n");
  EXPECT_EQ(r.Kind, rkround);
  EXPECT_EQ(r.CountFrames, 4);
  EXPECT_EQ(r.FramesPlacement, fphorizontal);
}

TEST(SkinObjectData, TrackBarSection) {
  auto t = Loaded<TspDataSkinTrackBar>(
      "t", "[t]\r\nbuttonrect=1,0,0,0\r\nactivebuttonrect=2,0,0,0\r\nbeginpoint=3,4\r\n"
           "endpoint=5,6\r\nminvalue=7\r\nmaxvalue=8\r\nmousedownchangevalue=1\r\n"
           "buttontransparent=1\r\nbuttontransparentcolor=9\r\n");
  EXPECT_EQ(t.ButtonRect.Left, 1);
  EXPECT_EQ(t.ActiveButtonRect.Left, 2);
  EXPECT_EQ(t.BeginPoint, (TPoint{3, 4}));
  EXPECT_EQ(t.EndPoint, (TPoint{5, 6}));
  EXPECT_EQ(t.MinValue, 7);
  EXPECT_EQ(t.MaxValue, 8);
  EXPECT_TRUE(t.MouseDownChangeValue);
  EXPECT_TRUE(t.ButtonTransparent);
  EXPECT_EQ(t.ButtonTransparentColor, 9);
}

TEST(SkinObjectData, AnimateSection) {
  auto empty = Loaded<TspDataSkinAnimate>("a", "");
  EXPECT_EQ(empty.CountFrames, 1);
  EXPECT_EQ(empty.TimerInterval, 50);
  EXPECT_EQ(empty.Command, cmdefault);
  EXPECT_EQ(TspDataSkinAnimate("a").Command, cmclose);

  auto a = Loaded<TspDataSkinAnimate>(
      "a", "[a]\r\ncountframes=8\r\ncycle=1\r\nbuttonstyle=1\r\ntimerinterval=30\r\n"
           "command=cmmaximize\r\ndownskinrect=1,0,0,0\r\nrestorerect=2,0,0,0\r\n"
           "restoreactiverect=3,0,0,0\r\nrestoredownrect=4,0,0,0\r\n"
           "restoreinactiverect=5,0,0,0\r\n");
  EXPECT_EQ(a.CountFrames, 8);
  EXPECT_TRUE(a.Cycle);
  EXPECT_TRUE(a.ButtonStyle);
  EXPECT_EQ(a.TimerInterval, 30);
  EXPECT_EQ(a.Command, cmmaximize);
  EXPECT_EQ(a.DownSkinRect.Left, 1);
  EXPECT_EQ(a.RestoreRect.Left, 2);
  EXPECT_EQ(a.RestoreActiveRect.Left, 3);
  EXPECT_EQ(a.RestoreDownRect.Left, 4);
  EXPECT_EQ(a.RestoreInActiveRect.Left, 5);
}

TEST(SkinObjectData, ButtonAndStdButtonSections) {
  EXPECT_EQ(TspDataSkinButton("b").GroupIndex, -1);
  EXPECT_EQ(Loaded<TspDataSkinButton>("b", "").GroupIndex, -1);
  auto b = Loaded<TspDataSkinButton>(
      "b", "[b]\r\ngroupindex=2\r\ndownrect=1,0,0,0\r\ndisableskinrsect=3,0,0,0\r\n"
           "disableskinrect=9,9,9,9\r\n");
  EXPECT_EQ(b.GroupIndex, 2);
  EXPECT_EQ(b.DownRect.Left, 1);
  EXPECT_EQ(b.DisableSkinRect.Left, 3);

  EXPECT_EQ(TspDataSkinStdButton("s").Command, cmclose);
  EXPECT_EQ(Loaded<TspDataSkinStdButton>("s", "[s]\r\n").Command, cmdefault);
  EXPECT_EQ(Loaded<TspDataSkinStdButton>("s", "[s]\r\ncommand=cmMinimize\r\n").Command,
            cmminimizetotray);
  auto s = Loaded<TspDataSkinMainMenuBarButton>(
      "s", "[s]\r\ncommand=cmsysmenu\r\ndownrect=1,0,0,0\r\nrestorerect=2,0,0,0\r\n"
           "restoreactiverect=3,0,0,0\r\nrestoredownrect=4,0,0,0\r\n"
           "restoreinactiverect=5,0,0,0\r\n");
  EXPECT_EQ(s.Command, cmsysmenu);
  EXPECT_EQ(s.DownRect.Left, 1);
  EXPECT_EQ(s.RestoreRect.Left, 2);
  EXPECT_EQ(s.RestoreActiveRect.Left, 3);
  EXPECT_EQ(s.RestoreDownRect.Left, 4);
  EXPECT_EQ(s.RestoreInActiveRect.Left, 5);
}

TEST(SkinObjectData, MenuItemActiveImagesFallBackToTheNormalOnes) {
  auto m = Loaded<TspDataSkinMenuItem>(
      "mi", "[mi]\r\ncheckimagerect=1,2,11,12\r\nradioimagerect=2,2,12,12\r\n"
            "activeradioimagerect=5,5,5,10\r\narrowimagerect=3,3,13,13\r\n"
            "activearrowimagerect=4,4,14,14\r\n");
  EXPECT_EQ(m.ActiveCheckImageRect, (TRect{1, 2, 11, 12}));
  EXPECT_EQ(m.ActiveRadioImageRect, (TRect{2, 2, 12, 12}));  // the read one was empty
  EXPECT_EQ(m.ActiveArrowImageRect, (TRect{4, 4, 14, 14}));
}

TEST(SkinObjectData, MenuItemSection) {
  auto empty = Loaded<TspDataSkinMenuItem>("mi", "");
  EXPECT_EQ(empty.FontName, "Arial");
  EXPECT_EQ(empty.FontHeight, 14);
  EXPECT_EQ(empty.AnimateInterval, 25);
  EXPECT_EQ(TspDataSkinMenuItem("mi").FontHeight, 0);

  auto m = Loaded<TspDataSkinMenuItem>(
      "mi", "[mi]\r\ndividerrect=1,0,0,0\r\ndividerleftoffset=2\r\ndividerrightoffset=3\r\n"
            "itemleftoffset=4\r\nitemrightoffset=5\r\nfontname=Tahoma\r\nunenabledfontcolor=6\r\n"
            "fontcolor=7\r\nactivefontcolor=8\r\ntextrect=9,0,0,0\r\nstretcheffect=1\r\n"
            "dividerstretcheffect=1\r\nanimateskinrect=10,0,0,0\r\nframecount=11\r\n"
            "inactiveanimation=1\r\nimagerect=12,0,0,0\r\nuseimagecolor=1\r\nimagecolor=13\r\n"
            "activeimagecolor=14\r\ninactivetransparent=1\r\n");
  EXPECT_EQ(m.DividerRect.Left, 1);
  EXPECT_EQ(m.DividerLeftOffset, 2);
  EXPECT_EQ(m.DividerRightOffset, 3);
  EXPECT_EQ(m.ItemLeftOffset, 4);
  EXPECT_EQ(m.ItemRightOffset, 5);
  EXPECT_EQ(m.FontName, "Tahoma");
  EXPECT_EQ(m.UnenabledFontColor, 6);
  EXPECT_EQ(m.FontColor, 7);
  EXPECT_EQ(m.ActiveFontColor, 8);
  EXPECT_EQ(m.TextRect.Left, 9);
  EXPECT_TRUE(m.StretchEffect);
  EXPECT_TRUE(m.DividerStretchEffect);
  EXPECT_FALSE(m.InActiveStretchEffect);
  EXPECT_EQ(m.AnimateSkinRect.Left, 10);
  EXPECT_EQ(m.FrameCount, 11);
  EXPECT_TRUE(m.InActiveAnimation);
  EXPECT_EQ(m.ImageRect.Left, 12);
  EXPECT_TRUE(m.UseImageColor);
  EXPECT_EQ(m.ImageColor, 13);
  EXPECT_EQ(m.ActiveImageColor, 14);
  EXPECT_TRUE(m.InActiveTransparent);
}

TEST(SkinObjectData, MainMenuItemSection) {
  auto m = Loaded<TspDataSkinMainMenuBarItem>(
      "mb", "[mb]\r\ndownrect=1,0,0,0\r\nfontstyle=fsbold\r\ndownfontcolor=2\r\n"
            "unenabledfontcolor=3\r\ntextrect=4,0,0,0\r\nitemleftoffset=5\r\n"
            "itemrightoffset=6\r\nanimateinterval=7\r\n");
  EXPECT_EQ(m.DownRect.Left, 1);
  EXPECT_EQ(m.FontStyle, TFontStyles{fsBold});
  EXPECT_EQ(m.DownFontColor, 2);
  EXPECT_EQ(m.UnenabledFontColor, 3);
  EXPECT_EQ(m.TextRect.Left, 4);
  EXPECT_EQ(m.ItemLeftOffset, 5);
  EXPECT_EQ(m.ItemRightOffset, 6);
  EXPECT_EQ(m.AnimateInterval, 7);
  EXPECT_EQ(m.FontHeight, 14);
}

TEST(SkinObjectData, LabelAndBitLabelSections) {
  auto l = Loaded<TspDataSkinLabel>(
      "l", "[l]\r\nfontname=Verdana\r\nfontheight=9\r\nactivefontcolor=1\r\n"
           "alignment=taleftjustify\r\ntextvalue=00:00\r\n");
  EXPECT_EQ(l.FontName, "Verdana");
  EXPECT_EQ(l.FontHeight, 9);
  EXPECT_EQ(l.ActiveFontColor, 1);
  EXPECT_EQ(l.Alignment, taLeftJustify);
  EXPECT_EQ(l.TextValue, "00:00");
  EXPECT_EQ(Loaded<TspDataSkinLabel>("l", "").Alignment, taCenter);
  EXPECT_EQ(TspDataSkinLabel("l").FontName, "");

  EXPECT_EQ(TspDataSkinBitLabel("b").TransparentColor, 0xFF00FF);
  EXPECT_EQ(Loaded<TspDataSkinBitLabel>("b", "").TransparentColor, 0xFF00FF);
  auto b = Loaded<TspDataSkinBitLabel>(
      "b", "[b]\r\ntextvalue=12:30\r\nsymbolwidth=7\r\nsymbolheight=11\r\n"
           "symbolslinecount=2\r\nsymbolsline0=0123456789\r\nsymbolsline1=:\r\n"
           "transparent=1\r\ntransparentcolor=0\r\n");
  EXPECT_EQ(b.TextValue, "12:30");
  EXPECT_EQ(b.SymbolWidth, 7);
  EXPECT_EQ(b.SymbolHeight, 11);
  ASSERT_EQ(b.Symbols.Count(), 2);
  EXPECT_EQ(b.Symbols.Strings(1), ":");
  EXPECT_TRUE(b.Transparent);
  EXPECT_EQ(b.TransparentColor, 0);
}

TEST(SkinObjectData, CaptionSection) {
  auto c = Loaded<TspDataSkinCaption>(
      "c", "[c]\r\nfontname=Tahoma\r\nfontheight=13\r\nfontstyle=fsbold\r\nfontcolor=1\r\n"
           "activefontcolor=2\r\nshadowcolor=3\r\nactiveshadowcolor=4\r\nshadow=1\r\n"
           "alignment=tarightjustify\r\ntextrect=5,0,0,0\r\ndefaultcaption=1\r\n"
           "framerect=6,0,0,0\r\nactiveframerect=7,0,0,0\r\nframeleftoffset=8\r\n"
           "framerightoffset=9\r\nframetextrect=10,0,0,0\r\nlight=1\r\nlightcolor=11\r\n"
           "activelightcolor=12\r\nstretcheffect=1\r\nanimateskinrect=13,0,0,0\r\n"
           "framecount=14\r\nanimateinterval=15\r\ninactiveanimation=1\r\nfullframe=1\r\n");
  EXPECT_EQ(c.FontName, "Tahoma");
  EXPECT_EQ(c.FontHeight, 13);
  EXPECT_EQ(c.FontStyle, TFontStyles{fsBold});
  EXPECT_EQ(c.FontColor, 1);
  EXPECT_EQ(c.ActiveFontColor, 2);
  EXPECT_EQ(c.ShadowColor, 3);
  EXPECT_EQ(c.ActiveShadowColor, 4);
  EXPECT_TRUE(c.Shadow);
  EXPECT_EQ(c.Alignment, taRightJustify);
  EXPECT_EQ(c.TextRect.Left, 5);
  EXPECT_TRUE(c.DefaultCaption);
  EXPECT_EQ(c.FrameRect.Left, 6);
  EXPECT_EQ(c.ActiveFrameRect.Left, 7);
  EXPECT_EQ(c.FrameLeftOffset, 8);
  EXPECT_EQ(c.FrameRightOffset, 9);
  EXPECT_EQ(c.FrameTextRect.Left, 10);
  EXPECT_TRUE(c.Light);
  EXPECT_EQ(c.LightColor, 11);
  EXPECT_EQ(c.ActiveLightColor, 12);
  EXPECT_TRUE(c.StretchEffect);
  EXPECT_EQ(c.AnimateSkinRect.Left, 13);
  EXPECT_EQ(c.FrameCount, 14);
  EXPECT_EQ(c.AnimateInterval, 15);
  EXPECT_TRUE(c.InActiveAnimation);
  EXPECT_TRUE(c.FullFrame);
}

TEST(SkinObjectData, CaptionWritesTheLightKeysBeforeTheShadowKeys) {
  TSkinIniText ini;
  TspDataSkinCaption("c").SaveToFile(ini);
  TStringList keys;
  ini.ReadSection("c", keys);
  int alignment = keys.IndexOf("alignment");
  ASSERT_GE(alignment, 0);
  const char* following[] = {"light", "lightcolor", "activelightcolor", "shadow", "shadowcolor",
                             "activeshadowcolor"};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(keys.Strings(alignment + 1 + i), following[i]);
}

}  // namespace
