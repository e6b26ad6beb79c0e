#pragma once
// TspSkinMDITabsBar: a skinned bar with one tab per MDI child of an MDI main form. A click
// brings the tab's child forward (restoring it when its frame is minimized), a drag moves
// the tab to a new place, a tab's close button closes its child and a right click opens
// the child's system menu. The window-list button at the left lists every child; the
// hidden-tabs button at the right, present while tabs do not fit, lists those. The main
// form's skinned-window component tells the bar when children come, go and activate.
//
// It draws from the skin's "tab" entry (or, as buttons, from "resizebutton"), or in the
// skinless look; a bar at the bottom of its form shows its tabs upside down.

#include "skin/form/portable/MDITabsLayout.h"

#include "skin/controls/SkinControl.h"
#include "skin/data/SkinViewData.h"
#include "skin/data/win32/SkinBitmaps.h"

#include "classlib/Form.h"

#include <memory>
#include <optional>
#include <vector>

class TspDynamicSkinForm;
class TspSkinMDITabsBar;
class TspSkinMenuSpeedButton;
class TspSkinPopupMenu;

enum TspSkinMDITabKind { sptkTab, sptkButton };

// One child's tab. TabRect and CloseRect are in the bar's coordinates.
class TspMDITab {
public:
  TspMDITab(TspSkinMDITabsBar* ATabsBar, TCustomForm* AChild) : TabsBar(ATabsBar), Child(AChild) {}

  TspSkinMDITabsBar* TabsBar;
  bool Active = false;  // the child is the active MDI child
  bool MouseIn = false;
  TRect TabRect;
  TCustomForm* Child;
  bool Visible = false;  // the tab fits in the bar
  TRect CloseRect;
  bool CloseMouseIn = false;
  bool CloseDown = false;
};

using TspMDITabEvent = TDelegate<void(TspMDITab* MDITab)>;
using TspMDITabMouseEvent = TDelegate<void(TMouseButton Button, TShiftState Shift, TspMDITab* MDITab)>;

class TspSkinMDITabsBar : public TspSkinControl {
public:
  explicit TspSkinMDITabsBar(TComponent* AOwner);
  ~TspSkinMDITabsBar() override;

  // Published properties.
  bool ShowCloseButtons() const { return FShowCloseButtons; }
  void SetShowCloseButtons(bool Value);
  TspSkinMDITabKind TabKind() const { return FTabKind; }
  void SetTabKind(TspSkinMDITabKind Value);
  // The main form's skinned-window component, through whose menu engine the children's
  // system menus open.
  TspDynamicSkinForm* DynamicSkinForm() const { return FDynamicSkinForm; }
  void SetDynamicSkinForm(TspDynamicSkinForm* Value);
  bool SupportChildMenus() const { return FSupportChildMenus; }
  void SetSupportChildMenus(bool Value) { FSupportChildMenus = Value; }
  // The bar takes the height of the skin's tab.
  bool UseSkinSize() const { return FUseSkinSize; }
  void SetUseSkinSize(bool Value);
  bool UseSkinFont() const { return FUseSkinFont; }
  void SetUseSkinFont(bool Value);
  bool MoveTabs() const { return FMoveTabs; }
  void SetMoveTabs(bool Value) { FMoveTabs = Value; }
  int DefaultHeight() const { return FDefaultHeight; }
  void SetDefaultHeight(int Value);
  TFont* DefaultFont() { return &FDefaultFont; }
  void SetDefaultFont(TFont* Value);
  int DefaultTabWidth() const { return FDefaultTabWidth; }
  void SetDefaultTabWidth(int Value);
  // 0: no minimum.
  int MinTabWidth() const { return FMinTabWidth; }
  void SetMinTabWidth(int Value);

  TspMDITabEvent OnTabMouseEnter;
  TspMDITabEvent OnTabMouseLeave;
  TspMDITabMouseEvent OnTabMouseDown;
  TspMDITabMouseEvent OnTabMouseUp;

