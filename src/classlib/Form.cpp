#include "Form.h"

#include "Application.h"
#include "Menus.h"
#include "Screen.h"

#include "base/DispatchScope.h"
#include "base/Exceptions.h"
#include "base/ScopeExit.h"

#include <algorithm>
#include <vector>

// The frame rules name the system's style bits by value.
static_assert(FrameStyle::Popup == WS_POPUP && FrameStyle::Caption == WS_CAPTION &&
              FrameStyle::Border == WS_BORDER && FrameStyle::SysMenu == WS_SYSMENU &&
              FrameStyle::ThickFrame == WS_THICKFRAME && FrameStyle::MinimizeBox == WS_MINIMIZEBOX &&
              FrameStyle::MaximizeBox == WS_MAXIMIZEBOX);
static_assert(FrameStyle::ExDlgModalFrame == WS_EX_DLGMODALFRAME &&
              FrameStyle::ExToolWindow == WS_EX_TOOLWINDOW &&
              FrameStyle::ExWindowEdge == WS_EX_WINDOWEDGE &&
              FrameStyle::ExContextHelp == WS_EX_CONTEXTHELP);

namespace {

struct TDisableContext {
  HWND Except;
  std::vector<HWND> Disabled;
};

BOOL CALLBACK DisableTaskWindow(HWND window, LPARAM data) {
  auto* context = reinterpret_cast<TDisableContext*>(data);
  if (window != context->Except && IsWindowVisible(window) && IsWindowEnabled(window)) {
    EnableWindow(window, FALSE);
    context->Disabled.push_back(window);
  }
  return TRUE;
}

// The enabled visible top-level windows of this thread other than Except, now disabled.
std::vector<HWND> DisableTaskWindows(HWND except) {
  TDisableContext context{except, {}};
  EnumThreadWindows(GetCurrentThreadId(), DisableTaskWindow, reinterpret_cast<LPARAM>(&context));
  return context.Disabled;
}

void EnableTaskWindows(const std::vector<HWND>& windows) {
  for (HWND window : windows)
    if (IsWindow(window)) EnableWindow(window, TRUE);
}

TRect WindowBounds(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return FromRECT(r);
}

// Runs an event handler; what it raises is reported and the form goes on.
template <class Handler, class... Args>
void RunHandler(TObject* sender, const Handler& handler, Args&&... args) {
  if (!handler) return;
  try {
    Handler copy = handler;
    copy(sender, std::forward<Args>(args)...);
  } catch (...) {
    Application->HandleException(sender);
  }
}

}  // namespace

TCustomForm* FormHolding(TControl* Control) {
  if (Control == nullptr) return nullptr;
  while (Control->Parent() != nullptr) Control = Control->Parent();
  return dynamic_cast<TCustomForm*>(Control);
}

TCustomForm* GetParentForm(TControl* Control) {
  return Control != nullptr && !Control->FreePending() ? FormHolding(Control) : nullptr;
}

TCustomForm::TCustomForm(TComponent* AOwner) : TWinControl(AOwner), FCanvas(*this) {
  SetControlStyle(ControlStyle() + TControlStyle{csAcceptsControls});
  SetVisible(false);
  SetColor(clBtnFace);
  SetParentFont(false);
  SetBounds(0, 0, 320, 240);
  FIcon.OnChange = Event(this, &TCustomForm::IconChanged);
  Screen->AddForm(this);
}

TCustomForm::~TCustomForm() {
  DoDestroy();
  Screen->RemoveForm(this);
}

void TCustomForm::BeforeDestruction() {
  // MDI children cannot outlive the client window they live in.
  for (TCustomForm* child : MDIChildList()) child->Free();
  DoDestroy();
  Screen->RemoveForm(this);
  TWinControl::BeforeDestruction();
}

void TCustomForm::FreeDeferred() {
  if (FModal && FModalResult == mrNone) FModalResult = mrCancel;
  TWinControl::FreeDeferred();
}

void TCustomForm::AfterConstruction() {
  if (FCreated) return;
  FCreated = true;
  RunHandler(this, OnCreate);
  if (FShowingDeferred) {
    FShowingDeferred = false;
    UpdateShowing();
  }
}

