#include "WinControl.h"

#include "Application.h"
#include "CustomControls.h"
#include "DeviceContexts.h"
#include "DragSession.h"
#include "Form.h"
#include "Menus.h"
#include "MouseTracker.h"
#include "Screen.h"
#include "SystemSeams.h"
#include "WindowClasses.h"

#include "portable/ListMoves.h"
#include "portable/TabOrder.h"

#include "base/DispatchScope.h"
#include "base/Exceptions.h"
#include "base/ScopeExit.h"

#include <algorithm>
#include <optional>

namespace {

// Ends a BeginPaint when painting leaves, also by an exception.
class TPaintScope {
public:
  TPaintScope(HWND window, HDC given) : FWindow(window), FDC(given) {
    if (FDC == nullptr) FDC = BeginPaint(window, &FPaint);
  }
  ~TPaintScope() {
    if (FDC != nullptr && FDC == FPaint.hdc) EndPaint(FWindow, &FPaint);
  }
  TPaintScope(const TPaintScope&) = delete;
  TPaintScope& operator=(const TPaintScope&) = delete;
  HDC DC() const { return FDC; }

private:
  HWND FWindow;
  HDC FDC;
  PAINTSTRUCT FPaint{};
};

// Keeps a form's focused control as it is while windows are made again.
class TFocusHold {
public:
  explicit TFocusHold(TCustomForm* form) : FForm(form) {
    if (FForm != nullptr) FForm->HoldFocusChanges(true);
  }
  ~TFocusHold() {
    if (FForm != nullptr) FForm->HoldFocusChanges(false);
  }
  TFocusHold(const TFocusHold&) = delete;
  TFocusHold& operator=(const TFocusHold&) = delete;

private:
  TCustomForm* FForm;
};

class TCounterScope {
public:
  explicit TCounterScope(int& counter) : FCounter(counter) { ++FCounter; }
  ~TCounterScope() { --FCounter; }
  TCounterScope(const TCounterScope&) = delete;
  TCounterScope& operator=(const TCounterScope&) = delete;

private:
  int& FCounter;
};

bool IsMouseMessage(UINT msg) { return msg >= WM_MOUSEFIRST && msg <= WM_MBUTTONDBLCLK; }

bool IsControlColorNotification(UINT msg) { return msg >= CN_CTLCOLORMSGBOX && msg <= CN_CTLCOLORSTATIC; }

// The child window a notification comes from (its parent reflects it to the child's
// object), or nullptr for other messages.
HWND NotifyingChild(HWND parent, const TMessage& message) {
  switch (message.Msg) {
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC: return reinterpret_cast<HWND>(message.LParam);
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(message.LParam);
      return header != nullptr ? header->hwndFrom : nullptr;
    }
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam);
      return item != nullptr && item->CtlType != ODT_MENU ? item->hwndItem : nullptr;
    }
    case WM_MEASUREITEM: {
      // Asked while the child is being created: known by its control id only.
      const auto* item = reinterpret_cast<const MEASUREITEMSTRUCT*>(message.LParam);
      return item != nullptr && item->CtlType != ODT_MENU ? GetDlgItem(parent, static_cast<int>(item->CtlID)) : nullptr;
    }
    default: return nullptr;
  }
}

}  // namespace

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner), FDefWndProc(DefWindowProcA) {
  FBrush.SetColor(Color());
}

TWinControl::~TWinControl() {
  DestroyControls();
  DestroyHandle();
  LeaveParent();  // while the parent can still tell a windowed child
}

void TWinControl::BeforeDestruction() {
  DestroyComponents();
  DestroyControls();
  DestroyHandle();
  TControl::BeforeDestruction();
}

