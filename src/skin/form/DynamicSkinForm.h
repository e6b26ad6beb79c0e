#pragma once
// TspDynamicSkinForm: the skinned-window component every window carries. It takes its
// form over: its window procedure (NewWndProc) and shortcut handler (FormShortCut) are
// replaced, and it draws the caption, borders and caption buttons from its skin data, or
// a plain default frame without a skin. It owns the frame's skin objects, the window's
// skin menu engine, the default system menu and the tray menu, keeps the frame's own
// window state (normal, minimized, maximized, rolled up) and hands skin changes on to
// the window's controls. Its window-free rules are TspFrameCore's; this class carries
// out what they decide, with a member for each part of the work: the skin objects and
// their timers (TspFrameObjectList), the menu keys (TspFrameMenuModes), MDI
// (TspFrameMDILink), the tray icon (TspFrameTrayLink), the window's shape
// (TspFrameRegion), moving and sizing (TspFrameMover) and the controls of a client-area
// frame (TspClientAreaControls). Its window procedure routes each message to one handler.

#include "skin/form/portable/FrameCore.h"
#include "skin/form/portable/FrameObjects.h"
#include "skin/form/portable/SystemMenu.h"
#include "skin/form/ClientAreaControls.h"
#include "skin/form/FrameMDI.h"
#include "skin/form/FrameMenuModes.h"
#include "skin/form/FrameMover.h"
#include "skin/form/FrameObjectList.h"
#include "skin/form/FrameRegion.h"
#include "skin/form/FrameTray.h"

#include "skin/controls/SkinFormHost.h"
#include "skin/controls/WindowProcHook.h"

#include "classlib/Application.h"
#include "classlib/Form.h"
#include "classlib/Icon.h"
#include "classlib/Menus.h"
#include "classlib/Timer.h"

#include <memory>
#include <string>
#include <vector>

class TspActiveSkinObject;
class TspSkinCaptionObject;
class TspSkinButtonObject;
class TspSkinMainMenuBar;
class TspSkinMainMenuItem;
class TspSkinMDITabsBar;
class TspSkinHint;
class TspSkinPopupMenu;
class TspSkinStatusBar;
class TspTrayIcon;

// A switch object's state.
enum TSwitchState : uint8_t { swsOn, swsOff };

using TspPaintCaptionEvent = TDelegate<void(TCanvas* Cnvs, TRect R, bool AActive)>;
using TspChangeClientRectEvent = TDelegate<void(TRect& NewClientRect)>;
using TspMouseUpDownEvent =
    TDelegate<void(const std::string& IDName, int X, int Y, TRect ObjectRect, TMouseButton Button)>;
using TspMouseMoveEvent = TDelegate<void(const std::string& IDName, int X, int Y, TRect ObjectRect)>;
using TspMouseEnterLeaveEvent = TDelegate<void(const std::string& IDName)>;
using TspPaintEvent = TDelegate<void(const std::string& IDName, TCanvas* Canvas, TRect ObjectRect)>;
using TspSwitchChangeStateEvent = TDelegate<void(const std::string& IDName, TSwitchState State)>;
using TspChangeValueEvent = TDelegate<void(const std::string& IDName, int Value)>;
using TspActivateCustomObjectEvent = TDelegate<void(const std::string& IDName, bool& ObjectVisible)>;

class TspDynamicSkinForm : public TComponent, public TspSkinFormHost {
public:
  // AOwner must be a form: the component takes it over at once.
  explicit TspDynamicSkinForm(TComponent* AOwner);
  // Gives back the window procedure, the shortcut handler and the application's message
  // handler (each only while it is still the component's), closing an open menu first.
  ~TspDynamicSkinForm() override;