void TCustomForm::DoDestroy() {
  if (FDestroyFired) return;
  FDestroyFired = true;
  RunHandler(this, OnDestroy);
}

// Window

void TCustomForm::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  const TWindowStyle frame = FormWindowStyle(FBorderStyle, FBorderIcons);
  Params.Style = (Params.Style & ~(WS_CHILD | WS_VISIBLE)) | frame.Style | WS_CLIPCHILDREN;
  Params.ExStyle |= frame.ExStyle;
  if (FFormStyle == fsStayOnTop) Params.ExStyle |= WS_EX_TOPMOST;
  Params.WndParent = Application->Handle();
  if (FPosition == poDefault || FPosition == poDefaultPosOnly) Params.X = Params.Y = CW_USEDEFAULT;
  if (FPosition == poDefault || FPosition == poDefaultSizeOnly)
    Params.Width = Params.Height = CW_USEDEFAULT;
  CreateMDIParams(Params);
}

void TCustomForm::CreateWnd() {
  TWinControl::CreateWnd();
  if (FFormStyle == fsMDIForm) CreateMDIClient();
  if (!FIcon.Empty()) IconChanged(&FIcon);
}

TRect TCustomForm::ClientRect() {
  if (HandleAllocated()) return TWinControl::ClientRect();
  // Without a window the frame's size comes from the style the window will have.
  const TSize frame = FrameSize(FormWindowStyle(FBorderStyle, FBorderIcons));
  return {0, 0, std::max(Width() - frame.cx, 0), std::max(Height() - frame.cy, 0)};
}

TSize TCustomForm::FrameSize(const TWindowStyle& style) {
  if (!FFrameSize || FFrameSize->Style.Style != style.Style || FFrameSize->Style.ExStyle != style.ExStyle) {
    RECT r{0, 0, 0, 0};
    AdjustWindowRectEx(&r, style.Style, FALSE, style.ExStyle);
    FFrameSize = TFrameSizeCache{style, {static_cast<int>(r.right - r.left), static_cast<int>(r.bottom - r.top)}};
  }
  return FFrameSize->Size;
}