void TWinControl::FreeDeferred() {
  RemoveFocus(true);
  if (FHandle != nullptr)
    SetWindowPos(FHandle, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
  TControl::FreeDeferred();
}

void TWinControl::ForgetInput() {
  for (TControl* child : FControls) child->ForgetInput();
  for (TWinControl* child : FWinControls) child->ForgetInput();
  if (FHandle != nullptr && GetCapture() == FHandle) ReleaseCapture();
  TControl::ForgetInput();
}

// Window

HWND TWinControl::Handle() {
  if (FHandle == nullptr) {
    if (Parent() != nullptr) Parent()->HandleNeeded();
    CreateHandle();
  }
  return FHandle;
}

void TWinControl::CreateParams(TCreateParams& Params) {
  Params.Caption = FText;
  Params.Style = WS_CHILD | WS_CLIPSIBLINGS;
  if (ControlStyle().Contains(csAcceptsControls)) {
    Params.Style |= WS_CLIPCHILDREN;
    Params.ExStyle |= WS_EX_CONTROLPARENT;
  }
  if (Visible()) Params.Style |= WS_VISIBLE;
  if (!Enabled()) Params.Style |= WS_DISABLED;
  if (FTabStop) Params.Style |= WS_TABSTOP;
  if (UseRightToLeftReading()) Params.ExStyle |= WS_EX_RTLREADING;
  Params.X = Left();
  Params.Y = Top();
  Params.Width = Width();
  Params.Height = Height();
  Params.WndParent = Parent() != nullptr ? Parent()->Handle() : nullptr;
  Params.WindowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
  Params.WindowClass.lpfnWndProc = DefWindowProcA;
  Params.WindowClass.hCursor = SharedSystemCursor(IDC_ARROW);
  Params.WinClassName = ClassName();
}

void TWinControl::CreateSubClass(TCreateParams& Params, const char* ClassName) {
  WNDCLASSA windowClass{};
  if (!GetClassInfoA(GetModuleHandleA(nullptr), ClassName, &windowClass) &&
      !GetClassInfoA(nullptr, ClassName, &windowClass))
    RaiseLastOSError();
  windowClass.style &= ~CS_GLOBALCLASS;
  Params.WindowClass = windowClass;
}

void TWinControl::CreateWindowHandle(const TCreateParams& Params) {
  HWND window = CreateControlWindow(this, Params);
  if (window == nullptr || FHandle != window) RaiseLastOSError();
}

void TWinControl::CreateWnd() {
  TCreateParams params;
  CreateParams(params);
  if ((params.Style & WS_CHILD) != 0 && params.WndParent == nullptr)
    throw EInvalidOperation("Control '" + Name() + "' has no parent window");
  FDefWndProc = params.WindowClass.lpfnWndProc != nullptr ? params.WindowClass.lpfnWndProc : DefWindowProcA;
  CreateWindowHandle(params);
  FFirstPaintPending = true;
  Perform(WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), 0);
  UpdateBounds();
  PlaceInZOrder();
}

