#pragma once
// TWinControl: a control with its own window, made on demand, and children. It lays its
// children out (Align, Anchors), paints its windowless children into its own DC and
// routes mouse messages to them. It takes the keyboard focus in its parent's tab order,
// and hands the notifications its native children send back to their objects (CN_*).
//
// Keys: the application's loop first sends CN_KEYDOWN (CN_SYSKEYDOWN, CN_CHAR, ...) to
// the focused control, which offers the key as a shortcut (to the popup menus of the
// control and its parents, then to its form and the application) and as a dialog key to
// its form (a non-zero result consumes the message); keys that go on are translated and
// dispatched, reaching KeyDown, KeyPress and KeyUp (setting the key to 0 consumes it).

#include "Control.h"
#include "Keyboard.h"

#include <string>
#include <vector>

// What CreateWindowExA gets; descendants adjust it in CreateParams.
struct TCreateParams {
  std::string Caption;
  DWORD Style = 0;
  DWORD ExStyle = 0;
  int X = 0;
  int Y = 0;
  int Width = 0;
  int Height = 0;
  HWND WndParent = nullptr;
  // style, extra bytes, cursor and the procedure unhandled messages go to.
  WNDCLASSA WindowClass{};
  std::string WinClassName;
};

using TKeyEvent = TDelegate<void(TObject* Sender, uint16_t& Key, TShiftState Shift)>;
using TKeyPressEvent = TDelegate<void(TObject* Sender, char& Key)>;
// The events of a dock site. Docking is not built: they are kept and never fired.
using TDockDropEvent = TDelegate<void(TObject* Sender, TDragDockObject* Source, int X, int Y)>;
using TDockOverEvent =
    TDelegate<void(TObject* Sender, TDragDockObject* Source, int X, int Y, TDragState State, bool& Accept)>;
using TGetSiteInfoEvent = TDelegate<void(TObject* Sender, TControl* DockClient, TRect& InfluenceRect,
                                         TPoint MousePos, bool& CanDock)>;
using TUnDockEvent = TDelegate<void(TObject* Sender, TControl* Client, TWinControl* NewTarget, bool& Allow)>;

class TWinControl : public TControl {
public:
  explicit TWinControl(TComponent* AOwner);
  ~TWinControl() override;

  // The window, created (with its parent's and its children's) on first use.
  HWND Handle();
  bool HandleAllocated() const { return FHandle != nullptr; }
  // Its window is on screen: made, and visible with every window it lies in.
  bool Showing() const { return FHandle != nullptr && IsWindowVisible(FHandle); }
  // True while the control handles WM_PAINT.
  bool InPaint() const { return FInPaint; }
  void HandleNeeded() { Handle(); }
  // Destroys and creates the window again; the text and the focus survive, and
  // descendants keep what their DestroyWnd saves.
  void RecreateWnd();
  // The window procedure's entry: WindowProc, with exceptions reported to the
  // application instead of crossing the system's frames.
  void MainWndProc(TMessage& Message);

  // Children: windowless ones first, then windowed ones, each group in z-order.
  int ControlCount() const { return static_cast<int>(FControls.size() + FWinControls.size()); }
  TControl* Controls(int Index) const;
  // The topmost visible child at P (client coordinates), or nullptr.
  TControl* ControlAtPos(TPoint P, bool AllowDisabled, bool AllowWinControls = false);
  // Sends Message to each child in turn until one gives a non-zero result.
  void Broadcast(TMessage& Message);
  void NotifyControls(UINT Msg);
  bool ContainsControl(TControl* Control) const;

  void DisableAlign() { ++FAlignLevel; }
  void EnableAlign();
  void Realign();
  bool AlignDisabled() const { return FAlignLevel > 0; }
  bool Aligning() const { return FAligning > 0; }

  // A border drawn as a sunken 3-D edge (True) or as a flat line, for the controls that
  // draw one; ParentCtl3D takes the parent's and follows it until Ctl3D is set. A change
  // makes the window again.
  bool Ctl3D() const { return FCtl3D; }
  void SetCtl3D(bool Value);
  bool ParentCtl3D() const { return FParentCtl3D; }
  void SetParentCtl3D(bool Value);

