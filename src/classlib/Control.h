#pragma once
// TControl: a visual component with a place in a parent, a message-driven life and the
// mouse rules every control shares. Windowless controls (TGraphicControl) are painted
// and fed mouse messages by their parent; TWinControl adds a window.
//
// Messages reach a control through WindowProc (a replaceable delegate whose default is
// WndProc). WndProc hands them to Dispatch, where each class handles the messages it
// knows and passes the rest to its base class's Dispatch; what no class handles ends in
// DefaultHandler. Perform sends a message through WindowProc.

#include "Actions.h"
#include "Graphics.h"
#include "Messages.h"

#include "portable/AlignLayout.h"
#include "portable/DragRules.h"

#include "base/Component.h"

#include <string>

class TWinControl;
class TCustomForm;
class TPopupMenu;

using TCursor = int;
inline constexpr TCursor crDefault = 0;
inline constexpr TCursor crArrow = -2;
inline constexpr TCursor crIBeam = -4;
inline constexpr TCursor crHourGlass = -11;
inline constexpr TCursor crDrag = -12;    // a drag over a target that takes the drop
inline constexpr TCursor crNoDrop = -13;  // a drag over anything else
inline constexpr TCursor crHSplit = -14;
inline constexpr TCursor crVSplit = -15;
inline constexpr TCursor crHandPoint = -21;

enum TShiftStateFlag { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSet<TShiftStateFlag>;
// The shift state of a mouse message's MK_* flags plus the Alt key.
TShiftState KeysToShiftState(WPARAM Keys);

enum TMouseButton { mbLeft, mbRight, mbMiddle };

// Reading order and alignment of text. Right-to-left modes read from the right; only
// bdRightToLeft also mirrors the alignment.
enum TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };
// DrawTextA flags for Mode: left and right alignment swapped when the alignment mirrors,
// DT_RTLREADING added when reading goes right to left; left to right changes nothing.
UINT DrawTextBiDiFlags(UINT Flags, TBiDiMode Mode);

enum TControlStyleFlag {
  csAcceptsControls,
  csCaptureMouse,
  csClickEvents,
  csSetCaption,
  csOpaque,
  csDoubleClicks,
  csReplicatable
};
using TControlStyle = TSet<TControlStyleFlag>;

enum TControlStateFlag { csClicked, csPaintCopy, csAlignmentNeeded };
using TControlState = TSet<TControlStateFlag>;

using TMouseEvent = TDelegate<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = TDelegate<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TMouseWheelEvent =
    TDelegate<void(TObject* Sender, TShiftState Shift, int WheelDelta, TPoint MousePos, bool& Handled)>;
using TMouseWheelUpDownEvent =
    TDelegate<void(TObject* Sender, TShiftState Shift, TPoint MousePos, bool& Handled)>;
// A context menu asked for on a control: MousePos is the pointer's place in the control's
// client area, or KeyboardMenuRequest for the keyboard's (the context-menu key, Shift+F10),
// whose menu goes to KeyboardMenuPoint. Handled keeps the control's PopupMenu shut.
using TContextPopupEvent = TDelegate<void(TObject* Sender, TPoint MousePos, bool& Handled)>;
// WM_CONTEXTMENU's point from the keyboard, as the system sends it.
inline constexpr TPoint KeyboardMenuRequest{-1, -1};

// What a drag carries to its targets as Source: the source control, unless the source's
// OnStartDrag gave an object of its own (which stays the handler's to free).
class TDragObject : public TObject {};
// What a dock drag would carry. Docking is not built: the dock events are kept and read
// from form resources, and nothing makes one of these or fires them.
class TDragDockObject : public TDragObject {};

using TStartDragEvent = TDelegate<void(TObject* Sender, TDragObject*& DragObject)>;
using TDragOverEvent =
    TDelegate<void(TObject* Sender, TObject* Source, int X, int Y, TDragState State, bool& Accept)>;
using TDragDropEvent = TDelegate<void(TObject* Sender, TObject* Source, int X, int Y)>;
using TEndDragEvent = TDelegate<void(TObject* Sender, TObject* Target, int X, int Y)>;
using TStartDockEvent = TDelegate<void(TObject* Sender, TDragDockObject*& DragObject)>;