void TCustomForm::ApplyFrameStyle() {
  if (!HandleAllocated()) return;
  HWND window = Handle();
  const TWindowStyle frame = FormWindowStyle(FBorderStyle, FBorderIcons);
  const DWORD style = (static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)) & ~FormFrameStyleMask) | frame.Style;
  const DWORD exStyle =
      (static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE)) & ~FormFrameExStyleMask) | frame.ExStyle;
  SetWindowLongA(window, GWL_STYLE, static_cast<LONG>(style));
  SetWindowLongA(window, GWL_EXSTYLE, static_cast<LONG>(exStyle));
  SetWindowPos(window, nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TCustomForm::SetBorderStyle(TFormBorderStyle Value) {
  if (Value == FBorderStyle) return;
  FBorderStyle = Value;
  ApplyFrameStyle();
}

void TCustomForm::SetBorderIcons(TBorderIcons Value) {
  if (Value == FBorderIcons) return;
  FBorderIcons = Value;
  ApplyFrameStyle();
}

void TCustomForm::SetFormStyle(TFormStyle Value) {
  if (Value == FFormStyle) return;
  const auto mdi = [](TFormStyle Style) { return Style == fsMDIChild || Style == fsMDIForm; };
  if ((mdi(Value) || mdi(FFormStyle)) && HandleAllocated())
    throw EInvalidOperation("Cannot change the MDI style of a form that has a window");
  FFormStyle = Value;
  if (HandleAllocated())
    SetWindowPos(Handle(), Value == fsStayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TCustomForm::SetWindowState(TWindowState Value) {
  if (Value == FWindowState) return;
  FWindowState = Value;
  if (HandleAllocated() && Visible()) {
    static constexpr int kCommands[] = {SW_RESTORE, SW_MINIMIZE, SW_MAXIMIZE};
    ShowWindow(Handle(), kCommands[Value]);
  }
}

void TCustomForm::IconChanged(TObject*) {
  if (HandleAllocated()) Perform(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(FIcon.Handle()));
}

// Showing and closing

void TCustomForm::Show() {
  SetVisible(true);
  BringToFront();
  if (FFormStyle == fsMDIChild) ActivateMDIChild();
}

void TCustomForm::UpdateShowing() {
  if (ComponentState().Contains(csLoading)) {
    FShowingDeferred = true;
    return;
  }
  if (Visible()) {
    HandleNeeded();
    if (FActiveControl == nullptr) FActiveControl = FindNextControl(nullptr, true, true, false);
    if (!FPlaced) {
      FPlaced = true;
      ApplyPlacement();
    }
    DoShow();
    HWND application = Application->Handle();
    if (Application->MainForm() == this && !IsWindowVisible(application))
      ShowWindow(application, SW_SHOWNOACTIVATE);
    static constexpr int kCommands[] = {SW_SHOWNORMAL, SW_SHOWMINIMIZED, SW_SHOWMAXIMIZED};
    ShowWindow(Handle(), kCommands[FWindowState]);
    // A child shown becomes the active one of its client.
    if (FFormStyle == fsMDIChild) ActivateMDIChild();
  } else if (Showing()) {
    DoHide();
    ShowWindow(Handle(), SW_HIDE);
  }
}

void TCustomForm::ApplyPlacement() {
  TPlacementContext context{Screen->WorkAreaRect(), Screen->DesktopRect()};
  TRect mainForm;
  TRect ownerForm;
  TCustomForm* main = Application->MainForm();
  if (main != nullptr && main != this && main->Showing()) {
    mainForm = WindowBounds(main->Handle());
    context.MainForm = &mainForm;
  }
  auto* owner = dynamic_cast<TCustomForm*>(Owner());
  if (owner != nullptr && owner->Showing()) {
    ownerForm = WindowBounds(owner->Handle());
    context.OwnerForm = &ownerForm;
  }
  const TRect placed = PlaceForm(FPosition, BoundsRect(), context);
  if (!(placed == BoundsRect())) SetBoundsRect(placed);
}

void TCustomForm::DoShow() { RunHandler(this, OnShow); }

void TCustomForm::DoHide() { RunHandler(this, OnHide); }

void TCustomForm::DoClose(TCloseAction& Action) { RunHandler(this, OnClose, Action); }

bool TCustomForm::CloseQuery() {
  bool canClose = true;
  RunHandler(this, OnCloseQuery, canClose);
  return canClose;
}

void TCustomForm::Close() {
  if (FModal) {
    FModalResult = mrCancel;
    return;
  }
  if (!CloseQuery()) return;
  // A closed MDI child goes: hidden, it would stay among the children of its client.
  TCloseAction action = FFormStyle == fsMDIChild ? caFree : caHide;
  DoClose(action);
  if (action == caNone) return;
  if (Application->MainForm() == this) {
    Application->Terminate();
    return;
  }
  switch (action) {
    case caHide: Hide(); break;
    case caMinimize: SetWindowState(wsMinimized); break;
    case caFree: Release(); break;
    default: break;
  }
}

void TCustomForm::Release() { PostMessageA(Handle(), CM_RELEASE, 0, 0); }

TModalResult TCustomForm::ShowModal() {
  if (Visible() || !Enabled() || FModal) throw EInvalidOperation("Cannot make a visible window modal");
  // The loop runs for the form: freed in it, the form stays whole until ShowModal ends.
  // What its handlers free of its parts goes as each message ends.
  const TDispatchScope running(this, TScopeKeeps::TargetOnly);
  if (FreePending()) return mrCancel;
  if (HWND capture = GetCapture()) SendMessageA(capture, WM_CANCELMODE, 0, 0);
  ReleaseCapture();
  FModal = true;
  HWND activeBefore = GetActiveWindow();
  const std::vector<HWND> disabled = DisableTaskWindows(Handle());
  FModalResult = mrNone;
  {
    TScopeFail endModal([&] {
      EnableTaskWindows(disabled);
      FModal = false;
      Hide();
    });
    Show();
    while (FModalResult == mrNone) {
      Application->HandleMessage();
      if (Application->Terminated())
        FModalResult = mrCancel;
      else if (FModalResult != mrNone)
        CloseModal();
    }
  }
  // The other windows come back before this one hides, so that one of them is activated.
  EnableTaskWindows(disabled);
  Hide();
  if (activeBefore != nullptr && IsWindow(activeBefore)) SetActiveWindow(activeBefore);
  FModal = false;
  if (FReleaseAfterModal) {
    FReleaseAfterModal = false;
    Release();
  }
  return FModalResult;
}

void TCustomForm::CloseModal() {
  TCloseAction action = caNone;
  if (CloseQuery()) {
    action = caHide;
    DoClose(action);
  }
  switch (action) {
    case caNone: FModalResult = mrNone; break;
    case caFree: Release(); break;
    default: break;
  }
}

// Messages

void TCustomForm::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_CLOSE: Close(); return;
    case WM_ACTIVATE: HandleActivate(Message); return;
    case CM_DIALOGKEY: HandleDialogKey(Message); return;
    case WM_GETMINMAXINFO: HandleGetMinMaxInfo(Message); return;
    case WM_SIZE: HandleSize(Message); return;
    case CM_RELEASE: HandleRelease(); return;
    case WM_MDIACTIVATE: HandleMDIActivate(Message); return;
    default: TWinControl::Dispatch(Message);
  }
}

void TCustomForm::HandleRelease() {
  // Freed inside its own modal loop, the form would pull the loop's ground away.
  if (FModal) {
    FReleaseAfterModal = true;
    if (FModalResult == mrNone) FModalResult = mrCancel;
    return;
  }
  Free();
}

void TCustomForm::HandleGetMinMaxInfo(TMessage& Message) {
  DefaultHandler(Message);
  auto* info = reinterpret_cast<MINMAXINFO*>(Message.LParam);
  const TSizeLimits& limits = Constraints()->Limits();
  if (limits.MinWidth > 0) info->ptMinTrackSize.x = limits.MinWidth;
  if (limits.MinHeight > 0) info->ptMinTrackSize.y = limits.MinHeight;
  if (limits.MaxWidth > 0) info->ptMaxTrackSize.x = limits.MaxWidth;
  if (limits.MaxHeight > 0) info->ptMaxTrackSize.y = limits.MaxHeight;
}

void TCustomForm::HandleSize(TMessage& Message) {
  DefaultHandler(Message);
  if (!Visible()) return;
  switch (Message.WParam) {
    case SIZE_MINIMIZED: FWindowState = wsMinimized; break;
    case SIZE_MAXIMIZED: FWindowState = wsMaximized; break;
    case SIZE_RESTORED: FWindowState = wsNormal; break;
    default: break;
  }
}

// Focus

void TCustomForm::SetActiveControl(TWinControl* Control) {
  if (Control == FActiveControl) return;
  const bool loading = ComponentState().Contains(csLoading);
  if (Control != nullptr &&
      (Control == this || GetParentForm(Control) != this || (!loading && !Control->CanFocus())))
    throw EInvalidOperation("Cannot focus a disabled or invisible window");
  FActiveControl = Control;
  if (FActive && !loading) SetWindowFocus();
}

void TCustomForm::FocusControl(TWinControl* Control) {
  SetActiveControl(Control);
  // An inactive form on screen is activated by the focus; a disabled one (behind a
  // modal form) gets it when it is enabled and activated again.
  if (!FActive && Showing() && IsWindowEnabled(Handle())) SetWindowFocus();
}

void TCustomForm::SetFocus() {
  if (FreePending()) return;
  if (!Visible() || !Enabled()) throw EInvalidOperation("Cannot focus a disabled or invisible window");
  SetWindowFocus();
}

void TCustomForm::SetWindowFocus() {
  TWinControl* target = FActiveControl != nullptr && FActiveControl->CanFocus() ? FActiveControl : this;
  ::SetFocus(target->Handle());
}

bool TCustomForm::SetFocusedControl(TWinControl* Control) {
  if (ComponentState().Contains(csDestroying) || FFocusChangesHeld > 0) return true;
  if (Control != this) FActiveControl = Control;
  if (Control == FFocusedControl) return true;
  TWinControl* previous = FFocusedControl;
  FFocusedControl = Control;
  // Both chains are taken before a handler runs: an OnExit may free the control it
  // leaves, or the one that holds it, which then hears no more. (Were the control given
  // the focus freed, the focused control would have changed.)
  std::vector<TWinControl*> exited;
  for (TWinControl* c = previous; c != nullptr && !c->ContainsControl(Control); c = c->Parent()) exited.push_back(c);
  std::vector<TWinControl*> entered;
  for (TWinControl* c = Control; c != this && c != nullptr && !c->ContainsControl(previous); c = c->Parent())
    entered.push_back(c);
  for (TWinControl* each : exited) {
    each->Perform(CM_EXIT);
    if (FFocusedControl != Control) return false;
  }
  for (auto it = entered.rbegin(); it != entered.rend(); ++it) {
    (*it)->Perform(CM_ENTER);
    if (FFocusedControl != Control) return false;
  }
  Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(Control));
  return true;
}

