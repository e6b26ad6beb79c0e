#include "WinControl.h"

#include "Application.h"
#include "CustomControls.h"
#include "MouseTracker.h"
#include "Screen.h"
#include "WindowClasses.h"

#include "base/Exceptions.h"

#include <algorithm>

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

// Restores a DC saved on entry when the scope ends.
class TSavedDC {
public:
  explicit TSavedDC(HDC dc) : FDC(dc), FSaved(SaveDC(dc)) {}
  ~TSavedDC() { RestoreDC(FDC, FSaved); }
  TSavedDC(const TSavedDC&) = delete;
  TSavedDC& operator=(const TSavedDC&) = delete;

private:
  HDC FDC;
  int FSaved;
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

}  // namespace

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner), FDefWndProc(DefWindowProcA) {
  FBrush.SetColor(Color());
}

TWinControl::~TWinControl() {
  DestroyControls();
  DestroyHandle();
}

void TWinControl::BeforeDestruction() {
  DestroyComponents();
  DestroyControls();
  DestroyHandle();
  TControl::BeforeDestruction();
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
  Params.X = Left();
  Params.Y = Top();
  Params.Width = Width();
  Params.Height = Height();
  Params.WndParent = Parent() != nullptr ? Parent()->Handle() : nullptr;
  Params.WindowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
  Params.WindowClass.lpfnWndProc = DefWindowProcA;
  Params.WindowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
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
  Perform(WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), 0);
  UpdateBounds();
}

void TWinControl::CreateHandle() {
  if (FHandle != nullptr) return;
  DisableAlign();
  try {
    CreateWnd();
    const std::vector<TWinControl*> children = FWinControls;
    for (TWinControl* child : children) child->CreateHandle();
  } catch (...) {
    EnableAlign();
    throw;
  }
  FControlState.Include(csAlignmentNeeded);
  EnableAlign();
}

void TWinControl::DestroyWnd() {
  FText = Text();
  FreeWindowDeviceContexts(FHandle);
  HWND window = FHandle;
  DestroyWindow(window);
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
  DestroyHandle();
  CreateHandle();
  UpdateShowing();
}

void TWinControl::AttachWindow(HWND Window) { FHandle = Window; }

void TWinControl::DetachWindow() { FHandle = nullptr; }

void TWinControl::MainWndProc(TMessage& Message) {
  try {
    TWndMethod handler = WindowProc;
    handler(Message);
  } catch (...) {
    Application->HandleException(this);
  }
}

// Messages