// The system puts a new child window at the bottom of its siblings; it goes directly
// under the window of the next control in its parent's list, the top without one.
void TWinControl::PlaceInZOrder() {
  if (Parent() == nullptr || (GetWindowLongA(FHandle, GWL_STYLE) & WS_CHILD) == 0) return;
  const std::vector<TWinControl*>& siblings = Parent()->FWinControls;
  const auto self = std::find(siblings.begin(), siblings.end(), this);
  // At the bottom it is in its place while no control before it has a window, as when its
  // parent makes its children last first: no move, and no asking the system where it lies.
  if (std::none_of(siblings.begin(), self, [](const TWinControl* c) { return c->FHandle != nullptr; })) return;
  HWND above = HWND_TOP;
  for (auto it = self; it != siblings.end(); ++it)
    if (*it != this && (*it)->FHandle != nullptr) {
      above = (*it)->FHandle;
      break;
    }
  SetWindowPos(FHandle, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TWinControl::CreateHandle() {
  if (FHandle != nullptr) return;
  {
    DisableAlign();
    TScopeExit enableAlign([&] { EnableAlign(); });
    CreateWnd();
    // The children take their places in the new client area before their windows are
    // made: each window is then born where it stays instead of being moved there after.
    FControlState.Include(csAlignmentNeeded);
  }
  DisableAlign();
  TScopeExit enableAlign([&] { EnableAlign(); });
  // A hidden child (an inactive page, a drop-down list) makes its window when it first
  // shows (UpdateShowing) or is first asked for it: start-up makes only what it shows.
  // The last child comes first: the system puts each new child window at the bottom,
  // right under the one made before it, where it belongs.
  const std::vector<TWinControl*> children = FWinControls;
  for (auto it = children.rbegin(); it != children.rend(); ++it)
    if ((*it)->Visible()) (*it)->CreateHandle();
  FControlState.Include(csAlignmentNeeded);
}

void TWinControl::DestroyWnd() {
  FText = Text();
  FreeWindowDeviceContexts(FHandle);
  HWND window = FHandle;
  DestroyWindowHandle(window);
  if (FHandle != nullptr) {  // the window would not go: forget it all the same
    UnbindControlWindow(window);
    FHandle = nullptr;
  }
}

void TWinControl::DestroyHandle() {
  if (FHandle == nullptr) return;
  const std::vector<TWinControl*> children = FWinControls;
  for (TWinControl* child : children) child->DestroyHandle();
  DestroyWnd();
}

void TWinControl::RecreateWnd() {
  if (FHandle == nullptr) return;
  // The focus inside goes back where it was, without the form hearing of the detour
  // its window takes meanwhile.
  TWinControl* focused = FindOwningControl(GetFocus());
  if (!ContainsControl(focused)) focused = nullptr;
  TFocusHold hold(focused != nullptr ? GetParentForm(this) : nullptr);
  DestroyHandle();
  CreateHandle();
  UpdateShowing();
  if (focused != nullptr && focused->HandleAllocated()) ::SetFocus(focused->Handle());
}

void TWinControl::AttachWindow(HWND Window) { FHandle = Window; }

void TWinControl::DetachWindow() { FHandle = nullptr; }

void TWinControl::MainWndProc(TMessage& Message) {
  try {
    TWndMethod handler = WindowProc;
    handler(Message);
    if (Message.Msg == WM_ERASEBKGND && FFirstPaintPending) PaintInFirstErase(reinterpret_cast<HDC>(Message.WParam));
  } catch (...) {
    Application->HandleException(this);
  }
}

// Messages

void TWinControl::WndProc(TMessage& Message) {
  // The window is taken first: the child's handlers may free this control (the page the
  // child lies on), which is not touched again.
  HWND window = FHandle;
  if (IsMouseMessage(Message.Msg) && RouteMouseToChild(Message)) {
    // Let the system still see it (a right button release becomes WM_CONTEXTMENU).
    if (Message.Result == 0 && window != nullptr) DefWindowProcA(window, Message.Msg, Message.WParam, Message.LParam);
    return;
  }
  TControl::WndProc(Message);
}

bool TWinControl::RouteMouseToChild(TMessage& Message) {
  TControl* target = nullptr;
  const TPoint p = PointFromLParam(Message.LParam);
  if (FHandle != nullptr && GetCapture() == FHandle) {
    TControl* capture = GetCaptureControl();
    if (capture != this && capture != nullptr && capture->Parent() == this) target = capture;
  } else {
    target = ControlAtPos(p, false);
  }
  if (target == nullptr) return false;
  Message.Result = target->Perform(Message.Msg, Message.WParam,
                                   PointToLParam({p.X - target->Left(), p.Y - target->Top()}));
  return true;
}

void TWinControl::Dispatch(TMessage& Message) {
  if (ReflectToChild(Message)) return;
  if (IsControlColorNotification(Message.Msg)) {
    HandleControlColor(Message);
    return;
  }
  switch (Message.Msg) {
    case WM_PAINT: PaintHandler(Message); return;
    case WM_ERASEBKGND: HandleEraseBackground(Message); return;
    case WM_NCPAINT: HandleNonClientPaint(Message); return;
    case WM_WINDOWPOSCHANGED: HandleWindowPosChanged(Message); return;
    case WM_SETCURSOR: HandleSetCursor(Message); return;
    case WM_MOUSEWHEEL: HandleMouseWheel(Message); return;
    case WM_CONTEXTMENU:
      if (!RouteContextMenuToChild(Message)) TControl::Dispatch(Message);
      return;
    case WM_SETFOCUS: HandleSetFocus(Message); return;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (!DoKey(Message, &TWinControl::KeyDown)) DefaultHandler(Message);
      return;
    case WM_KEYUP:
    case WM_SYSKEYUP:
      if (!DoKey(Message, &TWinControl::KeyUp)) DefaultHandler(Message);
      return;
    case WM_CHAR:
      if (!DoKeyPress(Message)) DefaultHandler(Message);
      return;
    case CN_KEYDOWN:
    case CN_SYSKEYDOWN: HandleKeyNotification(Message); return;
    case CN_CHAR:
    case CN_SYSCHAR: HandleCharNotification(Message); return;
    case CM_ENTER: DoEnter(); return;
    case CM_EXIT: DoExit(); return;
    case CM_DIALOGKEY:
    case CM_DIALOGCHAR:
    case CM_FOCUSCHANGED: Broadcast(Message); return;
    // The focus leaves a control that hides or is disabled (its OnExit may free it).
    case CM_VISIBLECHANGED:
      if (!Visible()) RemoveFocus(false);
      UpdateShowing();
      return;
    case CM_ENABLEDCHANGED:
      if (!Enabled()) RemoveFocus(false);
      if (FHandle != nullptr) EnableWindow(FHandle, Enabled());
      return;
    case CM_COLORCHANGED: ColorChanged(Message); return;
    case CM_FONTCHANGED: FontChanged(Message); return;
    case CM_SHOWHINTCHANGED: NotifyControls(CM_PARENTSHOWHINTCHANGED); return;
    case CM_BIDIMODECHANGED:
      RecreateWnd();
      NotifyControls(CM_PARENTBIDIMODECHANGED);
      return;
    default: TControl::Dispatch(Message);
  }
}

bool TWinControl::ReflectToChild(TMessage& Message) {
  TWinControl* child = FindControl(NotifyingChild(FHandle, Message));
  if (child == nullptr || child == this) return false;
  Message.Result = child->Perform(CN_BASE + Message.Msg, Message.WParam, Message.LParam);
  return true;
}

bool TWinControl::RouteContextMenuToChild(TMessage& Message) {
  const TPoint p = PointFromLParam(Message.LParam);
  if (p == KeyboardMenuRequest) return false;  // from the keyboard: the focused control's
  TControl* child = ControlAtPos(ScreenToClient(p), false);
  if (child == nullptr) return false;
  child->WindowProc(Message);
  return Message.Result != 0;
}

void TWinControl::HandleControlColor(TMessage& Message) {
  auto* dc = reinterpret_cast<HDC>(Message.WParam);
  SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(Font()->Color())));
  SetBkColor(dc, static_cast<COLORREF>(ColorToRGB(FBrush.Color())));
  Message.Result = reinterpret_cast<LRESULT>(FBrush.Handle());
}

