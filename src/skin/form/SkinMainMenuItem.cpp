#include "SkinMainMenuItem.h"

#include "DynamicSkinForm.h"
#include "MainMenuItemRow.h"

#include "skin/menus/SkinMenu.h"

#include "skin/data/SkinObjectData.h"
#include "skin/data/SkinRects.h"

#include "classlib/Bitmap.h"

TspSkinMainMenuItem::TspSkinMainMenuItem(TspDynamicSkinForm* AParent, const TspDataSkinMainMenuItem& AData,
                                         TMenuItem* AMenuItem)
    : TspActiveSkinObject(AParent, &AData), FSkin(AParent->SkinData(), AData), FMenuItem(AMenuItem) {
  IDName = AMenuItem->Name();
  Enabled = AMenuItem->Enabled();
  FFit.SavedEnabled = Enabled;
  Morphing = FSkin.Morphing;
}

TMenuItem* TspSkinMainMenuItem::MenuItem() const { return static_cast<TMenuItem*>(FMenuItem.Target()); }

TSize TspSkinMainMenuItem::MeasureSize() const {
  TFont font;
  FSkin.AssignFont(font);
  const TMenuItem* item = MenuItem();
  return FSkin.ItemSize(item != nullptr ? MenuCaptionWidth(font, item->Caption()) : 0);
}

void TspSkinMainMenuItem::SetPlace(const TspMenuItemPlace& Place) {
  ObjectRect = Place.Rect;
  UpdateMenuItemFit(FFit, Enabled, Place.Fits);
}

void TspSkinMainMenuItem::Draw(TCanvas* Cnvs, bool) {
  const TMenuItem* item = MenuItem();
  if (IsNullRect(SkinRect) || !FFit.Fits || item == nullptr) return;
  TspMenuItemLookState state;
  state.Down = Down;
  state.Active = Active;
  state.MenuItemEnabled = item->Enabled();
  state.MorphRunning = MorphRunning();
  const TspMenuItemLook look = MenuItemLook(state);
  const int width = RectWidth(ObjectRect);
  TBitmap image;
  if (!FSkin.PaintFace(image, look.Face, 0, MorphKf, false, width)) return;
  FSkin.AssignFont(*image.Canvas()->Font());
  DrawMenuCaption(*image.Canvas(), item->Caption(), FSkin.CaptionRect(width), FSkin.FontColor(look.FontColor),
                  Parent->Form()->DrawTextBiDiModeFlags(0));
  Cnvs->Draw(ObjectRect.Left, ObjectRect.Top, &image);
}

void TspSkinMainMenuItem::MouseDown(int X, int Y, TMouseButton Button) {
  TMenuItem* item = MenuItem();
  if (!Enabled || Button != mbLeft || item == nullptr) {
    TspActiveSkinObject::MouseDown(X, Y, Button);
    return;
  }
  if (item->Count() > 0) {
    SetDown(true);
    TspActiveSkinObject::MouseDown(X, Y, Button);
    return;
  }
  SetDown(false);
  // The mode ends with its hook: keys go to the window again.
  if (Parent->MainMenuMode()) Parent->EndMainMenuMode();
  TspActiveSkinObject::MouseDown(X, Y, Button);
  // Last: the command may rebuild the frame's objects, this one among them.
  RunMainMenuCommand(*item);
}

void TspSkinMainMenuItem::MouseEnter() {
  // An open submenu follows the mouse along the row.
  if (!EnterMainMenuItem(*this, Parent->MainMenuItems())) ReDraw();
}

void TspSkinMainMenuItem::MouseLeave() {
  MouseIn = Active = false;
  if (CanMorphing() && Down) MorphKf = 0;
  ReDraw();
  Parent->DoMouseLeave(IDName);
}

void TspSkinMainMenuItem::SetDown(bool Value) {
  Down = Value;
  if (!Value) {
    Active = false;
    // It fades back from its hot look.
    if (CanMorphing()) MorphKf = 1;
    ReDraw();
    return;
  }
  Parent->RedrawObject(this);
  Parent->EnterMainMenuMode(Parent);
  OpenSubmenu();
}

void TspSkinMainMenuItem::OpenSubmenu() {
  Parent->SkinMenuOpen();
  const TPoint origin = Parent->FrameOrigin();
  const TRect r = OffsetRect(ObjectRect, origin.X, origin.Y);
  TspSkinData* skin = Parent->MenusSkinData() != nullptr ? Parent->MenusSkinData() : Parent->SkinData();
  TMenuItem* item = MenuItem();
  if (item == nullptr || !Parent->SkinMenu()->Popup(nullptr, skin, 0, r, item, false)) Parent->SkinMenuClose();
}
