#pragma once
// TspSkinMainMenuBar: a skinned menu bar control at the top of its window that shows the
// top-level items of a main menu and opens their submenus through the window's skin menu
// engine. Items that do not fit are hidden and offered from a chevron at the right end;
// a submenu, once open, follows the mouse along the bar, and the window's skinned-window
// component drives the bar from the keyboard (Alt, the arrows, Enter, accelerators). The
// bar paints itself on WM_ERASEBKGND, from the skin's "mainmenubar" entry and the entry
// its items name, or in the skinless look. While the window shows a maximized MDI child,
// the child's caption buttons sit at the ends of the bar.

#include "MenuBarObjects.h"

#include "skin/form/portable/FrameTypes.h"

#include "skin/controls/SkinControl.h"
#include "skin/controls/SkinControlTimer.h"

#include "classlib/Menus.h"

#include <memory>
#include <vector>

class TspDynamicSkinForm;

using TMainMenuItemClick = TDelegate<void(const std::string& IDName)>;
using TspItemEnterEvent = TDelegate<void(TMenuItem* MenuItem)>;
using TspItemLeaveEvent = TDelegate<void(TMenuItem* MenuItem)>;

class TspSkinMainMenuBar : public TspSkinControl {
public:
  explicit TspSkinMainMenuBar(TComponent* AOwner);
  ~TspSkinMainMenuBar() override;

  // Published properties.
  // Items take the skin item's font, else DefItemFont.
  bool UseSkinFont() const { return FUseSkinFont; }
  void SetUseSkinFont(bool Value);
  // The chevron's room at the right end is kept, and the items that do not fit are
  // offered from it.
  bool ScrollMenu() const { return FScrollMenu; }
  void SetScrollMenu(bool Value);
  TFont* DefItemFont() { return &FDefItemFont; }
  void SetDefItemFont(TFont* Value);
  // The bar's size without a skin; a value above 0 applies at once then.
  int DefaultWidth() const { return FDefaultWidth; }
  void SetDefaultWidth(int Value);
  int DefaultHeight() const { return FDefaultHeight; }
  void SetDefaultHeight(int Value);
  bool PopupToUp() const { return FPopupToUp; }
  void SetPopupToUp(bool Value) { FPopupToUp = Value; }
  // The window's skinned-window component, through whose menu engine submenus open.
  TspDynamicSkinForm* DynamicSkinForm() const { return FDynamicSkinForm; }
  void SetDynamicSkinForm(TspDynamicSkinForm* Value);
  TMainMenu* MainMenu() const { return FMainMenu; }
  void SetMainMenu(TMainMenu* Value);

  // A left press on an item, before anything else happens, with the item's name.
  TMainMenuItemClick OnMainMenuItemClick;
  // An item became, or stopped being, the hot item.
  TspItemEnterEvent OnItemMouseEnter;
  TspItemLeaveEvent OnItemMouseLeave;

  // Makes the objects again from MainMenu's visible top-level items (in menu order), or,
  // with ChildMenu, from the main menu merged with an MDI child's menu; on an MDI main
  // form, the active child's menu.
  void UpdateItems(TMainMenu* ChildMenu = nullptr);
  // The items area, the MDI buttons' places and the items' places for the bar's size.
  void ArrangeObjects();
  // Draws one object on the bar at once (the whole bar where items show the bar's own
  // picture).
  void DrawObject(TspMenuBarObject* Object);
  // Paints the whole bar into DC.
  void PaintBar(HDC DC);

  // The frame's keyboard operations.
  // The Alt key alone: the hot (or first) item lights up and the window's main-menu mode
  // starts.
  void EnterKeyboardMode();
  // The arrows: the hot item moves right (left), wrapping, past items the keys cannot
  // reach; an open submenu moves with it.
  void NextItem();
  void PriorItem();
  // Enter and Down: the hot item opens its submenu, or runs its command. Whether there
  // was one to press.
  bool PressHotItem();
  // Alt+Key (or Key in main-menu mode): the item whose accelerator Key is lights up and
  // opens. Whether one took the key.
  bool FindAccelItem(uint16_t Key);
  // The mode ended: no item stays hot or pressed.
  void ResetItems();
  // Escape closed the submenu: its item stays hot, raised.
  void ReleaseDownItem();

  // The caption buttons of a maximized MDI child (system menu, close, maximize or restore,
  // minimize), enabled as the child's border icons allow.
  void ShowMDIButtons(TspBorderIcons ChildBorderIcons);
  // No child maximized any more: the buttons go; else they follow its border icons.
  void UpdateMDIButtons();
  // The first main menu among the components of the main form's active MDI child.
  static TMainMenu* GetChildMainMenu();
  // On an MDI main form: the items are made again when the active child's menu is not
  // the one they were merged with.
  void FollowChildMenu();
  // The MDI child's menu the items were merged with; nullptr for none.
  TMainMenu* ChildMenu() const { return FChildMenu; }