// Minimum and maximum size of a control (0 = none); a change re-applies them.
class TSizeConstraints : public TPersistent {
public:
  int MinWidth() const { return FLimits.MinWidth; }
  int MaxWidth() const { return FLimits.MaxWidth; }
  int MinHeight() const { return FLimits.MinHeight; }
  int MaxHeight() const { return FLimits.MaxHeight; }
  void SetMinWidth(int Value) { Set(FLimits.MinWidth, Value); }
  void SetMaxWidth(int Value) { Set(FLimits.MaxWidth, Value); }
  void SetMinHeight(int Value) { Set(FLimits.MinHeight, Value); }
  void SetMaxHeight(int Value) { Set(FLimits.MaxHeight, Value); }
  const TSizeLimits& Limits() const { return FLimits; }
  void Assign(const TPersistent* Source) override;

  TNotifyEvent OnChange;

private:
  void Set(int& field, int value);
  TSizeLimits FLimits;
};

class TControl : public TComponent {
public:
  explicit TControl(TComponent* AOwner);
  ~TControl() override;

  // With csSetCaption, a text that equals the old name follows the new name.
  void SetName(const std::string& NewName) override;

  // Messages. A control freed and waiting to go (FreePending) gets none by Perform:
  // the result is 0.
  TWndMethod WindowProc;
  LRESULT Perform(UINT Msg, WPARAM WParam = 0, LPARAM LParam = 0);
  virtual void WndProc(TMessage& Message);
  virtual void Dispatch(TMessage& Message);
  virtual void DefaultHandler(TMessage& Message);

  // Place in the tree and geometry (relative to the parent's client area).
  TWinControl* Parent() const { return FParent; }
  TComponent* GetParentComponent() const override;
  virtual void SetParent(TWinControl* AParent);
  int Left() const { return FLeft; }
  int Top() const { return FTop; }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  void SetLeft(int Value) { SetBounds(Value, FTop, FWidth, FHeight); }
  void SetTop(int Value) { SetBounds(FLeft, Value, FWidth, FHeight); }
  void SetWidth(int Value) { SetBounds(FLeft, FTop, Value, FHeight); }
  void SetHeight(int Value) { SetBounds(FLeft, FTop, FWidth, Value); }
  // Sets all four at once; the size obeys Constraints.
  virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
  TRect BoundsRect() const { return Bounds(FLeft, FTop, FWidth, FHeight); }
  void SetBoundsRect(const TRect& R) { SetBounds(R.Left, R.Top, R.Width(), R.Height()); }
  virtual TRect ClientRect();
  int ClientWidth() { return ClientRect().Width(); }
  int ClientHeight() { return ClientRect().Height(); }
  void SetClientWidth(int Value) { SetWidth(FWidth - ClientWidth() + Value); }
  void SetClientHeight(int Value) { SetHeight(FHeight - ClientHeight() + Value); }
  // The screen position of the client area's top-left corner.
  virtual TPoint ClientOrigin();
  TPoint ClientToScreen(TPoint P);
  TPoint ScreenToClient(TPoint P);
  TAlign Align() const { return FAlign; }
  void SetAlign(TAlign Value);
  TAnchors Anchors() const { return FAnchors; }
  void SetAnchors(TAnchors Value);
  TSizeConstraints* Constraints() { return &FConstraints; }

