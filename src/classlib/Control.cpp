#include "Control.h"

#include "DeviceContexts.h"
#include "DragSession.h"
#include "Form.h"
#include "Menus.h"
#include "MouseTracker.h"

#include "portable/KeyboardMenus.h"
#include "portable/ListMoves.h"

#include "base/DispatchScope.h"
#include "base/Exceptions.h"

#include <algorithm>

TShiftState KeysToShiftState(WPARAM Keys) {
  TShiftState shift;
  if (Keys & MK_SHIFT) shift.Include(ssShift);
  if (Keys & MK_CONTROL) shift.Include(ssCtrl);
  if (Keys & MK_LBUTTON) shift.Include(ssLeft);
  if (Keys & MK_RBUTTON) shift.Include(ssRight);
  if (Keys & MK_MBUTTON) shift.Include(ssMiddle);
  if (GetKeyState(VK_MENU) < 0) shift.Include(ssAlt);
  return shift;
}

UINT DrawTextBiDiFlags(UINT Flags, TBiDiMode Mode) {
  if (Mode == bdRightToLeft) {
    switch (Flags & (DT_CENTER | DT_RIGHT)) {
      case DT_LEFT: Flags |= DT_RIGHT; break;
      case DT_RIGHT: Flags &= ~DT_RIGHT; break;
      default: break;
    }
  }
  if (Mode != bdLeftToRight) Flags |= DT_RTLREADING;
  return Flags;
}

// TSizeConstraints

void TSizeConstraints::Set(int& field, int value) {
  if (value < 0) value = 0;
  if (value == field) return;
  field = value;
  if (OnChange) OnChange(this);
}

void TSizeConstraints::Assign(const TPersistent* Source) {
  const auto* other = dynamic_cast<const TSizeConstraints*>(Source);
  if (other == nullptr) return TPersistent::Assign(Source);
  FLimits = other->FLimits;
  if (OnChange) OnChange(this);
}

// TControl

TControl::TControl(TComponent* AOwner) : TComponent(AOwner) {
  WindowProc = Event(this, &TControl::WndProc);
  FFont.OnChange = Event(this, &TControl::FontChanged);
  FConstraints.OnChange = Event(this, &TControl::ConstraintsChanged);
}

TControl::~TControl() { LeaveParent(); }

void TControl::SetName(const std::string& NewName) {
  const bool followName = FControlStyle.Contains(csSetCaption) &&
                          !ComponentState().Contains(csLoading) && Text() == Name();
  TComponent::SetName(NewName);
  if (followName) SetText(NewName);
}

void TControl::BeforeDestruction() {
  LeaveParent();
  TComponent::BeforeDestruction();
}

TComponent* TControl::GetParentComponent() const { return FParent; }

void TControl::FreeDeferred() {
  InvalidateArea();
  FVisible = false;
  ForgetInput();
  if (FParent != nullptr && FAlign != alNone && !FParent->FreePending()) FParent->Realign();
}

void TControl::ForgetInput() {
  MouseTracking::ControlRemoved(this);
  TDragSession::ControlRemoved(this);
}

void TControl::LeaveParent() {
  TControl::ForgetInput();
  if (FParent != nullptr) FParent->RemoveControl(this);
}

LRESULT TControl::Perform(UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (FreePending()) return 0;
  const TDispatchScope dispatching(this);
  TMessage message{Msg, WParam, LParam, 0};
  TWndMethod handler = WindowProc;  // a handler may replace WindowProc meanwhile
  handler(message);
  return message.Result;
}

void TControl::WndProc(TMessage& Message) {
  if (!FControlStyle.Contains(csDoubleClicks)) {
    switch (Message.Msg) {
      case WM_LBUTTONDBLCLK: Message.Msg = WM_LBUTTONDOWN; break;
      case WM_RBUTTONDBLCLK: Message.Msg = WM_RBUTTONDOWN; break;
      case WM_MBUTTONDBLCLK: Message.Msg = WM_MBUTTONDOWN; break;
      default: break;
    }
  }
  Dispatch(Message);
}