void TWinControl::DefaultHandler(TMessage& Message) {
  if (FHandle != nullptr) {
    Message.Result = CallWindowProcA(FDefWndProc, FHandle, Message.Msg, Message.WParam, Message.LParam);
    return;
  }
  TControl::DefaultHandler(Message);
}

void TWinControl::HandleEraseBackground(TMessage& Message) {
  const RECT r = ToRECT(ClientRect());
  FillRect(reinterpret_cast<HDC>(Message.WParam), &r, FBrush.Handle());
  Message.Result = 1;
}

void TWinControl::HandleNonClientPaint(TMessage& Message) {
  RECT window, client;
  if (FHandle != nullptr && GetWindowRect(FHandle, &window) && GetClientRect(FHandle, &client) &&
      window.right - window.left == client.right && window.bottom - window.top == client.bottom) {
    Message.Result = 0;
    return;
  }
  DefaultHandler(Message);
}

void TWinControl::HandleWindowPosChanged(TMessage& Message) {
  UpdateBounds();
  // A new frame (a skin's, or another border style) leaves another client area inside
  // the same window rectangle: the children are laid out in it anew.
  const auto* place = reinterpret_cast<const WINDOWPOS*>(Message.LParam);
  if (place != nullptr && (place->flags & SWP_FRAMECHANGED) != 0) Realign();
  DefaultHandler(Message);
}

void TWinControl::HandleSetCursor(TMessage& Message) {
  if (LOWORD(Message.LParam) == HTCLIENT && reinterpret_cast<HWND>(Message.WParam) == FHandle) {
    TCursor cursor = Screen->Cursor();
    if (cursor == crDefault) {
      TControl* child = ControlAtPos(ScreenToClient(Seams::CursorPos()), false);
      cursor = child != nullptr ? child->Cursor() : crDefault;
      if (cursor == crDefault) cursor = Cursor();
    }
    if (cursor != crDefault) {
      ::SetCursor(Screen->Cursors(cursor));
      Message.Result = 1;
      return;
    }
  }
  DefaultHandler(Message);
}

void TWinControl::HandleMouseWheel(TMessage& Message) {
  Message.Result = Perform(CM_MOUSEWHEEL, Message.WParam, Message.LParam);
  if (Message.Result == 0) DefaultHandler(Message);  // the system passes it to the parent
}

void TWinControl::ColorChanged(TMessage&) {
  FBrush.SetColor(Color());
  Invalidate();
  NotifyControls(CM_PARENTCOLORCHANGED);
}

void TWinControl::FontChanged(TMessage&) {
  if (FHandle != nullptr) Perform(WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), 0);
  Invalidate();
  NotifyControls(CM_PARENTFONTCHANGED);
}

// Children

TControl* TWinControl::Controls(int Index) const {
  const int windowless = static_cast<int>(FControls.size());
  CheckListIndex(Index, ControlCount());
  return Index < windowless ? FControls[Index] : FWinControls[Index - windowless];
}

TControl* TWinControl::ControlAtPos(TPoint P, bool AllowDisabled, bool AllowWinControls) {
  auto hit = [&](TControl* c) {
    return c->Visible() && (AllowDisabled || c->Enabled()) && PtInRect(c->BoundsRect(), P);
  };
  if (AllowWinControls)
    for (auto it = FWinControls.rbegin(); it != FWinControls.rend(); ++it)
      if (hit(*it)) return *it;
  for (auto it = FControls.rbegin(); it != FControls.rend(); ++it)
    if (hit(*it)) return *it;
  return nullptr;
}

void TWinControl::Broadcast(TMessage& Message) {
  for (int i = 0; i < ControlCount(); ++i) {
    if (Controls(i)->FreePending()) continue;
    Controls(i)->WindowProc(Message);
    if (Message.Result != 0) return;
  }
}

void TWinControl::NotifyControls(UINT Msg) {
  TMessage message{Msg, 0, 0, 0};
  Broadcast(message);
}

bool TWinControl::ContainsControl(TControl* Control) const {
  for (TControl* c = Control; c != nullptr; c = c->Parent())
    if (c == this) return true;
  return false;
}

