#include "FlatTestSkin.h"

#include "SkinLayout.h"

#include "skin/data/SkinBarData.h"
#include "skin/data/SkinButtonData.h"
#include "skin/data/SkinEditData.h"
#include "skin/data/SkinPanelData.h"
#include "skin/data/SkinViewData.h"

namespace {

// A window picture used whole: its colour, and Inner (its items or text area) in another.
int WindowPicture(TSkinBuilder& Skin, TFlatPainter& F, const char* Name, int32_t Width,
                  int32_t Height, const TRect& Inner) {
  const TRect parts[] = {{0, 0, Width, Height}, Inner};
  return Skin.AddPicture(std::string(Name) + ".bmp", F.PaintPicture(Width, Height, parts));
}

// The frame's bands, its client part and the caption band, each a colour of its own.
constexpr TRect FrameParts[] = {
    {0, 0, FrameWidth, FrameClient.Top},
    {0, FrameClient.Top, FrameClient.Left, FrameClient.Bottom},
    {FrameClient.Right, FrameClient.Top, FrameWidth, FrameClient.Bottom},
    {0, FrameClient.Bottom, FrameWidth, FrameHeight},
    FrameClient,
    CaptionBand};

void PaintFrame(TSkinBuilder& Skin, TFlatPainter& F) {
  Skin.SetFramePicture(F.PaintPicture(FrameWidth, FrameHeight, FrameParts));
  Skin.SetInactiveFramePicture(F.PaintPicture(FrameWidth, FrameHeight, FrameParts));
  Skin.SetFrameMask(CornerMask(FrameWidth, FrameHeight));
  SetFrameLayout(Skin.FormInfo);

  PaintFlatCaption(Skin, F, "caption", CaptionBand);
  PaintFlatCaptionButtons(Skin, F);
}

void PaintMenuBar(TSkinBuilder& Skin, TFlatPainter& F) {
  F.NewRow();
  auto& bar = Skin.AddControl<TspDataSkinMainMenuBar>("mainmenubar", "mainmenubar");
  bar.PictureIndex = F.Picture();
  bar.SkinRect = F.Rect(60, 22);
  SetMenuBarLayout(bar);
  bar.TrackMarkColor = F.NextColor();
  bar.TrackMarkActiveColor = F.NextColor();

  // Items of the menu bar animate; the items a window draws in its own frame morph.
  const auto mainMenuItem = [&](TspDataSkinMainMenuItem& item) {
    item.ActivePictureIndex = F.Picture();
    item.SkinRect = F.Rect(30, 20);
    item.ActiveSkinRect = F.Rect(30, 20);
    item.DownRect = F.Rect(30, 20);
    item.TextRect = {8, 0, 22, 20};
    item.ItemLeftOffset = item.ItemRightOffset = 4;
    DarkFont(item);
    item.ActiveFontColor = item.DownFontColor = clBlack;
    item.UnenabledFontColor = clGray;
  };
  auto& barItem = Skin.AddObject<TspDataSkinMainMenuBarItem>("mainmenubaritem", "mainmenubaritem");
  mainMenuItem(barItem);
  barItem.AnimateSkinRect = F.Strip(30, 20, 3);
  barItem.FrameCount = 3;
  barItem.AnimateInterval = 25;
  auto& frameItem = Skin.AddObject<TspDataSkinMainMenuItem>("MAINMENUITEM", "mainmenuitem");
  mainMenuItem(frameItem);
  frameItem.Morphing = true;

  struct TBarButton {
    const char* IDName;
    TspStdButtonCommand Command;
  };
  for (const TBarButton& button :
       {TBarButton{"menubarsysmenubutton", cmsysmenu}, TBarButton{"menubarclosebutton", cmclose},
        TBarButton{"menubarmaxbutton", cmmaximize}, TBarButton{"menubarminbutton", cmminimize}}) {
    auto& b = Skin.AddObject<TspDataSkinMainMenuBarButton>(button.IDName, "mainmenubarbutton");
    b.Command = button.Command;
    b.SkinRectInAPicture = true;
    b.ActivePictureIndex = F.Picture();
    b.SkinRect = F.Rect(16, 16);
    b.ActiveSkinRect = F.Rect(16, 16);
    b.DownRect = F.Rect(16, 16);
  }
}

void PaintMenus(TSkinBuilder& Skin, TFlatPainter& F) {
  TspDataSkinPopupWindow& popup = Skin.PopupWindow.emplace();
  SetPopupLayout(popup);
  popup.WindowPictureIndex = WindowPicture(Skin, F, "menu", 40, 40, popup.ItemsRect);
  popup.MaskPictureIndex = Skin.AddPicture("menumask.bmp", CornerMask(40, 40), true);
  popup.ScrollMarkerColor = F.NextColor();
  popup.ScrollMarkerActiveColor = F.NextColor();

  TspDataSkinHintWindow& hint = Skin.HintWindow.emplace();
  SetHintLayout(hint);
  hint.WindowPictureIndex = WindowPicture(Skin, F, "hint", 30, 24, hint.ClRect);
  hint.MaskPictureIndex = Skin.AddPicture("hintmask.bmp", CornerMask(30, 24), true);
  DarkFont(hint);

  F.NewRow();
  auto& item = Skin.AddObject<TspDataSkinMenuItem>("menuitem", "menuitem");
  item.ActivePictureIndex = F.Picture();
  item.SkinRect = F.Rect(60, 22);
  item.ActiveSkinRect = F.Rect(60, 22);
  item.AnimateSkinRect = F.Strip(60, 22, 3);
  item.FrameCount = 3;
  item.AnimateInterval = 20;
  item.Morphing = true;
  item.ItemLeftOffset = item.ItemRightOffset = 5;
  item.DividerRect = F.Rect(60, 7);
  item.DividerLeftOffset = item.DividerRightOffset = 6;
  item.TextRect = {26, 0, 52, 22};
  item.ImageRect = {5, 3, 21, 19};
  DarkFont(item);
  item.ActiveFontColor = clBlack;
  item.UnenabledFontColor = clGray;
  item.CheckImageRect = F.Keyed(12, 12);
  item.ActiveCheckImageRect = F.Keyed(12, 12);
  item.RadioImageRect = F.Keyed(12, 12);
  item.ActiveRadioImageRect = F.Keyed(12, 12);
  item.ArrowImageRect = F.Keyed(8, 12);
  item.ActiveArrowImageRect = F.Keyed(8, 12);
}

void Button(TspDataSkinButtonControl& B, TFlatPainter& F, int32_t Width, int32_t Height,
            bool Fixed = false) {
  B.PictureIndex = F.Picture();
  if (Fixed)
    B.SkinRect = F.Rect(Width, Height);
  else
    SetNinePart(B, F.Rect(Width, Height), 4);
  B.ActiveSkinRect = F.Rect(Width, Height);
  B.DownSkinRect = F.Rect(Width, Height);
  B.FocusedSkinRect = F.Rect(Width, Height);
  B.DisabledSkinRect = F.Rect(Width, Height);
  DarkFont(B);
  B.ActiveFontColor = B.DownFontColor = clBlack;
  B.DisabledFontColor = clGray;
}

void PaintButtons(TSkinBuilder& Skin, TFlatPainter& F) {
  F.NewRow();
  for (const char* id :
       {"button", "resizebutton", "editbutton", "toolbutton", "bigtoolbutton", "resizetoolbutton",
        "vtracktoolbutton", "htracktoolbutton", "combobutton", "menuitembutton"})
    Button(Skin.AddControl<TspDataSkinButtonControl>(id, "button"), F, 40, 25);
  Button(Skin.AddControl<TspDataSkinButtonControl>("buttondelete", "button"), F, 21, 21, true);
  for (const char* id :
       {"toolmenubutton", "toolmenutrackbutton", "bigtoolmenubutton", "bigtoolmenutrackbutton"}) {
    auto& b = Skin.AddControl<TspDataSkinMenuButtonControl>(id, "menubutton");
    Button(b, F, 40, 25);
    b.TrackButtonRect = {25, 0, 40, 25};
    b.MenuMarkerRect = F.Rect(9, 6);
    b.MenuMarkerActiveRect = F.Rect(9, 6);
    b.MenuMarkerDownRect = F.Rect(9, 6);
    b.MenuMarkerFlatRect = F.Rect(9, 6);
    b.MenuMarkerTransparentColor = FlatKeyColor;
  }

  F.NewRow();
  for (const char* id : {"checkbox", "radiobox"}) {
    auto& c = Skin.AddControl<TspDataSkinCheckRadioControl>(id, "checkradio");
    c.PictureIndex = F.Picture();
    c.SkinRect = F.Rect(100, 20);
    c.ActiveSkinRect = F.Rect(100, 20);
    SetCheckRadioLayout(c);
    DarkFont(c);
    c.ActiveFontColor = c.FrameFontColor = clBlack;
    c.UnenabledFontColor = clGray;
    for (TRect* mark :
         {&c.CheckImageRect, &c.GrayedCheckImageRect, &c.UncheckImageRect, &c.ActiveCheckImageRect,
          &c.ActiveGrayedCheckImageRect, &c.ActiveUncheckImageRect, &c.UnenabledCheckImageRect,
          &c.UnenabledGrayedCheckImageRect, &c.UnenabledUncheckImageRect})
      *mark = F.Keyed(15, 15);
  }
}

void PaintPanels(TSkinBuilder& Skin, TFlatPainter& F) {
  F.NewRow();
  for (const char* id : {"panel", "toolpanel", "bigtoolpanel", "resizetoolpanel"}) {
    auto& p = Skin.AddControl<TspDataSkinPanelControl>(id, "panel");
    p.PictureIndex = F.Picture();
    SetNinePart(p, F.Rect(40, 40), 2);
    DarkFont(p);
  }
  auto& scrollBox = Skin.AddControl<TspDataSkinScrollBoxControl>("scrollbox", "scrollbox");
  scrollBox.PictureIndex = F.Picture();
  SetNinePart(scrollBox, F.Rect(40, 40), 2);

  auto& group = Skin.AddControl<TspDataSkinPanelControl>("groupbox", "panel");
  group.PictureIndex = F.Picture();
  group.SkinRect = F.Rect(80, 60);
  group.LTPoint = {8, 21};
  group.RTPoint = {72, 21};
  group.LBPoint = {8, 56};
  group.RBPoint = {72, 56};
  group.ClRect = {1, 21, 79, 59};
  group.CaptionRect = {8, 1, 72, 20};
  group.Alignment = taLeftJustify;
  DarkFont(group);

  auto& status = Skin.AddControl<TspDataSkinPanelControl>("statusbar", "panel");
  status.PictureIndex = F.Picture();
  SetNinePart(status, F.Rect(60, 19), 1);
  DarkFont(status);
  status.GripperRect = F.Keyed(12, 12);

  struct TLabel {
    const char* IDName;
    int32_t Width, Height;
  };
  for (const TLabel& l :
       {TLabel{"statuspanel", 60, 19}, TLabel{"label", 40, 20}, TLabel{"menuheader", 40, 20}}) {
    auto& label = Skin.AddControl<TspDataSkinLabelControl>(l.IDName, "label");
    label.PictureIndex = F.Picture();
    SetNinePart(label, F.Rect(l.Width, l.Height), 2);
    DarkFont(label);
  }
  auto& stdLabel = Skin.AddControl<TspDataSkinStdLabelControl>("stdlabel", "stdlabel");
  DarkFont(stdLabel);
  stdLabel.ActiveFontColor = clNavy;
  auto& bevel = Skin.AddControl<TspDataSkinBevel>("bevel", "bevel");
  bevel.LightColor = F.NextColor();
  bevel.DarkColor = F.NextColor();
}

void PaintValueControls(TSkinBuilder& Skin, TFlatPainter& F) {
  F.NewRow();
  struct TGauge {
    const char* IDName;
    bool Vertical;
  };
  for (const TGauge& g :
       {TGauge{"gauge", false}, TGauge{"statusgauge", false}, TGauge{"vgauge", true}}) {
    auto& gauge = Skin.AddControl<TspDataSkinGaugeControl>(g.IDName, "gauge");
    gauge.PictureIndex = F.Picture();
    SetGaugeLayout(gauge, g.Vertical, 60, 14);
    gauge.SkinRect = g.Vertical ? F.Rect(14, 60) : F.Rect(60, 14);
    gauge.ProgressRect = g.Vertical ? F.Rect(12, 10) : F.Rect(10, 12);
    gauge.ProgressStretch = true;
    DarkFont(gauge);
  }
  for (const bool vertical : {false, true}) {
    auto& t = Skin.AddControl<TspDataSkinTrackBarControl>(vertical ? "trackbar" : "htrackbar",
                                                          "trackbar");
    t.PictureIndex = F.Picture();
    SetTrackBarLayout(t, vertical);
    t.SkinRect = vertical ? F.Rect(20, 60) : F.Rect(60, 20);
    t.ActiveSkinRect = vertical ? F.Rect(20, 60) : F.Rect(60, 20);
    t.ButtonRect = vertical ? F.Rect(16, 10) : F.Rect(10, 16);
    t.ActiveButtonRect = vertical ? F.Rect(16, 10) : F.Rect(10, 16);
  }
  for (const bool vertical : {true, false}) {
    auto& s = Skin.AddControl<TspDataSkinSplitterControl>(vertical ? "vsplitter" : "hsplitter",
                                                          "splitter");
    s.PictureIndex = F.Picture();
    SetSplitterLayout(s, vertical);
    s.SkinRect = vertical ? F.Rect(6, 40) : F.Rect(40, 6);
    s.GripperRect = vertical ? F.Rect(2, 14) : F.Rect(14, 2);
  }
  auto& slider = Skin.AddControl<TspDataSkinSlider>("slider", "slider");
  slider.PictureIndex = F.Picture();
  slider.HRulerRect = F.Rect(60, 6);
  slider.VRulerRect = F.Rect(6, 60);
  slider.HThumbRect = F.Rect(10, 16);
  slider.VThumbRect = F.Rect(16, 10);
  slider.EdgeSize = 3;
  slider.BGColor = F.NextColor();
  slider.PointsColor = F.NextColor();

  auto& bar = Skin.AddControl<TspDataSkinControlBar>("controlbar", "controlbar");
  bar.PictureIndex = F.Picture();
  SetNinePart(bar, F.Rect(40, 40), 2);
  bar.ItemRect = F.Rect(20, 20);
  bar.HGripRect = F.Rect(4, 14);
  bar.VGripRect = F.Rect(14, 4);
  bar.ItemOffset1 = bar.ItemOffset2 = 3;

  auto& e = Skin.AddControl<TspDataSkinExPanelControl>("expanel", "expanel");
  e.PictureIndex = F.Picture();
  SetNinePart(e, F.Rect(80, 60), 8);
  e.LTPoint.Y = e.RTPoint.Y = e.ClRect.Top = 21;
  e.RollHSkinRect = F.Rect(80, 21);
  e.RollVSkinRect = F.Rect(21, 80);
  e.RollLeftOffset = e.RollRightOffset = e.RollTopOffset = e.RollBottomOffset = 6;
  e.CaptionRect = {8, 1, 56, 20};
  e.RollHCaptionRect = {8, 1, 56, 20};
  e.RollVCaptionRect = {1, 8, 20, 56};
  for (TRect* button :
       {&e.CloseButtonRect, &e.CloseButtonActiveRect, &e.CloseButtonDownRect, &e.HRollButtonRect,
        &e.HRollButtonActiveRect, &e.HRollButtonDownRect, &e.HRestoreButtonRect,
        &e.HRestoreButtonActiveRect, &e.HRestoreButtonDownRect, &e.VRollButtonRect,
        &e.VRollButtonActiveRect, &e.VRollButtonDownRect, &e.VRestoreButtonRect,
        &e.VRestoreButtonActiveRect, &e.VRestoreButtonDownRect})
    *button = F.Rect(14, 14);
  DarkFont(e);
}

void PaintFields(TSkinBuilder& Skin, TFlatPainter& F) {
  F.NewRow();
  struct TEdit {
    const char* IDName;
    int32_t Height;
    bool WithButton;
  };
  for (const TEdit& size :
       {TEdit{"edit", 21, false}, TEdit{"tooledit", 21, false}, TEdit{"statusedit", 17, false},
        TEdit{"buttonedit", 21, true}, TEdit{"toolbuttonedit", 21, true},
        TEdit{"statusbuttonedit", 17, true}}) {
    auto& e = Skin.AddControl<TspDataSkinEditControl>(size.IDName, "edit");
    e.PictureIndex = F.Picture();
    e.SkinRect = F.Rect(40, size.Height);
    e.ActiveSkinRect = F.Rect(40, size.Height);
    e.DisabledSkinRect = F.Rect(40, size.Height);
    e.LTPoint = {4, 0};
    e.RTPoint = {size.WithButton ? 20 : 36, 0};
    e.ClRect = {3, 3, size.WithButton ? 20 : 37, size.Height - 3};
    DarkFont(e);
    e.ActiveFontColor = clBlack;
    e.DisabledFontColor = clGray;
    if (size.WithButton) {
      e.ButtonRect = {21, 2, 38, size.Height - 2};
      e.ActiveButtonRect = F.Rect(17, size.Height - 4);
      e.DownButtonRect = F.Rect(17, size.Height - 4);
      e.UnenabledButtonRect = F.Rect(17, size.Height - 4);
    }
  }
  auto& memo = Skin.AddControl<TspDataSkinMemoControl>("memo", "memo");
  memo.PictureIndex = F.Picture();
  SetCut(memo, F.Rect(40, 40), 4, {2, 2, 38, 38});
  memo.ActiveSkinRect = F.Rect(40, 40);
  memo.DisabledSkinRect = F.Rect(40, 40);
  DarkFont(memo);
  memo.BGColor = F.NextColor();
  memo.ActiveBGColor = F.NextColor();
  const auto view = [&](auto& v) {
    v.PictureIndex = F.Picture();
    v.SkinRect = F.Rect(40, 40);
    DarkFont(v);
    v.BGColor = F.NextColor();
  };
  view(Skin.AddControl<TspDataSkinListView>("listview", "listview"));
  view(Skin.AddControl<TspDataSkinTreeView>("treeview", "treeview"));
  view(Skin.AddControl<TspDataSkinRichEdit>("richedit", "richedit"));

  F.NewRow();
  for (const TEdit& size : {TEdit{"spinedit", 21, false}, TEdit{"toolspinedit", 21, false},
                            TEdit{"statusspinedit", 17, false}}) {
    auto& s = Skin.AddControl<TspDataSkinSpinEditControl>(size.IDName, "spinedit");
    s.PictureIndex = F.Picture();
    s.SkinRect = F.Rect(50, size.Height);
    s.ActiveSkinRect = F.Rect(50, size.Height);
    SetSpinEditLayout(s, size.Height);
    const TRect up = s.UpButtonRect, down = s.DownButtonRect;
    s.ActiveUpButtonRect = F.Rect(up.Width(), up.Height());
    s.DownUpButtonRect = F.Rect(up.Width(), up.Height());
    s.ActiveDownButtonRect = F.Rect(down.Width(), down.Height());
    s.DownDownButtonRect = F.Rect(down.Width(), down.Height());
    DarkFont(s);
  }
}

void PaintLists(TSkinBuilder& Skin, TFlatPainter& F) {
  F.NewRow();
  struct TList {
    const char* IDName;
    bool Check;
    bool Caption;
  };
  for (const TList& kind :
       {TList{"listbox", false, false}, TList{"captionlistbox", false, true},
        TList{"checklistbox", true, false}, TList{"captionchecklistbox", true, true}}) {
    auto& l = kind.Check ? Skin.AddControl<TspDataSkinCheckListBox>(kind.IDName, "checklistbox")
                         : Skin.AddControl<TspDataSkinListBox>(kind.IDName, "listbox");
    l.PictureIndex = F.Picture();
    if (kind.Caption) {
      l.SkinRect = F.Rect(100, 60);
      SetCaptionListLayout(l);
      l.CaptionFontName = FlatFont;
      l.CaptionFontColor = clBlack;
      for (TRect* button :
           {&l.ActiveCheckButtonRect, &l.DownCheckButtonRect, &l.ActiveDownButtonRect,
            &l.DownDownButtonRect, &l.ActiveUpButtonRect, &l.DownUpButtonRect})
        *button = F.Rect(12, 15);
    } else {
      SetCut(l, F.Rect(40, 40), 4, {2, 2, 38, 38});
    }
    l.ItemRect = F.Rect(40, 18);
    l.ActiveItemRect = F.Rect(40, 18);
    l.FocusItemRect = F.Rect(40, 18);
    l.ItemLeftOffset = l.ItemRightOffset = 2;
    l.ItemTextRect = {kind.Check ? 20 : 3, 0, 37, 18};
    NameListBars(l);
    DarkFont(l);
    l.ActiveFontColor = l.FocusFontColor = clBlack;
    if (auto* c = dynamic_cast<TspDataSkinCheckListBox*>(&l)) {
      c->CheckImageRect = F.Rect(15, 15);
      c->UncheckImageRect = F.Rect(15, 15);
      c->ItemCheckRect = {2, 1, 17, 16};
    }
  }

  F.NewRow();
  struct TCombo {
    const char* IDName;
    int32_t Height;
  };
  for (const TCombo& size : {TCombo{"combobox", 21}, TCombo{"captioncombobox", 21},
                             TCombo{"toolcombobox", 21}, TCombo{"statuscombobox", 17}}) {
    const int32_t h = size.Height;
    auto& c = Skin.AddControl<TspDataSkinComboBox>(size.IDName, "combobox");
    c.PictureIndex = F.Picture();
    c.SkinRect = F.Rect(60, h);
    c.ActiveSkinRect = F.Rect(60, h);
    c.DisabledSkinRect = F.Rect(60, h);
    c.LTPoint = {4, 0};
    c.RTPoint = {40, 0};
    c.ClRect = {3, 3, 40, h - 3};
    c.ButtonRect = {41, 2, 58, h - 2};
    c.ActiveButtonRect = F.Rect(17, h - 4);
    c.DownButtonRect = F.Rect(17, h - 4);
    c.UnenabledButtonRect = F.Rect(17, h - 4);
    c.ItemRect = F.Rect(37, h - 6);
    c.ActiveItemRect = F.Rect(37, h - 6);
    c.FocusItemRect = F.Rect(37, h - 6);
    c.ItemLeftOffset = c.ItemRightOffset = 3;
    c.ItemTextRect = {2, 0, 35, h - 6};
    DarkFont(c);
    c.ActiveFontColor = c.FocusFontColor = clBlack;
    c.ListBoxName = "listbox";
  }
}

void PaintBars(TSkinBuilder& Skin, TFlatPainter& F) {
  F.NewRow();
  struct TScroll {
    const char* IDName;
    bool Vertical;
    int32_t Corner;
  };
  for (const TScroll& kind : {TScroll{"vscrollbar", true, 0}, TScroll{"hscrollbar", false, 0},
                              TScroll{"bothhscrollbar", false, 16}}) {
    const bool v = kind.Vertical;
    auto& s = Skin.AddControl<TspDataSkinScrollBarControl>(kind.IDName, "scrollbar");
    s.PictureIndex = F.Picture();
    s.SkinRect = v ? F.Rect(16, 100) : F.Rect(100 + kind.Corner, 16);
    SetScrollBarLayout(s, v);
    for (TRect* button : {&s.ActiveUpButtonRect, &s.DownUpButtonRect, &s.ActiveDownButtonRect,
                          &s.DownDownButtonRect})
      *button = F.Rect(16, 16);
    for (TRect* thumb : {&s.ThumbRect, &s.ActiveThumbRect, &s.DownThumbRect})
      *thumb = v ? F.Rect(10, 24) : F.Rect(24, 10);
    for (TRect* glyph : {&s.GlyphRect, &s.ActiveGlyphRect, &s.DownGlyphRect}) *glyph = F.Rect(4, 4);
  }
  for (const bool vertical : {false, true}) {
    auto& u = Skin.AddControl<TspDataSkinUpDownControl>(vertical ? "vupdown" : "hupdown", "updown");
    u.PictureIndex = F.Picture();
    u.SkinRect = vertical ? F.Rect(17, 30) : F.Rect(34, 20);
    SetUpDownLayout(u, vertical);
    const int32_t bw = u.UpButtonRect.Width(), bh = u.UpButtonRect.Height();
    for (TRect* button : {&u.ActiveUpButtonRect, &u.DownUpButtonRect, &u.ActiveDownButtonRect,
                          &u.DownDownButtonRect})
      *button = F.Rect(bw, bh);
  }

  F.NewRow();
  auto& t = Skin.AddControl<TspDataSkinTabControl>("tab", "tab");
  t.PictureIndex = F.Picture();
  SetCut(t, F.Rect(60, 40), 3, {1, 1, 59, 39});
  t.TabRect = F.Rect(60, 22);
  t.MouseInTabRect = F.Rect(60, 22);
  t.ActiveTabRect = F.Rect(60, 23);
  t.FocusTabRect = F.Rect(60, 23);
  t.TabLeftOffset = t.TabRightOffset = 4;
  t.TabsBGRect = F.Rect(8, 8);
  t.CloseButtonRect = F.Rect(14, 14);
  t.CloseButtonActiveRect = F.Rect(14, 14);
  t.CloseButtonDownRect = F.Rect(14, 14);
  t.ButtonTransparentColor = FlatKeyColor;
  t.UpDown = "hupdown";
  DarkFont(t);

  auto& g = Skin.AddControl<TspDataSkinGridControl>("grid", "grid");
  g.PictureIndex = F.Picture();
  g.FixedCellRect = F.Rect(40, 18);
  g.SelectCellRect = F.Rect(40, 18);
  g.FocusCellRect = F.Rect(40, 18);
  g.DisabledCellRect = F.Rect(40, 18);
  g.FixedCellLeftOffset = g.FixedCellRightOffset = g.CellLeftOffset = g.CellRightOffset = 2;
  g.FixedCellTextRect = g.CellTextRect = {4, 0, 36, 18};
  g.LinesColor = F.NextColor();
  g.BGColor = F.NextColor();
  DarkFont(g);
  g.FixedFontName = FlatFont;
}

}  // namespace

