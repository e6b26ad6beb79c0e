#include "SkinMenuSpeedButton.h"

#include "SkinImagesMenu.h"
#include "SkinMenu.h"
#include "SkinPopupMenu.h"

#include "skin/controls/portable/SpeedButtonLook.h"
#include "skin/data/SkinButtonData.h"
#include "skin/data/SkinRects.h"
#include "skin/data/win32/SkinDrawing.h"

#include "classlib/ClassRegistry.h"

#include <iterator>

namespace {

constexpr const char* NewStyleEntry = "resizetoolbutton";
constexpr const char* kTrackPositionNames[] = {"sptpRight", "sptpBottom"};
static_assert(std::size(kTrackPositionNames) == sptpBottom + 1);

bool IsResizeEntry(const std::string& Name) { return Name == "resizebutton" || Name == "resizetoolbutton"; }

// The skin part of Entry as a nine-part image cut at its own corner points.
TspSkinPart NinePartOf(TspSkinData* Data, const TspDataSkinControl& Entry) {
  TspSkinPart part = ControlSkinPart(Data, Entry);
  if (const auto* custom = dynamic_cast<const TspDataSkinCustomControl*>(&Entry))
    part.Geometry = NinePartGeometry(*custom);
  return part;
}

bool Hot(TspPartState State) { return State == TspPartState::Hot || State == TspPartState::Down; }

}  // namespace

TspSkinMenuSpeedButton::TspSkinMenuSpeedButton(TComponent* AOwner) : TspSkinSpeedButton(AOwner) {
  SetSkinDataName("toolmenubutton");
}

TspSkinMenuSpeedButton::~TspSkinMenuSpeedButton() {
  // An images menu still open must not report to a button that is gone.
  TspSkinImagesMenu* menu = ImagesMenu();
  if (menu != nullptr && menu->OnInternalMenuClose == TNotifyEvent(Event(this, &TspSkinMenuSpeedButton::ImagesMenuClosed)))
    menu->SetOnInternalMenuClose(nullptr);
}

// Properties

TspSkinImagesMenu* TspSkinMenuSpeedButton::ImagesMenu() const {
  return dynamic_cast<TspSkinImagesMenu*>(SkinImagesMenu());
}

void TspSkinMenuSpeedButton::SetSkinImagesMenu(TspSkinImagesMenu* Value) {
  TspSkinSpeedButton::SetSkinImagesMenu(Value);
}

void TspSkinMenuSpeedButton::SetTrackButtonMode(bool Value) {
  FTrackButtonMode = Value;
  if (!Skinned()) Repaint();
}

void TspSkinMenuSpeedButton::SetTrackPosition(TspTrackPosition Value) {
  FTrackPosition = Value;
  Repaint();
}

void TspSkinMenuSpeedButton::SetNewStyle(bool Value) {
  FNewStyle = Value;
  if (Value) SetSkinDataName(NewStyleEntry);
}

void TspSkinMenuSpeedButton::Notification(TComponent* AComponent, TOperation Operation) {
  TspSkinSpeedButton::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FSkinPopupMenu) FSkinPopupMenu = nullptr;
}

// The menu part

bool TspSkinMenuSpeedButton::OwnEntry() const { return Skinned() && !IsPlainToolButtonEntry(SkinDataName()); }

bool TspSkinMenuSpeedButton::NewStyleEntries() const { return FNewStyle && SkinDataName() == NewStyleEntry; }

void TspSkinMenuSpeedButton::GetSkinData() {
  TspSkinSpeedButton::GetSkinData();
  const auto* entry = dynamic_cast<const TspDataSkinMenuButtonControl*>(SkinEntry());
  FTrackButtonRect = entry != nullptr ? entry->TrackButtonRect : TRect{};
}

TRect TspSkinMenuSpeedButton::GetTrackRect() const {
  return EntryTrackRect(FTrackButtonRect, SkinRect, ResizeMode(), Size());
}

bool TspSkinMenuSpeedButton::IsTrackPoint(int X, int Y) {
  if (FSkinPopupMenu == nullptr && ImagesMenu() == nullptr) return false;
  if (!FTrackButtonMode) return true;
  GetSkinData();
  const TRect track = OwnEntry() ? GetTrackRect() : TrackStrip(Size(), StripPosition());
  return PtInRect(track, {X, Y});
}

void TspSkinMenuSpeedButton::TrackMenu() {
  const TPoint origin = ClientToScreen({0, 0});
  const TRect R = Bounds(origin.X, origin.Y, Width(), Height());
  if (OnShowTrackMenu) OnShowTrackMenu(this);
  if (FreePending()) return;  // freed by its handler: no menu opens for it
  if (FSkinPopupMenu != nullptr) {
    // It tells the button when it closes, also when it could not open.
    FSkinPopupMenu->PopupFromRectForControl(this, R, false);
    return;
  }
  TspSkinImagesMenu* menu = ImagesMenu();
  if (menu == nullptr) {
    MenuClosed();
    return;
  }
  // Another opener's popup is reported to that opener, whose handlers may free this button.
  menu->ClosePopup();
  if (FreePending()) return;
  menu->SetOnInternalMenuClose(Event(this, &TspSkinMenuSpeedButton::ImagesMenuClosed));
  if (!menu->Popup(R)) MenuClosed();  // nothing opened: no close will come
}

