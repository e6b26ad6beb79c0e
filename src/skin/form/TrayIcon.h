#pragma once
// TspTrayIcon: an icon in the taskbar's notification area, shown through the shell's
// notification service (the tray-icon seam). It turns the shell's notifications into
// mouse events, clicks, double-clicks and its skinned popup menu, can cycle through the
// icons of an image list, and hides the application while it is minimized to the tray.
// It watches the application window (minimizing, the shell's restart) and its owner
// window (activation, showing).

#include "skin/form/portable/TrayIconRules.h"
#include "skin/controls/WindowProcHook.h"

#include "classlib/Control.h"
#include "classlib/Icon.h"
#include "classlib/Timer.h"

#include "base/Component.h"

#include <shellapi.h>

#include <string>

class TCustomImageList;
class TspSkinPopupMenu;
class TWinControl;

using TCycleEvent = TDelegate<void(TObject* Sender, int NextIndex)>;

class TspTrayIcon : public TComponent {
public:
  explicit TspTrayIcon(TComponent* AOwner);
  // Takes the icon away and gives the application and owner windows their procedures back.
  ~TspTrayIcon() override;

  // Published properties.
  bool DesignPreview() const { return FDesignPreview; }
  void SetDesignPreview(bool Value);
  TCustomImageList* IconList() const { return FIconList; }
  void SetIconList(TCustomImageList* Value);
  // The animation timer shows the list's icons one after the other.
  bool CycleIcons() const { return FCycleIcons; }
  void SetCycleIcons(bool Value);
  unsigned AnimateTimerInterval() const { return FCycleTimer->Interval(); }
  void SetAnimateTimerInterval(unsigned Value) { FCycleTimer->SetInterval(Value); }
  // Off: the shell's notifications are not handled.
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value) { FEnabled = Value; }
  const std::string& Hint() const { return FHint; }
  void SetHint(const std::string& Value);
  bool ShowHint() const { return FShowHint; }
  void SetShowHint(bool Value);
  TIcon* Icon() { return &FIcon; }
  void SetIcon(TIcon* Value);  // copies the icon
  // The icon is in the notification area exactly while this is on.
  bool IconVisible() const { return FIconVisible; }
  void SetIconVisible(bool Value);
  // The icon of IconList shown: kept within the list; 0 (the icon stays) without icons.
  int IconIndex() const { return FIconIndex; }
  void SetIconIndex(int Value);
  TspSkinPopupMenu* PopupMenu() const { return FPopupMenu; }
  void SetPopupMenu(TspSkinPopupMenu* Value);
  bool PopupByLeftButton() const { return FPopupByLeftButton; }
  void SetPopupByLeftButton(bool Value) { FPopupByLeftButton = Value; }
  bool MinimizedOnStart() const { return FMinimizedOnStart; }
  void SetMinimizedOnStart(bool Value) { FMinimizedOnStart = Value; }
  // Minimizing the application hides it to the tray.
  bool MinimizeToTray() const { return FMinimizeToTray; }
  void SetMinimizeToTray(bool Value) { FMinimizeToTray = Value; }

  // Published events. Mouse events carry the pointer's screen position.
  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;
  TCycleEvent OnCycle;
  TNotifyEvent OnBalloonHintClick;

  // Whether an icon-less tray icon takes the application's icon.
  virtual bool UseAppIcon() const { return true; }
  // Add, remove or change the icon in the notification area; whether the shell took it.
  virtual bool ShowIcon();
  virtual bool HideIcon();
  virtual bool ModifyIcon();
  // The application and its main form come back, or go (with a windowed owner only).
  void ShowMainForm();
  void HideMainForm();

  // The hidden window the shell notifies, and the timers.
  HWND Handle() const { return FWindow; }
  TTimer* ClickTimer() const { return FClickTimer; }
  TTimer* CycleTimer() const { return FCycleTimer; }
  // The message the shell notifies the hidden window with.
  static constexpr UINT CallbackMessage = 0x800;

  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

protected:
  virtual void Click();
  virtual void DblClick();
  virtual void DoCycle(int NextIndex);
  virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void MouseMove(TShiftState Shift, int X, int Y);
  virtual void DoMinimizeToTray();

private:
  bool Designing() const;
  // Fills the record for a call; false while designing without a preview.
  bool PrepareIconData();
  bool Notify(DWORD Message);
  TWinControl* OwnerWindow() const;
  void HiddenWndProc(TMessage& Message);
  void MouseNotification(UINT MouseMessage);
  void PopupAtCursor();
  void ClickDefaultItem();
  void ClickTimerTick(TObject* Sender);
  void CycleTimerTick(TObject* Sender);
  void OwnerWndProc(TMessage& Message);
  // The application window's messages, before its own procedure has them.
  void ApplicationWindowMessage(UINT Msg, WPARAM WParam);
  static void ApplicationWindowProc(TMessage& Message);
  void HookApplicationWindow();
  void UnhookApplicationWindow();

  bool FDesignPreview = false;
  TCustomImageList* FIconList = nullptr;
  bool FCycleIcons = false;
  bool FEnabled = true;
  std::string FHint;
  bool FShowHint = true;
  TIcon FIcon;
  bool FIconVisible = true;
  int FIconIndex = 0;
  TspSkinPopupMenu* FPopupMenu = nullptr;
  bool FPopupByLeftButton = false;
  bool FMinimizedOnStart = false;
  bool FMinimizeToTray = false;

  TTimer* FCycleTimer;
  TTimer* FClickTimer;
  TspTrayClicks FClicks;
  bool FSwitchingPreview = false;
  bool FFirstShow = true;
  TWinControl* FOwnerWindow = nullptr;  // whose WindowProc this took over
  TspWindowProcHook FOwnerProcHook;  // the owner's procedure before the icon's
  HWND FWindow = nullptr;
  NOTIFYICONDATAA FIconData{};
};
