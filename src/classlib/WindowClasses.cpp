#include "WindowClasses.h"

#include "Application.h"
#include "MouseTracker.h"

#include "base/DispatchScope.h"
#include "base/Exceptions.h"

#include <map>
#include <unordered_map>
#include <utility>

namespace {

// Set while CreateWindowExA runs: the window's first message binds it to this object.
TWinControl* gCreatingControl = nullptr;

// Each bound window's object, looked up on every message: kept in the process rather than
// in a window property, which would cost a call to the window system each time. (Process-
// wide lookups below are never freed: windows may still go while static objects are
// destroyed at exit.)
std::unordered_map<HWND, TWinControl*>& BoundWindows() {
  static auto* windows = new std::unordered_map<HWND, TWinControl*>;
  return *windows;
}

struct TClassKey {
  std::string Name;
  UINT Style;
  bool operator<(const TClassKey& other) const {
    return Name != other.Name ? Name < other.Name : Style < other.Style;
  }
};

struct TRegisteredClass {
  std::string RegisteredName;
};

std::map<TClassKey, TRegisteredClass>& RegisteredClasses() {
  static auto* classes = new std::map<TClassKey, TRegisteredClass>;
  return *classes;
}

bool IsClientMouseMessage(UINT msg) {
  return msg >= WM_MOUSEFIRST && msg <= WM_MBUTTONDBLCLK && msg != WM_MOUSEWHEEL;
}

const char kUtilityClass[] = "TVqUtilityWindow";

LRESULT CALLBACK UtilityWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* method = reinterpret_cast<TWndMethod*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (method == nullptr) return DefWindowProcA(window, msg, wParam, lParam);
  if (msg == WM_NCDESTROY) {  // gone without DeallocateHWnd: with its parent
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    delete method;
    return DefWindowProcA(window, msg, wParam, lParam);
  }
  // A copy: the method may deallocate the window (and the stored method) while it runs.
  TWndMethod handler = *method;
  TMessage message{msg, wParam, lParam, 0};
  const TDispatchScope dispatching;
  try {
    handler(message);
  } catch (...) {
    Application->HandleException(nullptr);
  }
  return message.Result;
}

}  // namespace

TWinControl* FindControl(HWND Window) {
  const auto& windows = BoundWindows();
  const auto found = windows.find(Window);
  return found != windows.end() ? found->second : nullptr;
}

TWinControl* FindOwningControl(HWND Window) {
  for (; Window != nullptr; Window = GetParent(Window))
    if (TWinControl* control = FindControl(Window)) return control;
  return nullptr;
}

void UnbindControlWindow(HWND Window) {
  if (TWinControl* control = FindControl(Window)) {
    BoundWindows().erase(Window);
    control->DetachWindow();
  }
}

std::string RegisterControlClass(const TCreateParams& Params) {
  auto& classes = RegisteredClasses();
  const TClassKey key{Params.WinClassName, Params.WindowClass.style};
  auto found = classes.find(key);
  if (found != classes.end()) return found->second.RegisteredName;

  std::string name = Params.WinClassName;
  for (const auto& entry : classes)
    if (entry.second.RegisteredName == name) {
      name.push_back('.');
      name.append(std::to_string(Params.WindowClass.style));
      break;
    }
  WNDCLASSA windowClass = Params.WindowClass;
  windowClass.lpfnWndProc = ControlWindowProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = name.c_str();
  windowClass.lpszMenuName = nullptr;
  if (!RegisterClassA(&windowClass)) RaiseLastOSError();
  classes.emplace(key, TRegisteredClass{name});
  return name;
}

HWND CreateControlWindow(TWinControl* Control, const TCreateParams& Params) {
  const std::string className = RegisterControlClass(Params);
  // Child windows get ids of their own: WM_MEASUREITEM names its sender by id alone. They
  // start clear of the dialog ids (IDOK, IDCANCEL, ...) that system code may look for.
  constexpr UINT_PTR kFirstChildId = 0x1000;
  static UINT_PTR nextChildId = kFirstChildId;
  HMENU id = nullptr;
  // An MDI child's id is its MDI client's to give.
  if ((Params.Style & WS_CHILD) != 0 && (Params.ExStyle & WS_EX_MDICHILD) == 0) {
    id = reinterpret_cast<HMENU>(nextChildId);
    nextChildId = nextChildId < 0x7FFFFFFF ? nextChildId + 1 : kFirstChildId;
  }
  gCreatingControl = Control;
  HWND window = CreateWindowExA(Params.ExStyle, className.c_str(), Params.Caption.c_str(), Params.Style,
                                Params.X, Params.Y, Params.Width, Params.Height, Params.WndParent,
                                id, GetModuleHandleA(nullptr), nullptr);
  gCreatingControl = nullptr;
  return window;
}

LRESULT CALLBACK ControlWindowProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
  TWinControl* control = FindControl(Window);
  if (control == nullptr) {
    if (gCreatingControl == nullptr) return DefWindowProcA(Window, Msg, WParam, LParam);
    control = gCreatingControl;
    gCreatingControl = nullptr;
    control->AttachWindow(Window);
    BoundWindows()[Window] = control;
  }
  TMessage message{Msg, WParam, LParam, 0};
  const TDispatchScope dispatching(control);
  if (control->FreePending()) {
    // Freed and waiting to go: the messages of its window only get what the system does.
    message.Result = CallWindowProcA(control->FDefWndProc, Window, Msg, WParam, LParam);
  } else {
    control->MainWndProc(message);
  }
  if (Msg == WM_NCDESTROY) {
    UnbindControlWindow(Window);
  } else if (IsClientMouseMessage(Msg) || Msg == WM_MOUSELEAVE) {
    // The object may be gone by now (freed by a click handler): look it up again.
    MouseTracking::MessageHandled(Window, Msg, LParam);
    if (Msg == WM_MOUSEMOVE || Msg == WM_MOUSELEAVE) Application->HintMouseMessage();
  }
  return message.Result;
}

HWND AllocateHWnd(TWndMethod Method, HWND Parent) {
  static const bool registered = [] {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = UtilityWindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kUtilityClass;
    return RegisterClassA(&windowClass) != 0;
  }();
  if (!registered) RaiseLastOSError();
  HWND window = Parent != nullptr ? CreateWindowExA(WS_EX_NOPARENTNOTIFY, kUtilityClass, "", WS_CHILD, 0, 0, 0, 0, Parent, nullptr,
                                                   GetModuleHandleA(nullptr), nullptr)
                                 : CreateWindowExA(WS_EX_TOOLWINDOW, kUtilityClass, "", WS_POPUP, 0, 0, 0, 0, nullptr,
                                                   nullptr, GetModuleHandleA(nullptr), nullptr);
  if (window == nullptr) RaiseLastOSError();
  SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new TWndMethod(std::move(Method))));
  return window;
}

void DeallocateHWnd(HWND Window) {
  if (Window == nullptr || !IsWindow(Window)) return;
  auto* method = reinterpret_cast<TWndMethod*>(GetWindowLongPtrA(Window, GWLP_USERDATA));
  SetWindowLongPtrA(Window, GWLP_USERDATA, 0);
  delete method;
  DestroyWindow(Window);
}