  // State and appearance; each change is announced by its CM_ message. A control freed
  // and waiting to go is hidden and stays so.
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  // Caption and Text are the same text, kept by the window when the control has one.
  std::string Text();
  void SetText(const std::string& Value);  // CM_TEXTCHANGED only on a real change
  std::string Caption() { return Text(); }
  void SetCaption(const std::string& Value) { SetText(Value); }
  TFont* Font() { return &FFont; }
  void SetFont(TFont* Value) { FFont.Assign(Value); }
  bool ParentFont() const { return FParentFont; }
  void SetParentFont(bool Value);
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  bool ParentColor() const { return FParentColor; }
  void SetParentColor(bool Value);
  TCursor Cursor() const { return FCursor; }
  void SetCursor(TCursor Value);
  // The hint shows when the pointer rests on the control, if ShowHint is set (taken
  // from the parent while ParentShowHint is).
  const std::string& Hint() const { return FHint; }
  void SetHint(const std::string& Value) { FHint = Value; }
  bool ShowHint() const { return FShowHint; }
  void SetShowHint(bool Value);
  bool ParentShowHint() const { return FParentShowHint; }
  void SetParentShowHint(bool Value);
  // Opened by a right click, the context-menu key or Shift+F10 on the control
  // (WM_CONTEXTMENU, after OnContextPopup); its items' shortcuts work while the focus is
  // in the control.
  TPopupMenu* PopupMenu() const { return FPopupMenu; }
  void SetPopupMenu(TPopupMenu* Value);
  // Where a menu opened from the keyboard goes, in client coordinates: below the control's
  // keyboard anchor (a grid's focused cell, an edit's caret) while that shows, else the
  // middle of the client area (KeyboardMenuPlace).
  TPoint KeyboardMenuPoint();
  // The action the control follows (caption, enabled state) and carries out when clicked.
  TCustomAction* Action() const { return FActionLink.Action(); }
  void SetAction(TCustomAction* Value) { FActionLink.SetAction(Value); }
  TBiDiMode BiDiMode() const { return FBiDiMode; }
  void SetBiDiMode(TBiDiMode Value);
  bool ParentBiDiMode() const { return FParentBiDiMode; }
  void SetParentBiDiMode(bool Value);
  bool UseRightToLeftAlignment() const { return FBiDiMode == bdRightToLeft; }
  bool UseRightToLeftReading() const { return FBiDiMode != bdLeftToRight; }
  UINT DrawTextBiDiModeFlags(UINT Flags) const { return DrawTextBiDiFlags(Flags, FBiDiMode); }
  TControlStyle ControlStyle() const { return FControlStyle; }
  void SetControlStyle(TControlStyle Value) { FControlStyle = Value; }
  TControlState ControlState() const { return FControlState; }
  void SetControlState(TControlState Value) { FControlState = Value; }
  // Whether this control has the mouse captured; see GetCaptureControl.
  bool MouseCapture();
  void SetMouseCapture(bool Value);

  void Notification(TComponent* AComponent, TOperation Operation) override;

  // Drag and drop. With DragMode dmAutomatic a drag starts when the left button goes
  // down on the control and the pointer then moves past the system's drag threshold.
  // While it runs the mouse is captured: every move asks the control under the pointer
  // (OnDragOver, which a control without a handler refuses), the cursor shows
  // DragCursor where it accepts and crNoDrop elsewhere, and releasing the button drops
  // on an accepting control (its OnDragDrop, then this control's OnEndDrag with it as
  // Target); Escape, WM_CANCELMODE or a lost capture end it without a drop (OnEndDrag
  // with no Target). A control whose DragKind is dkDock never drags: docking is not
  // built.
  TDragMode DragMode() const { return FDragMode; }
  void SetDragMode(TDragMode Value) { FDragMode = Value; }
  TDragKind DragKind() const { return FDragKind; }
  void SetDragKind(TDragKind Value) { FDragKind = Value; }
  TCursor DragCursor() const { return FDragCursor; }
  void SetDragCursor(TCursor Value) { FDragCursor = Value; }
  // Starts a drag of this control at once, or once the pointer has moved Threshold
  // pixels (below 0: the system's threshold) from where it is now; a release before
  // that ends it unnoticed and the control gets the button's release. Nothing happens
  // while another drag runs.
  void BeginDrag(bool Immediate, int Threshold = -1);
  // Ends this control's drag where the pointer is: dropping (when the target takes it)
  // or not.
  void EndDrag(bool Drop);
  // Whether a drag of this control runs (started or waiting for the threshold).
  bool Dragging() const;
  // Asks this control, as a target, whether it takes Source at (X, Y) of its client
  // area: Accept starts false without an OnDragOver handler and true with one.
  virtual void DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept);
  // Source was dropped at (X, Y) of the client area: OnDragDrop.
  virtual void DragDrop(TObject* Source, int X, int Y);

  // Painting.
  virtual void Invalidate();
  virtual void Repaint();
  virtual void Update();
  void Refresh() { Repaint(); }
  void BringToFront() { SetZOrder(true); }
  void SendToBack() { SetZOrder(false); }

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TNotifyEvent OnResize;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;
  TMouseWheelEvent OnMouseWheel;
  TMouseWheelUpDownEvent OnMouseWheelUp;
  TMouseWheelUpDownEvent OnMouseWheelDown;
  TContextPopupEvent OnContextPopup;
  TStartDragEvent OnStartDrag;
  TDragOverEvent OnDragOver;
  TDragDropEvent OnDragDrop;
  // Target: the control the drag dropped on, nullptr when it ended without a drop; X
  // and Y: the drop point in Target's client area (0, 0 without one).
  TEndDragEvent OnEndDrag;
  // Kept for form resources; docking is not built and never fires them.
  TStartDockEvent OnStartDock;
  TEndDragEvent OnEndDock;