void TWinControl::InsertControl(TControl* Control) {
  auto* windowed = dynamic_cast<TWinControl*>(Control);
  if (windowed != nullptr) {
    FWinControls.push_back(windowed);
    FTabList.push_back(windowed);
  } else {
    FControls.push_back(Control);
  }
  Control->FParent = this;
  if (windowed != nullptr) {
    windowed->ParentCtl3DChanged();  // before its window, which takes it
    if (FHandle != nullptr) windowed->CreateHandle();
  } else {
    Control->InvalidateArea();
  }
  Control->Perform(CM_PARENTFONTCHANGED);
  Control->Perform(CM_PARENTCOLORCHANGED);
  Control->Perform(CM_PARENTSHOWHINTCHANGED);
  Control->Perform(CM_PARENTBIDIMODECHANGED);
  Control->UpdateAnchorRules();
  if (Control->Visible() && Control->Align() != alNone) Realign();
  Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(Control), TRUE);
}

void TWinControl::RemoveControl(TControl* Control) {
  Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(Control), FALSE);
  MouseTracking::ControlRemoved(Control);
  if (auto* windowed = dynamic_cast<TWinControl*>(Control)) {
    windowed->RemoveFocus(true);
    windowed->DestroyHandle();
    FWinControls.erase(std::remove(FWinControls.begin(), FWinControls.end(), windowed), FWinControls.end());
    FTabList.erase(std::remove(FTabList.begin(), FTabList.end(), windowed), FTabList.end());
  } else {
    Control->InvalidateArea();
    FControls.erase(std::remove(FControls.begin(), FControls.end(), Control), FControls.end());
  }
  Control->FParent = nullptr;
  if (Control->Visible() && Control->Align() != alNone && !ComponentState().Contains(csDestroying))
    Realign();
}

void TWinControl::DestroyControls() {
  while (ControlCount() > 0) {
    TControl* last = Controls(ControlCount() - 1);
    last->Free();
    // A child whose destruction was already under way leaves the list here.
    if (ControlCount() > 0 && Controls(ControlCount() - 1) == last) RemoveControl(last);
  }
}

// Focus

void TWinControl::AddBorder(TCreateParams& Params) const {
  if (FCtl3D)
    Params.ExStyle |= WS_EX_CLIENTEDGE;
  else
    Params.Style |= WS_BORDER;
}

void TWinControl::SetCtl3D(bool Value) {
  FParentCtl3D = false;
  if (Value == FCtl3D) return;
  FCtl3D = Value;
  // From a copy of the list: a child's new window changes its place in it.
  for (TWinControl* child : std::vector<TWinControl*>(FWinControls)) child->ParentCtl3DChanged();
  RecreateWnd();
}

void TWinControl::SetParentCtl3D(bool Value) {
  if (Value == FParentCtl3D) return;
  FParentCtl3D = Value;
  ParentCtl3DChanged();
}

void TWinControl::ParentCtl3DChanged() {
  if (!FParentCtl3D || Parent() == nullptr) return;
  SetCtl3D(Parent()->Ctl3D());
  FParentCtl3D = true;
}

void TWinControl::SetTabStop(bool Value) {
  if (Value == FTabStop) return;
  FTabStop = Value;
  if (FHandle == nullptr) return;
  const LONG style = GetWindowLongA(FHandle, GWL_STYLE);
  SetWindowLongA(FHandle, GWL_STYLE, Value ? style | WS_TABSTOP : style & ~static_cast<LONG>(WS_TABSTOP));
}

int TWinControl::TabOrder() const {
  if (FRequestedTabOrder >= 0) return FRequestedTabOrder;
  if (Parent() == nullptr) return -1;
  const auto& list = Parent()->FTabList;
  return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

void TWinControl::SetTabOrder(int Value) {
  if (ComponentState().Contains(csLoading)) {
    FRequestedTabOrder = std::max(Value, 0);
    return;
  }
  if (Parent() != nullptr) MoveInList(Parent()->FTabList, this, Value < 0 ? INT_MAX : Value);
}

void TWinControl::Loaded() {
  TControl::Loaded();
  ApplyRequestedTabOrder();
}

void TWinControl::ApplyRequestedTabOrder() {
  // The orders read for the children: each goes where it asked (before one that is at
  // that place without asking); the others keep their place among them.
  struct TKeyed {
    int Order;
    bool Asked;
    TWinControl* Child;
  };
  std::vector<TKeyed> keyed;
  for (size_t i = 0; i < FTabList.size(); ++i) {
    TWinControl* child = FTabList[i];
    const bool asked = child->FRequestedTabOrder >= 0;
    keyed.push_back({asked ? child->FRequestedTabOrder : static_cast<int>(i), asked, child});
    child->FRequestedTabOrder = -1;
  }
  std::stable_sort(keyed.begin(), keyed.end(), [](const TKeyed& a, const TKeyed& b) {
    return a.Order != b.Order ? a.Order < b.Order : a.Asked && !b.Asked;
  });
  for (size_t i = 0; i < keyed.size(); ++i) FTabList[i] = keyed[i].Child;
}

bool TWinControl::CanFocus() {
  TCustomForm* form = GetParentForm(this);
  if (form == nullptr) return false;
  for (TControl* c = this; c != form; c = c->Parent())
    if (!c->Visible() || !c->Enabled()) return false;
  return true;
}

bool TWinControl::Focused() { return FHandle != nullptr && GetFocus() == FHandle; }

void TWinControl::SetFocus() {
  if (FreePending()) return;
  if (TCustomForm* form = GetParentForm(this))
    form->FocusControl(this);
  else if (FHandle != nullptr)
    ::SetFocus(FHandle);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& List) {
  AppendInTabOrder(this, [](TWinControl* c) -> const std::vector<TWinControl*>& { return c->FTabList; }, List);
}

TWinControl* TWinControl::FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop,
                                          bool CheckParent) {
  std::vector<TWinControl*> list;
  GetTabOrderList(list);
  return NextInTabOrder(list, CurControl, GoForward, [&](TWinControl* c) {
    return (!CheckTabStop || c->TabStop()) && (!CheckParent || c->Parent() == this) && c->CanFocus();
  });
}

