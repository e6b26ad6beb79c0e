#include "TrayIcon.h"

#include "skin/menus/SkinPopupMenu.h"

#include "skin/data/SkinData.h"

#include "classlib/Application.h"
#include "classlib/Form.h"
#include "classlib/ImageList.h"
#include "classlib/Screen.h"
#include "classlib/SystemSeams.h"
#include "classlib/WindowClasses.h"

#include "base/FreeWatch.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// The record's size the shell has known since tips of 128 bytes and balloons.
constexpr DWORD IconDataSize = 488;
static_assert(NOTIFYICONDATAA_V2_SIZE == IconDataSize);
constexpr UINT IconId = 1;
constexpr UINT BalloonClicked = NIN_BALLOONUSERCLICK;

// The shell sends it to every top-level window when it starts again.
UINT TaskbarCreatedMessage() {
  static const UINT message = RegisterWindowMessageA("TaskbarCreated");
  return message;
}

// The application window is watched once for every tray icon there is.
std::vector<TspTrayIcon*>& HookedIcons() {
  static std::vector<TspTrayIcon*> icons;
  return icons;
}
// Never freed: it may still be on the application window's procedure when the program
// ends.
TspWindowProcHook& ApplicationWindowHook() {
  static auto* hook = new TspWindowProcHook;
  return *hook;
}

TShiftState KeyboardShift() {
  TShiftState shift;
  if (GetAsyncKeyState(VK_SHIFT) < 0) shift.Include(ssShift);
  if (GetAsyncKeyState(VK_CONTROL) < 0) shift.Include(ssCtrl);
  if (GetAsyncKeyState(VK_MENU) < 0) shift.Include(ssAlt);
  return shift;
}

}  // namespace

TspTrayIcon::TspTrayIcon(TComponent* AOwner) : TComponent(AOwner) {
  TaskbarCreatedMessage();
  FWindow = AllocateHWnd(Event(this, &TspTrayIcon::HiddenWndProc));
  FIconData.cbSize = IconDataSize;
  FIconData.hWnd = FWindow;
  FIconData.uID = IconId;
  FIconData.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  FIconData.uCallbackMessage = CallbackMessage;
  FCycleTimer = NewStoppedTimer(this, 0, Event(this, &TspTrayIcon::CycleTimerTick));
  FClickTimer = NewStoppedTimer(this, GetDoubleClickTime(), Event(this, &TspTrayIcon::ClickTimerTick));
  if (Designing()) return;
  if (FIcon.Empty() && UseAppIcon()) FIcon.Assign(Application->Icon());
  HookApplicationWindow();
  if (TWinControl* owner = OwnerWindow()) {
    FOwnerWindow = owner;
    FOwnerProcHook.Install(owner, Event(this, &TspTrayIcon::OwnerWndProc));
  }
}

TspTrayIcon::~TspTrayIcon() {
  SetIconVisible(false);
  SetDesignPreview(false);
  if (!Designing()) {
    UnhookApplicationWindow();
    FOwnerProcHook.Remove();
  }
  DeallocateHWnd(FWindow);
}

bool TspTrayIcon::Designing() const { return ComponentState().Contains(csDesigning); }

TWinControl* TspTrayIcon::OwnerWindow() const { return dynamic_cast<TWinControl*>(Owner()); }

void TspTrayIcon::Loaded() {
  TComponent::Loaded();
  if (OwnerWindow() != nullptr && FMinimizedOnStart && !Designing()) {
    FIconVisible = FMinimizeToTray = true;
    Application->ShowMainForm = false;
    ShowWindow(Application->Handle(), SW_HIDE);
  }
  ModifyIcon();
  SetIconVisible(FIconVisible);
}

void TspTrayIcon::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FIconList) FIconList = nullptr;
  if (AComponent == FPopupMenu) FPopupMenu = nullptr;
}

// The shell

bool TspTrayIcon::PrepareIconData() {
  if (Designing() && !(FDesignPreview || FSwitchingPreview)) return false;
  FIconData.hIcon = FIcon.Handle();
  std::memset(FIconData.szTip, 0, sizeof FIconData.szTip);
  const std::string tip = TrayTip(FHint, FShowHint);
  std::memcpy(FIconData.szTip, tip.data(), tip.size());
  return true;
}

bool TspTrayIcon::Notify(DWORD Message) { return PrepareIconData() && Seams::NotifyIcon(Message, &FIconData); }

bool TspTrayIcon::ShowIcon() {
  if (!FSwitchingPreview) FIconVisible = true;
  return Notify(NIM_ADD);
}

bool TspTrayIcon::HideIcon() {
  if (!FSwitchingPreview) FIconVisible = false;
  return Seams::NotifyIcon(NIM_DELETE, &FIconData);
}

bool TspTrayIcon::ModifyIcon() { return Notify(NIM_MODIFY); }

// Properties

void TspTrayIcon::SetDesignPreview(bool Value) {
  FDesignPreview = Value;
  FSwitchingPreview = true;
  SetIconVisible(Value);
  FSwitchingPreview = false;
}

