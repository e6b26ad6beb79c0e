#include "MenuBarObjects.h"

#include "ActiveSkinObject.h"
#include "DynamicSkinForm.h"
#include "MainMenuItemRow.h"
#include "SkinButtonObjects.h"
#include "SkinMainMenuBar.h"

#include "skin/menus/SkinMenu.h"

#include "skin/controls/SkinEffects.h"
#include "skin/controls/SkinPartPainter.h"
#include "skin/controls/portable/SkinAnimation.h"
#include "skin/data/SkinObjectData.h"
#include "skin/data/SkinRects.h"

#include "classlib/Bitmap.h"


// The base

bool TspMenuBarObject::CanMorphing() const { return Morphing && SkinEffectsEnabled(Parent->SkinData()); }

bool TspMenuBarObject::IsMorphRunning() const {
  if (Down && !IsNullRect(DownRect)) return false;
  return MouseIn ? MorphKf < 1 : MorphKf > 0;
}

void TspMenuBarObject::DoMorphing() {
  MorphKf = NextMorphKf(MorphKf, MouseIn);
  Parent->DrawObject(this);
}

void TspMenuBarObject::ReDraw() {
  if (CanMorphing())
    Parent->StartMorphTimer();
  else
    Parent->DrawObject(this);
}

void TspMenuBarObject::MouseEnter() {
  Active = MouseIn = true;
  ReDraw();
}

void TspMenuBarObject::MouseLeave() {
  Active = MouseIn = false;
  ReDraw();
}

// Items

TspSkinMainMenuBarItem::TspSkinMainMenuBarItem(TspSkinMainMenuBar* AParent, const TspDataSkinMainMenuItem* AData,
                                               TMenuItem* AMenuItem)
    : TspMenuBarObject(AParent), FMenuItem(AMenuItem) {
  IDName = AMenuItem->Name();
  Enabled = AMenuItem->Enabled();
  FFit.SavedEnabled = Enabled;
  if (AData == nullptr) return;
  FSkin.emplace(AParent->SkinData(), *AData);
  DownRect = FSkin->DownRect;
  Morphing = FSkin->Morphing;
  MorphKind = FSkin->MorphKind;
}

TMenuItem* TspSkinMainMenuBarItem::MenuItem() const { return static_cast<TMenuItem*>(FMenuItem.Target()); }

bool TspSkinMainMenuBarItem::CanAnimate() const { return FSkin && FSkin->Animates(Parent->SkinData()); }

bool TspSkinMainMenuBarItem::AnimationStep() {
  if (!CanAnimate() || !StepAnimationFrame(Frame, FSkin->FrameCount, Active)) return false;
  Parent->DrawObject(this);
  return true;
}

TSize TspSkinMainMenuBarItem::MeasureSize(const TRect& Area) const {
  TFont font;
  Parent->AssignItemFont(font, FSkin ? &*FSkin : nullptr);
  const TMenuItem* item = MenuItem();
  const int32_t text = item != nullptr ? MenuCaptionWidth(font, item->Caption()) : 0;
  if (FSkin) return FSkin->ItemSize(text);
  return {DefaultMenuItemWidth(text), RectHeight(Area)};
}

void TspSkinMainMenuBarItem::SetPlace(const TspMenuItemPlace& Place) {
  ObjectRect = Place.Rect;
  UpdateMenuItemFit(FFit, Enabled, Place.Fits);
}

void TspSkinMainMenuBarItem::ReDraw() {
  if (!CanAnimate()) {
    TspMenuBarObject::ReDraw();
    return;
  }
  Parent->StartAnimationTimer(FSkin->AnimateInterval);
}

void TspSkinMainMenuBarItem::Draw(TCanvas* Cnvs) {
  const TMenuItem* item = MenuItem();
  if (!FFit.Fits || item == nullptr || IsNullRect(ObjectRect)) return;
  if (FSkin)
    DrawSkinned(Cnvs, item->Caption(), item->Enabled());
  else
    DrawDefault(Cnvs, item->Caption(), item->Enabled());
}

void TspSkinMainMenuBarItem::DrawSkinned(TCanvas* Cnvs, const std::string& Caption, bool ItemEnabled) {
  TspMenuItemLookState state;
  state.Down = Down;
  state.Active = Active;
  state.MenuItemEnabled = ItemEnabled;
  state.MorphRunning = CanMorphing() && IsMorphRunning();
  state.Animates = CanAnimate();
  state.Frame = Frame;
  state.FrameCount = FSkin->FrameCount;
  const TspMenuItemLook look = MenuItemLook(state);
  const int width = RectWidth(ObjectRect);
  const UINT flags = Parent->DrawTextBiDiModeFlags(0);
  const TColor color = FSkin->FontColor(look.FontColor);
  // The bar's own picture shows under an item at rest where the skin asks for it.
  if (Parent->ItemTransparent() && look.Face == TspMenuItemFace::Normal) {
    Parent->AssignItemFont(*Cnvs->Font(), &*FSkin);
    DrawMenuCaption(*Cnvs, Caption, OffsetRect(FSkin->CaptionRect(width), ObjectRect.Left, ObjectRect.Top), color,
                    flags);
    return;
  }
  const bool hot = look.Face == TspMenuItemFace::Active || look.Face == TspMenuItemFace::Morph;
  TBitmap image;
  if (!FSkin->PaintFace(image, look.Face, Frame, MorphKf, FSkin->StretchEffect && hot, width)) return;
  Parent->AssignItemFont(*image.Canvas()->Font(), &*FSkin);
  DrawMenuCaption(*image.Canvas(), Caption, FSkin->CaptionRect(width), color, flags);
  Cnvs->Draw(ObjectRect.Left, ObjectRect.Top, &image);
}

