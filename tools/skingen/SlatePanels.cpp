// Containers and plain controls of the Slate skin: panels, tool bars, the group box, the
// status bar and its panels, labels, the bevel, progress gauges, track bars, splitters,
// the slider, the control bar and the expanding panel.
#include "SlateStyle.h"

#include "skin/data/SkinBarData.h"
#include "skin/data/SkinPanelData.h"
#include "skin/data/SkinViewData.h"

#include <algorithm>

namespace {

using namespace Slate;

constexpr TColor GroupBorder = RGBColor(197, 206, 215);
constexpr TColor GroupHeader = RGBColor(229, 234, 239);
constexpr TColor StatusFill = RGBColor(233, 237, 241);
constexpr TColor StatusLine = RGBColor(205, 212, 219);
constexpr TColor GripDots = RGBColor(160, 170, 180);

void SetFont(TspDataSkinPanelControl& P, TColor Colour) {
  P.FontName = FontName;
  P.FontHeight = FontHeight;
  P.FontColor = Colour;
}

void PaintPanels(TSkinBuilder& Skin, int Atlas) {
  TPictureAtlas& atlas = Skin.Atlas(Atlas);
  // A panel: its colour inside a one-pixel line.
  const TRect plain =
      SlateImage(atlas, 40, 40, Face, [](TPixelPainter& p, const TRect& r) { p.Frame(r, Line); });
  auto& panel = Skin.AddControl<TspDataSkinPanelControl>("panel", "panel");
  panel.PictureIndex = Atlas;
  SetCut(panel, plain, 1, {1, 1, 39, 39});
  SetFont(panel, Text);
  auto& scrollBox = Skin.AddControl<TspDataSkinScrollBoxControl>("scrollbox", "scrollbox");
  scrollBox.PictureIndex = Atlas;
  SetCut(scrollBox, plain, 1, {1, 1, 39, 39});

  // Tool bars: a lighter strip closed by a line at the bottom.
  const TRect tool = SlateImage(atlas, 40, 32, FaceLight, [](TPixelPainter& p, const TRect& r) {
    p.HLine(r.Left, r.Right, r.Bottom - 1, Line);
  });
  for (const char* id : {"toolpanel", "bigtoolpanel", "resizetoolpanel"}) {
    auto& panel = Skin.AddControl<TspDataSkinPanelControl>(id, "panel");
    panel.PictureIndex = Atlas;
    SetCut(panel, tool, 1, {1, 1, 39, 31});
    SetFont(panel, Text);
  }
}

// The group box: a rounded frame whose header band carries the caption.
void PaintGroupBox(TSkinBuilder& Skin, int Atlas) {
  TPictureAtlas& atlas = Skin.Atlas(Atlas);
  const TRect r = SlateImage(atlas, 80, 60, FaceLight, [](TPixelPainter& p, const TRect& r) {
    p.Box(r, {GroupBorder, FaceLight, FaceLight, 4});
    p.RoundFill({r.Left + 1, r.Top + 1, r.Right - 1, r.Top + 20}, 3, GroupHeader, cnTop);
    p.HLine(r.Left + 1, r.Right - 1, r.Top + 20, Line);
  });
  auto& group = Skin.AddControl<TspDataSkinPanelControl>("groupbox", "panel");
  group.PictureIndex = Atlas;
  group.SkinRect = r;
  // The caption lies in the top band, between the corner columns, so it widens with it.
  group.LTPoint = {8, 21};
  group.RTPoint = {72, 21};
  group.LBPoint = {8, 56};
  group.RBPoint = {72, 56};
  // The client part is tiled: it keeps clear of the rounded corners.
  group.ClRect = {4, 21, 76, 56};
  group.CaptionRect = {8, 1, 72, 20};
  group.Alignment = taLeftJustify;
  SetFont(group, RGBColor(44, 62, 80));
  group.FontStyle = {fsBold};
}

void PaintStatusBar(TSkinBuilder& Skin, int Atlas) {
  TPictureAtlas& atlas = Skin.Atlas(Atlas);
  atlas.NewRow();
  const TRect bar = SlateImage(atlas, 60, 19, StatusFill, [](TPixelPainter& p, const TRect& r) {
    p.HLine(r.Left, r.Right, r.Top, StatusLine);
  });
  auto& status = Skin.AddControl<TspDataSkinPanelControl>("statusbar", "panel");
  status.PictureIndex = Atlas;
  SetCut(status, bar, 1, {1, 1, 59, 18});
  status.LBPoint.Y = status.RBPoint.Y = 18;
  SetFont(status, Text);
  status.GripperRect = SlateKeyedGlyph(atlas, 12, 12, Glyphs::Grip, GripDots, StatusFill);
  status.GripperTransparent = true;
  status.GripperTransparentColor = Key;

  // A status panel: the bar's colour with a short line at its right end.
  const TRect panel = SlateImage(atlas, 60, 19, StatusFill, [](TPixelPainter& p, const TRect& r) {
    p.VLine(r.Right - 2, r.Top + 4, r.Bottom - 4, StatusLine);
  });
  auto& statusPanel = Skin.AddControl<TspDataSkinLabelControl>("statuspanel", "label");
  statusPanel.PictureIndex = Atlas;
  SetCut(statusPanel, panel, 3, {4, 1, 55, 18});
  statusPanel.RTPoint.X = statusPanel.RBPoint.X = 55;
  statusPanel.RightStretch = true;  // the line keeps whole at any height
  statusPanel.FontName = FontName;
  statusPanel.FontHeight = FontHeight;
  statusPanel.FontColor = RGBColor(58, 70, 82);
}

void PaintLabels(TSkinBuilder& Skin, int Atlas) {
  TPictureAtlas& atlas = Skin.Atlas(Atlas);
  // A skinned label (the about box's addresses, menu section headers): plain panel
  // colour, its text in the accent colour.
  const TRect face = SlateImage(atlas, 40, 20, Face, [](TPixelPainter&, const TRect&) {});
  auto& label = Skin.AddControl<TspDataSkinLabelControl>("label", "label");
  label.PictureIndex = Atlas;
  SetCut(label, face, 2, {2, 2, 38, 18});
  label.FontName = FontName;
  label.FontHeight = FontHeight;
  label.FontColor = Accent;

  auto& stdLabel = Skin.AddControl<TspDataSkinStdLabelControl>("stdlabel", "stdlabel");
  stdLabel.FontName = FontName;
  stdLabel.FontHeight = FontHeight;
  stdLabel.FontColor = Text;
  stdLabel.ActiveFontColor = Accent;

  auto& bevel = Skin.AddControl<TspDataSkinBevel>("bevel", "bevel");
  bevel.LightColor = Window;
  bevel.DarkColor = RGBColor(200, 208, 216);
}

// Progress gauges: a rounded trough and an accent bar.
void PaintGauges(TSkinBuilder& Skin, int Atlas) {
  TPictureAtlas& atlas = Skin.Atlas(Atlas);
  atlas.NewRow();
  const TBoxStyle trough{BorderLight, RGBColor(231, 235, 239), RGBColor(231, 235, 239), 3};
  const auto troughImage = [&](int32_t w, int32_t h) {
    return SlateImage(atlas, w, h, Face,
                      [&](TPixelPainter& p, const TRect& r) { p.Box(r, trough); });
  };
  const TRect horizontalBar =
      SlateImage(atlas, 10, 12, Accent, [](TPixelPainter& p, const TRect& r) {
        p.VerticalGradient(r, RGBColor(84, 146, 204), Accent);
      });
  const TRect verticalBar = SlateImage(atlas, 12, 10, Accent, [](TPixelPainter& p, const TRect& r) {
    p.HorizontalGradient(r, RGBColor(84, 146, 204), Accent);
  });
  struct TGauge {
    const char* IDName;
    bool Vertical;
    int32_t Length;
    int32_t Thickness;
  };
  for (const TGauge& g : {TGauge{"gauge", false, 60, 14}, TGauge{"statusgauge", false, 60, 13},
                          TGauge{"vgauge", true, 60, 14}}) {
    auto& gauge = Skin.AddControl<TspDataSkinGaugeControl>(g.IDName, "gauge");
    gauge.PictureIndex = Atlas;
    SetGaugeLayout(gauge, g.Vertical, g.Length, g.Thickness);
    gauge.FontName = FontName;
    gauge.FontHeight = FontHeight;
    gauge.FontColor = Text;
    gauge.ProgressStretch = true;
    gauge.SkinRect =
        g.Vertical ? troughImage(g.Thickness, g.Length) : troughImage(g.Length, g.Thickness);
    gauge.ProgressRect = g.Vertical ? verticalBar : horizontalBar;
  }
}

// Track bars: a thin rounded groove and a button that rides on it.
void PaintTrackBars(TSkinBuilder& Skin, int Atlas) {
  TPictureAtlas& atlas = Skin.Atlas(Atlas);
  const TBoxStyle groove{BorderLight, RGBColor(221, 227, 233), RGBColor(221, 227, 233), 2};
  for (const bool vertical : {false, true}) {
    auto& t = Skin.AddControl<TspDataSkinTrackBarControl>(vertical ? "trackbar" : "htrackbar",
                                                          "trackbar");
    t.PictureIndex = Atlas;
    SetTrackBarLayout(t, vertical);
    const int32_t w = vertical ? 20 : 60, h = vertical ? 60 : 20;
    t.SkinRect = SlateImage(atlas, w, h, Face, [&](TPixelPainter& p, const TRect& r) {
      p.Box(vertical ? TRect{r.Left + 8, r.Top + 4, r.Left + 12, r.Bottom - 4}
                     : TRect{r.Left + 4, r.Top + 8, r.Right - 4, r.Top + 12},
            groove);
    });
    t.ActiveSkinRect = t.SkinRect;
    const int32_t bw = vertical ? 16 : 10, bh = vertical ? 10 : 16;
    t.ButtonRect = SlateImage(atlas, bw, bh, Face,
                              [](TPixelPainter& p, const TRect& r) { p.Box(r, ButtonNormal); });
    t.ActiveButtonRect = SlateImage(
        atlas, bw, bh, Face, [](TPixelPainter& p, const TRect& r) { p.Box(r, ButtonFocused); });
  }
}

void PaintSplittersAndSlider(TSkinBuilder& Skin, int Atlas) {
  TPictureAtlas& atlas = Skin.Atlas(Atlas);
  atlas.NewRow();
  for (const bool vertical : {true, false}) {
    auto& s = Skin.AddControl<TspDataSkinSplitterControl>(vertical ? "vsplitter" : "hsplitter",
                                                          "splitter");
    s.PictureIndex = Atlas;
    s.SkinRect = SlateImage(atlas, vertical ? 6 : 40, vertical ? 40 : 6, Face,
                            [](TPixelPainter&, const TRect&) {});
    SetSplitterLayout(s, vertical);
    const TPixelGlyph& dots = vertical ? Glyphs::GripDotsV : Glyphs::GripDotsH;
    s.GripperRect = SlateImage(
        atlas, dots.Width(), dots.Height(), Face,
        [&](TPixelPainter& p, const TRect& r) { p.Glyph(dots, r.Left, r.Top, GripDots); });
  }

  auto& slider = Skin.AddControl<TspDataSkinSlider>("slider", "slider");
  slider.PictureIndex = Atlas;
  const TBoxStyle ruler{BorderLight, RGBColor(221, 227, 233), RGBColor(221, 227, 233), 2};
  slider.HRulerRect =
      SlateImage(atlas, 60, 6, Face, [&](TPixelPainter& p, const TRect& r) { p.Box(r, ruler); });
  slider.VRulerRect =
      SlateImage(atlas, 6, 60, Face, [&](TPixelPainter& p, const TRect& r) { p.Box(r, ruler); });
  slider.HThumbRect = SlateImage(atlas, 10, 16, Face,
                                 [](TPixelPainter& p, const TRect& r) { p.Box(r, ButtonNormal); });
  slider.VThumbRect = SlateImage(atlas, 16, 10, Face,
                                 [](TPixelPainter& p, const TRect& r) { p.Box(r, ButtonNormal); });
  slider.EdgeSize = 3;
  slider.BGColor = Face;
  slider.PointsColor = TextMuted;
}

void PaintControlBar(TSkinBuilder& Skin, int Atlas) {
  TPictureAtlas& atlas = Skin.Atlas(Atlas);
  auto& bar = Skin.AddControl<TspDataSkinControlBar>("controlbar", "controlbar");
  bar.PictureIndex = Atlas;
  const TRect face = SlateImage(atlas, 40, 40, FaceLight, [](TPixelPainter& p, const TRect& r) {
    p.HLine(r.Left, r.Right, r.Bottom - 1, Line);
  });
  SetCut(bar, face, 1, {1, 1, 39, 39});
  bar.ItemRect = SlateImage(atlas, 20, 20, FaceLight,
                            [](TPixelPainter& p, const TRect& r) { p.Frame(r, Line); });
  bar.HGripRect = SlateImage(atlas, 4, 14, FaceLight, [](TPixelPainter& p, const TRect& r) {
    p.Glyph(Glyphs::GripDotsV, r.Left + 1, r.Top, GripDots);
  });
  bar.VGripRect = SlateImage(atlas, 14, 4, FaceLight, [](TPixelPainter& p, const TRect& r) {
    p.Glyph(Glyphs::GripDotsH, r.Left, r.Top + 1, GripDots);
  });
  bar.ItemOffset1 = bar.ItemOffset2 = 3;
}

// The expanding panel: the group box's look, with small roll and close buttons in the
// header.
void PaintExPanel(TSkinBuilder& Skin, int Atlas) {
  TPictureAtlas& atlas = Skin.Atlas(Atlas);
  atlas.NewRow();
  const auto header = [](TPixelPainter& p, const TRect& r) {
    p.Box(r, {GroupBorder, FaceLight, FaceLight, 4});
    p.RoundFill({r.Left + 1, r.Top + 1, r.Right - 1, std::min(r.Bottom - 1, r.Top + 20)}, 3,
                GroupHeader, cnTop);
  };
  auto& e = Skin.AddControl<TspDataSkinExPanelControl>("expanel", "expanel");
  e.PictureIndex = Atlas;
  SetCut(e, SlateImage(atlas, 80, 60, FaceLight, header), 8, {4, 21, 76, 56});
  e.LTPoint.Y = e.RTPoint.Y = 21;
  e.RollHSkinRect = SlateImage(atlas, 80, 21, FaceLight, header);
  e.RollVSkinRect = SlateImage(atlas, 21, 80, FaceLight, header);
  e.RollLeftOffset = e.RollRightOffset = e.RollTopOffset = e.RollBottomOffset = 6;
  e.CaptionRect = {8, 1, 56, 20};
  e.RollHCaptionRect = {8, 1, 56, 20};
  e.RollVCaptionRect = {1, 8, 20, 56};
  const auto button = [&](const TPixelGlyph& glyph, TColor backing) {
    return SlateGlyphFace(atlas, 14, 14, GroupHeader, backing, 2, glyph, Text);
  };
  const auto looks = [&](const TPixelGlyph& glyph, TRect& normal, TRect& active, TRect& down) {
    normal = button(glyph, GroupHeader);
    active = button(glyph, HotNeutral);
    down = button(glyph, DownNeutral);
  };
  looks(Glyphs::SmallClose, e.CloseButtonRect, e.CloseButtonActiveRect, e.CloseButtonDownRect);
  looks(Glyphs::ChevronUp, e.HRollButtonRect, e.HRollButtonActiveRect, e.HRollButtonDownRect);
  looks(Glyphs::ChevronDown, e.HRestoreButtonRect, e.HRestoreButtonActiveRect,
        e.HRestoreButtonDownRect);
  looks(Glyphs::ChevronLeft, e.VRollButtonRect, e.VRollButtonActiveRect, e.VRollButtonDownRect);
  looks(Glyphs::ChevronRight, e.VRestoreButtonRect, e.VRestoreButtonActiveRect,
        e.VRestoreButtonDownRect);
  e.FontName = FontName;
  e.FontHeight = FontHeight;
  e.FontStyle = {fsBold};
  e.FontColor = RGBColor(44, 62, 80);
}

}  // namespace

void PaintSlatePanels(TSkinBuilder& Skin) {
  const int atlas = Skin.AddAtlas("panels.bmp", 256, Face);
  PaintPanels(Skin, atlas);
  PaintGroupBox(Skin, atlas);
  PaintStatusBar(Skin, atlas);
  PaintLabels(Skin, atlas);
  PaintGauges(Skin, atlas);
  PaintTrackBars(Skin, atlas);
  PaintSplittersAndSlider(Skin, atlas);
  PaintControlBar(Skin, atlas);
  PaintExPanel(Skin, atlas);
}