void TspTrayIcon::SetIconVisible(bool Value) {
  if (Value)
    ShowIcon();
  else
    HideIcon();
}

void TspTrayIcon::SetIconList(TCustomImageList* Value) {
  SetReference(FIconList, Value);
  SetIconIndex(0);
}

void TspTrayIcon::SetCycleIcons(bool Value) {
  FCycleIcons = Value;
  if (Value) SetIconIndex(0);
  FCycleTimer->SetEnabled(Value);
}

void TspTrayIcon::SetPopupMenu(TspSkinPopupMenu* Value) { SetReference(FPopupMenu, Value); }

void TspTrayIcon::SetHint(const std::string& Value) {
  FHint = Value;
  ModifyIcon();
}

void TspTrayIcon::SetShowHint(bool Value) {
  FShowHint = Value;
  ModifyIcon();
}

void TspTrayIcon::SetIcon(TIcon* Value) {
  FIcon.Assign(Value);
  ModifyIcon();
}

void TspTrayIcon::SetIconIndex(int Value) {
  // Without icons to choose from the icon shown stays.
  const int count = FIconList != nullptr ? FIconList->Count() : 0;
  FIconIndex = TrayIconIndex(Value, count);
  if (count > 0) FIconList->GetIcon(FIconIndex, &FIcon);
  ModifyIcon();
}

// The application and its main form

void TspTrayIcon::ShowMainForm() {
  TCustomForm* mainForm = Application->MainForm();
  if (OwnerWindow() == nullptr || mainForm == nullptr) return;
  ShowWindow(Application->Handle(), SW_RESTORE);
  mainForm->SetVisible(true);
  if (mainForm->WindowState() == wsMinimized) mainForm->SetWindowState(wsNormal);
}

void TspTrayIcon::HideMainForm() {
  TCustomForm* mainForm = Application->MainForm();
  if (OwnerWindow() == nullptr || mainForm == nullptr) return;
  mainForm->SetVisible(false);
  ShowWindow(Application->Handle(), SW_HIDE);
}

// Events

void TspTrayIcon::Click() {
  if (OnClick) OnClick(this);
}

void TspTrayIcon::DblClick() {
  if (OnDblClick) OnDblClick(this);
}

void TspTrayIcon::DoCycle(int NextIndex) {
  if (OnCycle) OnCycle(this, NextIndex);
}

void TspTrayIcon::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnMouseDown) OnMouseDown(this, Button, Shift, X, Y);
}

void TspTrayIcon::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnMouseUp) OnMouseUp(this, Button, Shift, X, Y);
}

void TspTrayIcon::MouseMove(TShiftState Shift, int X, int Y) {
  if (OnMouseMove) OnMouseMove(this, Shift, X, Y);
}

void TspTrayIcon::DoMinimizeToTray() {
  HideMainForm();
  SetIconVisible(true);
}

// The hidden window

void TspTrayIcon::HiddenWndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CallbackMessage:
      if (FEnabled) MouseNotification(static_cast<UINT>(Message.LParam));
      return;
    // The window lives as long as the component, whatever the system asks.
    case WM_DESTROY:
    case WM_CLOSE:
    case WM_QUERYENDSESSION:
    case WM_QUIT:
    case WM_USERCHANGED:
    case WM_NCDESTROY: Message.Result = 1; return;
    default: Message.Result = DefWindowProcA(FWindow, Message.Msg, Message.WParam, Message.LParam);
  }
}

void TspTrayIcon::MouseNotification(UINT MouseMessage) {
  const TPoint at = Seams::CursorPos();
  const TShiftState shift = KeyboardShift();
  const auto press = [&](TMouseButton Button, TShiftStateFlag Flag, bool Down) {
    TShiftState withButton = shift;
    withButton.Include(Flag);
    if (Down)
      MouseDown(Button, withButton, at.X, at.Y);
    else
      MouseUp(Button, withButton, at.X, at.Y);
  };
  switch (MouseMessage) {
    case WM_MOUSEMOVE: MouseMove(shift, at.X, at.Y); break;
    case WM_LBUTTONDOWN:
      FClickTimer->SetEnabled(true);
      FClicks.LeftDown();
      press(mbLeft, ssLeft, true);
      if (FPopupByLeftButton) PopupAtCursor();
      break;
    case WM_LBUTTONUP:
      if (FClicks.LeftUp()) Click();
      press(mbLeft, ssLeft, false);
      break;
    case WM_LBUTTONDBLCLK:
      FClicks.DoubleClick();
      DblClick();
      if (FPopupMenu != nullptr && FPopupMenu->AutoPopup() && !FPopupByLeftButton) ClickDefaultItem();
      break;
    case WM_RBUTTONDOWN:
      press(mbRight, ssRight, true);
      PopupAtCursor();
      break;
    case WM_RBUTTONUP: press(mbRight, ssRight, false); break;
    case WM_MBUTTONDOWN: press(mbMiddle, ssMiddle, true); break;
    case WM_MBUTTONUP: press(mbMiddle, ssMiddle, false); break;
    case BalloonClicked:
      if (OnBalloonHintClick) OnBalloonHintClick(this);
      break;
    default: break;
  }
}