  // Published properties.
  TspPositionInMonitor PositionInMonitor() const { return FCore.Options.PositionInMonitor; }
  void SetPositionInMonitor(TspPositionInMonitor Value) { FCore.Options.PositionInMonitor = Value; }
  TspSkinStatusBar* StatusBar() const { return FStatusBar; }
  void SetStatusBar(TspSkinStatusBar* Value);
  bool UseFormCursorInNCArea() const { return FUseFormCursorInNCArea; }
  void SetUseFormCursorInNCArea(bool Value) { FUseFormCursorInNCArea = Value; }
  int MaxMenuItemsInWindow() const;
  void SetMaxMenuItemsInWindow(int Value);  // negative values are ignored
  int ClientWidth() const { return FCore.Options.ClientWidth; }
  void SetClientWidth(int Value) { FCore.Options.ClientWidth = Value; }
  int ClientHeight() const { return FCore.Options.ClientHeight; }
  void SetClientHeight(int Value) { FCore.Options.ClientHeight = Value; }
  bool HideCaptionButtons() const { return FCore.Options.HideCaptionButtons; }
  void SetHideCaptionButtons(bool Value) { FCore.Options.HideCaptionButtons = Value; }
  bool AlwaysShowInTray() const { return FTray.AlwaysShow(); }
  void SetAlwaysShowInTray(bool Value) { FTray.SetAlwaysShow(Value); }
  TBitmap* LogoBitMap() { return &FLogoBitMap; }
  void SetLogoBitMap(TBitmap* Value) { FLogoBitMap.Assign(Value); }
  bool LogoBitMapTransparent() const { return FLogoBitMapTransparent; }
  void SetLogoBitMapTransparent(bool Value) { FLogoBitMapTransparent = Value; }
  bool AlwaysMinimizeToTray() const { return FCore.Options.AlwaysMinimizeToTray; }
  void SetAlwaysMinimizeToTray(bool Value) { FCore.Options.AlwaysMinimizeToTray = Value; }
  bool UseSkinFontInMenu() const;
  void SetUseSkinFontInMenu(bool Value);
  bool ShowIcon() const { return FCore.Options.ShowIcon; }
  void SetShowIcon(bool Value);  // repaints the frame
  bool MaximizeOnFullScreen() const { return FCore.Options.MaximizeOnFullScreen; }
  void SetMaximizeOnFullScreen(bool Value) { FCore.Options.MaximizeOnFullScreen = Value; }
  // The hint component that shows the frame objects' hints (with ShowObjectHint).
  TspSkinHint* SkinHint() const { return FSkinHint; }
  void SetSkinHint(TspSkinHint* Value);
  bool ShowObjectHint() const { return FShowObjectHint; }
  void SetShowObjectHint(bool Value) { FShowObjectHint = Value; }
  bool UseDefaultObjectHint() const { return FUseDefaultObjectHint; }
  void SetUseDefaultObjectHint(bool Value) { FUseDefaultObjectHint = Value; }
  bool UseSkinCursors() const { return FUseSkinCursors; }
  void SetUseSkinCursors(bool Value) { FUseSkinCursors = Value; }
  // The default frame's caption fonts, for an active and an inactive window; setting one
  // copies the font and repaints the default frame.
  TFont* DefCaptionFont() { return &FDefCaptionFont; }
  void SetDefCaptionFont(TFont* Value);
  TFont* DefInActiveCaptionFont() { return &FDefInActiveCaptionFont; }
  void SetDefInActiveCaptionFont(TFont* Value);
  int DefMenuItemHeight() const;
  void SetDefMenuItemHeight(int Value);  // values below 1 are ignored
  TFont* DefMenuItemFont();
  void SetDefMenuItemFont(TFont* Value);
  // The tray icon the window minimizes to: hidden unless AlwaysShowInTray, it gets the
  // tray menu and restores the window on a double-click when it has neither.
  TspTrayIcon* TrayIcon() const { return FTray.Icon(); }
  void SetTrayIcon(TspTrayIcon* Value);
  bool UseDefaultSysMenu() const { return FUseDefaultSysMenu; }
  void SetUseDefaultSysMenu(bool Value) { FUseDefaultSysMenu = Value; }
  // Off: the whole window is client area and the frame is drawn inside it.
  bool SupportNCArea() const { return FCore.Options.SupportNCArea; }
  void SetSupportNCArea(bool Value);
  bool AlphaBlendAnimation() const { return FAlphaBlendAnimation; }
  void SetAlphaBlendAnimation(bool Value) { FAlphaBlendAnimation = Value; }
  uint8_t AlphaBlendValue() const { return FAlphaBlendValue; }
  void SetAlphaBlendValue(uint8_t Value);
  bool AlphaBlend() const { return FAlphaBlend; }
  void SetAlphaBlend(bool Value);
  bool MenusAlphaBlend() const;
  void SetMenusAlphaBlend(bool Value);
  bool MenusAlphaBlendAnimation() const;
  void SetMenusAlphaBlendAnimation(bool Value);
  uint8_t MenusAlphaBlendValue() const;
  void SetMenusAlphaBlendValue(uint8_t Value);
  // The menu bar control that shows the window's main menu; without one the frame draws
  // the top-level items of MainMenu itself, when the skin has a "MAINMENUITEM" entry.
  TspSkinMainMenuBar* MainMenuBar() const { return FMainMenuBar; }
  void SetMainMenuBar(TspSkinMainMenuBar* Value);
  // The tabs bar of an MDI main form: its children's tabs come and go with them.
  TspSkinMDITabsBar* MDITabsBar() const { return FMDITabsBar; }
  void SetMDITabsBar(TspSkinMDITabsBar* Value);
  // The frame's items follow at once when a skin is in use.
  TMainMenu* MainMenu() const { return FMainMenu; }
  void SetMainMenu(TMainMenu* Value);
  // A system menu of the application's own; with UseDefaultSysMenu the standard commands
  // join its items.
  TPopupMenu* SystemMenu() const { return FSystemMenu; }
  void SetSystemMenu(TPopupMenu* Value) { SetReference(FSystemMenu, Value); }
  TspSkinData* SkinData() const override { return FSkinData; }
  // Applies the skin at once (after loading, once the whole form is read).
  void SetSkinData(TspSkinData* Value);
  TspSkinData* MenusSkinData() const override { return FMenusSkinData; }
  void SetMenusSkinData(TspSkinData* Value);
  int MinHeight() const { return FCore.Options.MinHeight; }
  void SetMinHeight(int Value) { FCore.Options.MinHeight = Value; }
  int MinWidth() const { return FCore.Options.MinWidth; }
  void SetMinWidth(int Value) { FCore.Options.MinWidth = Value; }
  int MaxHeight() const { return FCore.Options.MaxHeight; }
  void SetMaxHeight(int Value) { FCore.Options.MaxHeight = Value; }
  int MaxWidth() const { return FCore.Options.MaxWidth; }
  void SetMaxWidth(int Value) { FCore.Options.MaxWidth = Value; }
  bool Sizeable() const { return FCore.Options.Sizeable; }
  void SetSizeable(bool Value) { FCore.Options.Sizeable = Value; }
  // Without NC support the window is dragged by any point outside the frame's objects.
  bool DraggAble() const { return FDraggAble; }
  void SetDraggAble(bool Value) { FDraggAble = Value; }
  bool Magnetic() const { return FCore.Options.Magnetic; }
  void SetMagnetic(bool Value) { FCore.Options.Magnetic = Value; }
  uint8_t MagneticSize() const { return FCore.Options.MagneticSize; }
  void SetMagneticSize(uint8_t Value) { FCore.Options.MagneticSize = Value; }
  TspBorderIcons BorderIcons() const { return FCore.Options.BorderIcons; }
  void SetBorderIcons(TspBorderIcons Value);  // the caption buttons follow

