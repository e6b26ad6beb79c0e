#include "SkinButtonObjects.h"

#include "DynamicSkinForm.h"

#include "skin/controls/SkinPartPainter.h"
#include "skin/data/SkinRects.h"
#include "skin/data/win32/SkinDrawing.h"

namespace {

using TGlyphPainter = void (*)(TCanvas* Canvas, int X, int Y, TColor Color);

TGlyphPainter GlyphPainter(TspCaptionGlyph Glyph) {
  switch (Glyph) {
    case TspCaptionGlyph::Close: return DrawCloseImage;
    case TspCaptionGlyph::Maximize: return DrawMaximizeImage;
    case TspCaptionGlyph::Minimize: return DrawMinimizeImage;
    case TspCaptionGlyph::Restore: return DrawRestoreImage;
    case TspCaptionGlyph::SysMenu: return DrawSysMenuImage;
    case TspCaptionGlyph::RollUp: return DrawRollUpImage;
    case TspCaptionGlyph::RollDown: return DrawRollDownImage;
    case TspCaptionGlyph::MinimizeToTray: return DrawMinimizeToTrayImage;
    default: return nullptr;
  }
}

}  // namespace

// Push buttons

TspSkinButtonObject::TspSkinButtonObject(TspDynamicSkinForm* AParent, const TspDataSkinButton* AData)
    : TspActiveSkinObject(AParent, AData) {
  if (AData == nullptr) return;
  DownRect = AData->DownRect;
  DisableSkinRect = AData->DisableSkinRect;
  GroupIndex = AData->GroupIndex;
}

bool TspSkinButtonObject::HasDownLook() const { return !IsNullRect(DownRect); }

TspButtonLookState TspSkinButtonObject::ButtonLookState(bool UpDate) const {
  TspButtonLookState s;
  static_cast<TspObjectLookState&>(s) = LookState(UpDate);
  s.Down = Down;
  s.DownRect = DownRect;
  s.DisableSkinRect = DisableSkinRect;
  s.GroupIndex = GroupIndex;
  return s;
}

void TspSkinButtonObject::DrawButton(TCanvas* Cnvs, bool UpDate) {
  DrawLook(Cnvs, ButtonLook(ButtonLookState(UpDate)));
}

void TspSkinButtonObject::Draw(TCanvas* Cnvs, bool UpDate) { DrawButton(Cnvs, UpDate); }

bool TspSkinButtonObject::IsMorphRunning() const {
  return TspActiveSkinObject::IsMorphRunning() && !(MenuItem != nullptr && Down);
}

void TspSkinButtonObject::SetDown(bool Value) {
  Down = Value;
  const bool canMorph = CanMorphing();
  if (MenuItem != nullptr && !HasDownLook()) {
    // Its active look shows while its menu is open.
    if (Value) {
      MouseIn = Active = true;
      if (canMorph) MorphKf = 1;
      Parent->RedrawObject(this);
    } else {
      Parent->RedrawObject(this);
      if (canMorph) ReDraw();
    }
    return;
  }
  if (!HasDownLook()) {
    if (Value) ReleaseGroup();
    return;
  }
  if (Value) {
    if (canMorph) MorphKf = 1;
    Parent->RedrawObject(this);
    ReleaseGroup();
    return;
  }
  if (GroupIndex != -1 || MenuItem != nullptr) Active = false;
  if (canMorph) Parent->RedrawObject(this);
  ReDraw();
}

void TspSkinButtonObject::ReleaseGroup() {
  if (GroupIndex == -1) return;
  for (int i = 0; i < Parent->ObjectCount(); ++i) {
    auto* other = dynamic_cast<TspSkinButtonObject*>(Parent->Objects(i));
    if (other != nullptr && other != this && other->GroupIndex == GroupIndex && other->Down) {
      other->SetDown(false);
      return;
    }
  }
}

void TspSkinButtonObject::MouseDown(int X, int Y, TMouseButton Button) {
  if (!Enabled) return;
  if (Button == mbLeft && !Down) {
    SetDown(true);
    TrackMenu();
  }
  TspActiveSkinObject::MouseDown(X, Y, Button);
}

void TspSkinButtonObject::MouseUp(int X, int Y, TMouseButton Button) {
  if (!Enabled) return;
  if (Button == mbLeft && MenuItem == nullptr && Down && GroupIndex == -1) SetDown(false);
  TspActiveSkinObject::MouseUp(X, Y, Button);
}

void TspSkinButtonObject::MouseEnter() {
  MouseIn = Active = true;
  if (!Down || !HasDownLook()) {
    if (!IsNullRect(ActiveSkinRect)) ReDraw();
  } else if (GroupIndex == -1) {
    Parent->RedrawObject(this);  // the pressed look again
  }
  Parent->DoMouseEnter(IDName);
}

void TspSkinButtonObject::MouseLeave() {
  MouseIn = false;
  if (Down && MenuItem != nullptr && !HasDownLook()) {
    Active = false;
  } else if (!Down || !HasDownLook() || (GroupIndex == -1 && MenuItem == nullptr)) {
    Active = false;
    if (Down && CanMorphing()) MorphKf = 1;
    if (!IsNullRect(ActiveSkinRect) || (HasDownLook() && GroupIndex == -1)) ReDraw();
  }
  Parent->DoMouseLeave(IDName);
}

