#pragma once
// TCustomForm and TForm: top-level windows owned by the application window, shown
// modelessly or modally, closed through OnCloseQuery and OnClose. A form keeps the focus
// of its controls (ActiveControl, restored when it is activated) and handles the dialog
// keys: Tab and the arrows move the focus, other keys go to its controls (Enter and
// Escape to the default and cancel buttons).

#include "CustomControls.h"
#include "Icon.h"

#include "portable/FormGeometry.h"

#include <optional>
#include <vector>

class TMainMenu;
class TMenuItem;

enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum TWindowState { wsNormal, wsMinimized, wsMaximized };
enum TCloseAction { caNone, caHide, caFree, caMinimize };

using TModalResult = int;
inline constexpr TModalResult mrNone = 0;
inline constexpr TModalResult mrOk = IDOK;
inline constexpr TModalResult mrCancel = IDCANCEL;
inline constexpr TModalResult mrAbort = IDABORT;
inline constexpr TModalResult mrRetry = IDRETRY;
inline constexpr TModalResult mrIgnore = IDIGNORE;
inline constexpr TModalResult mrYes = IDYES;
inline constexpr TModalResult mrNo = IDNO;
inline constexpr TModalResult mrAll = mrNo + 1;
inline constexpr TModalResult mrNoToAll = mrAll + 1;
inline constexpr TModalResult mrYesToAll = mrNoToAll + 1;

using TCloseEvent = TDelegate<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = TDelegate<void(TObject* Sender, bool& CanClose)>;

class TCustomForm : public TWinControl {
public:
  explicit TCustomForm(TComponent* AOwner);
  ~TCustomForm() override;

  // Fires OnCreate, once: the form reader calls it after Loaded, the application after
  // CreateForm, code that builds a form itself after its constructor. A form made
  // visible by its form resource shows after OnCreate.
  void AfterConstruction();

  TFormBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TFormBorderStyle Value);  // changes a live window's style at once
  TBorderIcons BorderIcons() const { return FBorderIcons; }
  void SetBorderIcons(TBorderIcons Value);  // changes a live window's style at once
  TFormStyle FormStyle() const { return FFormStyle; }
  // The MDI styles are taken only while the form has no window (EInvalidOperation).
  void SetFormStyle(TFormStyle Value);
  TWindowState WindowState() const { return FWindowState; }
  void SetWindowState(TWindowState Value);
  TPosition Position() const { return FPosition; }
  void SetPosition(TPosition Value) { FPosition = Value; }
  TIcon* Icon() { return &FIcon; }
  TCanvas* Canvas() { return &FCanvas; }
  // The form's main menu: an object only (the skinned menu bar shows it); its items'
  // shortcuts work anywhere on the form.
  TMainMenu* Menu() const { return FMenu; }
  void SetMenu(TMainMenu* Value);
  bool Active() const { return FActive; }

  void Show();
  // Close runs OnCloseQuery and OnClose; a modal form gets mrCancel instead.
  void Close();
  bool CloseQuery();
  // Frees the form once the handler that calls it has returned; a modal form ends its
  // loop first (with mrCancel unless a result is set) and goes after ShowModal returns.
  void Release();

  // Shows the form with the other windows disabled and runs a message loop until
  // ModalResult is set (or the form closes); returns it.
  TModalResult ShowModal();
  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult Value) { FModalResult = Value; }
  bool Modal() const { return FModal; }

  // Focus. ActiveControl is the control that has (or, while the form is not active,
  // will get) the focus; setting it raises EInvalidOperation for a control of another
  // form or one that cannot take the focus (except while loading).
  TWinControl* ActiveControl() const { return FActiveControl; }
  void SetActiveControl(TWinControl* Control);
  // Makes Control the active control and gives it the focus when the form is on screen.
  void FocusControl(TWinControl* Control);
  // Called when Control's window got the focus: CM_EXIT goes to the controls the focus
  // left (innermost first), CM_ENTER to those it came into (outermost first), then
  // CM_FOCUSCHANGED through the form. False when a handler sent the focus on meanwhile.
  bool SetFocusedControl(TWinControl* Control);
  // Control is being disabled or hidden (the focus moves on to the next control), or
  // leaves the form (Removing: the form forgets it).
  void DefocusControl(TWinControl* Control, bool Removing);
  // While held (a window is made again), the window focus moving about is no change of
  // the form's focused control.
  void HoldFocusChanges(bool Hold) { FFocusChangesHeld += Hold ? 1 : -1; }
  void SetFocus() override;

  // Keys. With KeyPreview the form's key events see its controls' keys first.
  bool KeyPreview() const { return FKeyPreview; }
  void SetKeyPreview(bool Value) { FKeyPreview = Value; }
  // Whether the key is a shortcut of the form: OnShortCut handled it, or else it
  // clicked an item of Menu; an MDI child's key is offered to the main form last.
  virtual bool IsShortCut(TWMKey& Message);
  // Tells the active control that a button goes down on Sender (CM_CANCELMODE).
  void SendCancelMode(TControl* Sender);

  // MDI. An MDI form (fsMDIForm) keeps its children in the system's "MDICLIENT" window,
  // which takes the space its edge-aligned controls leave; an MDI child (fsMDIChild)
  // lives in the MDI client of the application's main form, which must be an MDI form.
  HWND ClientHandle() const { return FClientHandle; }
  // The MDI children, the active one first (their windows' z-order).
  int MDIChildCount();
  TCustomForm* MDIChildren(int Index);
  TCustomForm* ActiveMDIChild();
  // The menu whose items list the children: an object only, for the skinned frame.
  TMenuItem* WindowMenu() const { return FWindowMenu; }
  void SetWindowMenu(TMenuItem* Value);
  // Activates the next (previous) MDI child.
  void Next();
  void Previous();

  TRect ClientRect() override;
  void Dispatch(TMessage& Message) override;
  void DefaultHandler(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

  TNotifyEvent OnCreate;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TNotifyEvent OnDestroy;
  TCloseEvent OnClose;
  TCloseQueryEvent OnCloseQuery;
  TShortCutEvent OnShortCut;

protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void DestroyWindowHandle(HWND Window) override;
  void AlignControls(TControl* AControl, TRect& Rect) override;
  void UpdateShowing() override;
  void PaintWindow(HDC DC) override;
  // Draws the form's client area on Canvas; empty by default.
  virtual void Paint() {}
  virtual void DoShow();
  virtual void DoHide();
  virtual void DoClose(TCloseAction& Action);
  void BeforeDestruction() override;
  // A modal form freed in its loop ends the loop (with mrCancel unless a result is set).
  void FreeDeferred() override;

private:
  void ApplyPlacement();
  void ApplyFrameStyle();
  // The width and height the frame of style takes from a window: asked of the system once
  // per style, since a form without a window asks for its client size many times while
  // it is read.
  TSize FrameSize(const TWindowStyle& style);
  void CloseModal();
  void HandleGetMinMaxInfo(TMessage& Message);
  void HandleSize(TMessage& Message);
  void HandleRelease();
  void HandleActivate(TMessage& Message);
  void HandleDialogKey(TMessage& Message);
  // Puts the window focus on the active control, or on the form without one.
  void SetWindowFocus();
  void IconChanged(TObject* Sender);
  // MDI (FormMDI.cpp).
  void CreateMDIParams(TCreateParams& Params);
  void CreateMDIClient();
  void HandleMDIActivate(TMessage& Message);
  void ActivateMDIChild();
  std::vector<TCustomForm*> MDIChildList();
  void DoDestroy();

  TFormBorderStyle FBorderStyle = bsSizeable;
  TBorderIcons FBorderIcons{biSystemMenu, biMinimize, biMaximize};
  TFormStyle FFormStyle = fsNormal;
  TWindowState FWindowState = wsNormal;
  TPosition FPosition = poDesigned;
  TModalResult FModalResult = mrNone;
  bool FModal = false;
  bool FActive = false;
  bool FCreated = false;
  bool FDestroyFired = false;
  bool FPlaced = false;
  bool FReleaseAfterModal = false;
  bool FShowingDeferred = false;  // made visible while loading
  bool FKeyPreview = false;
  TMainMenu* FMenu = nullptr;
  HWND FClientHandle = nullptr;
  TMenuItem* FWindowMenu = nullptr;
  TWinControl* FActiveControl = nullptr;
  TWinControl* FFocusedControl = nullptr;
  int FFocusChangesHeld = 0;
  TIcon FIcon;
  TControlCanvas FCanvas;
  struct TFrameSizeCache {
    TWindowStyle Style;
    TSize Size;
  };
  std::optional<TFrameSizeCache> FFrameSize;
};

class TForm : public TCustomForm {
public:
  using TCustomForm::TCustomForm;
};