void TspSkinMainMenuBarItem::DrawDefault(TCanvas* Cnvs, const std::string& Caption, bool ItemEnabled) {
  const int width = RectWidth(ObjectRect), height = RectHeight(ObjectRect);
  if (!IsDrawableImageSize(width, height)) return;
  TBitmap image;
  image.SetSize(width, height);
  TCanvas* canvas = image.Canvas();
  const TspPartState state = Down ? TspPartState::Down : Active ? TspPartState::Hot : TspPartState::Normal;
  DrawDefaultPart(*canvas, Rect(0, 0, width, height), state, false, DefaultCellDownFill);
  Parent->AssignItemFont(*canvas->Font(), nullptr);
  // The caption sinks a pixel while pressed; a disabled item's is greyed.
  const int pressed = Down ? 1 : 0;
  const int textHeight = canvas->TextHeight(Caption);
  const int top = height / 2 - textHeight / 2 + pressed;
  const TRect r{pressed, top, width + pressed, top + textHeight};
  DrawMenuCaption(*canvas, Caption, r, ItemEnabled ? canvas->Font()->Color() : clGrayText,
                  Parent->DrawTextBiDiModeFlags(0));
  Cnvs->Draw(ObjectRect.Left, ObjectRect.Top, &image);
}

void TspSkinMainMenuBarItem::MouseDown(int, int, TMouseButton Button) {
  TspDynamicSkinForm* frame = Parent->DynamicSkinForm();
  TMenuItem* item = MenuItem();
  if (Button != mbLeft || !Enabled || frame == nullptr || item == nullptr) return;
  if (Parent->OnMainMenuItemClick) Parent->OnMainMenuItemClick(IDName);
  if (Parent->FreePending() || MenuItem() == nullptr) return;  // the handler freed the bar or the item
  if (item->Count() > 0) {
    Parent->SetDriven(true);
    SetDown(true);
    return;
  }
  if (frame->MainMenuMode()) frame->EndMainMenuMode();
  Parent->DrawObject(this);
  // Last: the command may rebuild the bar's objects, this one among them.
  RunMainMenuCommand(*item);
}

void TspSkinMainMenuBarItem::SetDown(bool Value) {
  Down = Value;
  if (Value) {
    Parent->DrawObject(this);
    OpenSubmenu();
    return;
  }
  // Left for a neighbour by the mouse or a key: it rests again.
  MouseIn = Active = false;
  if (!CanAnimate()) {
    if (CanMorphing()) MorphKf = 1;
  } else {
    Frame = InActiveAnimation() ? FSkin->FrameCount + 1 : 0;
  }
  ReDraw();
}

void TspSkinMainMenuBarItem::OpenSubmenu() {
  TspDynamicSkinForm* frame = Parent->DynamicSkinForm();
  TMenuItem* item = MenuItem();
  if (frame == nullptr) return;
  frame->EnterMainMenuMode(Parent);
  frame->SkinMenuOpen();
  if (item == nullptr || !frame->SkinMenu()->Popup(nullptr, Parent->SkinData(), 0, Parent->ScreenRect(ObjectRect),
                                                   item, Parent->PopupToUp()))
    frame->SkinMenuClose();
}

void TspSkinMainMenuBarItem::MouseEnter() {
  // An open submenu follows the mouse along the bar.
  if (EnterMainMenuItem(*this, Parent->Items())) return;
  ReDraw();
  TMenuItem* item = MenuItem();
  if (item == nullptr) return;
  if (Parent->OnItemMouseEnter) Parent->OnItemMouseEnter(item);
  if (Parent->Hint() != item->Hint()) Parent->SetHint(item->Hint());
}

void TspSkinMainMenuBarItem::MouseLeave() {
  MouseIn = Active = false;
  if (CanAnimate() && !InActiveAnimation()) {
    Frame = 0;
    Parent->DrawObject(this);
  }
  if (CanMorphing() && Down) MorphKf = 0;
  ReDraw();
  if (TMenuItem* item = MenuItem(); item != nullptr && Parent->OnItemMouseLeave) Parent->OnItemMouseLeave(item);
}

// MDI child buttons

