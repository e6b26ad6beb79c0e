#include "SkinCatalog.h"

#include "skin/data/SkinBarData.h"
#include "skin/data/SkinButtonData.h"
#include "skin/data/SkinEditData.h"
#include "skin/data/SkinPanelData.h"
#include "skin/data/SkinRects.h"
#include "skin/data/SkinViewData.h"

#include <algorithm>
#include <initializer_list>
#include <span>
#include <string>
#include <vector>

namespace {

using TNamedRect = std::pair<std::string, TRect>;
using TNamedRects = std::span<const TNamedRect>;

// Adds the catalog lines of one entry, whose rectangles lie in one picture.
class TCatalogWriter {
public:
  TCatalogWriter(TSkinCatalog& Out, std::string Entry, int Picture)
      : FOut(Out), FEntry(std::move(Entry)), FPicture(Picture) {}

  void SetPicture(int Picture) { FPicture = Picture; }

  // Rectangles in picture coordinates.
  void Rects(std::initializer_list<TNamedRect> List) {
    Rects(TNamedRects(List.begin(), List.size()));
  }
  void Rects(TNamedRects List) {
    for (const auto& [key, rect] : List)
      if (!IsNullRect(rect) && !Listed(key))
        FOut.Rects.push_back({FEntry, key, FPicture, rect, {}});
  }
  // Rectangles in picture coordinates drawn in each other's place.
  void States(std::initializer_list<TNamedRect> List) {
    Rects(List);
    Group(List);
  }
  void Group(std::initializer_list<TNamedRect> List) {
    Group(TNamedRects(List.begin(), List.size()));
  }
  void Group(TNamedRects List) {
    TSkinStateGroup group{FEntry, {}};
    for (const auto& [key, rect] : List)
      if (!IsNullRect(rect)) group.States.emplace_back(key, rect);
    if (group.States.size() > 1) FOut.StateGroups.push_back(std::move(group));
  }
  // A rectangle given relative to Owner's top-left corner, which it must stay inside.
  void Inside(const std::string& Key, const TRect& R, const TRect& Owner) {
    if (IsNullRect(R) || IsNullRect(Owner)) return;
    FOut.Rects.push_back({FEntry, Key, FPicture, OffsetRect(R, Owner.Left, Owner.Top), Owner});
  }
  // Points relative to Owner's top-left corner; zero points are not given.
  void Points(std::initializer_list<std::pair<const char*, TPoint>> List, const TRect& Owner) {
    for (const auto& [key, point] : List)
      if (point.X != 0 || point.Y != 0)
        FOut.Points.push_back({FEntry, key, {Owner.Left + point.X, Owner.Top + point.Y}, Owner});
  }
  void Strip(const std::string& Part, int32_t Length) {
    FOut.Strips.push_back({FEntry, Part, Length});
  }
  // The middle of a three-part image of R between two unscaled ends.
  void ThreePart(const char* Key, const TRect& R, int32_t LeftEnd, int32_t RightEnd,
                 bool Vertical = false) {
    if (!IsNullRect(R))
      Strip(std::string(Key) + " middle", (Vertical ? R.Height() : R.Width()) - LeftEnd - RightEnd);
  }
  void Index(const char* Key, int32_t Index) {
    FOut.PictureIndexes.push_back({FEntry, Key, Index});
  }

private:
  // Whether this entry's rectangle Key is in the catalog already (a state group may
  // name the skin rectangle again).
  bool Listed(const std::string& Key) const {
    return std::any_of(FOut.Rects.rbegin(), FOut.Rects.rend(),
                       [&](const TSkinRectRef& r) { return r.Entry == FEntry && r.Key == Key; });
  }