  // What the bar holds: the MDI buttons first, then the items.
  int ObjectCount() const { return static_cast<int>(FObjects.size()); }
  TspMenuBarObject* Objects(int Index) const { return FObjects.at(static_cast<size_t>(Index)).get(); }
  std::vector<TspSkinMainMenuBarItem*> Items() const;
  int MDIButtonCount() const { return FMDIButtonCount; }
  int HotObject() const { return FHotObject; }
  // An item was opened by the mouse or the keyboard, until the mode ends.
  void SetDriven(bool Value) { FDriven = Value; }
  // Some item did not fit at the last layout.
  bool ItemsHidden() const { return FItemsHidden; }
  bool ChevronHot() const { return FChevronHot; }
  TRect ChevronRect() const { return MenuBarChevronRect(FItemsArea); }

  // Drawn from a "mainmenubar" entry of the skin.
  bool Skinned() const { return FSkin.has_value(); }
  bool ItemTransparent() const { return FSkin && FSkin->ItemTransparent; }
  // The font items write their captions in (the skin item's, or DefItemFont).
  void AssignItemFont(TFont& Font, const TspMainMenuItemSkin* ItemSkin) const;
  // The bar's rectangle R in screen coordinates.
  TRect ScreenRect(const TRect& R);

  // The three timers, ticking on the bar's window: the mouse (50 ms), the cross-fades
  // (25 ms) and the items' frame animations (25 ms, then an item's interval).
  static constexpr UINT_PTR MouseTimerId = 1;
  static constexpr UINT_PTR MorphTimerId = 2;
  static constexpr UINT_PTR AnimationTimerId = 3;
  void StartMorphTimer() { FMorphTimer.Start(MorphInterval); }
  void StartAnimationTimer(int Interval) { FAnimationTimer.Start(static_cast<unsigned>(Interval)); }

  // Tests the objects at a client point: the one under it becomes hot.
  void TestActive(int X, int Y);

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  void PrepareSkinDataChange() override;
  void ChangeSkinData() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Dispatch(TMessage& Message) override;

protected:
  void GetSkinData() override;
  // All painting happens on WM_ERASEBKGND.
  void Paint() override {}
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
  static constexpr unsigned MouseInterval = 50;
  static constexpr unsigned MorphInterval = 25;
  static constexpr unsigned AnimationInterval = 25;

  // The values of the bar's skin entry.
  struct TBarSkin {
    TRect SkinRect, ItemsRect;
    std::string MenuBarItem, CloseButton, MinButton, MaxButton, SysMenuButton;
    TColor TrackMarkColor = 0;
    TColor TrackMarkActiveColor = 0;
    bool StretchEffect = false;
    bool ItemTransparent = false;
    TspSkinBitmap Picture;
  };

  void ClearObjects();
  void CreateMDIButtons();
  void EnableMDIButtons();
  void PaintBackground(TBitmap& Image);
  void DrawChevron(TCanvas* Canvas);
  void RepaintBar();
  bool TransparentBar() const;
  // The hidden items offered from the chevron.
  void ShowHiddenItems();
  void MouseTimerTick();
  void MorphTimerTick();
  void AnimationTimerTick();
  void MenuClosed();
  void SetChevronHot(bool Value);

  bool FUseSkinFont = true;
  bool FScrollMenu = true;
  TFont FDefItemFont;
  int FDefaultWidth = 0;
  int FDefaultHeight = 22;
  bool FPopupToUp = false;
  TspDynamicSkinForm* FDynamicSkinForm = nullptr;
  TMainMenu* FMainMenu = nullptr;
  TMainMenu* FChildMenu = nullptr;  // the menu the items were merged with

  std::optional<TBarSkin> FSkin;
  std::vector<std::unique_ptr<TspMenuBarObject>> FObjects;
  int FMDIButtonCount = 0;
  bool FMDIButtonsShown = false;
  TspBorderIcons FChildBorderIcons;
  int FHotObject = -1;
  int FOldHotObject = -1;
  int FDownObject = -1;
  bool FDriven = false;
  bool FItemsHidden = false;
  bool FChevronHot = false;
  TRect FItemsArea;
  // Counts the rebuilds of the object list: a handler that rebuilt it leaves objects
  // behind that the caller must not touch.
  unsigned FObjectsGeneration = 0;

  TspControlTimer FMouseTimer{*this, MouseTimerId};
  TspControlTimer FMorphTimer{*this, MorphTimerId};
  TspControlTimer FAnimationTimer{*this, AnimationTimerId};
};