TspSkinMainMenuBarButton::TspSkinMainMenuBarButton(TspSkinMainMenuBar* AParent,
                                                   const TspDataSkinMainMenuBarButton* AData,
                                                   const std::string& AIDName, TspStdButtonCommand ACommand)
    : TspMenuBarObject(AParent), Command(ACommand) {
  IDName = AIDName;
  if (AData == nullptr) return;
  HasSkinData = true;
  Command = AData->Command;
  SkinRect = AData->SkinRect;
  ActiveSkinRect = AData->ActiveSkinRect;
  DownRect = AData->DownRect;
  Morphing = AData->Morphing;
  MorphKind = AData->MorphKind;
  TspSkinData* data = AParent->SkinData();
  if (data != nullptr && IsPictureIndex(AData->ActivePictureIndex, data->ActivePictures.size()))
    ActivePicture = SkinActiveBitmap(data, AData->ActivePictureIndex);
}

void TspSkinMainMenuBarButton::MouseDown(int, int, TMouseButton Button) {
  if (!Enabled || Button != mbLeft) return;
  Down = true;
  if (CanMorphing() && !IsNullRect(DownRect)) MorphKf = 1;
  Parent->DrawObject(this);
  if (Command == cmsysmenu) DoCommand();
}

void TspSkinMainMenuBarButton::MouseUp(int X, int Y, TMouseButton Button) {
  if (!Enabled || Button != mbLeft || Command == cmsysmenu) return;
  Down = false;
  if (CanMorphing())
    ReDraw();
  else
    Parent->DrawObject(this);
  if (PtInRect(ObjectRect, {X, Y})) DoCommand();
}

void TspSkinMainMenuBarButton::MouseEnter() {
  if (Enabled && Down && (Command == cmsysmenu || CanMorphing())) {
    Active = MouseIn = true;
    if (Command != cmsysmenu) Parent->DrawObject(this);
    return;
  }
  TspMenuBarObject::MouseEnter();
}

void TspSkinMainMenuBarButton::MouseLeave() {
  if (Enabled && Down && (Command == cmsysmenu || CanMorphing())) {
    Active = MouseIn = false;
    if (Command == cmsysmenu)
      MorphKf = 1;
    else
      Parent->DrawObject(this);
    return;
  }
  TspMenuBarObject::MouseLeave();
}

void TspSkinMainMenuBarButton::DblClick() {
  TspDynamicSkinForm* child = GetMaximizeMDIChild();
  TspDynamicSkinForm* frame = Parent->DynamicSkinForm();
  if (!Enabled || Command != cmsysmenu || child == nullptr || frame == nullptr) return;
  frame->SkinMenu()->CloseMenu();
  frame->SkinMenuClose();
  child->Form()->Close();
}

void TspSkinMainMenuBarButton::DoCommand() {
  TspDynamicSkinForm* child = GetMaximizeMDIChild();
  if (child == nullptr) return;
  switch (Command) {
    case cmclose: child->Form()->Close(); break;
    case cmmaximize: child->SetWindowState(TspWindowState::Normal); break;
    case cmminimize: child->SetWindowState(TspWindowState::Minimized); break;
    case cmsysmenu:
      if (TspDynamicSkinForm* frame = Parent->DynamicSkinForm()) {
        Parent->Invalidate();
        frame->PopupMenuItems(Parent, child->GetSystemMenuItems(), Parent->ScreenRect(ObjectRect),
                              Parent->PopupToUp());
      }
      break;
    default: break;
  }
}

TspMenuBarButtonSize TspSkinMainMenuBarButton::PlaceSize() const {
  if (!HasSkinData) return {};
  return {true, {RectWidth(SkinRect), RectHeight(SkinRect)}};
}

void TspSkinMainMenuBarButton::Draw(TCanvas* Cnvs) {
  if (!HasSkinData) {
    // A maximized child's maximize button restores it.
    TspFrameState maximized;
    maximized.WindowState = TspWindowState::Maximized;
    DrawDefaultCaptionButton(
        Cnvs, ObjectRect,
        DefaultCaptionButtonLook(Command, {RectWidth(ObjectRect), RectHeight(ObjectRect)}, MouseIn, Down, maximized),
        Enabled);
    return;
  }
  TBitmap* picture = ActivePicture.Get();
  TBitmap face;
  if (Down && Active && !IsNullRect(DownRect)) {
    if (!CutImage(face, picture, DownRect)) return;
  } else if (CanMorphing() && IsMorphRunning()) {
    TBitmap to;
    if (!CutImage(face, picture, SkinRect)) return;
    if (CutImage(to, picture, ActiveSkinRect) && to.Width() == face.Width() && to.Height() == face.Height())
      MorphImages(face, to, MorphKf, MorphKind);
  } else if (!CutImage(face, picture, MouseIn && !IsNullRect(ActiveSkinRect) ? ActiveSkinRect : SkinRect)) {
    return;
  }
  Cnvs->Draw(ObjectRect.Left, ObjectRect.Top, &face);
}