  // Focus. Only a control whose form, parents and itself are visible and enabled can
  // take it; Tab visits the TabStop controls in TabOrder.
  bool TabStop() const { return FTabStop; }
  void SetTabStop(bool Value);
  // The place among the parent's windowed children (-1 without a parent). A value out of
  // range puts the control last. While loading, the value waits for the parent's Loaded.
  int TabOrder() const;
  void SetTabOrder(int Value);
  virtual bool CanFocus();
  bool Focused();
  // Makes this the focused control of its form: at once when the form is on screen (and
  // not disabled behind a modal form), else when it is activated. Raises
  // EInvalidOperation when the control cannot take the focus; a control freed and waiting
  // to go takes nothing.
  virtual void SetFocus();
  // The windowed descendants in tab order: each child followed by its own descendants.
  void GetTabOrderList(std::vector<TWinControl*>& List);
  // The next control after CurControl in tab order (wrapping) that can take the focus,
  // is a TabStop (when checked) and is a direct child (when checked); CurControl itself
  // when it is the only one; nullptr when none.
  TWinControl* FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop, bool CheckParent);
  // Focuses the next control: by TabStop among all descendants, or else among children.
  void SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop);
  void Loaded() override;

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  TRect ClientRect() override;
  TPoint ClientOrigin() override;
  void Invalidate() override;
  void Repaint() override;
  void Update() override;

  // Paints the client area (background, itself, windowless and windowed children) into
  // DC with the window's top-left corner at (X, Y); window borders are not painted.
  void PaintTo(HDC DC, int X, int Y);
  // Paints the window's own face into DC; the default lets a system window procedure do
  // it. Also what paints a parent's background behind a control drawn over it.
  virtual void PaintWindow(HDC DC);
  // Paints the visible windowless children from First (nullptr: all) upwards into DC.
  void PaintControls(HDC DC, TControl* First);

  // Docking settings, kept for form resources; docking is not built, so a dock site
  // takes no controls and its dock events never fire.
  bool DockSite() const { return FDockSite; }
  void SetDockSite(bool Value) { FDockSite = Value; }
  bool UseDockManager() const { return FUseDockManager; }
  void SetUseDockManager(bool Value) { FUseDockManager = Value; }

  // The brush that erases the background (the control's Color).
  TBrush* Brush() { return &FBrush; }

  void WndProc(TMessage& Message) override;
  void Dispatch(TMessage& Message) override;
  void DefaultHandler(TMessage& Message) override;

  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;
  TKeyEvent OnKeyDown;
  TKeyEvent OnKeyUp;
  TKeyPressEvent OnKeyPress;
  TDockDropEvent OnDockDrop;
  TDockOverEvent OnDockOver;
  TGetSiteInfoEvent OnGetSiteInfo;
  TUnDockEvent OnUnDock;

