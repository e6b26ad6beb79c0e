#include "Application.h"

#include "CustomControls.h"
#include "Form.h"
#include "Screen.h"
#include "WindowClasses.h"

#include "portable/FormActivation.h"

#include "base/DispatchScope.h"
#include "base/Exceptions.h"
#include "base/FileUtils.h"

#include <vector>

namespace {

const char kApplicationClass[] = "TApplication";

// Messages after which a hint has no business staying: keys, buttons and the wheel.
bool EndsHint(UINT msg) {
  switch (msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
    case WM_MOUSEWHEEL: return true;
    default: return false;
  }
}

void ShowErrorBox(const std::string& title, const std::string& message) {
  MessageBoxA(GetActiveWindow(), message.c_str(), title.c_str(), MB_OK | MB_ICONSTOP | MB_TASKMODAL);
}

}  // namespace

// The process-wide objects. They live until the program ends; the application goes
// first (its forms are gone by then: Run frees them), then the screen.
TScreen* Screen = new TScreen(nullptr);
TApplication* Application = new TApplication(nullptr);

namespace {

struct TGlobalObjectsTeardown {
  ~TGlobalObjectsTeardown() {
    FreeAndNil(Application);
    FreeAndNil(Screen);
  }
} gTeardown;

}  // namespace

LRESULT CALLBACK ApplicationWindowProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (Application == nullptr || Application->FHandle != Window)
    return DefWindowProcA(Window, Msg, WParam, LParam);
  TMessage message{Msg, WParam, LParam, 0};
  const TDispatchScope dispatching;
  try {
    Application->WndProc(message);
  } catch (...) {
    Application->HandleException(Application);
  }
  return message.Result;
}

TApplication::TApplication(TComponent* AOwner) : TComponent(AOwner) {
  ExceptionPresenter = ShowErrorBox;
  FTitle = ChangeFileExt(ExtractFileName(ProgramFileName()), "");
  FIcon.OnChange = Event(this, &TApplication::IconChanged);
  DeferredFrees::SetErrorReporter([] {
    if (Application != nullptr) Application->HandleException(nullptr);
  });
}

TApplication::~TApplication() {
  DestroyComponents();  // the forms, while their owner window still exists
  if (FHandle != nullptr) DestroyWindow(FHandle);
}

void TApplication::Initialize() {
  Handle();
  if (FIcon.Empty()) FIcon.LoadFromResourceName(GetModuleHandleA(nullptr), "MAINICON");
}

HWND TApplication::Handle() {
  if (FHandle != nullptr) return FHandle;
  static const bool registered = [] {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = ApplicationWindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = SharedSystemCursor(IDC_ARROW);
    windowClass.lpszClassName = kApplicationClass;
    return RegisterClassA(&windowClass) != 0;
  }();
  if (!registered) RaiseLastOSError();
  // A zero-sized window with a caption: it carries the taskbar button and owns the forms.
  HWND window = CreateWindowExA(0, kApplicationClass, FTitle.c_str(),
                                WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                                GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2,
                                0, 0, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  if (window == nullptr) RaiseLastOSError();
  FHandle = window;
  if (!FIcon.Empty()) IconChanged(&FIcon);
  return FHandle;
}

void TApplication::SetTitle(const std::string& Value) {
  FTitle = Value;
  if (FHandle != nullptr) SetWindowTextA(FHandle, Value.c_str());
}

void TApplication::IconChanged(TObject*) {
  if (FHandle != nullptr)
    SendMessageA(FHandle, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(FIcon.Handle()));
}

void TApplication::FormCreated(TCustomForm* Form) {
  if (FMainForm == nullptr) FMainForm = Form;
  Form->AfterConstruction();
}

void TApplication::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FMainForm) FMainForm = nullptr;
  FHints.ComponentRemoved(AComponent);
}

// Message loop

bool TApplication::ProcessMessage(MSG& Msg) {
  if (!PeekMessageA(&Msg, nullptr, 0, 0, PM_REMOVE)) return false;
  if (Msg.message == WM_QUIT) {
    FTerminated = true;
    return true;
  }
  // Inside a handler (a modal form's loop, ProcessMessages), what this message frees
  // goes once it is handled.
  const TLoopTurn turn;
  bool handled = false;
  if (OnMessage) {
    const TDispatchScope dispatching;
    try {
      TMessageEvent handler = OnMessage;  // the handler may swap OnMessage
      handler(Msg, handled);
    } catch (...) {
      HandleException(this);
      handled = true;
    }
  }
  if (handled) return true;
  if (EndsHint(Msg.message)) CancelHint();
  if (!IsKeyMsg(Msg) && !IsMDIMsg(Msg)) {
    TranslateMessage(&Msg);
    DispatchMessageA(&Msg);
  }
  return true;
}

bool TApplication::IsKeyMsg(const MSG& Msg) {
  if (Msg.message < WM_KEYFIRST || Msg.message > WM_KEYLAST) return false;
  TWinControl* control = FindOwningControl(Msg.hwnd);
  if (control == nullptr) return false;
  return SendMessageA(control->Handle(), CN_BASE + Msg.message, Msg.wParam, Msg.lParam) != 0;
}