protected:
  // OnClick, or the action (see TActionLink::Click).
  virtual void Click();
  // Takes on what Sender (the action) shows: the caption and the enabled state. With
  // CheckDefaults (the action is being read with the form) only where the control still
  // has its default. Controls that show more (a check mark, an image) add theirs.
  virtual void ActionChange(TObject* Sender, bool CheckDefaults);
  virtual void DblClick();
  virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void MouseMove(TShiftState Shift, int X, int Y);
  virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
  // OnMouseWheel, then OnMouseWheelUp or Down; true when a handler handled it.
  virtual bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos);
  // What a menu opened from the keyboard keeps in sight, in client coordinates: empty
  // here (the menu goes to the middle).
  virtual TRect KeyboardMenuAnchor() { return {}; }
  virtual void Resize();
  // A drag of this control starts (OnStartDrag) and ends (OnEndDrag).
  virtual void DoStartDrag(TDragObject*& DragObject);
  virtual void DoEndDrag(TObject* Target, int X, int Y);
  virtual void SetZOrder(bool TopMost);
  // Runs after the fields took new bounds: anchors, the parent's alignment, Resize.
  virtual void BoundsChanged(bool SizeChanged);
  void BeforeDestruction() override;
  // Freed while code runs for it: it hides at once and nothing routes the mouse or a drag
  // to it or to what lies in it any more.
  void FreeDeferred() override;
  // Nothing routes the mouse or a drag to this control or to what lies in it any more:
  // it is not the control under the pointer, nor holds the capture, nor drags.
  virtual void ForgetInput();

  // Stores bounds without any window work (TWinControl::UpdateBounds uses it).
  void StoreBounds(int ALeft, int ATop, int AWidth, int AHeight);
  // Remembers the current bounds and parent size for later anchoring.
  void UpdateAnchorRules();
  // Asks the parent to lay its children out again when this control is aligned.
  void RequestAlign();
  void InvalidateArea();  // this control's rectangle on the parent

private:
  friend class TWinControl;
  friend class TDragSession;
  // Tells the form's active control that a button goes down on this control.
  void SendCancelMode();
  void HandleMouseDown(TMessage& Message, TMouseButton Button, TShiftState Extra);
  void HandleLeftDoubleClick(TMessage& Message);
  void HandleMouseUp(TMessage& Message, TMouseButton Button);
  void HandleMouseWheel(TMessage& Message);
  // OnContextPopup, then PopupMenu at the message's screen point, or at KeyboardMenuPoint
  // for the keyboard's (-1, -1); without either the default handling goes on.
  void HandleContextMenu(TMessage& Message);
  void ParentFontChanged();
  void ParentColorChanged();
  void ParentShowHintChanged();
  void ParentBiDiModeChanged();
  void FontChanged(TObject* Sender);
  void ConstraintsChanged(TObject* Sender);
  void LeaveParent();

  TWinControl* FParent = nullptr;
  int FLeft = 0;
  int FTop = 0;
  int FWidth = 0;
  int FHeight = 0;
  TAlign FAlign = alNone;
  TAnchors FAnchors = DefaultAnchors;
  TAnchorRules FAnchorRules;
  bool FAnchorRulesValid = false;
  TSizeConstraints FConstraints;
  bool FVisible = true;
  bool FEnabled = true;
  std::string FText;
  TFont FFont;
  bool FParentFont = true;
  bool FTakingParentFont = false;
  TColor FColor = clWindow;
  bool FParentColor = true;
  TCursor FCursor = crDefault;
  std::string FHint;
  TPopupMenu* FPopupMenu = nullptr;
  TActionLink FActionLink{Event(this, &TControl::ActionChange)};
  bool FShowHint = false;
  bool FParentShowHint = true;
  TBiDiMode FBiDiMode = bdLeftToRight;
  bool FParentBiDiMode = true;
  TControlStyle FControlStyle{csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
  TControlState FControlState;
  TDragMode FDragMode = dmManual;
  TDragKind FDragKind = dkDrag;
  TCursor FDragCursor = crDrag;
};

// The form the control sits on (the top of its parent chain), or nullptr. A control freed
// and waiting to go sits on none: nothing it still does reaches a form (the focus, a
// modal result, its keys, a menu of the form's frame).
TCustomForm* GetParentForm(TControl* Control);
// The form at the top of the control's parent chain, freed or not, or nullptr.
TCustomForm* FormHolding(TControl* Control);