void TControl::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_LBUTTONDOWN: HandleMouseDown(Message, mbLeft, {}); return;
    case WM_RBUTTONDOWN: HandleMouseDown(Message, mbRight, {}); return;
    case WM_MBUTTONDOWN: HandleMouseDown(Message, mbMiddle, {}); return;
    case WM_LBUTTONDBLCLK: HandleLeftDoubleClick(Message); return;
    case WM_RBUTTONDBLCLK: HandleMouseDown(Message, mbRight, {ssDouble}); return;
    case WM_MBUTTONDBLCLK: HandleMouseDown(Message, mbMiddle, {ssDouble}); return;
    case WM_LBUTTONUP: HandleMouseUp(Message, mbLeft); return;
    case WM_RBUTTONUP: HandleMouseUp(Message, mbRight); return;
    case WM_MBUTTONUP: HandleMouseUp(Message, mbMiddle); return;
    case WM_MOUSEMOVE: {
      DefaultHandler(Message);
      const TPoint p = PointFromLParam(Message.LParam);
      MouseMove(KeysToShiftState(Message.WParam), p.X, p.Y);
      return;
    }
    case CM_MOUSEENTER:
      if (OnMouseEnter) OnMouseEnter(this);
      return;
    case CM_MOUSELEAVE:
      if (OnMouseLeave) OnMouseLeave(this);
      return;
    case CM_MOUSEWHEEL: HandleMouseWheel(Message); return;
    case WM_CONTEXTMENU: HandleContextMenu(Message); return;
    case CM_VISIBLECHANGED:
    case CM_ENABLEDCHANGED:
      InvalidateArea();
      return;
    case CM_FONTCHANGED:
    case CM_COLORCHANGED:
      Invalidate();
      return;
    case CM_PARENTFONTCHANGED: ParentFontChanged(); return;
    case CM_PARENTCOLORCHANGED: ParentColorChanged(); return;
    case CM_PARENTSHOWHINTCHANGED: ParentShowHintChanged(); return;
    case CM_PARENTBIDIMODECHANGED: ParentBiDiModeChanged(); return;
    case CM_BIDIMODECHANGED: Invalidate(); return;
    default: DefaultHandler(Message);
  }
}

void TControl::DefaultHandler(TMessage& Message) {
  switch (Message.Msg) {
    case WM_GETTEXT: {
      auto* buffer = reinterpret_cast<char*>(Message.LParam);
      if (buffer == nullptr || Message.WParam == 0) return;
      const size_t count = std::min<size_t>(FText.size(), Message.WParam - 1);
      FText.copy(buffer, count);
      buffer[count] = '\0';
      Message.Result = static_cast<LRESULT>(count);
      return;
    }
    case WM_GETTEXTLENGTH: Message.Result = static_cast<LRESULT>(FText.size()); return;
    case WM_SETTEXT:
      FText = Message.LParam != 0 ? reinterpret_cast<const char*>(Message.LParam) : "";
      Message.Result = TRUE;
      return;
    default: Message.Result = 0;
  }
}

// Mouse

void TControl::SendCancelMode() {
  if (TCustomForm* form = GetParentForm(this)) form->SendCancelMode(this);
}

// A button's handling may run handlers that free the control: a system control's own
// handling (a list box or a tab control tells of a new selection) and the control's
// events. The control stays whole until the message is handled, and what it does for the
// rest of it goes nowhere (see DispatchScope.h).

void TControl::HandleMouseDown(TMessage& Message, TMouseButton Button, TShiftState Extra) {
  SendCancelMode();
  DefaultHandler(Message);
  if (Button == mbLeft) {
    if (FControlStyle.Contains(csCaptureMouse)) SetMouseCapture(true);
    if (FControlStyle.Contains(csClickEvents)) FControlState.Include(csClicked);
  }
  const TPoint p = PointFromLParam(Message.LParam);
  const bool dragsByItself = Button == mbLeft && FDragMode == dmAutomatic;
  MouseDown(Button, KeysToShiftState(Message.WParam) + Extra, p.X, p.Y);
  // After the control's own handling, so that a list has selected what it drags (a
  // handler may have turned dragging off).
  if (dragsByItself && FDragMode == dmAutomatic) BeginDrag(false);
}