  // Published events.
  TspPaintCaptionEvent OnCaptionPaint;
  TspChangeClientRectEvent OnChangeClientRect;
  TNotifyEvent OnChangeSkinData;
  TspMouseUpDownEvent OnMouseUpEvent;
  TspMouseUpDownEvent OnMouseDownEvent;
  TspMouseMoveEvent OnMouseMoveEvent;
  TspMouseEnterLeaveEvent OnMouseEnterEvent;
  TspMouseEnterLeaveEvent OnMouseLeaveEvent;
  TspPaintEvent OnPaintEvent;
  TspSwitchChangeStateEvent OnSwitchChangeStateEvent;
  TspChangeValueEvent OnTrackBarChangeValueEvent;
  TspChangeValueEvent OnFrameRegulatorChangeValueEvent;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeActivate;
  TNotifyEvent OnSkinMenuOpen;
  TNotifyEvent OnSkinMenuClose;
  TNotifyEvent OnChangeRollUpState;
  TNotifyEvent OnMainMenuEnter;
  TNotifyEvent OnMainMenuExit;
  TNotifyEvent OnMinimizeToTray;
  TNotifyEvent OnRestoreFromTray;
  TspActivateCustomObjectEvent OnActivateCustomObject;
  TNotifyEvent OnMinimize;
  TNotifyEvent OnRestore;
  TNotifyEvent OnMaximize;
  TShortCutEvent OnShortCut;