protected:
  // CM_ENTER and CM_EXIT: the focus came into or left this control or a descendant.
  virtual void DoEnter();
  virtual void DoExit();
  virtual void KeyDown(uint16_t& Key, TShiftState Shift);
  virtual void KeyUp(uint16_t& Key, TShiftState Shift);
  virtual void KeyPress(char& Key);
  // Stores Value and, when it differs, makes the window again: for what a window takes
  // only when it is created.
  template <class T>
  void SetRecreating(T& Field, const T& Value) {
    if (Field == Value) return;
    Field = Value;
    RecreateWnd();
  }
  // The form lets go of the focus inside this control: it moves on to the next control
  // (this one is being disabled or hidden), or it is forgotten (Removing: it goes).
  void RemoveFocus(bool Removing);

  virtual void CreateParams(TCreateParams& Params);
  // The border of Ctl3D: a sunken edge, or a flat line.
  void AddBorder(TCreateParams& Params) const;
  // Makes Params superclass a system class (such as "EDIT"): its style, extra bytes and
  // procedure (which unhandled messages then go to) are taken over.
  void CreateSubClass(TCreateParams& Params, const char* ClassName);
  virtual void CreateWindowHandle(const TCreateParams& Params);
  virtual void CreateWnd();
  virtual void DestroyWnd();
  // Destroys the window itself; a window some system window manages goes through it.
  virtual void DestroyWindowHandle(HWND Window) { DestroyWindow(Window); }
  void CreateHandle();
  void DestroyHandle();

  // Places the aligned and anchored children in Rect, leaving in it the space that the
  // edge-aligned children leave free.
  virtual void AlignControls(TControl* AControl, TRect& Rect);
  // Shrinks Rect to the part children are aligned in; the default leaves it.
  virtual void AdjustClientRect(TRect& Rect) { (void)Rect; }

  // WM_PAINT: excludes opaque windowless children, PaintWindow, then PaintControls.
  void PaintHandler(TMessage& Message);
  // After the system's first erase of the window, as it shows: paints it into that DC.
  void PaintInFirstErase(HDC DC);
  // Reads the window's real position and size into the bounds.
  void UpdateBounds();
  // Shows or hides the window as Visible says (creating it when needed).
  virtual void UpdateShowing();

  void SetZOrder(bool TopMost) override;
  void BoundsChanged(bool SizeChanged) override;
  void BeforeDestruction() override;
  // The form forgets it as the focused and active control, and its window hides (the
  // focus inside goes to the parent, as when a window is destroyed).
  void FreeDeferred() override;
  void ForgetInput() override;

private:
  friend class TControl;
  friend LRESULT CALLBACK ControlWindowProc(HWND, UINT, WPARAM, LPARAM);
  friend void UnbindControlWindow(HWND);
  void AttachWindow(HWND Window);
  void DetachWindow();
  void PlaceInZOrder();
  void InsertControl(TControl* Control);
  void RemoveControl(TControl* Control);
  void DestroyControls();
  bool RouteMouseToChild(TMessage& Message);
  bool ReflectToChild(TMessage& Message);
  // A right click over a windowless child goes to it first; true when its menu opened.
  bool RouteContextMenuToChild(TMessage& Message);
  void HandleKeyNotification(TMessage& Message);
  void HandleCharNotification(TMessage& Message);
  bool IsMenuKey(TWMKey& Key);
  using TKeyHandler = void (TWinControl::*)(uint16_t& Key, TShiftState Shift);
  // Offers a key message to the form first when it previews keys, then to Handler;
  // true when one of them consumed the key.
  bool DoKey(TMessage& Message, TKeyHandler Handler);
  bool DoKeyPress(TMessage& Message);
  void HandleSetFocus(TMessage& Message);
  void HandleControlColor(TMessage& Message);
  void ApplyRequestedTabOrder();
  void HandleSetCursor(TMessage& Message);
  void HandleEraseBackground(TMessage& Message);
  // A window whose client area is all of it has no frame to paint: the system's frame
  // painting would only fetch and free a window DC (costly where every DC is a server call).
  void HandleNonClientPaint(TMessage& Message);
  void HandleWindowPosChanged(TMessage& Message);
  void HandleMouseWheel(TMessage& Message);
  void ColorChanged(TMessage& Message);
  void FontChanged(TMessage& Message);
  void ParentCtl3DChanged();

  HWND FHandle = nullptr;
  WNDPROC FDefWndProc = nullptr;
  std::vector<TControl*> FControls;
  std::vector<TWinControl*> FWinControls;
  std::vector<TWinControl*> FTabList;
  bool FTabStop = false;
  bool FCtl3D = true;
  bool FParentCtl3D = true;
  int FRequestedTabOrder = -1;  // set while loading
  TBrush FBrush;
  int FAlignLevel = 0;
  int FAligning = 0;
  bool FDockSite = false;
  bool FUseDockManager = false;
  bool FFirstPaintPending = false;  // the window has not been painted since it was made
  bool FInPaint = false;
};