void TspSkinMenuSpeedButton::ImagesMenuClosed(TObject*) { MenuClosed(); }

void TspSkinMenuSpeedButton::MenuClosed() {
  if (!FMenuTracking) return;  // released already
  FMenuTracking = false;
  SetDown(false);
  SetMouseIn(false);
  if (OnHideTrackMenu) OnHideTrackMenu(this);
  Repaint();
}

// Mouse and messages

void TspSkinMenuSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button != mbLeft || ComponentState().Contains(csDesigning) || !IsTrackPoint(X, Y)) {
    TspSkinSpeedButton::MouseDown(Button, Shift, X, Y);
    return;
  }
  FMenuTracking = true;
  if (!Down()) SetDown(true);
  TrackMenu();
}

void TspSkinMenuSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (!FMenuTracking) TspSkinSpeedButton::MouseUp(Button, Shift, X, Y);
}

void TspSkinMenuSpeedButton::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case SP_MENU_CLOSED: MenuClosed(); return;
    // A command of its menu ran: the close before it put the button up, and a menu the
    // command opened again keeps it down.
    case SP_MENU_ITEM_EXECUTED: return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      // While the menu is open the pointer only says where it is.
      if (FMenuTracking && !ComponentState().Contains(csDesigning)) {
        SetMouseIn(Message.Msg == CM_MOUSEENTER);
        return;
      }
      break;
    default: break;
  }
  TspSkinSpeedButton::Dispatch(Message);
}

// Painting

TspPartState TspSkinMenuSpeedButton::ButtonState() {
  return SpeedButtonPartState(true, false, Down(), MouseIn(), GroupIndex() != 0, false);
}

bool TspSkinMenuSpeedButton::ShowsFlat() { return Flat() && !MouseIn() && !Down() && !FMenuTracking; }

void TspSkinMenuSpeedButton::PaintFlat(TCanvas& Canvas) {
  PaintFlatContent(Canvas, ButtonPart(Size(), StripPosition()));
  const bool marker = Skinned() && !IsNullRect(FSkin.MenuMarkerFlatRect);
  DrawStripMarker(Canvas, TrackStrip(Size(), StripPosition()), TspPartState::Normal, marker);
}

void TspSkinMenuSpeedButton::DrawStripMarker(TCanvas& Canvas, const TRect& Strip, TspPartState State,
                                             bool HasEntry) {
  if (HasEntry)
    DrawMenuMarker(Canvas, Strip, Flat(), State == TspPartState::Down, State == TspPartState::Hot);
  else
    DrawSmallDownArrow(&Canvas, Strip, Canvas.Font()->Color());
}

void TspSkinMenuSpeedButton::Paint() {
  if (!NewStyleEntries()) {
    TspSkinSpeedButton::Paint();
    return;
  }
  if (Width() < 1 || Height() < 1) return;
  GetSkinData();
  if (ShowsFlat())
    PaintFlat(*Canvas());
  else
    PaintNewStyle();
}

void TspSkinMenuSpeedButton::CreateControlDefaultImage(TBitmap* B) {
  TspGraphicSkinCustomControl::CreateControlDefaultImage(B);
  TCanvas& canvas = *B->Canvas();
  const TspMenuButtonStates states = MenuButtonStates(FMenuTracking, FTrackButtonMode, ButtonState());
  const TRect part = ButtonPart(Size(), StripPosition()), strip = TrackStrip(Size(), StripPosition());
  if (FTrackButtonMode) {
    DrawDefaultPart(canvas, part, states.Button);
    DrawDefaultPart(canvas, strip, states.Strip);
  } else {
    DrawDefaultPart(canvas, {0, 0, Width(), Height()}, states.Button);
  }
  AssignTextFont(*canvas.Font(), nullptr);
  if (!Enabled()) canvas.Font()->SetColor(clBtnShadow);
  DrawContent(canvas, part, MouseIn(), states.Button == TspPartState::Down);
  DrawSmallDownArrow(&canvas, strip, canvas.Font()->Color());
}

void TspSkinMenuSpeedButton::DrawSkinState(TBitmap* B, TspPartState State) {
  if (!OwnEntry()) {
    DrawPlainParts(*B->Canvas(), State);
    return;
  }
  TBitmap* picture = FPart.Picture.Get();
  const TRect& down = FPart.Rects.Down;
  if (!(FMenuTracking && FTrackButtonMode && !IsNullRect(FTrackButtonRect) && !IsNullRect(down) && picture != nullptr)) {
    TspSkinSpeedButton::DrawSkinState(B, State);
    return;
  }
  // Hot, with the track part of the pressed picture over it.
  TspSkinSpeedButton::DrawSkinState(B, TspPartState::Hot);
  B->Canvas()->CopyRect(GetTrackRect(), picture->Canvas(), OffsetRect(FTrackButtonRect, down.Left, down.Top));
}