void TWinControl::SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop) {
  if (TWinControl* next = FindNextControl(CurControl, GoForward, CheckTabStop, !CheckTabStop)) next->SetFocus();
}

void TWinControl::RemoveFocus(bool Removing) {
  TCustomForm* form = FormHolding(this);  // also for a control that was freed
  if (form != nullptr && form != this) form->DefocusControl(this, Removing);
}

void TWinControl::HandleSetFocus(TMessage& Message) {
  // A handler of the form's focus change may have sent the focus elsewhere already.
  TCustomForm* form = GetParentForm(this);
  if (form != nullptr && !form->SetFocusedControl(this)) return;
  DefaultHandler(Message);
}

void TWinControl::DoEnter() {
  if (OnEnter) OnEnter(this);
}

void TWinControl::DoExit() {
  if (OnExit) OnExit(this);
}

// Keys

void TWinControl::HandleKeyNotification(TMessage& Message) {
  TWMKey key{static_cast<uint16_t>(Message.WParam), Message.LParam};
  Message.Result = 1;
  // Escape belongs to a running drag first: it ends it without a drop.
  if (Message.Msg == CN_KEYDOWN && key.CharCode == VK_ESCAPE && TDragSession::Cancel()) return;
  if (IsMenuKey(key)) return;
  if (Message.Msg == CN_KEYDOWN) {
    const UINT wanted = DialogKeyCode(key.CharCode);
    TCustomForm* form = GetParentForm(this);
    if (wanted != 0 && form != nullptr && Perform(CM_WANTSPECIALKEY, key.CharCode, key.KeyData) == 0 &&
        (Perform(WM_GETDLGCODE) & wanted) == 0 && form->Perform(CM_DIALOGKEY, key.CharCode, key.KeyData) != 0)
      return;
  }
  Message.Result = 0;
}

void TWinControl::HandleCharNotification(TMessage& Message) {
  // Characters the control does not take (and every Alt+character but Alt+Space, which
  // opens the system menu) may be accelerators of the form's controls.
  const bool offered = Message.Msg == CN_SYSCHAR ? Message.WParam != VK_SPACE
                                                  : (Perform(WM_GETDLGCODE) & DLGC_WANTCHARS) == 0;
  TCustomForm* form = GetParentForm(this);
  Message.Result = offered && form != nullptr && form->Perform(CM_DIALOGCHAR, Message.WParam, Message.LParam) != 0;
}

bool TWinControl::IsMenuKey(TWMKey& Key) {
  for (TControl* control = this; control != nullptr; control = control->Parent())
    if (control->PopupMenu() != nullptr && control->PopupMenu()->IsShortCut(Key)) return true;
  TCustomForm* form = GetParentForm(this);
  if (form != nullptr && form->IsShortCut(Key)) return true;
  return Application->IsShortCut(Key);
}

bool TWinControl::DoKey(TMessage& Message, TKeyHandler Handler) {
  TCustomForm* form = GetParentForm(this);
  if (form != nullptr && form != this && form->KeyPreview() && form->DoKey(Message, Handler)) return true;
  uint16_t key = static_cast<uint16_t>(Message.WParam);
  (this->*Handler)(key, KeyDataToShiftState(Message.LParam));
  if (key == 0) return true;
  Message.WParam = key;
  return false;
}

bool TWinControl::DoKeyPress(TMessage& Message) {
  TCustomForm* form = GetParentForm(this);
  if (form != nullptr && form != this && form->KeyPreview() && form->DoKeyPress(Message)) return true;
  char key = static_cast<char>(Message.WParam);
  KeyPress(key);
  if (key == '\0') return true;
  Message.WParam = static_cast<uint8_t>(key);
  return false;
}

