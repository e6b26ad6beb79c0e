#pragma once
// TspSkinMenuItem: one class-library menu item as a level of a skin menu draws it. It
// keeps the item's rectangle and its hot, open and animation state, becomes hot or not,
// is chosen, and paints itself: from the skin's menu item entry (with its frame animation
// or a cross-fade between the normal and the hot look) or in the skinless look. Items of
// the skinned window's system menu are known by their names and get built-in glyphs.

#include "skin/menus/portable/MenuItemState.h"
#include "skin/data/win32/SkinBitmaps.h"

#include "classlib/Canvas.h"
#include "classlib/Menus.h"

#include "base/Object.h"

class TspSkinPopupWindow;

class TspSkinMenuItem : public TObject, public TspMenuItemState {
public:
  // AItemSkin: the level's menu item entry, nullptr for the skinless look. An entry
  // without a picture loses its skin rectangles, for every item of its skin.
  TspSkinMenuItem(TspSkinPopupWindow* AParent, TMenuItem* AMenuItem, TspDataSkinMenuItem* AItemSkin);

  TspSkinPopupWindow* const Parent;
  TspDataSkinMenuItem* ItemSkin;  // dropped when the skin goes
  TspSkinBitmap Picture;
  TMenuItem* MenuItem;  // nullptr once the menu item was freed: the item then does nothing
  TRect ItemRect;       // in the level's window

  bool IsSeparator() const { return MenuItem != nullptr && MenuItem->IsLine(); }
  bool HasChildren() const { return MenuItem != nullptr && MenuItem->Count() > 0; }
  bool IsEnabled() const { return MenuItem != nullptr && MenuItem->Enabled(); }
  // Keys and the pointer make it hot.
  bool Selectable() const { return IsEnabled() && !IsSeparator(); }
  // A skin frame animation plays (skin effects on) / the looks cross-fade.
  bool HasAnimation() const;
  bool HasMorph() const;

  // Paints the item at ItemRect when it is in view.
  void Draw(TCanvas* Canvas);
  // Makes the item hot; ByKeyboard: by a key, which never opens a submenu.
  void Select(bool ByKeyboard);
  void Deselect();
  // Chooses the item: its command runs or its submenu opens.
  void Click();
  // The state changed: animate, cross-fade or redraw.
  void Update();
};

// Glyphs drawn with the pen (and the brush where filled) in Color at (X, Y).
// A check mark three lines thick, 8 x 8.
void DrawMenuCheck(TCanvas* Canvas, int X, int Y, TColor Color);
// An arrow pointing right, 4 x 8.
void DrawMenuArrow(TCanvas* Canvas, int X, int Y, TColor Color);
// A filled 6 x 6 circle.
void DrawMenuRadio(TCanvas* Canvas, int X, int Y, TColor Color);