void TControl::HandleLeftDoubleClick(TMessage& Message) {
  SendCancelMode();
  DefaultHandler(Message);
  if (FControlStyle.Contains(csCaptureMouse)) SetMouseCapture(true);
  if (FControlStyle.Contains(csClickEvents)) DblClick();
  const TPoint p = PointFromLParam(Message.LParam);
  MouseDown(mbLeft, KeysToShiftState(Message.WParam) + TShiftState{ssDouble}, p.X, p.Y);
}

void TControl::HandleMouseUp(TMessage& Message, TMouseButton Button) {
  DefaultHandler(Message);
  const TPoint p = PointFromLParam(Message.LParam);
  if (Button == mbLeft) {
    if (FControlStyle.Contains(csCaptureMouse)) SetMouseCapture(false);
    if (FControlState.Contains(csClicked)) {
      FControlState.Exclude(csClicked);
      if (PtInRect(ClientRect(), p)) Click();
    }
  }
  MouseUp(Button, KeysToShiftState(Message.WParam), p.X, p.Y);
}

void TControl::HandleMouseWheel(TMessage& Message) {
  const TPoint mouse = PointFromLParam(Message.LParam);
  const int delta = static_cast<int16_t>(HIWORD(Message.WParam));
  if (DoMouseWheel(KeysToShiftState(LOWORD(Message.WParam)), delta, mouse)) Message.Result = 1;
}

bool TControl::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
  bool handled = false;
  if (OnMouseWheel) OnMouseWheel(this, Shift, WheelDelta, MousePos, handled);
  if (!handled) {
    const TMouseWheelUpDownEvent& event = WheelDelta > 0 ? OnMouseWheelUp : OnMouseWheelDown;
    if (WheelDelta != 0 && event) event(this, Shift, MousePos, handled);
  }
  return handled;
}

TPoint TControl::KeyboardMenuPoint() { return KeyboardMenuPlace(ClientRect(), KeyboardMenuAnchor()); }

void TControl::HandleContextMenu(TMessage& Message) {
  const bool keyboard = PointFromLParam(Message.LParam) == KeyboardMenuRequest;
  if (OnContextPopup) {
    bool handled = false;
    const TPoint mouse = keyboard ? KeyboardMenuRequest : ScreenToClient(PointFromLParam(Message.LParam));
    OnContextPopup(this, mouse, handled);
    if (FreePending()) return;  // freed by its handler: no menu opens for it
    if (handled) {
      Message.Result = 1;
      return;
    }
  }
  const TPoint p = keyboard ? ClientToScreen(KeyboardMenuPoint()) : PointFromLParam(Message.LParam);
  if (FPopupMenu == nullptr || !FPopupMenu->AutoPopup()) {
    DefaultHandler(Message);  // a child window's passes it on to the parent
    return;
  }
  FPopupMenu->SetPopupComponent(this);
  FPopupMenu->Popup(p.X, p.Y);
  Message.Result = 1;
}

bool TControl::MouseCapture() { return GetCaptureControl() == this; }

void TControl::SetMouseCapture(bool Value) {
  if (Value == MouseCapture()) return;
  SetCaptureControl(Value ? this : nullptr);
}

void TControl::Click() { FActionLink.Click(this, OnClick); }

void TControl::DblClick() {
  if (OnDblClick) OnDblClick(this);
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnMouseDown) OnMouseDown(this, Button, Shift, X, Y);
}

void TControl::MouseMove(TShiftState Shift, int X, int Y) {
  if (OnMouseMove) OnMouseMove(this, Shift, X, Y);
}

void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnMouseUp) OnMouseUp(this, Button, Shift, X, Y);
}

// Drag and drop

void TControl::BeginDrag(bool Immediate, int Threshold) { TDragSession::Begin(this, Immediate, Threshold); }

void TControl::EndDrag(bool Drop) { TDragSession::End(this, Drop); }

bool TControl::Dragging() const { return TDragSession::Source() == this; }

void TControl::DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept) {
  Accept = static_cast<bool>(OnDragOver);
  if (OnDragOver) OnDragOver(this, Source, X, Y, State, Accept);
}

void TControl::DragDrop(TObject* Source, int X, int Y) {
  if (OnDragDrop) OnDragDrop(this, Source, X, Y);
}

void TControl::DoStartDrag(TDragObject*& DragObject) {
  if (OnStartDrag) OnStartDrag(this, DragObject);
}

