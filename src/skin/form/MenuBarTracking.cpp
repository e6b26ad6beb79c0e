// The menu bar under the mouse and the keyboard: which object is hot, presses handed to
// the objects, the chevron's popup of the hidden items, the three timers, and the
// operations through which the window's skinned-window component drives the bar from the
// keyboard.
#include "SkinMainMenuBar.h"

#include "DynamicSkinForm.h"
#include "MainMenuItemRow.h"

#include "skin/menus/SkinMenu.h"

#include "skin/controls/SkinControlMessages.h"

#include "classlib/SystemSeams.h"

// The mouse

void TspSkinMainMenuBar::TestActive(int X, int Y) {
  if (FObjects.empty()) return;
  FOldHotObject = FHotObject;
  int found = -1;
  for (int i = 0; i < ObjectCount() && found == -1; ++i)
    if (Objects(i)->Enabled && PtInRect(Objects(i)->ObjectRect, {X, Y})) found = i;
  const bool previousItem = FOldHotObject >= 0 && FOldHotObject < ObjectCount() &&
                            dynamic_cast<TspSkinMainMenuBarItem*>(Objects(FOldHotObject)) != nullptr;
  // Off the bar while a submenu is open, its item stays hot.
  FHotObject = found == -1 && previousItem && FDriven ? FOldHotObject : found;
  // A pressed object keeps the mouse to itself.
  if (FDownObject != -1 && FHotObject != FDownObject) FHotObject = -1;
  if (FHotObject >= ObjectCount()) FHotObject = -1;
  if (FOldHotObject >= ObjectCount()) FOldHotObject = -1;
  if (FHotObject != FOldHotObject) {
    const unsigned generation = FObjectsGeneration;
    if (FOldHotObject != -1 && Objects(FOldHotObject)->Enabled) Objects(FOldHotObject)->MouseLeave();
    if (generation == FObjectsGeneration && FHotObject != -1 && Objects(FHotObject)->Enabled)
      Objects(FHotObject)->MouseEnter();
  }
  if (FItemsHidden && FScrollMenu) SetChevronHot(PtInRect(ChevronRect(), {X, Y}));
}

void TspSkinMainMenuBar::SetChevronHot(bool Value) {
  if (Value == FChevronHot) return;
  FChevronHot = Value;
  if (HandleAllocated()) DrawChevron(Canvas());
}

void TspSkinMainMenuBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TspSkinControl::MouseDown(Button, Shift, X, Y);
  if (FreePending()) return;  // freed by OnMouseDown: it runs no command
  TestActive(X, Y);
  if (FHotObject != -1) {
    FDownObject = FHotObject;
    TspMenuBarObject* object = Objects(FHotObject);
    const unsigned generation = FObjectsGeneration;
    object->MouseDown(X, Y, Button);
    // The press may have run a command that rebuilt the bar or freed it.
    if (!FreePending() && generation == FObjectsGeneration && Shift.Contains(ssDouble)) object->DblClick();
    return;
  }
  if (FItemsHidden && FScrollMenu && PtInRect(ChevronRect(), {X, Y})) ShowHiddenItems();
}

void TspSkinMainMenuBar::MouseMove(TShiftState Shift, int X, int Y) {
  TspSkinControl::MouseMove(Shift, X, Y);
  if (!FMouseTimer.Running()) FMouseTimer.Start(MouseInterval);
}

void TspSkinMainMenuBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (FDownObject >= 0 && FDownObject < ObjectCount()) {
    TspMenuBarObject* object = Objects(FDownObject);
    FDownObject = -1;
    object->MouseUp(X, Y, Button);
  }
  FDownObject = -1;
  TspSkinControl::MouseUp(Button, Shift, X, Y);
}

void TspSkinMainMenuBar::ShowHiddenItems() {
  if (FDynamicSkinForm == nullptr || FMainMenu == nullptr) return;
  // The menu lists the main menu's items from the position that the count of items the
  // bar shows gives.
  int shown = 0;
  for (const TspSkinMainMenuBarItem* item : Items()) shown += item->Shown() ? 1 : 0;
  FDynamicSkinForm->SkinMenuOpen();
  TspSkinMenu* engine = FDynamicSkinForm->SkinMenu();
  const TRect at = ScreenRect(ChevronRect());
  bool opened = false;
  if (TMainMenu* child = FDynamicSkinForm->Form()->FormStyle() == fsMDIForm ? GetChildMainMenu() : nullptr)
    opened = engine->PopupMerged(nullptr, SkinData(), shown, at, FMainMenu->Items(), child->Items(), FPopupToUp);
  else
    opened = engine->Popup(nullptr, SkinData(), shown, at, FMainMenu->Items(), FPopupToUp);
  if (!opened) FDynamicSkinForm->SkinMenuClose();
}

// Timers

