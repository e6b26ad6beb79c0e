#pragma once
// What the top-level items of a main menu do alike, whether the window's frame draws them
// (TspSkinMainMenuItem) or a menu bar does (TspSkinMainMenuBarItem): entering one while
// another's submenu is open moves the submenu to it; the arrows step among the items the
// keys reach; Enter and Down press the hot one; an accelerator lights its item and opens
// it. Row is the items in their order; an item has the flags Down, MouseIn, Active,
// Visible and Enabled, a morph factor, MenuItem(), SetDown, MouseEnter and MouseLeave.

#include "skin/form/portable/MainMenuItems.h"

#include "classlib/Keyboard.h"
#include "classlib/Menus.h"

#include <vector>

// The keys (arrows, accelerators) reach a visible, enabled item with a menu item.
template <class Item>
bool KeysReach(const Item& I) {
  return I.Visible && I.Enabled && I.MenuItem() != nullptr;
}

// Entered becomes the hot item. While another item's submenu is open, that item is
// released and Entered pressed, opening its own: true then. Else any other lit item goes
// dark and Entered only lights up (the caller shows it): false.
template <class Item>
bool EnterMainMenuItem(Item& Entered, const std::vector<Item*>& Row) {
  for (Item* other : Row)
    if (other != &Entered && other->Down) {
      other->SetDown(false);
      Entered.MouseIn = Entered.Active = true;
      if (Entered.CanMorphing()) Entered.MorphKf = 1;
      Entered.SetDown(true);
      return true;
    }
  for (Item* other : Row)
    if (other != &Entered && (other->MouseIn || other->Active)) other->MouseLeave();
  Entered.MouseIn = Entered.Active = true;
  return false;
}

// The arrows: the current item (hot or pressed) leaves, the next item the keys reach
// (previous one when not Forward) enters, wrapping; without a current item the first.
template <class Item>
void StepMainMenuItems(const std::vector<Item*>& Row, bool Forward) {
  std::vector<TspMenuStepItem> steps;
  for (const Item* item : Row) steps.push_back({KeysReach(*item), item->MouseIn || item->Active || item->Down});
  const TspMenuStep step = StepMenuItems(steps, Forward);
  if (step.Leave != -1) Row[static_cast<size_t>(step.Leave)]->MouseLeave();
  if (step.Enter != -1) Row[static_cast<size_t>(step.Enter)]->MouseEnter();
}

// Enter and Down: the first item that is pressed without a submenu, or hot while no menu
// is open, gets a left press (opening its submenu or running its command). Whether there
// was one.
template <class Item>
bool PressHotMainMenuItem(const std::vector<Item*>& Row, bool MenuOpen) {
  for (Item* item : Row) {
    const TMenuItem* menuItem = item->MenuItem();
    const bool plain = menuItem != nullptr && menuItem->Count() == 0;
    if (!(item->Down && plain) && !((item->MouseIn || item->Active) && !MenuOpen)) continue;
    item->MouseIn = false;
    item->MouseDown(0, 0, mbLeft);
    return true;
  }
  return false;
}

// Alt+Key: the first item the keys reach whose caption has Key as accelerator lights up
// (moving an open submenu to it) and, unless a menu is open and it has a submenu, gets a
// left press. Whether one took the key.
template <class Item>
bool FindAccelMainMenuItem(const std::vector<Item*>& Row, uint16_t Key, bool MenuOpen) {
  for (Item* item : Row) {
    if (!KeysReach(*item) || !IsKeyAccel(Key, item->MenuItem()->Caption())) continue;
    const bool plain = item->MenuItem()->Count() == 0;
    item->MouseEnter();
    // The press may run a command that rebuilds the row: nothing of it is touched after.
    if (!MenuOpen || plain) item->MouseDown(0, 0, mbLeft);
    return true;
  }
  return false;
}