void TControl::DoEndDrag(TObject* Target, int X, int Y) {
  if (OnEndDrag) OnEndDrag(this, Target, X, Y);
}

// Tree and geometry

void TControl::SetParent(TWinControl* AParent) {
  if (AParent == FParent) return;
  if (AParent == this) throw EInvalidOperation("A control cannot be its own parent");
  if (FParent != nullptr) FParent->RemoveControl(this);
  if (AParent != nullptr) AParent->InsertControl(this);
}

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  const TDispatchScope running(this);  // an OnResize may free the control: it stays whole
  const TSize size = ConstrainSize({AWidth, AHeight}, FConstraints.Limits());
  if (ALeft == FLeft && ATop == FTop && size.cx == FWidth && size.cy == FHeight) return;
  InvalidateArea();
  const bool sizeChanged = size.cx != FWidth || size.cy != FHeight;
  StoreBounds(ALeft, ATop, size.cx, size.cy);
  InvalidateArea();
  BoundsChanged(sizeChanged);
}

void TControl::StoreBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  FLeft = ALeft;
  FTop = ATop;
  FWidth = AWidth;
  FHeight = AHeight;
}

void TControl::BoundsChanged(bool SizeChanged) {
  // Moves made by the parent's own layout keep the rules the layout follows.
  if (FParent == nullptr || !FParent->Aligning()) {
    UpdateAnchorRules();
    RequestAlign();
  }
  if (SizeChanged && !ComponentState().Contains(csLoading)) Resize();
}

void TControl::UpdateAnchorRules() {
  if (FParent == nullptr) {
    FAnchorRulesValid = false;
    return;
  }
  const TRect client = FParent->ClientRect();
  FAnchorRules = {BoundsRect(), {client.Width(), client.Height()}};
  FAnchorRulesValid = true;
}

void TControl::RequestAlign() {
  if (FParent != nullptr && FAlign != alNone && !FParent->Aligning()) FParent->Realign();
}

void TControl::Resize() {
  if (OnResize) OnResize(this);
}

TRect TControl::ClientRect() { return {0, 0, FWidth, FHeight}; }

TPoint TControl::ClientOrigin() {
  if (FParent == nullptr) return {FLeft, FTop};
  const TPoint origin = FParent->ClientOrigin();
  return {origin.X + FLeft, origin.Y + FTop};
}

TPoint TControl::ClientToScreen(TPoint P) {
  const TPoint origin = ClientOrigin();
  return {P.X + origin.X, P.Y + origin.Y};
}

TPoint TControl::ScreenToClient(TPoint P) {
  const TPoint origin = ClientOrigin();
  return {P.X - origin.X, P.Y - origin.Y};
}

void TControl::SetAlign(TAlign Value) {
  if (Value == FAlign) return;
  FAlign = Value;
  if (Value == alNone) UpdateAnchorRules();  // from here on it follows its anchors
  if (FParent != nullptr && !FParent->Aligning()) FParent->Realign();
}

void TControl::SetAnchors(TAnchors Value) {
  if (Value == FAnchors) return;
  FAnchors = Value;
  UpdateAnchorRules();
}

void TControl::ConstraintsChanged(TObject*) { SetBounds(FLeft, FTop, FWidth, FHeight); }

// State and appearance

void TControl::SetVisible(bool Value) {
  if (Value == FVisible || FreePending()) return;
  // A control that hides with the focus may be freed by its OnExit: it stays whole.
  const TDispatchScope running(this);
  if (!Value) InvalidateArea();
  FVisible = Value;
  Perform(CM_VISIBLECHANGED, Value);
  if (FParent != nullptr && FAlign != alNone) FParent->Realign();
}

void TControl::SetEnabled(bool Value) {
  if (Value == FEnabled) return;
  FEnabled = Value;
  Perform(CM_ENABLEDCHANGED);
}

std::string TControl::Text() {
  const auto length = static_cast<size_t>(Perform(WM_GETTEXTLENGTH));
  std::string text(length + 1, '\0');
  const auto copied = static_cast<size_t>(
      Perform(WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())));
  text.resize(std::min(copied, length));
  return text;
}