void TspSkinMainMenuBar::MouseTimerTick() {
  const TPoint p = ScreenToClient(Seams::CursorPos());
  if (p.X >= 0 && p.X <= Width() && p.Y >= 0 && p.Y <= Height()) {
    TestActive(p.X, p.Y);
    return;
  }
  FMouseTimer.Stop();
  TestActive(-1, -1);
}

void TspSkinMainMenuBar::MorphTimerTick() {
  bool stepped = false;
  const unsigned generation = FObjectsGeneration;
  for (int i = 0; i < ObjectCount() && generation == FObjectsGeneration; ++i) {
    TspMenuBarObject* object = Objects(i);
    if (!object->CanMorphing() || !object->IsMorphRunning()) continue;
    object->DoMorphing();
    stepped = true;
  }
  if (!stepped) FMorphTimer.Stop();
}

void TspSkinMainMenuBar::AnimationTimerTick() {
  bool changed = false;
  for (TspSkinMainMenuBarItem* item : Items()) changed = item->AnimationStep() || changed;
  if (!changed) FAnimationTimer.Stop();
}

void TspSkinMainMenuBar::MenuClosed() {
  // The system menu of a maximized MDI child was opened from its button on the bar.
  for (int i = 0; i < FMDIButtonCount; ++i) {
    auto* button = static_cast<TspSkinMainMenuBarButton*>(Objects(i));
    if (button->Command != cmsysmenu || !button->Down) continue;
    button->Down = false;
    if (i != FHotObject) button->MouseIn = button->Active = false;
    button->ReDraw();
  }
}

void TspSkinMainMenuBar::Dispatch(TMessage& Message) {
  if (FMouseTimer.Is(Message)) return MouseTimerTick();
  if (FMorphTimer.Is(Message)) return MorphTimerTick();
  if (FAnimationTimer.Is(Message)) return AnimationTimerTick();
  switch (Message.Msg) {
    case WM_ERASEBKGND:
      PaintBar(reinterpret_cast<HDC>(Message.WParam));
      Message.Result = 1;
      return;
    case WM_SIZE:
      TspSkinControl::Dispatch(Message);
      ArrangeObjects();
      return;
    case WM_MOVE:
      TspSkinControl::Dispatch(Message);
      if (Align() == alNone && TransparentBar()) RepaintBar();
      return;
    case SP_PARENT_BACKGROUND_CHANGED:
      if (TransparentBar()) RepaintBar();
      return;
    case SP_MENU_CLOSED: MenuClosed(); return;
    case CM_MOUSEENTER:
      TspSkinControl::Dispatch(Message);
      if (!ComponentState().Contains(csDesigning)) FMouseTimer.Start(MouseInterval);
      return;
    case CM_MOUSELEAVE:
      TspSkinControl::Dispatch(Message);
      if (ComponentState().Contains(csDesigning)) return;
      FMouseTimer.Stop();
      TestActive(-1, -1);
      return;
    default: TspSkinControl::Dispatch(Message);
  }
}

// The keyboard

void TspSkinMainMenuBar::EnterKeyboardMode() {
  if (FDynamicSkinForm == nullptr) return;
  TspSkinMainMenuBarItem* first = nullptr;
  for (TspSkinMainMenuBarItem* item : Items()) {
    if (item->MouseIn) {
      first = item;
      break;
    }
    if (first == nullptr && item->Visible && item->Enabled) first = item;
  }
  if (first == nullptr) return;
  FDriven = true;
  first->MouseEnter();
  FDynamicSkinForm->EnterMainMenuMode(this);
}

void TspSkinMainMenuBar::NextItem() { StepMainMenuItems(Items(), true); }

void TspSkinMainMenuBar::PriorItem() { StepMainMenuItems(Items(), false); }

bool TspSkinMainMenuBar::PressHotItem() {
  return PressHotMainMenuItem(Items(), FDynamicSkinForm != nullptr && FDynamicSkinForm->MenuOpen());
}

bool TspSkinMainMenuBar::FindAccelItem(uint16_t Key) {
  if (FDynamicSkinForm == nullptr || FObjects.empty() || !Showing())
    return false;
  return FindAccelMainMenuItem(Items(), Key, FDynamicSkinForm->MenuOpen());
}

void TspSkinMainMenuBar::ResetItems() {
  FDriven = false;
  for (TspSkinMainMenuBarItem* item : Items()) {
    if (!item->Down && !item->MouseIn && !item->Active) continue;
    item->MouseIn = item->Active = item->Down = false;
    if (item->CanMorphing()) item->MorphKf = 1;
    if (item->CanAnimate() && !item->InActiveAnimation()) {
      item->Frame = 0;
      DrawObject(item);
    } else {
      item->ReDraw();
    }
    break;
  }
  FHotObject = FOldHotObject = -1;
}

void TspSkinMainMenuBar::ReleaseDownItem() {
  for (TspSkinMainMenuBarItem* item : Items()) {
    if (!item->Down) continue;
    item->Down = false;
    item->MouseIn = true;
    if (item->CanMorphing()) item->MorphKf = 1;
    DrawObject(item);
    return;
  }
}