void TspSkinButtonObject::TrackMenu() {
  if (MenuItem != nullptr && MenuItem->Count() > 0) DropDownMenu(MenuItem, PopupUp);
}

// Caption buttons

TspSkinStdButtonObject::TspSkinStdButtonObject(TspDynamicSkinForm* AParent, const TspDataSkinStdButton* AData)
    : TspSkinButtonObject(AParent, AData) {
  Kind = TspFrameObjectKind::StdButton;
  if (AData == nullptr) return;
  Command = AData->Command;
  RestoreRect = AData->RestoreRect;
  RestoreActiveRect = AData->RestoreActiveRect;
  RestoreDownRect = AData->RestoreDownRect;
  RestoreInActiveRect = AData->RestoreInActiveRect;
}

TspSkinStdButtonObject::TspSkinStdButtonObject(TspDynamicSkinForm* AParent, const std::string& AIDName,
                                               TspStdButtonCommand ACommand)
    : TspSkinStdButtonObject(AParent, nullptr) {
  SkinDataPresent = false;
  IDName = AIDName;
  Command = ACommand;
  // Not empty, so that entering and leaving the button repaints it.
  SkinRect = ActiveSkinRect = DownRect = ObjectRect = Rect(0, 0, 1, 1);
  SkinRectInAPicture = true;
}

bool TspSkinStdButtonObject::InRestoreState() const { return ::InRestoreState(Command, Parent->Core().State); }

bool TspSkinStdButtonObject::ShowsFormIcon() const {
  return Command == cmsysmenu && Parent->ShowIcon() && (SkinRectInAPicture || !SkinDataPresent);
}

void TspSkinStdButtonObject::Draw(TCanvas* Cnvs, bool UpDate) {
  TspStdButtonLookState s;
  static_cast<TspButtonLookState&>(s) = ButtonLookState(UpDate);
  s.SkinDataPresent = SkinDataPresent;
  s.Command = Command;
  s.ShowIcon = Parent->ShowIcon();
  s.RestoreState = InRestoreState();
  s.RestoreRect = RestoreRect;
  s.RestoreActiveRect = RestoreActiveRect;
  s.RestoreDownRect = RestoreDownRect;
  s.RestoreInActiveRect = RestoreInActiveRect;
  const TspObjectLook look = StdButtonLook(s);
  if (look.Kind == TspObjectLook::DefaultLook) {
    DrawDefaultCaptionButton(Cnvs, ObjectRect,
                             DefaultCaptionButtonLook(Command, {RectWidth(ObjectRect), RectHeight(ObjectRect)},
                                                      MouseIn, Down, Parent->Core().State),
                             Enabled);
    return;
  }
  DrawLook(Cnvs, look);
  if (look.Kind == TspObjectLook::FormIcon) MorphKf = 0;
}

void DrawDefaultCaptionButton(TCanvas* Canvas, const TRect& Place, const TspDefaultButtonLook& Look, bool Enabled) {
  TBitmap image;
  if (!IsDrawableImageSize(RectWidth(Place), RectHeight(Place))) return;
  image.SetSize(RectWidth(Place), RectHeight(Place));
  DrawDefaultLook(*image.Canvas(), Rect(0, 0, image.Width(), image.Height()), Look.Colors);
  if (TGlyphPainter paint = GlyphPainter(Look.Glyph))
    paint(image.Canvas(), Look.GlyphOrigin.X, Look.GlyphOrigin.Y, Enabled ? clBtnText : clBtnShadow);
  Canvas->Draw(Place.Left, Place.Top, &image);
}

bool TspSkinStdButtonObject::IsMorphRunning() const {
  return !ShowsFormIcon() && TspSkinButtonObject::IsMorphRunning();
}

void TspSkinStdButtonObject::DblClick() {
  if (Command == cmsysmenu) Parent->Form()->Close();
}

void TspSkinStdButtonObject::MouseDown(int, int, TMouseButton Button) {
  if (!Enabled || Button != mbLeft || Down) return;
  if (Command == cmsysmenu) MenuItem = Parent->GetSystemMenuItems();
  SetDown(true);
  if (Command == cmsysmenu) TrackMenu();
}

void TspSkinStdButtonObject::MouseUp(int X, int Y, TMouseButton Button) {
  // Released over the button: the pointer has not left it meanwhile.
  const bool runs = Active && Button == mbLeft;
  if (Command == cmclose) {
    TspSkinButtonObject::MouseUp(X, Y, Button);
    if (runs) ExecuteCommand();
    return;
  }
  if (runs) ExecuteCommand();
  TspSkinButtonObject::MouseUp(X, Y, Button);
}

void TspSkinStdButtonObject::ExecuteCommand() {
  const TspFrameCore& core = Parent->Core();
  Parent->Perform(CaptionButtonAction(Command, core.State, core.Options.AlwaysMinimizeToTray,
                                      core.Options.SupportNCArea));
}