  // The skinned-form host.
  TspSkinMenu* SkinMenu() const override { return FSkinMenu; }
  // A skin menu opens on the window: keys go to it through the application's message
  // handler until it closes.
  void SkinMenuOpen() override { FMenus.SkinMenuOpen(); }
  void SkinMenuClose() override { FMenus.SkinMenuClose(); }

  // The frame's own window state; the only way other windows change it.
  TspWindowState WindowState() const { return FCore.State.WindowState; }
  void SetWindowState(TspWindowState Value);
  // The bounds the window takes back when it is restored, kept while it is maximized or
  // minimized; empty (a null rectangle) while it shows them. A window placed while
  // maximized (centred on another) moves these instead of the bounds it fills.
  TRect RestoreRect() const { return FCore.State.RestoreRect; }
  void SetRestoreRect(const TRect& Value) { FCore.State.RestoreRect = Value; }
  bool RollUpState() const { return FCore.State.RollUpState; }
  void RollUp(bool Value);
  // The application goes to the tray icon and comes back from it; without a tray icon
  // both leave the window as it is.
  void MinimizeToTray() { FTray.MinimizeToTray(); }
  void RestoreFromTray() { FTray.RestoreFromTray(); }
  // Carries out what a caption button, a system-menu item or a double-click asks.
  void Perform(TspFrameAction Action);

  // The application's message handler while a menu is open or the main menu is driven
  // from the keyboard.
  void HookApplicationMessages() { FMenus.HookApplicationMessages(); }
  void UnhookApplicationMessages() { FMenus.UnhookApplicationMessages(); }
  // Main-menu mode: the main menu is driven from the keyboard (and while one of its
  // submenus is open). Entering hooks the application's messages and fires
  // OnMainMenuEnter with Sender (once); ending closes an open menu and lets the hook go.
  void EnterMainMenuMode(TObject* Sender) { FMenus.EnterMainMenuMode(Sender); }
  void EndMainMenuMode() { FMenus.EndMainMenuMode(); }
  bool MenuOpen() const { return FMenus.MenuOpen(); }
  bool MainMenuMode() const { return FMenus.MainMenuMode(); }
  // The form's OnShortCut: the component's own OnShortCut, Alt+Space, then the main menu
  // (the accelerators of its top-level items with Alt, then its shortcuts).
  void FormShortCut(TWMKey& Msg, bool& Handled) { FMenus.FormShortCut(Msg, Handled); }
  // Alt+Key: the top-level item whose accelerator Key is, on the menu bar or in the frame,
  // becomes hot and opens (or runs its command). Whether one took the key.
  bool FindMainMenuAccelerator(uint16_t Key) { return FMenus.FindMainMenuAccelerator(Key); }

  // The system menu's root item, rebuilt for the present state.
  TMenuItem* GetSystemMenuItems();
  TPopupMenu* DefaultSystemMenu() const { return FDefaultSystemMenu; }
  TspSkinPopupMenu* TrayMenu() const { return FTrayMenu; }
  // Opens Items through the window's menu engine against the screen rectangle R, with
  // the menus' skin (else the window's); Opener hears when it closes.
  void PopupMenuItems(TControl* Opener, TMenuItem* Items, const TRect& R, bool PopupUp);
  // Opens the system menu at a screen point, or against a screen rectangle.
  void PopupSystemMenu(int X, int Y);
  void PopupSystemMenuFromRect(const TRect& R);
  // Alt+Space: the system menu under its caption button.
  void ShowSystemMenuFromKeyboard();
  // Which caption buttons show (BorderIcons, HideCaptionButtons) and their hints.
  void UpdateButtonStates();
  void UpdateButtonHints();