bool TApplication::IsMDIMsg(MSG& Msg) {
  // Ctrl+F4, Ctrl+F6 and the like reach the active MDI child as system commands.
  if ((Msg.message != WM_KEYDOWN && Msg.message != WM_SYSKEYDOWN) || FMainForm == nullptr ||
      FMainForm->FormStyle() != fsMDIForm || FMainForm->ActiveMDIChild() == nullptr)
    return false;
  return TranslateMDISysAccel(FMainForm->ClientHandle(), &Msg) != FALSE;
}

bool TApplication::IsShortCut(TWMKey& Message) { return OfferShortCut(OnShortCut, Message); }

void TApplication::SetShowHint(bool Value) {
  if (Value == FShowHint) return;
  FShowHint = Value;
  if (!Value) FHints.ReleaseWindow();
}

void TApplication::Idle() {
  FreeDeviceContexts();
  WaitMessage();
}

void TApplication::HandleMessage() {
  MSG msg;
  if (!ProcessMessage(msg)) Idle();
}

void TApplication::ProcessMessages() {
  MSG msg;
  while (ProcessMessage(msg)) {
  }
}

void TApplication::Run() {
  if (FMainForm != nullptr && ShowMainForm) {
    try {
      FMainForm->Show();
    } catch (...) {
      HandleException(this);
    }
  }
  while (!FTerminated) HandleMessage();
  DestroyComponents();
}

void TApplication::EndSession() {
  Terminate();
  // A form in its modal loop is freed by whoever runs that loop, which cannot end before
  // this message is answered: then the forms stay to the system.
  for (int i = 0; i < Screen->FormCount(); ++i)
    if (Screen->Forms(i)->Modal()) return;
  DestroyComponents();
}

// Errors

void TApplication::HandleException(TObject*) {
  std::string message;
  try {
    throw;
  } catch (const Exception& e) {
    message = e.Message();
  } catch (const std::exception& e) {
    message = e.what();
  } catch (...) {
    message = "Unknown error";
  }
  try {
    TExceptionPresenter presenter = ExceptionPresenter;
    if (presenter) presenter(FTitle, message);
  } catch (...) {
    // Nothing more can be reported; the program goes on.
  }
}

// The application window

void TApplication::Minimize() {
  if (!IsIconic(Handle())) ShowWindow(FHandle, SW_MINIMIZE);
}

void TApplication::Restore() {
  if (IsIconic(Handle())) ShowWindow(FHandle, SW_RESTORE);
  ActivateUserForm();
}

bool TApplication::ActivateUserForm() {
  std::vector<TCustomForm*> forms;
  std::vector<TFormActivationFacts> facts;
  for (int i = 0; i < Screen->FormCount(); ++i) {
    TCustomForm* form = Screen->Forms(i);
    // MDI children come with their main form.
    if (form->FormStyle() == fsMDIChild || !form->HandleAllocated()) continue;
    HWND window = form->Handle();
    forms.push_back(form);
    facts.push_back({IsWindowVisible(window) != FALSE, IsWindowEnabled(window) != FALSE,
                     form == Screen->ActiveForm(), form == FMainForm});
  }
  const std::optional<size_t> chosen = FormToActivate(facts);
  if (!chosen) return false;
  SetActiveWindow(forms[*chosen]->Handle());
  return true;
}

void TApplication::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_TIMER:
      if (Message.WParam == HintTimerId) {
        FHints.TimerExpired();
        return;
      }
      break;
    case WM_CLOSE:
      if (FMainForm != nullptr) FMainForm->Close();
      return;
    case WM_SYSCOMMAND:
      // The low four bits of a system command are the system's own.
      switch (Message.WParam & 0xFFF0) {
        case SC_MINIMIZE: Minimize(); return;
        case SC_RESTORE: Restore(); return;
        default: break;
      }
      break;
    case WM_NCLBUTTONDOWN:
      // A click on the minimized window's caption (Wine shows it as a bar at the bottom of
      // the screen) brings the program back, as a taskbar button does; the system would
      // only open the window's menu.
      if (IsIconic(FHandle) && (Message.WParam == HTCAPTION || Message.WParam == HTSYSMENU)) {
        Restore();
        return;
      }
      break;
    case WM_SIZE:
      if (Message.WParam == SIZE_MINIMIZED) {
        FMinimizedForms.Hide(FHandle);
      } else if (!FMinimizedForms.Empty()) {
        FMinimizedForms.ShowAgain();
        ActivateUserForm();
      }
      break;
    case WM_ACTIVATE:
      // Activated from outside (the taskbar, a second start): the form the user works in
      // takes over, a modal form before the main form it holds back.
      if (LOWORD(Message.WParam) != WA_INACTIVE && ActivateUserForm()) return;
      break;
    case WM_QUERYENDSESSION:
      Message.Result = FMainForm == nullptr || FMainForm->CloseQuery();
      return;
    case WM_ENDSESSION:
      if (Message.WParam != 0) EndSession();
      return;
    default: break;
  }
  Message.Result = DefWindowProcA(FHandle, Message.Msg, Message.WParam, Message.LParam);
}