void TWinControl::WndProc(TMessage& Message) {
  if (IsMouseMessage(Message.Msg) && RouteMouseToChild(Message)) {
    // Let the system still see it (a right button release becomes WM_CONTEXTMENU).
    if (Message.Result == 0 && FHandle != nullptr)
      DefWindowProcA(FHandle, Message.Msg, Message.WParam, Message.LParam);
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
  switch (Message.Msg) {
    case WM_PAINT: PaintHandler(Message); return;
    case WM_ERASEBKGND: HandleEraseBackground(Message); return;
    case WM_WINDOWPOSCHANGED: HandleWindowPosChanged(Message); return;
    case WM_SETCURSOR: HandleSetCursor(Message); return;
    case WM_MOUSEWHEEL: HandleMouseWheel(Message); return;
    case CM_VISIBLECHANGED: UpdateShowing(); return;
    case CM_ENABLEDCHANGED:
      if (FHandle != nullptr) EnableWindow(FHandle, Enabled());
      return;
    case CM_COLORCHANGED: ColorChanged(Message); return;
    case CM_FONTCHANGED: FontChanged(Message); return;
    default: TControl::Dispatch(Message);
  }
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

void TWinControl::HandleWindowPosChanged(TMessage& Message) {
  UpdateBounds();
  DefaultHandler(Message);
}

void TWinControl::HandleSetCursor(TMessage& Message) {
  if (LOWORD(Message.LParam) == HTCLIENT && reinterpret_cast<HWND>(Message.WParam) == FHandle) {
    TCursor cursor = Screen->Cursor();
    if (cursor == crDefault) {
      POINT p{};
      GetCursorPos(&p);
      TControl* child = ControlAtPos(ScreenToClient({p.x, p.y}), false);
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
  if (Index < 0 || Index >= ControlCount())
    throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
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
  if (auto* windowed = dynamic_cast<TWinControl*>(Control))
    FWinControls.push_back(windowed);
  else
    FControls.push_back(Control);
  Control->FParent = this;
  if (auto* windowed = dynamic_cast<TWinControl*>(Control)) {
    if (FHandle != nullptr) windowed->CreateHandle();
  } else {
    Control->InvalidateArea();
  }
  Control->Perform(CM_PARENTFONTCHANGED);
  Control->Perform(CM_PARENTCOLORCHANGED);
  Control->UpdateAnchorRules();
  if (Control->Visible() && Control->Align() != alNone) Realign();
}

void TWinControl::RemoveControl(TControl* Control) {
  MouseTracking::ControlRemoved(Control);
  if (auto* windowed = dynamic_cast<TWinControl*>(Control)) {
    windowed->DestroyHandle();
    FWinControls.erase(std::remove(FWinControls.begin(), FWinControls.end(), windowed), FWinControls.end());
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

// Layout

void TWinControl::EnableAlign() {
  if (FAlignLevel > 0) --FAlignLevel;
  if (FAlignLevel == 0 && ControlState().Contains(csAlignmentNeeded)) Realign();
}

void TWinControl::Realign() {
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
  const std::vector<TRect> placed = AlignItems(Rect, items);
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
  const TSize size = ConstrainSize({AWidth, AHeight}, Constraints()->Limits());
  if (ALeft == Left() && ATop == Top() && size.cx == Width() && size.cy == Height()) return;
  if (FHandle != nullptr) {
    // The window reports its new place through WM_WINDOWPOSCHANGED (UpdateBounds).
    SetWindowPos(FHandle, nullptr, ALeft, ATop, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    return;
  }
  const bool sizeChanged = size.cx != Width() || size.cy != Height();
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
  if (Parent() != nullptr) {
    auto& list = Parent()->FWinControls;
    auto it = std::find(list.begin(), list.end(), this);
    if (it != list.end()) {
      list.erase(it);
      if (TopMost)
        list.push_back(this);
      else
        list.insert(list.begin(), this);
    }
  }
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

void TWinControl::Invalidate() {
  if (FHandle != nullptr) InvalidateRect(FHandle, nullptr, !ControlStyle().Contains(csOpaque));
}

void TWinControl::Repaint() {
  Invalidate();
  Update();
}

void TWinControl::Update() {
  if (FHandle != nullptr) UpdateWindow(FHandle);
}

void TWinControl::PaintHandler(TMessage& Message) {
  TPaintScope paint(FHandle, reinterpret_cast<HDC>(Message.WParam));
  HDC dc = paint.DC();
  if (dc == nullptr) return;
  {
    // Opaque windowless children cover their rectangles: the window leaves them out.
    int saved = 0;
    for (TControl* c : FControls) {
      if (!c->Visible() || !c->ControlStyle().Contains(csOpaque)) continue;
      if (saved == 0) saved = SaveDC(dc);
      ExcludeClipRect(dc, c->Left(), c->Top(), c->Left() + c->Width(), c->Top() + c->Height());
    }
    try {
      PaintWindow(dc);
    } catch (...) {
      if (saved != 0) RestoreDC(dc, saved);
      throw;
    }
    if (saved != 0) RestoreDC(dc, saved);
  }
  PaintControls(dc, nullptr);
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
  try {
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
  } catch (...) {
    FControlState.Exclude(csPaintCopy);
    throw;
  }
  FControlState.Exclude(csPaintCopy);
}
