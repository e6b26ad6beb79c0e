#pragma once
// TspSkinMainMenuItem: a top-level item of the window's main menu, drawn by the frame in
// the skin's main-menu row when the window has no menu bar control. It is laid out after
// the item before it (hidden and disabled while the row has no room for it), lights up
// under the mouse, opens its submenu through the window's skin menu engine, and, while a
// neighbour's submenu is open, takes the open submenu over as soon as the mouse reaches
// it.

#include "ActiveSkinObject.h"
#include "MainMenuItemSkin.h"

#include "skin/form/portable/MainMenuItems.h"
#include "skin/form/portable/MenuBarLayout.h"

#include "base/FreeWatch.h"

class TMenuItem;
class TspDataSkinMainMenuItem;

class TspSkinMainMenuItem : public TspActiveSkinObject {
public:
  // AData: the skin's "MAINMENUITEM" entry; AMenuItem: the top-level item shown, whose
  // name the object takes.
  TspSkinMainMenuItem(TspDynamicSkinForm* AParent, const TspDataSkinMainMenuItem& AData, TMenuItem* AMenuItem);

  void Draw(TCanvas* Cnvs, bool UpDate) override;
  // A left press opens the submenu, or runs the command of an item without one.
  void MouseDown(int X, int Y, TMouseButton Button) override;
  void MouseEnter() override;
  void MouseLeave() override;

  // Pressing opens the submenu (and the main-menu mode with it); releasing lets the item
  // fade back from its hot look.
  void SetDown(bool Value);
  // The item's size for its caption in the entry's font.
  TSize MeasureSize() const;
  // Takes its place in the row; an item that does not fit is hidden and disabled.
  void SetPlace(const TspMenuItemPlace& Place);
  bool Fits() const { return FFit.Fits; }
  // The menu item shown; nullptr once it was freed.
  TMenuItem* MenuItem() const;

  bool Down = false;

private:
  void OpenSubmenu();

  TspMainMenuItemSkin FSkin;
  TspMenuItemFit FFit;
  TFreeWatch FMenuItem;
};