  // Frame painting and the window's shape.
  void RedrawObject(TspActiveSkinObject* Obj);
  bool IsFormActive();
  bool IsInactiveEffectOn() const;
  int GetDefaultCaptionHeight() const { return FCore.GetDefaultCaptionHeight(); }
  void DrawFormIcon(TCanvas* Canvas, int X, int Y);
  // Paints the whole frame into DC: the skin's, or the default one without a skin.
  void PaintFrameTo(HDC DC);
  // The caption: the form's, and on an MDI main form the maximized child's after it.
  std::string CaptionText() const;

  // MDI (FrameMDI.cpp). The MDI main form's client window, while the frame has taken
  // its procedure over; nullptr otherwise.
  HWND SubclassedMDIClient() const { return FMDI.SubclassedClient(); }
  // The MDI client's background: the skin's MDI picture, else its client picture, else
  // the frame picture's client part; without a skin the application workspace colour.
  void PaintMDIClientBackground(HDC DC);
  // An MDI child of the main form shows maximized by its frame (the main form's flag).
  bool MDIChildMaximized() const { return FMDI.ChildMaximized(); }

  // The frame's skin objects, in hit order.
  int ObjectCount() const { return FObjects.Count(); }
  TspActiveSkinObject* Objects(int Index) const { return FObjects.Item(Index); }
  // The objects among them that show the main menu's top-level items, in menu order.
  std::vector<TspSkinMainMenuItem*> MainMenuItems() const { return FObjects.MainMenuItems(); }
  int HotObject() const { return FObjects.HotObject(); }
  int CapturedObject() const { return FObjects.CapturedObject(); }
  // The first visible, enabled standard button with that command; nullptr for none.
  TspActiveSkinObject* StdButtonObject(TspStdButtonCommand Command) const { return FObjects.StdButtonObject(Command); }
  // Tests the objects at a frame point: the one under it becomes hot (with InFrame).
  void TestActive(int X, int Y, bool InFrame) { FObjects.TestActive(X, Y, InFrame); }
  // Lets the objects' morph and animation run; an object asks when it starts one.
  void StartMorphTimer() { FObjects.MorphTimer()->SetEnabled(true); }
  void StartAnimationTimer() { FObjects.AnimationTimer()->SetEnabled(true); }
  TTimer* MorphTimer() const { return FObjects.MorphTimer(); }
  TTimer* AnimationTimer() const { return FObjects.AnimationTimer(); }
  TTimer* MouseTimer() const { return FObjects.MouseTimer(); }
  // Dragging the client-area frame by the mouse (no NC support).
  void BeginObjectDrag(int X, int Y) { FMover.BeginDrag(X, Y); }
  void EndObjectDrag() { FMover.EndDrag(); }
  bool Dragging() const { return FMover.Dragging(); }
  // The objects' events.
  void DoMouseEnter(const std::string& IDName);
  void DoMouseLeave(const std::string& IDName);
  void DoMouseDown(const std::string& IDName, int X, int Y, const TRect& ObjectRect, TMouseButton Button);
  void DoMouseUp(const std::string& IDName, int X, int Y, const TRect& ObjectRect, TMouseButton Button);
  void DoMouseMove(const std::string& IDName, int X, int Y, const TRect& ObjectRect);
  void DoPaint(const std::string& IDName, TCanvas* Canvas, const TRect& ObjectRect);
  void DoSwitchChangeState(const std::string& IDName, TSwitchState State);
  void DoTrackBarChangeValue(const std::string& IDName, int Value);
  void DoFrameRegulatorChangeValue(const std::string& IDName, int Value);

  // What the objects and the tests read of the frame.
  TCustomForm* Form() const { return FForm; }
  const TspFrameCore& Core() const { return FCore; }
  bool Skinnable() const { return FSkinnable; }
  bool SkinInUse() const { return FSkinInUse; }
  bool SkinChanging() const { return FSkinChanging; }
  // Makes the window count as active whatever the system says.
  bool ForceActive() const { return FForceActive; }
  void SetForceActive(bool Value) { FForceActive = Value; }
  // The screen position of frame point (0, 0).
  TPoint FrameOrigin();
  // The skinnable switch of the skin data (SkinnableForm).
  void SetSkinnableForm(bool Value);
  // Applies SkinData to the frame: objects, sizes, region, active state.
  void UpdateSkin();

