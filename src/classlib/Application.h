#pragma once
// TApplication: the hidden application window that owns the forms and the taskbar
// button, the message loop, and the handler that reports what escapes an event handler.

#include "Icon.h"
#include "Messages.h"

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

  // Shows the main form and runs the message loop until Terminate.
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
  void Minimize();
  void Restore();

  // Reports the exception being handled (call from a catch block) through
  // ExceptionPresenter; the program goes on.
  void HandleException(TObject* Sender);
  // How an error is shown: by default a message box with the application's title.
  TExceptionPresenter ExceptionPresenter;

  // Sees every queued message first, in every loop; Handled = true consumes it.
  TMessageEvent OnMessage;

  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  void FormCreated(TCustomForm* Form);
  bool ProcessMessage(MSG& Msg);
  void Idle();
  void WndProc(TMessage& Message);
  void IconChanged(TObject* Sender);
  friend LRESULT CALLBACK ApplicationWindowProc(HWND, UINT, WPARAM, LPARAM);

  HWND FHandle = nullptr;
  TCustomForm* FMainForm = nullptr;
  bool FTerminated = false;
  std::string FTitle;
  TIcon FIcon;
};

extern TApplication* Application;
