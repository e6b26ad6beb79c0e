#include "FrameTestSkin.h"

#include "FlatTestSkin.h"

#include "skin/data/SkinObjectData.h"

namespace {

// The frame picture. The corner points cut it so that the caption row and the main-menu
// row widen with the window, and the bottom band's two corners hold the objects.
constexpr int32_t FrameWidth = 400;
constexpr int32_t FrameHeight = 140;
constexpr TRect FrameClient{6, 50, 394, 108};
constexpr TRect CaptionPlace{8, 3, 232, 24};
constexpr TRect ButtonsPlace{236, 3, 392, 24};  // five 28-wide buttons and their gaps
constexpr TRect MainMenuRow{8, 28, 392, 48};
constexpr TRect SizeGripPlace{384, 124, 396, 136};

// The objects' places in the bottom band: those left of BottomLeftCorner move down with
// the bottom edge, those right of BottomRightCorner also move right.
constexpr int32_t BottomLeftCorner = 244;
constexpr int32_t BottomRightCorner = 252;
constexpr TRect TrackBarPlace{8, 112, 64, 132};
constexpr TRect SwitchPlace{68, 114, 96, 130};
constexpr TRect FrameGaugePlace{100, 114, 116, 130};
constexpr TRect RegulatorPlace{120, 112, 140, 132};
constexpr TRect GaugePlace{144, 116, 192, 128};
constexpr TRect LabelPlace{196, 114, 240, 130};
constexpr TRect UserPlace{256, 112, 276, 132};
constexpr TRect AnimatePlace{280, 112, 300, 132};
constexpr TRect BitLabelPlace{304, 118, 334, 126};
constexpr TRect PushButtonPlace{338, 116, 350, 128};
constexpr TRect GroupButtonPlaces[] = {{352, 116, 364, 128}, {366, 116, 378, 128}};

// Painted in this order, each a colour of its own: the bands, the rows and the client
// part, then each object's place.
constexpr TRect FrameParts[] = {
    {0, 0, FrameWidth, FrameClient.Top},
    CaptionPlace,
    ButtonsPlace,
    MainMenuRow,
    {0, FrameClient.Top, FrameClient.Left, FrameClient.Bottom},
    {FrameClient.Right, FrameClient.Top, FrameWidth, FrameClient.Bottom},
    {0, FrameClient.Bottom, FrameWidth, FrameHeight},
    FrameClient,
    TrackBarPlace,
    SwitchPlace,
    FrameGaugePlace,
    RegulatorPlace,
    GaugePlace,
    LabelPlace,
    UserPlace,
    AnimatePlace,
    BitLabelPlace,
    PushButtonPlace,
    GroupButtonPlaces[0],
    GroupButtonPlaces[1],
    SizeGripPlace};

// The rolled-up frame: its caption spans the roll-up points, the unroll button lies
// right of them.
constexpr int32_t RollUpWidth = 200;
constexpr int32_t RollUpHeight = 28;
constexpr TRect RollUpCaptionPlace{8, 3, 160, 24};
constexpr TRect UnrollButtonPlace{168, 3, 196, 24};
constexpr TRect RollUpParts[] = {
    {0, 0, RollUpWidth, RollUpHeight}, RollUpCaptionPlace, UnrollButtonPlace};

void SetFrameTestLayout(TspSkinFormInfo& Form) {
  Form.LTPoint = {12, FrameClient.Top};
  Form.RTPoint = {CaptionPlace.Right - 8, FrameClient.Top};
  Form.LBPoint = {BottomLeftCorner, FrameClient.Bottom - 4};
  Form.RBPoint = {BottomRightCorner, FrameClient.Bottom - 4};
  Form.ClRect = FrameClient;
  Form.CaptionRect = CaptionPlace;
  Form.ButtonsRect = ButtonsPlace;
  Form.ButtonsOffset = 2;
  Form.MainMenuRect = MainMenuRow;
  Form.BorderWidth = 4;
  Form.AutoRenderingInActiveImage = true;
  Form.InActiveEffect = ieinvert;
  Form.SizeGripArea = SizeGripPlace;
  Form.StatusBarName = "statusbar";
  Form.RollUpLeftPoint = {12, 14};
  Form.RollUpRightPoint = {RollUpCaptionPlace.Right - 4, 14};
}

void PaintFramePictures(TSkinBuilder& Skin, TFlatPainter& F) {
  Skin.SetFramePicture(F.PaintPicture(FrameWidth, FrameHeight, FrameParts));
  Skin.SetInactiveFramePicture(F.PaintPicture(FrameWidth, FrameHeight, FrameParts));
  Skin.SetFrameMask(CornerMask(FrameWidth, FrameHeight));
  Skin.SetRollUpPicture(F.PaintPicture(RollUpWidth, RollUpHeight, RollUpParts));
  Skin.SetRollUpMask(CornerMask(RollUpWidth, RollUpHeight));
  SetFrameTestLayout(Skin.FormInfo);
  Skin.Areas.emplace_back("clientarea", TRect{8, 48, 392, 106});
}

// An object at Place, its other looks in the atlas.
template <class T>
T& AddFrameObject(TSkinBuilder& Skin, TFlatPainter& F, const char* IDName, const char* Keyword,
                  const TRect& Place) {
  T& object = Skin.AddObject<T>(IDName, Keyword);
  object.SkinRect = Place;
  object.ActivePictureIndex = F.Picture();
  return object;
}

// A look of Place's size in the atlas.
TRect Look(TFlatPainter& F, const TRect& Place) { return F.Rect(Place.Width(), Place.Height()); }

void PaintCaption(TSkinBuilder& Skin, TFlatPainter& F) {
  F.NewRow();
  auto& caption = PaintFlatCaption(Skin, F, "caption", CaptionPlace);
  caption.FrameRect = F.Rect(40, 17);
  caption.ActiveFrameRect = F.Rect(40, 17);
  caption.FrameLeftOffset = caption.FrameRightOffset = 5;
  caption.FrameTextRect = {5, 2, 35, 15};
  caption.AnimateSkinRect = F.Grid(CaptionPlace.Width(), CaptionPlace.Height(), 1, 3);
  caption.FrameCount = 3;
  caption.AnimateInterval = 50;
}

void PaintValueObjects(TSkinBuilder& Skin, TFlatPainter& F) {
  F.NewRow();
  auto& track =
      AddFrameObject<TspDataSkinTrackBar>(Skin, F, "trackbarobject", "trackbar", TrackBarPlace);
  track.ActiveSkinRect = Look(F, TrackBarPlace);
  track.ButtonRect = F.Rect(8, 14);
  track.ActiveButtonRect = F.Rect(8, 14);
  track.BeginPoint = {6, 10};
  track.EndPoint = {50, 10};
  track.MaxValue = 100;
  track.MouseDownChangeValue = true;

  auto& toggle = AddFrameObject<TspDataSkinSwitch>(Skin, F, "switchobject", "switch", SwitchPlace);
  toggle.ActiveSkinRect = Look(F, SwitchPlace);
  toggle.InActiveSkinRect = Look(F, SwitchPlace);

  auto& frameGauge = AddFrameObject<TspDataSkinFrameGaugeObject>(Skin, F, "framegaugeobject",
                                                                 "framegauge", FrameGaugePlace);
  frameGauge.CountFrames = 4;
  frameGauge.ActiveSkinRect = F.Strip(FrameGaugePlace.Width(), FrameGaugePlace.Height(), 4);
  frameGauge.MaxValue = 30;

  auto& regulator = AddFrameObject<TspDataSkinFrameRegulatorObject>(
      Skin, F, "regulatorobject", "frameregulator", RegulatorPlace);
  regulator.CountFrames = 4;
  regulator.FramesPlacement = fpvertical;
  regulator.ActiveSkinRect = F.Grid(RegulatorPlace.Width(), RegulatorPlace.Height(), 1, 4);
  regulator.MaxValue = 3;
  regulator.Kind = rkround;

  auto& gauge = AddFrameObject<TspDataSkinGauge>(Skin, F, "gaugeobject", "gauge", GaugePlace);
  gauge.ActiveSkinRect = Look(F, GaugePlace);
  gauge.MaxValue = 100;
}

void PaintDisplayObjects(TSkinBuilder& Skin, TFlatPainter& F) {
  F.NewRow();
  auto& label = AddFrameObject<TspDataSkinLabel>(Skin, F, "labelobject", "label", LabelPlace);
  label.ActiveSkinRect = Look(F, LabelPlace);
  DarkFont(label);
  label.ActiveFontColor = clBlack;
  label.Alignment = taCenter;
  label.TextValue = "Label";

  AddFrameObject<TspDataUserObject>(Skin, F, "userobject", "userobject", UserPlace);

  auto& animate =
      AddFrameObject<TspDataSkinAnimate>(Skin, F, "animateobject", "animate", AnimatePlace);
  animate.CountFrames = 3;
  animate.ActiveSkinRect = F.Strip(AnimatePlace.Width(), AnimatePlace.Height(), 3);
  animate.DownSkinRect = Look(F, AnimatePlace);
  animate.InActiveSkinRect = Look(F, AnimatePlace);
  animate.ButtonStyle = true;
  animate.TimerInterval = 50;
  animate.Command = cmdefault;

  auto& bits =
      AddFrameObject<TspDataSkinBitLabel>(Skin, F, "bitlabelobject", "bitlabel", BitLabelPlace);
  bits.Symbols.Add("0123456789");
  bits.Symbols.Add("ABCDEF:-./");
  bits.SymbolWidth = 6;
  bits.SymbolHeight = BitLabelPlace.Height();
  bits.ActiveSkinRect = F.Grid(bits.SymbolWidth, bits.SymbolHeight, 10, 2);
  bits.TextValue = "12:34";
}

void PaintButtonObjects(TSkinBuilder& Skin, TFlatPainter& F) {
  const auto button = [&](const char* IDName, const TRect& Place) -> TspDataSkinButton& {
    auto& b = AddFrameObject<TspDataSkinButton>(Skin, F, IDName, "button", Place);
    b.ActiveSkinRect = Look(F, Place);
    b.DownRect = Look(F, Place);
    b.DisableSkinRect = Look(F, Place);
    return b;
  };
  auto& push = button("pushbutton", PushButtonPlace);
  push.InActiveSkinRect = Look(F, PushButtonPlace);
  push.Hint = "Push";
  for (int i = 0; i < 2; ++i) {
    auto& grouped = button(i == 0 ? "groupbutton1" : "groupbutton2", GroupButtonPlaces[i]);
    grouped.GroupIndex = 1;
    grouped.Hint = "Group";
  }
}

void PaintRollUpObjects(TSkinBuilder& Skin, TFlatPainter& F) {
  F.NewRow();
  PaintFlatCaption(Skin, F, "rollupcaption", RollUpCaptionPlace).RollUp = true;
  auto& unroll =
      AddFrameObject<TspDataSkinStdButton>(Skin, F, "unrollbutton", "stdbutton", UnrollButtonPlace);
  unroll.RollUp = true;
  unroll.Command = cmrollup;
  unroll.ActiveSkinRect = Look(F, UnrollButtonPlace);
  unroll.DownRect = Look(F, UnrollButtonPlace);
}

}  // namespace

void PaintFrameTestSkin(TSkinBuilder& Skin) {
  TFlatPainter f(Skin);
  PaintFlatSkinColors(Skin, f);
  PaintFramePictures(Skin, f);
  PaintCaption(Skin, f);
  PaintFlatCaptionButtons(Skin, f);
  PaintFlatMenusAndControls(Skin, f);
  PaintValueObjects(Skin, f);
  PaintDisplayObjects(Skin, f);
  PaintButtonObjects(Skin, f);
  PaintRollUpObjects(Skin, f);
}