void TCustomForm::DefocusControl(TWinControl* Control, bool Removing) {
  if (Removing) {
    if (Control->ContainsControl(FFocusedControl)) FFocusedControl = Control->Parent();
    if (Control->ContainsControl(FActiveControl)) FActiveControl = nullptr;
    return;
  }
  if (!Control->ContainsControl(FActiveControl) || ComponentState().Contains(csDestroying)) return;
  HWND focus = GetFocus();
  const bool hadFocus = Control->HandleAllocated() && focus != nullptr &&
                        (focus == Control->Handle() || IsChild(Control->Handle(), focus));
  FActiveControl = FindNextControl(FActiveControl, true, true, false);
  if (hadFocus) SetWindowFocus();
}

void TCustomForm::HandleActivate(TMessage& Message) {
  FActive = LOWORD(Message.WParam) != WA_INACTIVE;
  if (FActive) {
    Screen->SetActiveForm(this);
    if (HIWORD(Message.WParam) == 0) {  // not minimized: the focus goes where it was
      SetWindowFocus();
      return;
    }
  }
  DefaultHandler(Message);
}

// Keys

bool TCustomForm::IsShortCut(TWMKey& Message) {
  if (OfferShortCut(OnShortCut, Message) || (FMenu != nullptr && FMenu->IsShortCut(Message))) return true;
  // An MDI child's keys are its main form's shortcuts too.
  TCustomForm* main = Application->MainForm();
  return FFormStyle == fsMDIChild && main != nullptr && main != this && main->IsShortCut(Message);
}