void TControl::SetText(const std::string& Value) {
  if (Value == Text()) return;
  // An edit's OnChange of the new text may free it: it stays whole.
  const TDispatchScope running(this);
  Perform(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Value.c_str()));
  Perform(CM_TEXTCHANGED);
}

void TControl::FontChanged(TObject*) {
  if (!FTakingParentFont) FParentFont = false;
  Perform(CM_FONTCHANGED);
}

void TControl::SetParentFont(bool Value) {
  if (Value == FParentFont) return;
  FParentFont = Value;
  if (Value && FParent != nullptr) ParentFontChanged();
}

void TControl::ParentFontChanged() {
  if (!FParentFont || FParent == nullptr) return;
  FTakingParentFont = true;
  FFont.Assign(FParent->Font());
  FTakingParentFont = false;
}

void TControl::SetColor(TColor Value) {
  if (Value == FColor) return;
  FColor = Value;
  FParentColor = false;
  Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool Value) {
  if (Value == FParentColor) return;
  FParentColor = Value;
  if (Value && FParent != nullptr) ParentColorChanged();
}

void TControl::ParentColorChanged() {
  if (!FParentColor || FParent == nullptr) return;
  SetColor(FParent->Color());
  FParentColor = true;
}

void TControl::SetShowHint(bool Value) {
  FParentShowHint = false;
  if (Value == FShowHint) return;
  FShowHint = Value;
  Perform(CM_SHOWHINTCHANGED);
}

void TControl::SetParentShowHint(bool Value) {
  if (Value == FParentShowHint) return;
  FParentShowHint = Value;
  if (Value) ParentShowHintChanged();
}

void TControl::ParentShowHintChanged() {
  if (!FParentShowHint || FParent == nullptr) return;
  SetShowHint(FParent->ShowHint());
  FParentShowHint = true;
}

void TControl::SetBiDiMode(TBiDiMode Value) {
  FParentBiDiMode = false;
  if (Value == FBiDiMode) return;
  FBiDiMode = Value;
  Perform(CM_BIDIMODECHANGED);
}

void TControl::SetParentBiDiMode(bool Value) {
  if (Value == FParentBiDiMode) return;
  FParentBiDiMode = Value;
  if (Value) ParentBiDiModeChanged();
}

void TControl::ParentBiDiModeChanged() {
  if (!FParentBiDiMode || FParent == nullptr) return;
  SetBiDiMode(FParent->BiDiMode());
  FParentBiDiMode = true;
}

void TControl::SetPopupMenu(TPopupMenu* Value) {
  SetReference(FPopupMenu, Value);
}

void TControl::ActionChange(TObject* Sender, bool CheckDefaults) {
  const auto* action = dynamic_cast<const TCustomAction*>(Sender);
  if (action == nullptr) return;
  if (!CheckDefaults || Caption().empty()) SetCaption(action->Caption());
  if (!CheckDefaults || Enabled()) SetEnabled(action->Enabled());
}

void TControl::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FPopupMenu) FPopupMenu = nullptr;
}

void TControl::SetCursor(TCursor Value) {
  if (Value == FCursor) return;
  FCursor = Value;
  Perform(CM_CURSORCHANGED);
}

// Painting

void TControl::InvalidateArea() {
  if (!FVisible || FParent == nullptr || !FParent->Showing()) return;
  const RECT r{FLeft, FTop, FLeft + FWidth, FTop + FHeight};
  InvalidateRect(FParent->Handle(), &r, !FControlStyle.Contains(csOpaque));
}

void TControl::Invalidate() { InvalidateArea(); }

void TControl::Repaint() {
  if (!FVisible || FParent == nullptr || !FParent->HandleAllocated()) return;
  if (!FControlStyle.Contains(csOpaque)) {
    Invalidate();
    Update();
    return;
  }
  // Opaque: paint at once, with the windowless controls above this one.
  const TWindowDC dc(FParent->Handle());
  IntersectClipRect(dc.DC(), FLeft, FTop, FLeft + FWidth, FTop + FHeight);
  FParent->PaintControls(dc.DC(), this);
}

void TControl::Update() {
  if (FParent != nullptr) FParent->Update();
}

void TControl::SetZOrder(bool TopMost) {
  if (FParent != nullptr && MoveInList(FParent->FControls, this, TopMost ? INT_MAX : 0)) InvalidateArea();
}