void PaintFlatSkinColors(TSkinBuilder& Skin, TFlatPainter& F) {
  TspSkinColors& colors = Skin.Colors;
  for (TColor* colour : {&colors.cBtnFace, &colors.cBtnText, &colors.cWindow, &colors.cWindowText,
                         &colors.cHighLight, &colors.cHighLightText, &colors.cBtnHighLight,
                         &colors.cBtnShadow, &colors.c3DLight, &colors.c3DDkShadow})
    *colour = F.NextColor();
}

TspDataSkinCaption& PaintFlatCaption(TSkinBuilder& Skin, TFlatPainter& F, const std::string& IDName,
                                     const TRect& SkinRect) {
  auto& caption = Skin.AddObject<TspDataSkinCaption>(IDName, "caption");
  caption.SkinRect = SkinRect;
  caption.ActivePictureIndex = F.Picture();
  caption.ActiveSkinRect = F.Rect(SkinRect.Width(), SkinRect.Height());
  caption.TextRect = {6, 0, SkinRect.Width() - 4, SkinRect.Height()};
  DarkFont(caption);
  caption.ActiveFontColor = clBlack;
  caption.Alignment = taLeftJustify;
  return caption;
}

void PaintFlatCaptionButtons(TSkinBuilder& Skin, TFlatPainter& F) {
  struct TCaptionButton {
    const char* IDName;
    TspStdButtonCommand Command;
    int32_t Width;
    bool Restore;
  };
  for (const TCaptionButton& c : {TCaptionButton{"closebutton", cmclose, 28, false},
                                  TCaptionButton{"minimizebutton", cmminimize, 28, true},
                                  TCaptionButton{"maximizebutton", cmmaximize, 28, true},
                                  TCaptionButton{"rollupbutton", cmrollup, 28, true},
                                  TCaptionButton{"sysmenubutton", cmsysmenu, 22, false},
                                  TCaptionButton{"traybutton", cmminimizetotray, 28, false}}) {
    auto& b = Skin.AddObject<TspDataSkinStdButton>(c.IDName, "stdbutton");
    b.Command = c.Command;
    b.SkinRectInAPicture = true;
    b.ActivePictureIndex = F.Picture();
    b.SkinRect = F.Rect(c.Width, 21);
    b.ActiveSkinRect = F.Rect(c.Width, 21);
    b.DownRect = F.Rect(c.Width, 21);
    b.InActiveSkinRect = F.Rect(c.Width, 21);
    b.Morphing = c.Command == cmclose;
    if (c.Restore) {
      b.RestoreRect = F.Rect(c.Width, 21);
      b.RestoreActiveRect = F.Rect(c.Width, 21);
      b.RestoreDownRect = F.Rect(c.Width, 21);
      b.RestoreInActiveRect = F.Rect(c.Width, 21);
    }
  }
}

void PaintFlatMenusAndControls(TSkinBuilder& Skin, TFlatPainter& F) {
  PaintMenuBar(Skin, F);
  PaintMenus(Skin, F);
  PaintButtons(Skin, F);
  PaintPanels(Skin, F);
  PaintValueControls(Skin, F);
  PaintFields(Skin, F);
  PaintLists(Skin, F);
  PaintBars(Skin, F);
}

void PaintFlatTestSkin(TSkinBuilder& Skin) {
  TFlatPainter f(Skin);
  PaintFlatSkinColors(Skin, f);
  PaintFrame(Skin, f);
  PaintFlatMenusAndControls(Skin, f);
}
