#pragma once
// TspSkinMenu: the skin's menu engine. Each skinned window owns one and shows every menu
// of the window through it: a tree of class-library menu items as a stack of skinned
// popup windows, one per open level, that never take the focus. It opens submenus after a
// pause or at once, closes levels, and tells the control that opened a menu, and the
// window, when the menu closed and when a command of it ran.

#include "classlib/Form.h"
#include "classlib/Menus.h"
#include "classlib/Timer.h"

#include "base/Component.h"

#include <memory>
#include <vector>

class TspSkinData;
class TspDataSkinPopupWindow;
class TspSkinPopupWindow;
class TspSkinMenuItem;

// To the control that opened a menu, when its last level closed; from CloseMenu also to
// the engine's window. WParam and LParam 0.
inline constexpr UINT SP_MENU_CLOSED = WM_USER + 204;  // 1228
// To the control that opened a menu, after a command of the menu ran.
inline constexpr UINT SP_MENU_ITEM_EXECUTED = WM_USER + 205;  // 1229

// The window messages that end an open menu: moving, sizing, activation and focus changes,
// cancel mode, and a button going down anywhere on the window.
bool IsSkinMenuCloseMessage(UINT Msg);

class TspSkinMenu : public TComponent {
public:
  // AForm: the window whose frame owns the engine.
  TspSkinMenu(TComponent* AOwner, TCustomForm* AForm);
  // Closes the menu (the opener hears of it) first.
  ~TspSkinMenu() override;

  // Opens a menu of the children of AItem from StartIndex on, against the screen
  // rectangle R: below it, or above it when PopupUp. A menu already open closes first
  // (its opener hears of it). AControl (may be nullptr) opens the menu: it receives
  // SP_MENU_CLOSED and SP_MENU_ITEM_EXECUTED. Whether a level is open on return: nothing
  // opens for too few children (the opener is then not kept), and a menu may also close
  // again while its first level shows.
  bool Popup(TControl* AControl, TspSkinData* ASkinData, int StartIndex, const TRect& R, TMenuItem* AItem,
             bool PopupUp);
  // The same with the children of AItem followed by those of AItem2 (a menu bar item
  // merged with another item's children); opens only when AItem has children.
  bool PopupMerged(TControl* AControl, TspSkinData* ASkinData, int StartIndex, const TRect& R, TMenuItem* AItem,
                   TMenuItem* AItem2, bool PopupUp);
  // Closes the levels from Level to the last; with 0 the menu is closed: the opener gets
  // SP_MENU_CLOSED and OnMenuClose runs once.
  void CloseToLevel(int Level);
  // Closes the whole menu, then sends SP_MENU_CLOSED to the window.
  void CloseMenu();
  // A level reports an item of Window: hot (Open false) or chosen (Open true), by a key
  // or the pointer. A chosen command runs once the menu has closed; a submenu opens at
  // once when chosen, or 500 ms after its item became hot under the pointer.
  void ItemSelected(TspSkinPopupWindow* Window, TspSkinMenuItem* Item, bool Open, bool ByKeyboard);
  // The submenu timer's tick: the waiting item's submenu opens.
  void SubmenuTimerTick(TObject* Sender);
  // Stops the submenu timer and forgets the waiting item.
  void CancelSubmenuWait();
  // The level of Window; the number of levels when it is none of them.
  int IndexOfWindow(const TspSkinPopupWindow* Window) const;

  // The open levels, the first level first.
  const std::vector<TspSkinPopupWindow*>& PopupWindows() const { return FPopupWindows; }
  bool Active() const { return FActive; }
  // Set while Popup opens a menu that was not open before (the first level fades in).
  bool FirstOpen() const { return FFirstOpen; }
  TControl* PopupControl() const { return FPopupControl; }
  // Receives SP_MENU_ITEM_EXECUTED: the opener of the menu that closed last.
  TControl* ExecutedControl() const { return FExecutedControl; }
  TCustomForm* Form() const { return FForm; }
  TspSkinData* SkinData() const { return FSkinData; }
  // The popup window entry of SkinData, or nullptr for the skinless look: no skin, an
  // empty one, or an entry without a window picture.
  TspDataSkinPopupWindow* PopupSkin() const;
  // The work area of the monitor that holds Form, taken at each Popup.
  const TRect& WorkArea() const { return FWorkArea; }
  TTimer* SubmenuTimer() const { return FSubmenuTimer; }
  TspSkinMenuItem* WaitItem() const { return FWaitItem; }
  TFont* DefaultMenuItemFont() { return &FDefaultMenuItemFont; }

  void Notification(TComponent* AComponent, TOperation Operation) override;

protected:
  void BeforeDestruction() override;

public:
  bool UseSkinFont = true;        // item fonts from the skin's menu item entry
  int DefaultMenuItemHeight = 20;  // without a skin
  bool AlphaBlend = false;        // semi-transparent levels
  uint8_t AlphaBlendValue = 200;
  bool AlphaBlendAnimation = false;  // the first level fades in
  int MaxMenuItemsInWindow = 0;      // most items a level shows before it scrolls; 0: no limit
  // Called once when the open menu closes, then cleared.
  TNotifyEvent OnMenuClose;

private:
  // Closes the menu as the engine goes (once: a Free closes it before the engine's parts,
  // its timer among them, go); levels still showing are let go.
  void CloseForGood();
  bool OpenMenu(TControl* AControl, TspSkinData* ASkinData, int StartIndex, const TRect& R, TMenuItem* AItem,
                TMenuItem* AItem2, bool PopupUp);
  // Opens a level after the last one; whether it is open on return.
  bool OpenLevel(const TRect& R, TMenuItem* AItem, TMenuItem* AItem2, int StartIndex, bool IsSubmenu,
                 bool PopupUp);
  // The window's level went: freed, or left to finish its Show.
  void ReleaseLevel(TspSkinPopupWindow* Window);
  // Case 1 of ItemSelected: closes the menu, then runs the item's command.
  void RunCommand(TspSkinMenuItem* Item);
  // Case 3: runs the item's own command, then opens its submenu.
  void OpenSubmenu(TspSkinPopupWindow* Window, TspSkinMenuItem* Item);
  void CloseLevelsAfter(const TspSkinPopupWindow* Window);
  void NotifyClosed();
  void SetSkinData(TspSkinData* Value) { SetReference(FSkinData, Value); }

  bool FFirstOpen = false;
  bool FClosedForGood = false;
  TFont FDefaultMenuItemFont;
  TControl* FPopupControl = nullptr;
  TControl* FExecutedControl = nullptr;
  TCustomForm* FForm = nullptr;
  TTimer* FSubmenuTimer;
  TspSkinMenuItem* FWaitItem = nullptr;
  TRect FWorkArea;
  bool FActive = false;
  TspSkinData* FSkinData = nullptr;
  std::vector<TspSkinPopupWindow*> FPopupWindows;
};