void TCustomForm::SetMenu(TMainMenu* Value) {
  SetReference(FMenu, Value);
}

void TCustomForm::Notification(TComponent* AComponent, TOperation Operation) {
  TWinControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FMenu) FMenu = nullptr;
  if (Operation == opRemove && AComponent == FWindowMenu) FWindowMenu = nullptr;
}

void TCustomForm::HandleDialogKey(TMessage& Message) {
  const TShiftState shift = KeyDataToShiftState(Message.LParam);
  switch (Message.WParam) {
    case VK_TAB:
      if (shift.Contains(ssCtrl) || shift.Contains(ssAlt)) break;
      SelectNext(FActiveControl, !shift.Contains(ssShift), true);
      Message.Result = 1;
      return;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
      if (FActiveControl == nullptr || FActiveControl->Parent() == nullptr) break;
      FActiveControl->Parent()->SelectNext(FActiveControl, Message.WParam == VK_RIGHT || Message.WParam == VK_DOWN,
                                           false);
      Message.Result = 1;
      return;
    default: break;
  }
  TWinControl::Dispatch(Message);  // on to the controls
}

void TCustomForm::SendCancelMode(TControl* Sender) {
  if (FActiveControl != nullptr) FActiveControl->Perform(CM_CANCELMODE, 0, reinterpret_cast<LPARAM>(Sender));
}

void TCustomForm::PaintWindow(HDC DC) {
  PaintOnCanvas(FCanvas, DC, [this] { Paint(); });
}