void TWinControl::KeyDown(uint16_t& Key, TShiftState Shift) {
  if (OnKeyDown) OnKeyDown(this, Key, Shift);
}

void TWinControl::KeyUp(uint16_t& Key, TShiftState Shift) {
  if (OnKeyUp) OnKeyUp(this, Key, Shift);
}

void TWinControl::KeyPress(char& Key) {
  if (OnKeyPress) OnKeyPress(this, Key);
}

// Layout

void TWinControl::EnableAlign() {
  if (FAlignLevel > 0) --FAlignLevel;
  if (FAlignLevel == 0 && ControlState().Contains(csAlignmentNeeded)) Realign();
}

void TWinControl::Realign() {
  // A child's OnResize may free a sibling, this control or its parent: all stay whole
  // until the layout is done.
  const TDispatchScope running(this);
  TRect client = ClientRect();
  AlignControls(nullptr, client);
}

void TWinControl::AlignControls(TControl*, TRect& Rect) {
  if (FAlignLevel > 0) {
    FControlState.Include(csAlignmentNeeded);
    return;
  }
  FControlState.Exclude(csAlignmentNeeded);
  AdjustClientRect(Rect);

  std::vector<TControl*> aligned;
  std::vector<TAlignItem> items;
  std::vector<TControl*> anchored;
  for (int i = 0; i < ControlCount(); ++i) {
    TControl* c = Controls(i);
    if (c->Align() != alNone) {
      if (!c->Visible()) continue;
      aligned.push_back(c);
      items.push_back({c->Align(), c->BoundsRect(), c->Constraints()->Limits()});
    } else if (!(c->Anchors() == DefaultAnchors) && c->FAnchorRulesValid) {
      anchored.push_back(c);
    }
  }
  const TAlignedItems alignment = PlaceAlignedItems(Rect, items);
  const std::vector<TRect>& placed = alignment.Placed;
  Rect = alignment.Remainder;
  const TRect client = ClientRect();
  TCounterScope aligning(FAligning);
  for (size_t i = 0; i < aligned.size(); ++i)
    if (!(placed[i] == aligned[i]->BoundsRect())) aligned[i]->SetBoundsRect(placed[i]);
  for (TControl* c : anchored) {
    const TRect r = ApplyAnchors(c->Anchors(), c->FAnchorRules, c->BoundsRect(),
                                 {client.Width(), client.Height()});
    if (!(r == c->BoundsRect())) c->SetBoundsRect(r);
  }
}

// Geometry

void TWinControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  const TDispatchScope running(this);  // an OnResize may free the control: it stays whole
  const TSize size = ConstrainSize({AWidth, AHeight}, Constraints()->Limits());
  if (ALeft == Left() && ATop == Top() && size.cx == Width() && size.cy == Height()) return;
  const bool sizeChanged = size.cx != Width() || size.cy != Height();
  if (FHandle != nullptr) {
    // The window reports its new place through WM_WINDOWPOSCHANGED (UpdateBounds). A move
    // alone says so: the system then spares the window its size limits (WM_GETMINMAXINFO).
    SetWindowPos(FHandle, nullptr, ALeft, ATop, size.cx, size.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE | (sizeChanged ? 0 : SWP_NOSIZE));
    return;
  }
  StoreBounds(ALeft, ATop, size.cx, size.cy);
  BoundsChanged(sizeChanged);
}

void TWinControl::BoundsChanged(bool SizeChanged) {
  if (SizeChanged) Realign();
  TControl::BoundsChanged(SizeChanged);
}

void TWinControl::UpdateBounds() {
  if (FHandle == nullptr) return;
  RECT r{};
  const bool child = (GetWindowLongA(FHandle, GWL_STYLE) & WS_CHILD) != 0;
  if (!child && IsIconic(FHandle)) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(FHandle, &placement);
    r = placement.rcNormalPosition;
  } else {
    GetWindowRect(FHandle, &r);
    if (child) MapWindowPoints(HWND_DESKTOP, GetParent(FHandle), reinterpret_cast<POINT*>(&r), 2);
  }
  const int width = r.right - r.left;
  const int height = r.bottom - r.top;
  if (r.left == Left() && r.top == Top() && width == Width() && height == Height()) return;
  const bool sizeChanged = width != Width() || height != Height();
  StoreBounds(r.left, r.top, width, height);
  BoundsChanged(sizeChanged);
}

TRect TWinControl::ClientRect() {
  if (FHandle == nullptr) return TControl::ClientRect();
  RECT r{};
  GetClientRect(FHandle, &r);
  return FromRECT(r);
}

TPoint TWinControl::ClientOrigin() {
  if (FHandle == nullptr) return TControl::ClientOrigin();
  POINT p{0, 0};
  ::ClientToScreen(FHandle, &p);
  return {p.x, p.y};
}

