// A menu level's input: the polled pointer, the mouse button's release, the keys its
// window's frame hands it, scrolling on the markers, and the items' animation.
#include "SkinPopupWindow.h"

#include "SkinMenu.h"

#include "classlib/Keyboard.h"
#include "classlib/SystemSeams.h"

namespace {

constexpr UINT ScrollInterval = 100;

}  // namespace

// The pointer

void TspSkinPopupWindow::MouseTimerTick(TObject*) {
  const TPoint screen = Seams::CursorPos();
  const TPoint p = ScreenToClient(screen);
  if (p == FLastMousePos) return;
  if (WindowFromPoint(POINT{screen.X, screen.Y}) == Handle())
    MouseAtPoint(p);
  else if (FLayout.ScrollMode)
    StopScroll();
  FLastMousePos = p;
}

void TspSkinPopupWindow::MouseAtPoint(TPoint P) {
  if (FLayout.ScrollMode) {
    const TspScrollMarker marker = FLayout.MarkerAt(P);
    if (marker == TspScrollMarker::Up && FScrollState == NotScrolling && FLayout.CanScrollUp()) {
      FScrollState = ScrollingUp;
      DrawMarkers(Canvas());
      StartScroll();
    } else if (marker == TspScrollMarker::Down && FScrollState == NotScrolling && FLayout.CanScrollDown()) {
      FScrollState = ScrollingDown;
      DrawMarkers(Canvas());
      StartScroll();
    } else if (FScrollState != NotScrolling && marker == TspScrollMarker::None) {
      StopScroll();
    }
  }
  if (FItems.empty()) return;
  FOldItemIndex = FItemIndex;
  // Over no item (a gap, a marker) the last hot item stays hot.
  const int at = FLayout.ItemAt(P);
  if (at >= 0) FItemIndex = at;
  if (FItemIndex >= ItemCount()) FItemIndex = -1;
  if (FItemIndex == FOldItemIndex) {
    TspSkinMenuItem* item = HotItem();
    if (item == nullptr || !item->KeySelected) return;
    // The pointer takes over an item made hot without it: its submenu now opens by delay.
    item->KeySelected = false;
    if (item->HasChildren()) item->Select(false);
    return;
  }
  // A disabled item lit by its accelerator goes out too.
  if (FOldItemIndex >= 0 && FOldItemIndex < ItemCount()) {
    TspSkinMenuItem* old = Items(FOldItemIndex);
    if (old->Selectable() || old->Active) old->Deselect();
  }
  if (TspSkinMenuItem* item = HotItem(); item != nullptr && item->Selectable()) item->Select(false);
}

void TspSkinPopupWindow::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseUp(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  MouseAtPoint({X, Y});
  TspSkinMenuItem* item = HotItem();
  // The last thing done: the click may close the menu and free this level.
  if (item != nullptr && FLayout.ItemAt({X, Y}) >= 0 && !item->IsSeparator()) item->Click();
}

// Scrolling

void TspSkinPopupWindow::StartScroll() {
  FShowTimer->SetEnabled(false);
  FMenu->CloseToLevel(FMenu->IndexOfWindow(this) + 1);
  KillTimer(Handle(), ScrollTimerId);
  SetTimer(Handle(), ScrollTimerId, ScrollInterval, nullptr);
}

void TspSkinPopupWindow::StopScroll() {
  FScrollState = NotScrolling;
  if (Visible()) DrawMarkers(Canvas());
  if (HandleAllocated()) KillTimer(Handle(), ScrollTimerId);
}

void TspSkinPopupWindow::ScrollTick() {
  // The pointer scrolls one item at a time and never wraps.
  if (FScrollState == ScrollingUp) {
    if (FLayout.ScrollUp(false))
      ApplyScroll();
    else
      StopScroll();
  } else if (FScrollState == ScrollingDown) {
    if (FLayout.ScrollDown(false))
      ApplyScroll();
    else
      StopScroll();
  }
}

void TspSkinPopupWindow::ApplyScroll() {
  SyncItems();
  Repaint();
}

// Keys

void TspSkinPopupWindow::ProcessKey(uint16_t Key) {
  if (!HandleAllocated() || !Visible()) return;
  for (int i = 0; i < ItemCount(); ++i) {
    const TMenuItem* menuItem = Items(i)->MenuItem;
    if (menuItem != nullptr && IsKeyAccel(Key, menuItem->Caption())) {
      ClickAccelerator(i);
      return;
    }
  }
  TspSkinMenuItem* hot = HotItem();
  switch (MenuKeyAction(Key)) {
    case TspMenuKeyAction::Click:
      if (hot != nullptr) hot->Click();
      break;
    case TspMenuKeyAction::CloseLevel: CloseDeepestLevel(); break;
    case TspMenuKeyAction::CloseSubmenu:
      if (FMenu->PopupWindows().size() > 1) CloseDeepestLevel();
      break;
    case TspMenuKeyAction::Previous: PreviousItem(); break;
    case TspMenuKeyAction::OpenSubmenu:
      if (hot != nullptr && hot->HasChildren()) hot->Click();
      break;
    case TspMenuKeyAction::Next: NextItem(); break;
    case TspMenuKeyAction::None: break;
  }
}

void TspSkinPopupWindow::ClickAccelerator(int Index) {
  TspSkinMenuItem* item = Items(Index);
  if (TspSkinMenuItem* hot = HotItem(); hot != nullptr && hot != item) hot->Deselect();
  FItemIndex = Index;
  // Lit as by the pointer whether or not it is enabled; a disabled item neither waits for
  // its submenu nor runs anything.
  item->Select(false);
  item->Click();
}

void TspSkinPopupWindow::CloseDeepestLevel() {
  TspSkinMenu* menu = FMenu;
  if (menu->PopupWindows().empty()) return;
  // Closing the only level closes the menu; either way this level may be gone now.
  menu->CloseToLevel(static_cast<int>(menu->PopupWindows().size()) - 1);
  if (menu->PopupWindows().empty()) return;
  if (TspSkinMenuItem* opener = menu->PopupWindows().back()->HotItem()) {
    opener->Opened = false;
    opener->Update();
  }
}

void TspSkinPopupWindow::NextItem() {
  const int old = FItemIndex, top = FLayout.TopIndex;
  const int next = FLayout.NextItem(old, FScrollState != NotScrolling);
  if (FLayout.TopIndex != top) ApplyScroll();
  MoveHotItem(old, next);
}

void TspSkinPopupWindow::PreviousItem() {
  const int old = FItemIndex, top = FLayout.TopIndex;
  const int previous = FLayout.PreviousItem(old, FScrollState != NotScrolling);
  if (FLayout.TopIndex != top) ApplyScroll();
  MoveHotItem(old, previous);
}

void TspSkinPopupWindow::MoveHotItem(int OldIndex, int NewIndex) {
  FOldItemIndex = OldIndex;
  if (NewIndex == OldIndex) return;
  FItemIndex = NewIndex;
  Items(NewIndex)->Select(true);
  if (OldIndex >= 0 && OldIndex < ItemCount()) Items(OldIndex)->Deselect();
}

// Animation

void TspSkinPopupWindow::AnimationTimerTick(TObject*) {
  DropStaleSkin();
  bool changed = false;
  for (const auto& item : FItems) {
    const int32_t frames = item->ItemSkin != nullptr ? item->ItemSkin->FrameCount : 0;
    if (!item->AnimationStep(item->HasMorph(), item->HasAnimation(), frames)) continue;
    changed = true;
    RedrawItem(item.get());
  }
  if (!changed) FAnimationTimer->SetEnabled(false);
}
