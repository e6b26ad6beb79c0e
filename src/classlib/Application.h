#pragma once
// TApplication: the hidden application window that owns the forms and the taskbar
// button, the message loop (with the keyboard's way to the controls), the handler that
// reports what escapes an event handler, and the hints.

#include "HintController.h"
#include "Icon.h"
#include "Keyboard.h"
#include "Messages.h"
#include "MinimizedForms.h"

#include "base/Component.h"

#include <string>

class TCustomForm;

class TApplication : public TComponent {
public:
  using TMessageEvent = TDelegate<void(MSG& Msg, bool& Handled)>;
  using TExceptionPresenter = TDelegate<void(const std::string& Title, const std::string& Message)>;

  explicit TApplication(TComponent* AOwner);
  ~TApplication() override;

  // Creates the application window and loads the program icon ("MAINICON").
  void Initialize();
  // The hidden application window, made on first use.
  HWND Handle();
  bool HandleAllocated() const { return FHandle != nullptr; }

  // Creates a form owned by the application; the first one becomes MainForm. OnCreate
  // fires once the form exists (unless its own loading fired it already).
  template <class TFormClass>
  void CreateForm(TFormClass*& Reference) {
    TFormClass* form = new TFormClass(this);
    Reference = form;
    FormCreated(form);
  }
  TCustomForm* MainForm() const { return FMainForm; }

  // Shows the main form and runs the message loop until Terminate, then frees the forms
  // the application owns: they go while everything they use still lives, never with the
  // process-wide objects at exit.
  void Run();
  // Ends the loops: posts the quit message.
  void Terminate() { PostQuitMessage(0); }
  bool Terminated() const { return FTerminated; }
  // Handles every queued message, then returns.
  void ProcessMessages();
  // Handles one queued message, or waits for the next when there is none.
  void HandleMessage();
  bool ShowMainForm = true;

  const std::string& Title() const { return FTitle; }
  void SetTitle(const std::string& Value);
  TIcon* Icon() { return &FIcon; }
  // Minimizes the application window; the forms on the screen leave it with the window.
  void Minimize();
  // Brings the program back to the user: the application window leaves its minimized
  // state, its forms come back where and as they were, and the form the user works in
  // (the modal form up, else the main form) takes the keyboard.
  void Restore();

  // Reports the exception being handled (call from a catch block) through
  // ExceptionPresenter; the program goes on.
  void HandleException(TObject* Sender);
  // How an error is shown: by default a message box with the application's title.
  TExceptionPresenter ExceptionPresenter;

  // Sees every queued message first, in every loop; Handled = true consumes it.
  TMessageEvent OnMessage;

  // Offered every key that no form took as a shortcut.
  TShortCutEvent OnShortCut;
  bool IsShortCut(TWMKey& Message);

  // Hints: the hint of the control the pointer rests on shows after HintPause
  // milliseconds (HintShortPause when another hint was showing) in a window of
  // HintWindowClass, made when first needed, and goes after HintHidePause. OnShowHint
  // may change or refuse each hint first.
  bool ShowHint() const { return FShowHint; }
  // Off hides and frees the hint window; on again makes one of the current class.
  void SetShowHint(bool Value);
  int HintPause() const { return FHintPause; }
  void SetHintPause(int Value) { FHintPause = Value; }
  int HintShortPause() const { return FHintShortPause; }
  void SetHintShortPause(int Value) { FHintShortPause = Value; }
  int HintHidePause() const { return FHintHidePause; }
  void SetHintHidePause(int Value) { FHintHidePause = Value; }
  THintWindowClass HintWindowClass = NewHintWindow<THintWindow>;
  TShowHintEvent OnShowHint;
  void CancelHint() { FHints.Cancel(); }
  // Called by the library's windows after each mouse move over them and when the
  // pointer leaves them.
  void HintMouseMessage() { FHints.PointerMoved(); }
  // The window timer on Handle() that times the hints.
  static constexpr UINT_PTR HintTimerId = 1;

  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  void FormCreated(TCustomForm* Form);
  bool ProcessMessage(MSG& Msg);
  // Hands a key message to the focused control's object first (CN_KEYDOWN, ...); true
  // when it consumed the key.
  bool IsKeyMsg(const MSG& Msg);
  bool IsMDIMsg(MSG& Msg);
  void Idle();
  void WndProc(TMessage& Message);
  // Activates the form FormToActivate chooses; false when no form can take the keyboard.
  bool ActivateUserForm();
  // The session ends: the system ends the process once WM_ENDSESSION is answered.
  void EndSession();
  void IconChanged(TObject* Sender);
  friend LRESULT CALLBACK ApplicationWindowProc(HWND, UINT, WPARAM, LPARAM);

  HWND FHandle = nullptr;
  TCustomForm* FMainForm = nullptr;
  // The forms are taken off the screen and brought back as the application window goes
  // into its minimized state and out of it, whoever did that: Minimize and Restore, the
  // window's own buttons and menu, or a second start of the program (ShowWindow from
  // another process).
  TMinimizedForms FMinimizedForms;
  bool FTerminated = false;
  std::string FTitle;
  TIcon FIcon;
  bool FShowHint = true;
  int FHintPause = 500;
  int FHintShortPause = 50;
  int FHintHidePause = 2500;
  THintController FHints{*this};
};

extern TApplication* Application;