  // The window procedure that takes the form's place.
  void NewWndProc(TMessage& Message);

  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Loaded() override;

  // The window timer of the fade-in on the form's window.
  static constexpr UINT_PTR FadeInTimerId = 1;

protected:
  void BeforeDestruction() override;

private:
  // The frame's parts carry out its rules on its form.
  friend class TspFrameMDILink;
  friend class TspFrameMenuModes;
  friend class TspFrameObjectList;
  friend class TspFrameTrayLink;

private:
  // Gives the form back what the component took (once).
  void GiveBack();
  // Loading, designing or going: property setters only store their values.
  bool Reading() const;
  void ApplyLayeredAlpha();

  // Window procedure (FrameWindowProc.cpp).
  void CloseMenusOnMessage();
  // One case per frame message; false sends the message on to the form's procedure.
  bool HandleMessage(TMessage& Message);
  // The messages' handlers; those that answer say whether they took the message.
  void WindowDestroyed();
  bool TextOrIconSet(TMessage& Message);
  bool EraseBackground(TMessage& Message);
  void FormCursorInFrame(TMessage& Message);
  void MouseActivate();
  bool NonClientPaint();
  bool SyncPaint(TMessage& Message);
  void WindowTimer(const TMessage& Message);
  void AfterSkinChange(TspSkinData* Data);
  void ResourceStringsChanged();
  void SkinnableFormChanged(TspSkinData* Data);
  bool QuerySkinState(TMessage& Message);
  bool NonClientCalcSize(TMessage& Message);
  bool NonClientHitTest(TMessage& Message);
  void GetMinMaxInfo(TMessage& Message);
  bool NonClientActivate(TMessage& Message);
  bool Activate(TMessage& Message);
  bool SystemCommand(TMessage& Message);
  void EnterSizeMove();
  void ExitSizeMove();
  bool PaintToDC(TMessage& Message, LRESULT Answer);
  void FadeIn();
  void MouseAfterDefault(const TMessage& Message);
  TPoint ScreenToFramePoint(TPoint Screen);
  void RepaintFrame();
  void CallOldWindowProc(TMessage& Message);
  // The form's border style and MDI kind as the frame rules read them.
  void SyncFormOptions();

  // Window states (FrameWindowStates.cpp).
  TspMonitorAreas MonitorAreas();
  void Maximize();
  void Restore();
  void Minimize();
  // The minimized window's place: the first free slot from the bottom-left corner.
  void PlaceMinimized();
  std::vector<TPoint> MinimizedSlotsTaken();
  // The edges a window sticks to, on the screen: the work area, an MDI child's client window.
  TRect MagneticArea();
  void ClientFrameRollUp();
  void ClientFrameUnroll();
  void ClientSizeFromFramePicture();
  void CaptionDoubleClick();
  void ShowWindowChanged(TMessage& Message);
  void Moving(TMessage& Message);
  void Sizing(TMessage& Message);
  void Size(TMessage& Message);
  bool MinSizeFits(TSize Size) const;
  void SetStatusBarGrip(bool Active);
  void SetFormBounds(const TRect& Bounds);
  TRect FormBounds() const;
  void DragTo(TPoint Cursor);

  // Painting and region (FramePaint.cpp, FrameRegion.cpp).
  void TakeFormSizeWhenUnknown();
  void PaintSkinFrame(HDC DC);
  void PaintDefaultFrame(HDC DC);
  void EraseBackground(HDC DC);
  void PaintClientBackground(HDC DC);
  void PaintClientFramePart(HDC DC);
  void FillClientBackground(HDC DC, TBitmap* Picture, bool StretchEffect, TspStretchType StretchType);
  void PaintClientFrame(HDC DC);
  void DrawSizeGrip(TCanvas* Canvas);
  void DrawLogo(TCanvas* Canvas);
  void UpdateCaptionTexts();
  // The window's region for its present size (FrameWindowStates.cpp), after the frame's
  // geometry and objects.
  void SetFormRegion() { FRegion.SetFormRegion(FCore, FSkinData, FSkinnable); }
  void UpdateRegion(bool Redraw);