  // The main form's component reports its children.
  void AddTab(TCustomForm* Child);  // once per child
  void DeleteTab(TCustomForm* Child);
  // Each tab is active exactly when its child is the main form's active MDI child.
  void UpdateTabs();

  int TabCount() const { return static_cast<int>(FTabs.size()); }
  TspMDITab* Tabs(int Index) const { return FTabs.at(static_cast<size_t>(Index)).get(); }
  TspMDITab* TabOf(const TCustomForm* Child) const;
  // At the last layout.
  int HiddenCount() const { return FHiddenCount; }
  TspSkinMenuSpeedButton* WindowListButton() const { return FWindowListButton; }
  TspSkinMenuSpeedButton* HiddenTabsButton() const { return FHiddenTabsButton; }
  TspSkinPopupMenu* WindowListMenu() const { return FWindowListMenu; }
  TspSkinPopupMenu* HiddenTabsMenu() const { return FHiddenTabsMenu; }
  // A tab is being dragged.
  bool Moving() const { return FMoving; }

  void ChangeSkinData() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Dispatch(TMessage& Message) override;

protected:
  void GetSkinData() override;
  void CreateControlDefaultImage(TBitmap* B) override;
  void CreateControlSkinImage(TBitmap* B) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
  // The tabs' places for the bar's size, a dragged tab moved by the drag.
  void ArrangeTabs();
  std::vector<TspMDITabPlace> Places() const;
  void PaintBar(TBitmap* B);
  void PaintBackground(TCanvas& Canvas);
  void DrawTab(TCanvas& Canvas, TspMDITab& Tab);
  bool DrawTabImage(TBitmap& B, const TspMDITab& Tab);
  void DrawTabCaption(TCanvas& Canvas, const TspMDITab& Tab, int W, int H);
  void DrawCloseButton(TCanvas& Canvas, TspMDITab& Tab, int W, int H);
  void DrawDropMarker(TCanvas& Canvas);
  // Keeps the hidden-tabs button exactly while tabs are hidden.
  void UpdateHiddenTabsButton();
  void ApplySkinHeight();
  // The tab under the mouse becomes the hot one.
  void TestActive(int X, int Y);
  int TabIndexAt(int X, int Y) const;
  void ShowChild(TCustomForm* Child);
  void PopupChildMenu(TCustomForm* Child, int X, int Y);
  TspSkinMenuSpeedButton* NewMenuButton(TAlign Align, TspSkinPopupMenu* Menu);
  // The two menus are made again before they open.
  void FillWindowList(TObject* Sender);
  void FillHiddenTabs(TObject* Sender);
  void FillMenu(TspSkinPopupMenu* Menu, const std::string& Prefix, bool HiddenOnly);
  void MenuItemClick(TObject* Sender);
  bool Skinned() const { return FSkin.has_value(); }
  bool TransparentBar() const;

  bool FShowCloseButtons = false;
  TspSkinMDITabKind FTabKind = sptkTab;
  TspDynamicSkinForm* FDynamicSkinForm = nullptr;
  bool FSupportChildMenus = true;
  bool FUseSkinSize = true;
  bool FUseSkinFont = true;
  bool FMoveTabs = true;
  int FDefaultHeight = 21;
  TFont FDefaultFont;
  int FDefaultTabWidth = 100;
  int FMinTabWidth = 0;

  std::vector<std::unique_ptr<TspMDITab>> FTabs;
  std::optional<TspDataSkinTabControl> FSkin;
  TspSkinBitmap FPicture;
  int FCloseSize = 14;
  int FHiddenCount = 0;
  int FRightLimit = 0;
  int FHotTab = -1;
  bool FPressed = false;
  bool FMoving = false;
  int FMoveIndex = -1;
  int FStartX = 0;
  int FOffset = 0;
  TspSkinPopupMenu* FWindowListMenu;
  TspSkinPopupMenu* FHiddenTabsMenu;
  TspSkinMenuSpeedButton* FWindowListButton = nullptr;
  TspSkinMenuSpeedButton* FHiddenTabsButton = nullptr;
  // The children the open menu's items stand for, in item order.
  std::vector<TCustomForm*> FMenuChildren;
};