void TspTrayIcon::ClickTimerTick(TObject*) {
  FClickTimer->SetEnabled(false);
  if (FClicks.TimeUp()) Click();
}

void TspTrayIcon::PopupAtCursor() {
  if (FPopupMenu == nullptr || !FPopupMenu->AutoPopup()) return;
  // What is queued goes first (a handler may free this component meanwhile).
  const TFreeWatch self(this);
  Application->ProcessMessages();
  if (self.Gone() || FPopupMenu == nullptr) return;
  SetForegroundWindow(FWindow);
  TWinControl* owner = OwnerWindow();
  if (owner != nullptr) SetForegroundWindow(owner->Handle());
  FPopupMenu->SetPopupComponent(this);
  const TPoint at = Seams::CursorPos();
  FPopupMenu->Popup(at.X, at.Y);
  // The shell's menu convention: the owner handles one more message once the menu is up.
  if (!self.Gone() && owner != nullptr && owner->HandleAllocated()) PostMessageA(owner->Handle(), WM_NULL, 0, 0);
}

void TspTrayIcon::ClickDefaultItem() {
  TMenuItem* items = FPopupMenu->Items();
  for (int i = 0; i < items->Count(); ++i)
    if (items->Items(i)->Default()) {
      items->Items(i)->Click();
      return;
    }
}

void TspTrayIcon::CycleTimerTick(TObject*) {
  // Without icons to cycle through, OnCycle still hears of each tick (of index 0).
  const int count = FIconList != nullptr ? FIconList->Count() : 0;
  if (count > 0) FIconList->GetIcon(TrayIconIndex(FIconIndex, count), &FIcon);
  DoCycle(NextTrayIconIndex(FIconIndex, count));
  ModifyIcon();
  FIconIndex = NextTrayIconIndex(FIconIndex, count);
}

// The owner window

void TspTrayIcon::OwnerWndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_ACTIVATE:
      if (LOWORD(Message.WParam) == WA_ACTIVE || LOWORD(Message.WParam) == WA_CLICKACTIVE) {
        TCustomForm* form = Screen->ActiveForm();
        if (form != nullptr && form->HandleAllocated()) {
          TWinControl* focus = form->ActiveControl() != nullptr ? form->ActiveControl() : form;
          if (focus->Handle() != reinterpret_cast<HWND>(Message.LParam)) ::SetFocus(form->Handle());
        }
      }
      break;
    case WM_SHOWWINDOW:
      if (Message.WParam == 1 && Message.LParam == 0) {
        HWND application = Application->Handle();
        ShowWindow(application, SW_RESTORE);
        SetForegroundWindow(application);
        SetForegroundWindow(FOwnerWindow->Handle());
      }
      break;
    default: break;
  }
  FOwnerProcHook.CallNext(Message);
}

// The application window

void TspTrayIcon::HookApplicationWindow() {
  std::vector<TspTrayIcon*>& icons = HookedIcons();
  icons.push_back(this);
  TspWindowProcHook& hook = ApplicationWindowHook();
  if (!hook.Installed()) hook.Install(Application->Handle(), TWndMethod(&TspTrayIcon::ApplicationWindowProc));
}

void TspTrayIcon::UnhookApplicationWindow() {
  std::vector<TspTrayIcon*>& icons = HookedIcons();
  std::erase(icons, this);
  // Another window procedure put over the hook keeps it; it passes every message on.
  if (icons.empty()) ApplicationWindowHook().Remove();
}

void TspTrayIcon::ApplicationWindowProc(TMessage& Message) {
  // A copy: a handler may free a tray icon.
  const std::vector<TspTrayIcon*> icons = HookedIcons();
  for (TspTrayIcon* icon : icons)
    if (std::ranges::find(HookedIcons(), icon) != HookedIcons().end()) {
      try {
        icon->ApplicationWindowMessage(Message.Msg, Message.WParam);
      } catch (...) {
        Application->HandleException(icon);
      }
    }
  ApplicationWindowHook().CallNext(Message);
}

void TspTrayIcon::ApplicationWindowMessage(UINT Msg, WPARAM WParam) {
  if (Msg == WM_SIZE && WParam == SIZE_MINIMIZED && FMinimizeToTray) {
    DoMinimizeToTray();
  } else if (Msg == WM_WINDOWPOSCHANGED && FFirstShow) {
    TCustomForm* mainForm = Application->MainForm();
    if (mainForm != nullptr && mainForm->FormStyle() == fsMDIForm && FMinimizedOnStart)
      ShowWindow(Application->Handle(), SW_HIDE);
    FFirstShow = false;
  } else if (Msg == TaskbarCreatedMessage() && FIconVisible) {
    ShowIcon();  // the shell started again without the icon
  }
}