  // The window's activation reaches the caption objects (FrameWindowProc.cpp).
  void UpdateActiveState(bool Redraw);

  // System menu (FrameSystemMenu.cpp).
  void BuildDefaultSystemMenu();
  void UpdateUserSystemMenu();
  // Makes the tray menu, or gives its items the skin's captions again.
  void UpdateTrayMenu();
  TMenuItem* NewSystemMenuItem(TMenu* Menu, const TspSystemMenuItem& Description);
  void SystemMenuItemClick(TObject* Sender);
  TspSystemMenuContext SystemMenuContext() const;

  // The MDI client's background (FramePaint.cpp).
  void EraseMDIClient(HDC DC);

  // Skin changes (FrameSkinChange.cpp).
  void BeforeSkinChange(TspSkinData* Data);
  void SkinChanged(TspSkinData* Data);
  void UpdateSkinWithNCArea();
  // After a skin change with NC support: the window's size for the new skin's frame.
  void TakeNewFrameSize();
  void UpdateSkinWithoutNCArea();
  void NotifyParentBackgroundChanged();
  // The controls in the skin's areas, and the client rectangle the frame leaves.
  void LayOutClientAreaControls();
  void UpdateFormBorderIcons();

  TCustomForm* FForm;
  TspWindowProcHook FWindowProcHook;  // the form's procedure before the frame's
  TShortCutEvent FOldShortCut;
  TspFrameCore FCore;
  bool FSkinnable = true;
  bool FSkinInUse = false;
  bool FSkinChanging = false;
  bool FVistaOrLater = false;
  bool FClientTracking = false;  // without NC support: the mouse timer follows the pointer
  bool FForceActive = false;
  bool FGivenBack = false;
  // Shown and not yet painted: the system's paint of the whole frame is on its way, so an
  // activation meanwhile leaves the frame to it instead of painting it before.
  bool FFramePaintAwaited = false;

  // Properties of the component's own.
  TspSkinStatusBar* FStatusBar = nullptr;
  bool FUseFormCursorInNCArea = false;
  TBitmap FLogoBitMap;
  bool FLogoBitMapTransparent = false;
  TspSkinHint* FSkinHint = nullptr;
  bool FShowObjectHint = false;
  bool FUseDefaultObjectHint = true;
  bool FUseSkinCursors = false;
  TFont FDefCaptionFont;
  TFont FDefInActiveCaptionFont;
  bool FUseDefaultSysMenu = true;
  bool FAlphaBlendAnimation = false;
  uint8_t FAlphaBlendValue = 200;
  bool FAlphaBlend = false;
  TMainMenu* FMainMenu = nullptr;
  TspSkinMainMenuBar* FMainMenuBar = nullptr;
  TPopupMenu* FSystemMenu = nullptr;
  TspSkinData* FSkinData = nullptr;
  TspSkinData* FMenusSkinData = nullptr;
  bool FDraggAble = false;
  TspSkinMDITabsBar* FMDITabsBar = nullptr;

  TspFrameMDILink FMDI{*this};
  TspFrameTrayLink FTray{*this};

  TspFrameObjectList FObjects{*this};
  TspFrameMover FMover{*FForm};

  TspClientAreaControls FClientAreaControls{*FForm, *this};

  // Menus.
  TPopupMenu* FDefaultSystemMenu;
  TspSkinPopupMenu* FTrayMenu;
  TspSkinMenu* FSkinMenu;
  TspFrameMenuModes FMenus{*this};

  TspFrameRegion FRegion;
  // The window icon drawn on the system-menu button.
  std::unique_ptr<TIcon> FFormIcon;
};

// The form's first skinned-window component, or nullptr (also for no form).
TspDynamicSkinForm* GetDynamicSkinForm(TCustomForm* AForm);
// Of the application's main form's MDI children: the component of the first whose frame
// is maximized, and that of the active child; nullptr for none.
TspDynamicSkinForm* GetMaximizeMDIChild();
TspDynamicSkinForm* GetActiveMDIChildSkinForm();