  TSkinCatalog& FOut;
  std::string FEntry;
  int FPicture;
};

// The nine-part cut: corner points inside R, four strips and a client part, each with
// length.
void NinePart(TCatalogWriter& W, const TRect& R, TPoint LT, TPoint RT, TPoint LB, TPoint RB,
              const TRect& ClRect) {
  W.Points({{"lefttoppoint", LT},
            {"righttoppoint", RT},
            {"leftbottompoint", LB},
            {"rightbottompoint", RB}},
           R);
  W.Strip("top strip", RT.X - LT.X);
  W.Strip("bottom strip", RB.X - LB.X);
  W.Strip("left strip", LB.Y - LT.Y);
  W.Strip("right strip", RB.Y - RT.Y);
  W.Strip("client width", ClRect.Width());
  W.Strip("client height", ClRect.Height());
}

// The geometry of a control with corner points, by the resize mode it gives.
void CustomGeometry(TCatalogWriter& W, const TspDataSkinCustomControl& C) {
  W.Inside("clientrect", C.ClRect, C.SkinRect);
  if (IsNullRect(C.SkinRect)) return;
  if (C.RBPoint.X != 0 && C.RBPoint.Y != 0) {
    NinePart(W, C.SkinRect, C.LTPoint, C.RTPoint, C.LBPoint, C.RBPoint, C.ClRect);
  } else if (C.RTPoint.X != 0 || C.RTPoint.Y != 0) {
    W.Points({{"lefttoppoint", C.LTPoint}, {"righttoppoint", C.RTPoint}}, C.SkinRect);
    W.Strip("middle", C.RTPoint.X - C.LTPoint.X);
  } else if (C.LBPoint.X != 0 || C.LBPoint.Y != 0) {
    W.Points({{"lefttoppoint", C.LTPoint}, {"leftbottompoint", C.LBPoint}}, C.SkinRect);
    W.Strip("middle", C.LBPoint.Y - C.LTPoint.Y);
  }
}

void CatalogButton(TCatalogWriter& W, const TspDataSkinButtonControl& B) {
  W.States({{"skinrect", B.SkinRect},
            {"activeskinrect", B.ActiveSkinRect},
            {"downskinrect", B.DownSkinRect},
            {"focusedskinrect", B.FocusedSkinRect},
            {"disabledskinrect", B.DisabledSkinRect}});
  W.Rects({{"animateskinrect", B.AnimateSkinRect}});
  W.States({{"menumarkerrect", B.MenuMarkerRect},
            {"menumarkeractiverect", B.MenuMarkerActiveRect},
            {"menumarkerdownrect", B.MenuMarkerDownRect},
            {"menumarkerflatrect", B.MenuMarkerFlatRect}});
  if (const auto* m = dynamic_cast<const TspDataSkinMenuButtonControl*>(&B))
    W.Inside("trackbuttonrect", m->TrackButtonRect, B.SkinRect);
}

void CatalogCheckRadio(TCatalogWriter& W, const TspDataSkinCheckRadioControl& C) {
  W.States({{"skinrect", C.SkinRect}, {"activeskinrect", C.ActiveSkinRect}});
  W.Inside("checkimagearea", C.CheckImageArea, C.SkinRect);
  W.Inside("textarea", C.TextArea, C.SkinRect);
  W.States({{"checkimagerect", C.CheckImageRect},
            {"grayedcheckimagerect", C.GrayedCheckImageRect},
            {"uncheckimagerect", C.UncheckImageRect},
            {"activecheckimagerect", C.ActiveCheckImageRect},
            {"activegrayedcheckimagerect", C.ActiveGrayedCheckImageRect},
            {"activeuncheckimagerect", C.ActiveUncheckImageRect},
            {"unenabledcheckimagerect", C.UnenabledCheckImageRect},
            {"unenabledgrayedcheckimagerect", C.UnenabledGrayedCheckImageRect},
            {"unenableduncheckimagerect", C.UnenabledUncheckImageRect}});
}

void CatalogEdit(TCatalogWriter& W, const TspDataSkinEditControl& E) {
  W.States({{"skinrect", E.SkinRect},
            {"activeskinrect", E.ActiveSkinRect},
            {"disabledskinrect", E.DisabledSkinRect}});
  W.ThreePart("skinrect", E.SkinRect, E.LTPoint.X, E.SkinRect.Width() - E.RTPoint.X);
  W.Inside("buttonrect", E.ButtonRect, E.SkinRect);
  W.Rects({{"activebuttonrect", E.ActiveButtonRect},
           {"downbuttonrect", E.DownButtonRect},
           {"unenabledbuttonrect", E.UnenabledButtonRect}});
  W.Group({{"buttonrect", E.ButtonRect},
           {"activebuttonrect", E.ActiveButtonRect},
           {"downbuttonrect", E.DownButtonRect},
           {"unenabledbuttonrect", E.UnenabledButtonRect}});
}

// Three step buttons: the normal one relative to the skin rectangle, the hot and pressed
// ones in the picture.
void StepButton(TCatalogWriter& W, const TRect& Owner, const char* Key, const TRect& Normal,
                const char* ActiveKey, const TRect& Active, const char* DownKey,
                const TRect& Down) {
  W.Inside(Key, Normal, Owner);
  W.Rects({{ActiveKey, Active}, {DownKey, Down}});
  W.Group({{Key, Normal}, {ActiveKey, Active}, {DownKey, Down}});
}

void CatalogListBox(TCatalogWriter& W, const TspDataSkinListBox& L) {
  W.States({{"itemrect", L.ItemRect},
            {"activeitemrect", L.ActiveItemRect},
            {"focusitemrect", L.FocusItemRect}});
  for (const TRect& item : {L.ItemRect, L.ActiveItemRect, L.FocusItemRect})
    W.ThreePart("item", item, L.ItemLeftOffset, L.ItemRightOffset);
  W.Inside("itemtextrect", L.ItemTextRect, L.ItemRect);
  W.Inside("captionrect", L.CaptionRect, L.SkinRect);
  StepButton(W, L.SkinRect, "upbuttonrect", L.UpButtonRect, "activeupbuttonrect",
             L.ActiveUpButtonRect, "downupbuttonrect", L.DownUpButtonRect);
  StepButton(W, L.SkinRect, "downbuttonrect", L.DownButtonRect, "activedownbuttonrect",
             L.ActiveDownButtonRect, "downdownbuttonrect", L.DownDownButtonRect);
  StepButton(W, L.SkinRect, "checkbuttonrect", L.CheckButtonRect, "activecheckbuttonrect",
             L.ActiveCheckButtonRect, "downcheckbuttonrect", L.DownCheckButtonRect);
  if (const auto* c = dynamic_cast<const TspDataSkinCheckListBox*>(&L)) {
    W.States({{"checkimagerect", c->CheckImageRect}, {"uncheckimagerect", c->UncheckImageRect}});
    W.Inside("itemcheckrect", c->ItemCheckRect, L.ItemRect);
  }
}

void CatalogComboBox(TCatalogWriter& W, const TspDataSkinComboBox& C) {
  W.States({{"skinrect", C.SkinRect},
            {"activeskinrect", C.ActiveSkinRect},
            {"disabledskinrect", C.DisabledSkinRect}});
  W.ThreePart("skinrect", C.SkinRect, C.LTPoint.X, C.SkinRect.Width() - C.RTPoint.X);
  W.States({{"itemrect", C.ItemRect},
            {"focusitemrect", C.FocusItemRect},
            {"activeitemrect", C.ActiveItemRect}});
  for (const TRect& item : {C.ItemRect, C.FocusItemRect, C.ActiveItemRect})
    W.ThreePart("item", item, C.ItemLeftOffset, C.ItemRightOffset);
  W.Inside("itemtextrect", C.ItemTextRect, C.ItemRect);
  W.Inside("buttonrect", C.ButtonRect, C.SkinRect);
  W.Rects({{"activebuttonrect", C.ActiveButtonRect},
           {"downbuttonrect", C.DownButtonRect},
           {"unenabledbuttonrect", C.UnenabledButtonRect}});
  W.Group({{"buttonrect", C.ButtonRect},
           {"activebuttonrect", C.ActiveButtonRect},
           {"downbuttonrect", C.DownButtonRect},
           {"unenabledbuttonrect", C.UnenabledButtonRect}});
}

void CatalogSpinEdit(TCatalogWriter& W, const TspDataSkinSpinEditControl& S) {
  W.States({{"skinrect", S.SkinRect}, {"activeskinrect", S.ActiveSkinRect}});
  StepButton(W, S.SkinRect, "upbuttonrect", S.UpButtonRect, "activeupbuttonrect",
             S.ActiveUpButtonRect, "downupbuttonrect", S.DownUpButtonRect);
  StepButton(W, S.SkinRect, "downbuttonrect", S.DownButtonRect, "activedownbuttonrect",
             S.ActiveDownButtonRect, "downdownbuttonrect", S.DownDownButtonRect);
}

void CatalogScrollBar(TCatalogWriter& W, const TspDataSkinScrollBarControl& S) {
  W.Inside("trackarea", S.TrackArea, S.SkinRect);
  StepButton(W, S.SkinRect, "upbuttonrect", S.UpButtonRect, "activeupbuttonrect",
             S.ActiveUpButtonRect, "downupbuttonrect", S.DownUpButtonRect);
  StepButton(W, S.SkinRect, "downbuttonrect", S.DownButtonRect, "activedownbuttonrect",
             S.ActiveDownButtonRect, "downdownbuttonrect", S.DownDownButtonRect);
  W.States({{"thumbrect", S.ThumbRect},
            {"activethumbrect", S.ActiveThumbRect},
            {"downthumbrect", S.DownThumbRect}});
  const bool vertical = S.RTPoint.X == 0 && S.RTPoint.Y == 0;
  for (const TRect& thumb : {S.ThumbRect, S.ActiveThumbRect, S.DownThumbRect})
    W.ThreePart("thumb", thumb, S.ThumbOffset1, S.ThumbOffset2, vertical);
  W.States({{"glyphrect", S.GlyphRect},
            {"activeglyphrect", S.ActiveGlyphRect},
            {"downglyphrect", S.DownGlyphRect}});
}

void CatalogPanel(TCatalogWriter& W, const TspDataSkinPanelControl& P) {
  W.Inside("captionrect", P.CaptionRect, P.SkinRect);
  W.States({{"checkimagerect", P.CheckImageRect}, {"uncheckimagerect", P.UncheckImageRect}});
  W.Rects({{"markframerect", P.MarkFrameRect},
           {"framerect", P.FrameRect},
           {"gripperrect", P.GripperRect}});
  W.Inside("frametextrect", P.FrameTextRect, P.FrameRect);
  W.ThreePart("framerect", P.FrameRect, P.FrameLeftOffset, P.FrameRightOffset);
  W.Index("bgpictureindex", P.BGPictureIndex);
}

void CatalogExPanel(TCatalogWriter& W, const TspDataSkinExPanelControl& E) {
  W.Rects({{"rollhskinrect", E.RollHSkinRect}, {"rollvskinrect", E.RollVSkinRect}});
  W.Inside("rollhcaptionrect", E.RollHCaptionRect, E.RollHSkinRect);
  W.Inside("rollvcaptionrect", E.RollVCaptionRect, E.RollVSkinRect);
  W.Inside("captionrect", E.CaptionRect, E.SkinRect);
  W.States({{"closebuttonrect", E.CloseButtonRect},
            {"closebuttonactiverect", E.CloseButtonActiveRect},
            {"closebuttondownrect", E.CloseButtonDownRect}});
  W.States({{"hrollbuttonrect", E.HRollButtonRect},
            {"hrollbuttonactiverect", E.HRollButtonActiveRect},
            {"hrollbuttondownrect", E.HRollButtonDownRect}});
  W.States({{"hrestorebuttonrect", E.HRestoreButtonRect},
            {"hrestorebuttonactiverect", E.HRestoreButtonActiveRect},
            {"hrestorebuttondownrect", E.HRestoreButtonDownRect}});
  W.States({{"vrollbuttonrect", E.VRollButtonRect},
            {"vrollbuttonactiverect", E.VRollButtonActiveRect},
            {"vrollbuttondownrect", E.VRollButtonDownRect}});
  W.States({{"vrestorebuttonrect", E.VRestoreButtonRect},
            {"vrestorebuttonactiverect", E.VRestoreButtonActiveRect},
            {"vrestorebuttondownrect", E.VRestoreButtonDownRect}});
}

void CatalogTab(TCatalogWriter& W, const TspDataSkinTabControl& T) {
  W.Inside("clientrect", T.ClRect, T.SkinRect);
  if (!IsNullRect(T.SkinRect))
    NinePart(W, T.SkinRect, T.LTPoint, T.RTPoint, T.LBPoint, T.RBPoint, T.ClRect);
  W.States({{"tabrect", T.TabRect}, {"mouseintabrect", T.MouseInTabRect}});
  W.States({{"activetabrect", T.ActiveTabRect}, {"focustabrect", T.FocusTabRect}});
  for (const TRect& tab : {T.TabRect, T.MouseInTabRect, T.ActiveTabRect, T.FocusTabRect})
    W.ThreePart("tab", tab, T.TabLeftOffset, T.TabRightOffset);
  W.Rects({{"tabsbgrect", T.TabsBGRect}});
  W.States({{"closebuttonrect", T.CloseButtonRect},
            {"closebuttonactiverect", T.CloseButtonActiveRect},
            {"closebuttondownrect", T.CloseButtonDownRect}});
  W.Index("bgpictureindex", T.BGPictureIndex);
}

void CatalogGrid(TCatalogWriter& W, const TspDataSkinGridControl& G) {
  W.Rects({{"fixedcellrect", G.FixedCellRect}});
  W.States({{"selectcellrect", G.SelectCellRect},
            {"focuscellrect", G.FocusCellRect},
            {"disabledcellrect", G.DisabledCellRect}});
  W.ThreePart("fixedcellrect", G.FixedCellRect, G.FixedCellLeftOffset, G.FixedCellRightOffset);
  for (const TRect& cell : {G.SelectCellRect, G.FocusCellRect, G.DisabledCellRect})
    W.ThreePart("cell", cell, G.CellLeftOffset, G.CellRightOffset);
  W.Inside("fixedcelltextrect", G.FixedCellTextRect, G.FixedCellRect);
  W.Inside("celltextrect", G.CellTextRect, G.SelectCellRect);
  W.Index("bgpictureindex", G.BGPictureIndex);
}

void CatalogControl(TSkinCatalog& Out, const TspDataSkinControl& C) {
  TCatalogWriter w(Out, C.IDName, C.PictureIndex);
  w.Index("pictureindex", C.PictureIndex);
  w.Index("maskpictureindex", C.MaskPictureIndex);
  w.Rects({{"skinrect", C.SkinRect}});
  if (const auto* c = dynamic_cast<const TspDataSkinCustomControl*>(&C)) {
    // Edits and combo boxes use their corner points as the ends of a three-part image.
    if (!dynamic_cast<const TspDataSkinEditControl*>(c) &&
        !dynamic_cast<const TspDataSkinComboBox*>(c))
      CustomGeometry(w, *c);
    else
      w.Points({{"lefttoppoint", c->LTPoint}, {"righttoppoint", c->RTPoint}}, c->SkinRect);
  }
  if (const auto* b = dynamic_cast<const TspDataSkinButtonControl*>(&C)) CatalogButton(w, *b);
  if (const auto* c = dynamic_cast<const TspDataSkinCheckRadioControl*>(&C))
    CatalogCheckRadio(w, *c);
  if (const auto* e = dynamic_cast<const TspDataSkinEditControl*>(&C)) CatalogEdit(w, *e);
  if (const auto* l = dynamic_cast<const TspDataSkinListBox*>(&C)) CatalogListBox(w, *l);
  if (const auto* c = dynamic_cast<const TspDataSkinComboBox*>(&C)) CatalogComboBox(w, *c);
  if (const auto* s = dynamic_cast<const TspDataSkinSpinEditControl*>(&C)) CatalogSpinEdit(w, *s);
  if (const auto* s = dynamic_cast<const TspDataSkinScrollBarControl*>(&C)) CatalogScrollBar(w, *s);
  if (const auto* t = dynamic_cast<const TspDataSkinTrackBarControl*>(&C)) {
    w.States({{"skinrect", t->SkinRect}, {"activeskinrect", t->ActiveSkinRect}});
    w.Inside("trackarea", t->TrackArea, t->SkinRect);
    w.States({{"buttonrect", t->ButtonRect}, {"activebuttonrect", t->ActiveButtonRect}});
  }
  if (const auto* g = dynamic_cast<const TspDataSkinGaugeControl*>(&C)) {
    w.Inside("progressarea", g->ProgressArea, g->SkinRect);
    w.Rects({{"progressrect", g->ProgressRect},
             {"animationskinrect", g->AnimationSkinRect},
             {"progressanimationskinrect", g->ProgressAnimationSkinRect}});
  }
  if (const auto* u = dynamic_cast<const TspDataSkinUpDownControl*>(&C)) {
    StepButton(w, u->SkinRect, "upbuttonrect", u->UpButtonRect, "activeupbuttonrect",
               u->ActiveUpButtonRect, "downupbuttonrect", u->DownUpButtonRect);
    StepButton(w, u->SkinRect, "downbuttonrect", u->DownButtonRect, "activedownbuttonrect",
               u->ActiveDownButtonRect, "downdownbuttonrect", u->DownDownButtonRect);
  }
  if (const auto* s = dynamic_cast<const TspDataSkinSplitterControl*>(&C))
    w.Rects({{"gripperrect", s->GripperRect}});
  if (const auto* s = dynamic_cast<const TspDataSkinSlider*>(&C))
    w.Rects({{"hrulerrect", s->HRulerRect},
             {"hthumbrect", s->HThumbRect},
             {"vrulerrect", s->VRulerRect},
             {"vthumbrect", s->VThumbRect}});
  if (const auto* p = dynamic_cast<const TspDataSkinPanelControl*>(&C)) CatalogPanel(w, *p);
  if (const auto* e = dynamic_cast<const TspDataSkinExPanelControl*>(&C)) CatalogExPanel(w, *e);
  if (const auto* s = dynamic_cast<const TspDataSkinScrollBoxControl*>(&C))
    w.Index("bgpictureindex", s->BGPictureIndex);
  if (const auto* b = dynamic_cast<const TspDataSkinBitLabelControl*>(&C))
    w.Rects({{"skintextrect", b->SkinTextRect}});
  if (const auto* t = dynamic_cast<const TspDataSkinTabControl*>(&C)) CatalogTab(w, *t);
  if (const auto* g = dynamic_cast<const TspDataSkinGridControl*>(&C)) CatalogGrid(w, *g);
  if (const auto* m = dynamic_cast<const TspDataSkinMainMenuBar*>(&C)) {
    w.Inside("itemsrect", m->ItemsRect, m->SkinRect);
    w.ThreePart("skinrect", m->SkinRect, m->ItemsRect.Left,
                m->SkinRect.Width() - m->ItemsRect.Right);
  }
  if (const auto* b = dynamic_cast<const TspDataSkinControlBar*>(&C)) {
    w.Rects({{"itemrect", b->ItemRect}, {"hgriprect", b->HGripRect}, {"vgriprect", b->VGripRect}});
    w.Index("bgpictureindex", b->BGPictureIndex);
  }
}

void CatalogMenuItem(TCatalogWriter& W, const TspDataSkinMenuItem& M) {
  W.States({{"skinrect", M.SkinRect}, {"activeskinrect", M.ActiveSkinRect}});
  for (const TRect& item : {M.SkinRect, M.ActiveSkinRect})
    W.ThreePart("item", item, M.ItemLeftOffset, M.ItemRightOffset);
  W.Rects({{"dividerrect", M.DividerRect}, {"animateskinrect", M.AnimateSkinRect}});
  W.ThreePart("dividerrect", M.DividerRect, M.DividerLeftOffset, M.DividerRightOffset);
  W.Inside("textrect", M.TextRect, M.SkinRect);
  W.Inside("imagerect", M.ImageRect, M.SkinRect);
  W.States(
      {{"checkimagerect", M.CheckImageRect}, {"activecheckimagerect", M.ActiveCheckImageRect}});
  W.States(
      {{"radioimagerect", M.RadioImageRect}, {"activeradioimagerect", M.ActiveRadioImageRect}});
  W.States(
      {{"arrowimagerect", M.ArrowImageRect}, {"activearrowimagerect", M.ActiveArrowImageRect}});
}

void CatalogMainMenuItem(TCatalogWriter& W, const TspDataSkinMainMenuItem& M) {
  W.States(
      {{"skinrect", M.SkinRect}, {"activeskinrect", M.ActiveSkinRect}, {"downrect", M.DownRect}});
  for (const TRect& item : {M.SkinRect, M.ActiveSkinRect, M.DownRect})
    W.ThreePart("item", item, M.ItemLeftOffset, M.ItemRightOffset);
  W.Rects({{"animateskinrect", M.AnimateSkinRect}});
  W.Inside("textrect", M.TextRect, M.SkinRect);
}

// The picture an object's normal look is cut from: the frame's, or the rolled-up frame's
// for an object of the rolled-up window, unless the entry keeps it in its active picture
// (the menu bar's buttons always do).
int NormalLookPicture(const TspDataSkinObject& O) {
  if (O.SkinRectInAPicture || dynamic_cast<const TspDataSkinMainMenuBarButton*>(&O))
    return O.ActivePictureIndex;
  return O.RollUp ? RollUpPicture : MainPicture;
}

void CatalogCaption(TCatalogWriter& W, const TspDataSkinCaption& C, const TspSkinData& Skin) {
  W.SetPicture(NormalLookPicture(C));
  W.Rects({{"skinrect", C.SkinRect}});
  W.SetPicture(C.ActivePictureIndex);
  W.Rects({{"activeskinrect", C.ActiveSkinRect},
           {"inactiveskinrect", C.InActiveSkinRect},
           {"animateskinrect", C.AnimateSkinRect}});
  W.Group({{"skinrect", C.SkinRect}, {"activeskinrect", C.ActiveSkinRect}});
  W.States({{"framerect", C.FrameRect}, {"activeframerect", C.ActiveFrameRect}});
  W.ThreePart("framerect", C.FrameRect, C.FrameLeftOffset, C.FrameRightOffset);
  W.Inside("frametextrect", C.FrameTextRect, C.FrameRect);
  // The text area is given relative to the caption's own rectangle in the frame.
  W.SetPicture(NormalLookPicture(C));
  W.Inside("textrect", C.TextRect, C.SkinRect);
  // The caption is resized between the ends that the frame's corner points fix.
  const int32_t left = std::max(0, Skin.LTPoint.X - C.SkinRect.Left);
  const int32_t right = std::max(0, C.SkinRect.Right - Skin.RTPoint.X);
  if (left > 0 || right > 0) W.ThreePart("skinrect", C.SkinRect, left, right);
}

// Count frames of Width x Height from the top-left corner of Strip, side by side or one
// above the other.
std::vector<TNamedRect> Frames(const TRect& Strip, int32_t Width, int32_t Height, int32_t Count,
                               bool Vertical) {
  std::vector<TNamedRect> frames;
  if (IsNullRect(Strip)) return frames;
  for (int32_t i = 0; i < Count; ++i)
    frames.emplace_back("frame " + std::to_string(i + 1),
                        Bounds(Strip.Left + (Vertical ? 0 : i * Width),
                               Strip.Top + (Vertical ? i * Height : 0), Width, Height));
  return frames;
}

// The looks an object draws in place of its normal one, all in its active picture: the
// frames of a strip, or its hot, inactive, pressed and disabled looks.
std::vector<TNamedRect> PlaceLooks(const TspDataSkinObject& O) {
  const TRect& strip = O.ActiveSkinRect;
  if (const auto* a = dynamic_cast<const TspDataSkinAnimate*>(&O)) {
    std::vector<TNamedRect> looks =
        Frames(strip, O.SkinRect.Width(), O.SkinRect.Height(), a->CountFrames, false);
    looks.insert(looks.end(),
                 {{"inactiveskinrect", O.InActiveSkinRect}, {"downskinrect", a->DownSkinRect}});
    return looks;
  }
  const auto frameStrip = [&](int32_t Count, TspFramesPlacement Placement) {
    if (Count < 1) return std::vector<TNamedRect>{};
    const bool vertical = Placement != fphorizontal;
    return Frames(strip, vertical ? strip.Width() : strip.Width() / Count,
                  vertical ? strip.Height() / Count : strip.Height(), Count, vertical);
  };
  if (const auto* g = dynamic_cast<const TspDataSkinFrameGaugeObject*>(&O))
    return frameStrip(g->CountFrames, g->FramesPlacement);
  if (const auto* r = dynamic_cast<const TspDataSkinFrameRegulatorObject*>(&O))
    return frameStrip(r->CountFrames, r->FramesPlacement);
  std::vector<TNamedRect> looks{{"activeskinrect", O.ActiveSkinRect},
                                {"inactiveskinrect", O.InActiveSkinRect}};
  if (const auto* b = dynamic_cast<const TspDataSkinButton*>(&O))
    looks.insert(looks.end(),
                 {{"downrect", b->DownRect}, {"disableskinrsect", b->DisableSkinRect}});
  return looks;
}

// The symbol cells of a bitmap-font label: the first line's at the top-left corner of its
// active rectangle, the next lines below.
void CatalogSymbols(TCatalogWriter& W, const TspDataSkinBitLabel& B) {
  std::vector<TNamedRect> cells;
  for (int32_t line = 0; line < B.Symbols.Count(); ++line) {
    const std::string& symbols = B.Symbols.Strings(line);
    for (size_t i = 0; i < symbols.size(); ++i)
      cells.emplace_back(
          "symbol " + symbols.substr(i, 1),
          Bounds(B.ActiveSkinRect.Left + static_cast<int32_t>(i) * B.SymbolWidth,
                 B.ActiveSkinRect.Top + line * B.SymbolHeight, B.SymbolWidth, B.SymbolHeight));
  }
  W.Rects(cells);
}

// A track bar's button, centred on either end of the track, stays inside the object.
void CatalogTrack(TCatalogWriter& W, const TspDataSkinTrackBar& T) {
  W.Points({{"beginpoint", T.BeginPoint}, {"endpoint", T.EndPoint}}, T.SkinRect);
  const auto buttonAt = [&](TPoint P) {
    const int32_t w = T.ButtonRect.Width(), h = T.ButtonRect.Height();
    return Bounds(P.X - w / 2, P.Y - h / 2, w, h);
  };
  W.Inside("buttonrect at beginpoint", buttonAt(T.BeginPoint), T.SkinRect);
  W.Inside("buttonrect at endpoint", buttonAt(T.EndPoint), T.SkinRect);
}

void CatalogObject(TSkinCatalog& Out, const TspSkinData& Skin, const TspDataSkinObject& O) {
  TCatalogWriter w(Out, O.IDName, O.ActivePictureIndex);
  w.Index("activepictureindex", O.ActivePictureIndex);
  if (const auto* m = dynamic_cast<const TspDataSkinMenuItem*>(&O)) {
    CatalogMenuItem(w, *m);
  } else if (const auto* m = dynamic_cast<const TspDataSkinMainMenuItem*>(&O)) {
    CatalogMainMenuItem(w, *m);
  } else if (const auto* c = dynamic_cast<const TspDataSkinCaption*>(&O)) {
    CatalogCaption(w, *c, Skin);
  } else if (const auto* b = dynamic_cast<const TspDataSkinBitLabel*>(&O)) {
    w.SetPicture(NormalLookPicture(O));
    w.Rects({{"skinrect", O.SkinRect}});
    w.SetPicture(O.ActivePictureIndex);
    CatalogSymbols(w, *b);
  } else {
    w.SetPicture(NormalLookPicture(O));
    w.Rects({{"skinrect", O.SkinRect}});
    if (const auto* t = dynamic_cast<const TspDataSkinTrackBar*>(&O)) CatalogTrack(w, *t);
    std::vector<TNamedRect> looks = PlaceLooks(O);
    w.SetPicture(O.ActivePictureIndex);
    w.Rects(looks);
    looks.insert(looks.begin(), {"skinrect", O.SkinRect});
    w.Group(looks);
    if (const auto* s = dynamic_cast<const TspDataSkinStdButton*>(&O))
      w.States({{"restorerect", s->RestoreRect},
                {"restoreactiverect", s->RestoreActiveRect},
                {"restoredownrect", s->RestoreDownRect},
                {"restoreinactiverect", s->RestoreInActiveRect}});
    if (const auto* a = dynamic_cast<const TspDataSkinAnimate*>(&O))
      w.States({{"restorerect", a->RestoreRect},
                {"restoreactiverect", a->RestoreActiveRect},
                {"restoredownrect", a->RestoreDownRect},
                {"restoreinactiverect", a->RestoreInActiveRect}});
    if (const auto* t = dynamic_cast<const TspDataSkinTrackBar*>(&O))
      w.States({{"buttonrect", t->ButtonRect}, {"activebuttonrect", t->ActiveButtonRect}});
  }
}

void CatalogWindowSections(TSkinCatalog& Out, const TspSkinData& Skin) {
  TCatalogWriter form(Out, "FORMINFO", MainPicture);
  const TRect frame{0, 0, Skin.Picture.Width(), Skin.Picture.Height()};
  form.Rects({{"clientrect", Skin.ClRect},
              {"buttonsrect", Skin.ButtonsRect},
              {"captionrect", Skin.CaptionRect},
              {"maskrectarea", Skin.MaskRectArea},
              {"mainmenurect", Skin.MainMenuRect},
              {"iconrect", Skin.IconRect},
              {"sizegriparea", Skin.SizeGripArea}});
  if (!IsNullRect(frame))
    NinePart(form, frame, Skin.LTPoint, Skin.RTPoint, Skin.LBPoint, Skin.RBPoint, Skin.ClRect);
  form.Points({{"hittestlefttoppoint", Skin.HitTestLTPoint},
               {"hittestrighttoppoint", Skin.HitTestRTPoint},
               {"hittestleftbottompoint", Skin.HitTestLBPoint},
               {"hittestrightbottompoint", Skin.HitTestRBPoint}},
              frame);
  form.Index("bgpictureindex", Skin.BGPictureIndex);
  form.Index("mdibgpictureindex", Skin.MDIBGPictureIndex);
  if (!Skin.RollUpPicture.Empty()) {
    TCatalogWriter rollUp(Out, "FORMINFO", RollUpPicture);
    rollUp.Points(
        {{"rollupleftpoint", Skin.RollUpLeftPoint}, {"rolluprightpoint", Skin.RollUpRightPoint}},
        {0, 0, Skin.RollUpPicture.Width(), Skin.RollUpPicture.Height()});
  }

  const auto windowPicture = [&](int Index) {
    const bool valid = Index >= 0 && Index < static_cast<int>(Skin.ActivePictures.size());
    return valid ? TRect{0, 0, Skin.ActivePictures[static_cast<size_t>(Index)].Width(),
                         Skin.ActivePictures[static_cast<size_t>(Index)].Height()}
                 : TRect{};
  };
  const TspDataSkinPopupWindow& popup = Skin.PopupWindow;
  TCatalogWriter p(Out, "POPUPWINDOW", popup.WindowPictureIndex);
  p.Index("windowpictureindex", popup.WindowPictureIndex);
  p.Index("maskpictureindex", popup.MaskPictureIndex);
  if (const TRect window = windowPicture(popup.WindowPictureIndex); !IsNullRect(window)) {
    p.Rects({{"itemsrect", popup.ItemsRect}});
    NinePart(p, window, popup.LTPoint, popup.RTPoint, popup.LBPoint, popup.RBPoint,
             popup.ItemsRect);
  }
  const TspDataSkinHintWindow& hint = Skin.HintWindow;
  TCatalogWriter h(Out, "HINTWINDOW", hint.WindowPictureIndex);
  h.Index("windowpictureindex", hint.WindowPictureIndex);
  h.Index("maskpictureindex", hint.MaskPictureIndex);
  if (const TRect window = windowPicture(hint.WindowPictureIndex); !IsNullRect(window)) {
    h.Rects({{"clientrect", hint.ClRect}});
    NinePart(h, window, hint.LTPoint, hint.RTPoint, hint.LBPoint, hint.RBPoint, hint.ClRect);
  }
  for (const TspDataSkinArea& area : Skin.AreaList) {
    TCatalogWriter a(Out, "SKINAREAS " + area.IDName, MainPicture);
    a.Rects({{"area", area.AreaRect}});
  }
}

}  // namespace

TSkinCatalog CatalogSkin(const TspSkinData& Skin) {
  TSkinCatalog catalog;
  CatalogWindowSections(catalog, Skin);
  for (const auto& object : Skin.ObjectList) CatalogObject(catalog, Skin, *object);
  for (const auto& control : Skin.CtrlList) CatalogControl(catalog, *control);
  return catalog;
}
