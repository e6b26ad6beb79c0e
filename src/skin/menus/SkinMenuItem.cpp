#include "SkinMenuItem.h"

#include "MenuItemPainter.h"
#include "SkinMenu.h"
#include "SkinPopupWindow.h"

#include "skin/controls/portable/SkinAnimation.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinRects.h"

TspSkinMenuItem::TspSkinMenuItem(TspSkinPopupWindow* AParent, TMenuItem* AMenuItem, TspDataSkinMenuItem* AItemSkin)
    : Parent(AParent), ItemSkin(AItemSkin), MenuItem(AMenuItem) {
  if (ItemSkin == nullptr) return;
  TspSkinData* data = Parent->Menu()->SkinData();
  if (data != nullptr && IsPictureIndex(ItemSkin->ActivePictureIndex, data->ActivePictures.size())) {
    Picture = SkinActiveBitmap(data, ItemSkin->ActivePictureIndex);
    return;
  }
  // Rectangles of a picture that is not there: no item of this skin draws them.
  ItemSkin->SkinRect = {};
  ItemSkin->ActiveSkinRect = {};
}

namespace {

bool SkinEffectsOn(const TspSkinMenuItem& Item) {
  const TspSkinData* data = Item.Parent->Menu()->SkinData();
  return data != nullptr && !data->Empty() && data->EnableSkinEffects();
}

}  // namespace

bool TspSkinMenuItem::HasAnimation() const {
  return ItemSkin != nullptr && !IsNullRect(ItemSkin->AnimateSkinRect) && SkinEffectsOn(*this) &&
         MenuItemAnimates(*ItemSkin);
}

bool TspSkinMenuItem::HasMorph() const {
  return ItemSkin != nullptr && ItemSkin->Morphing && SkinEffectsOn(*this);
}

void TspSkinMenuItem::Draw(TCanvas* Canvas) {
  if (!InView || IsRectEmpty(ItemRect)) return;
  TBitmap image(RectWidth(ItemRect), RectHeight(ItemRect));
  PaintMenuItem(image, *this);
  Parent->BlendWithScreen(image, ItemRect.TopLeft());
  Canvas->CopyRect(ItemRect, image.Canvas(), {0, 0, image.Width(), image.Height()});
}

void TspSkinMenuItem::Select(bool ByKeyboard) {
  Active = true;
  if (HasAnimation()) FrameIndex = 0;
  Parent->ClearOpenedMarks(this);
  if (!KeySelected || ByKeyboard) {
    TspSkinMenu* menu = Parent->Menu();
    const auto& levels = menu->PopupWindows();
    const size_t level = static_cast<size_t>(menu->IndexOfWindow(Parent));
    if (Opened && level + 2 < levels.size()) {
      // Back on the item of an open submenu that has a submenu of its own: that one goes.
      TspSkinPopupWindow* submenu = levels[level + 1];
      menu->CloseToLevel(static_cast<int>(level) + 2);
      for (int i = 0; i < submenu->ItemCount(); ++i) {
        TspSkinMenuItem* item = submenu->Items(i);
        if (!item->Opened) continue;
        item->Opened = false;
        if (item->HasAnimation() && !item->ItemSkin->InActiveAnimation) {
          item->FrameIndex = 0;
          submenu->RedrawItem(item);
        } else {
          item->Update();
        }
      }
    }
    if (!Opened) {
      Update();
      menu->ItemSelected(Parent, this, false, ByKeyboard);
    }
  } else {
    Update();
  }
  if (MenuItem != nullptr && Parent->Hint() != MenuItem->Hint()) Parent->SetHint(MenuItem->Hint());
}

void TspSkinMenuItem::Deselect() {
  KeySelected = false;
  Active = false;
  if (HasAnimation()) FrameIndex = ItemSkin->FrameCount + 1;  // the frames play back
  if (!Opened) Update();
  TspSkinMenu* menu = Parent->Menu();
  if (menu->WaitItem() == this) menu->CancelSubmenuWait();
}

void TspSkinMenuItem::Click() {
  KeySelected = false;
  // The last thing done: the command may close the menu and free this item.
  if (!Opened && IsEnabled()) Parent->Menu()->ItemSelected(Parent, this, true, false);
}

void TspSkinMenuItem::Update() {
  TTimer* timer = Parent->AnimationTimer();
  if (HasAnimation()) {
    const auto interval = static_cast<unsigned>(ItemSkin->AnimateInterval);
    if (timer->Interval() != interval) timer->SetInterval(interval);
    if (!ItemSkin->InActiveAnimation && !Active) {
      FrameIndex = 0;
      Parent->RedrawItem(this);
    } else {
      timer->SetEnabled(true);
    }
  } else if (HasMorph()) {
    if (timer->Interval() != ControlTiming::MorphStep) timer->SetInterval(ControlTiming::MorphStep);
    timer->SetEnabled(true);
  } else {
    Parent->RedrawItem(this);
  }
}

void DrawMenuCheck(TCanvas* Canvas, int X, int Y, TColor Color) {
  Canvas->Pen()->SetColor(Color);
  for (int i = 0; i < 3; ++i) {
    Canvas->MoveTo(X, Y + 5 - i);
    Canvas->LineTo(X + 2, Y + 7 - i);
    Canvas->LineTo(X + 7, Y + 2 - i);
  }
}

void DrawMenuArrow(TCanvas* Canvas, int X, int Y, TColor Color) {
  Canvas->Pen()->SetColor(Color);
  for (int i = 0; i < 4; ++i) {
    Canvas->MoveTo(X + i, Y + i);
    Canvas->LineTo(X + i, Y + 7 - i);
  }
}

void DrawMenuRadio(TCanvas* Canvas, int X, int Y, TColor Color) {
  Canvas->Pen()->SetColor(Color);
  Canvas->Brush()->SetStyle(bsSolid);
  Canvas->Brush()->SetColor(Color);
  Canvas->Ellipse({X, Y, X + 6, Y + 6});
}