// The plain tool-button entries: the button part and the strip as two images of the
// entry (one without track mode), the glyph and caption beside the strip, the marker on it.
void TspSkinMenuSpeedButton::DrawPlainParts(TCanvas& Canvas, TspPartState State) {
  TspSkinPart part = FPart;
  const auto* entry = dynamic_cast<const TspDataSkinCustomControl*>(SkinEntry());
  part.Geometry = entry != nullptr && IsResizeEntry(SkinDataName()) ? NinePartGeometry(*entry) : ClientRectGeometry(ClRect);
  const TspMenuButtonStates states = MenuButtonStates(FMenuTracking, FTrackButtonMode, State);
  const TRect all{0, 0, Width(), Height()};
  const TRect content = ButtonPart(Size(), sptpRight), strip = TrackStrip(Size(), sptpRight);
  auto draw = [&](const TRect& R, TspPartState S) {
    if (!(Flat() && S == TspPartState::Normal)) DrawSkinPart(Canvas, R, part, S);
  };
  if (FTrackButtonMode) {
    draw(content, states.Button);
    draw(strip, states.Strip);
  } else {
    draw(all, states.Button);
  }
  AssignStateFont(*Canvas.Font(), states.Button);
  DrawContent(Canvas, content, Hot(states.Button), states.Button == TspPartState::Down);
  DrawStripMarker(Canvas, strip, states.Strip, !IsNullRect(FSkin.MenuMarkerRect));
}

// The new style: "resizetoolbutton" (or "resizebutton"); in track mode under the pointer
// the strip shows apart, from the track entry of its side (or the button's). A skin with
// neither entry shows nothing; without a skin the default look stands in.
void TspSkinMenuSpeedButton::PaintNewStyle() {
  TspSkinData* data = SkinData();
  const TspDataSkinControl* buttonEntry = FirstControlEntry(data, {NewStyleEntry, "resizebutton"});
  if (buttonEntry == nullptr && data != nullptr && !data->Empty()) return;
  TBitmap image(Width(), Height());
  if (buttonEntry == nullptr) {
    CreateControlDefaultImage(&image);
    DrawControlImage(image);
    return;
  }
  const TspMenuButtonStates states = MenuButtonStates(FMenuTracking, FTrackButtonMode, ButtonState());
  const bool split = FTrackButtonMode && MouseIn();
  const TRect part = split ? ButtonPart(Size(), FTrackPosition) : TRect{0, 0, Width(), Height()};
  DrawPart(*image.Canvas(), part, NinePartOf(data, *buttonEntry), states.Button);
  if (split) {
    const char* trackName = FTrackPosition == sptpRight ? "vtracktoolbutton" : "htracktoolbutton";
    const TspDataSkinControl* stripEntry = FirstControlEntry(data, {trackName});
    DrawPart(*image.Canvas(), TrackStrip(Size(), FTrackPosition),
             NinePartOf(data, stripEntry != nullptr ? *stripEntry : *buttonEntry), states.Strip);
  }
  TFont& font = *image.Canvas()->Font();
  if (Skinned()) {
    AssignStateFont(font, states.Button);
  } else {  // drawn from the stand-in entry: the default font
    AssignTextFont(font, nullptr);
    if (!Enabled()) font.SetColor(clBtnShadow);
  }
  DrawContent(*image.Canvas(), part, Hot(states.Button), states.Button == TspPartState::Down);
  DrawControlImage(image);
}

void RegisterSkinMenuSpeedButtonClass(TClassRegistry& Registry) {
  Registry.DefineComponent<TspSkinMenuSpeedButton, TspSkinSpeedButton>("TspSkinMenuSpeedButton")
      .Reference("SkinPopupMenu", &TspSkinMenuSpeedButton::SetSkinPopupMenu)
      .Reference("SkinImagesMenu", &TspSkinMenuSpeedButton::SetSkinImagesMenu)
      .Boolean("UseImagesMenuImage", &TspSkinMenuSpeedButton::SetUseImagesMenuImage)
      .Boolean("UseImagesMenuCaption", &TspSkinMenuSpeedButton::SetUseImagesMenuCaption)
      .Boolean("TrackButtonMode", &TspSkinMenuSpeedButton::SetTrackButtonMode)
      .Enum("TrackPosition", &TspSkinMenuSpeedButton::SetTrackPosition, kTrackPositionNames)
      .Boolean("NewStyle", &TspSkinMenuSpeedButton::SetNewStyle)
      .Event("OnShowTrackMenu", &TspSkinMenuSpeedButton::OnShowTrackMenu)
      .Event("OnHideTrackMenu", &TspSkinMenuSpeedButton::OnHideTrackMenu);
}