void TWinControl::SetZOrder(bool TopMost) {
  if (Parent() != nullptr) MoveInList(Parent()->FWinControls, this, TopMost ? INT_MAX : 0);
  if (FHandle != nullptr)
    SetWindowPos(FHandle, TopMost ? HWND_TOP : HWND_BOTTOM, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TWinControl::UpdateShowing() {
  if (Visible() && FHandle == nullptr && Parent() != nullptr && Parent()->HandleAllocated())
    CreateHandle();
  if (FHandle == nullptr) return;
  SetWindowPos(FHandle, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE |
                   (Visible() ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

// Painting

// A window not on screen is painted whole when it shows: nothing to mark before.
void TWinControl::Invalidate() {
  if (Showing()) InvalidateRect(FHandle, nullptr, !ControlStyle().Contains(csOpaque));
}

void TWinControl::Repaint() {
  Invalidate();
  Update();
}

void TWinControl::Update() {
  if (Showing()) UpdateWindow(FHandle);
}

void TWinControl::PaintHandler(TMessage& Message) {
  FFirstPaintPending = false;
  FInPaint = true;
  TScopeExit paintEnds([this] { FInPaint = false; });
  TPaintScope paint(FHandle, reinterpret_cast<HDC>(Message.WParam));
  HDC dc = paint.DC();
  if (dc == nullptr) return;
  {
    // Opaque windowless children cover their rectangles: the window leaves them out.
    std::optional<TSavedDC> saved;
    for (TControl* c : FControls) {
      if (!c->Visible() || !c->ControlStyle().Contains(csOpaque)) continue;
      if (!saved) saved.emplace(dc);
      ExcludeClipRect(dc, c->Left(), c->Top(), c->Left() + c->Width(), c->Top() + c->Height());
    }
    PaintWindow(dc);
  }
  PaintControls(dc, nullptr);
}

// A window first shows with all of it to paint, and the system erases it first, into a
// DC clipped to what awaits the paint. A window this library paints all of (not a system
// control) paints there and then: the paint message the system would send next, and its
// several trips to the window server, are spared (a main window shows three dozen
// windows at once). Only the first erase, as the window shows: later ones come with each
// move of a layout, and painting in them would paint between the moves.
void TWinControl::PaintInFirstErase(HDC DC) {
  FFirstPaintPending = false;
  if (FInPaint || FDefWndProc != DefWindowProcA || WindowFromDC(DC) != FHandle) return;
  // Validated first: what the paint itself invalidates still gets its paint message.
  ValidateRect(FHandle, nullptr);
  TMessage paint{WM_PAINT, reinterpret_cast<WPARAM>(DC), 0, 0};
  WindowProc(paint);
}

void TWinControl::PaintWindow(HDC DC) {
  // Only a system window procedure draws anything here; DefWindowProcA would validate
  // the window instead of painting into DC.
  if (FDefWndProc == DefWindowProcA) return;
  TMessage message{WM_PAINT, reinterpret_cast<WPARAM>(DC), 0, 0};
  DefaultHandler(message);
}

void TWinControl::PaintControls(HDC DC, TControl* First) {
  auto it = FControls.begin();
  if (First != nullptr) {
    it = std::find(FControls.begin(), FControls.end(), First);
    if (it == FControls.end()) return;
  }
  const std::vector<TControl*> controls(it, FControls.end());
  for (TControl* c : controls) {
    if (!c->Visible()) continue;
    const RECT bounds = ToRECT(c->BoundsRect());
    if (!RectVisible(DC, &bounds)) continue;
    TSavedDC saved(DC);
    OffsetViewportOrgEx(DC, c->Left(), c->Top(), nullptr);
    IntersectClipRect(DC, 0, 0, c->Width(), c->Height());
    c->Perform(WM_PAINT, reinterpret_cast<WPARAM>(DC), 0);
  }
}

void TWinControl::PaintTo(HDC DC, int X, int Y) {
  FControlState.Include(csPaintCopy);
  TScopeExit paintCopyEnds([&] { FControlState.Exclude(csPaintCopy); });
  TSavedDC saved(DC);
  OffsetViewportOrgEx(DC, X, Y, nullptr);
  if (FHandle != nullptr) {
    // The client area sits inside the window's border.
    RECT window{};
    GetWindowRect(FHandle, &window);
    const TPoint origin = ClientOrigin();
    OffsetViewportOrgEx(DC, origin.X - window.left, origin.Y - window.top, nullptr);
  }
  const TRect client = ClientRect();
  IntersectClipRect(DC, 0, 0, client.Width(), client.Height());
  Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(DC), 0);
  Perform(WM_PAINT, reinterpret_cast<WPARAM>(DC), 0);
  const std::vector<TWinControl*> children = FWinControls;
  for (TWinControl* child : children)
    if (child->Visible()) child->PaintTo(DC, child->Left(), child->Top());
}
