// MDI forms: an MDI form's client window ("MDICLIENT") and default procedure, the
// children that live in it, and their activation.
#include "Form.h"

#include "Application.h"
#include "Menus.h"
#include "WindowClasses.h"

#include "base/Exceptions.h"

namespace {

// The ids the MDI client gives its children: clear of the library's child-window ids.
constexpr UINT kFirstMDIChildId = 0xFF00;

TCustomForm* MDIFormOfApplication() {
  TCustomForm* form = Application->MainForm();
  if (form == nullptr || form->FormStyle() != fsMDIForm) throw EInvalidOperation("No MDI forms are currently active");
  form->HandleNeeded();
  return form;
}

}  // namespace

void TCustomForm::CreateMDIParams(TCreateParams& Params) {
  if (FFormStyle != fsMDIChild) return;
  // The system's own MDI window procedure does maximizing, activation and the keys.
  Params.Style = (Params.Style & ~WS_POPUP) | WS_CHILD | WS_CLIPSIBLINGS;
  Params.ExStyle |= WS_EX_MDICHILD;
  Params.WndParent = MDIFormOfApplication()->ClientHandle();
  Params.WindowClass.lpfnWndProc = DefMDIChildProcA;
}

void TCustomForm::CreateMDIClient() {
  CLIENTCREATESTRUCT create{nullptr, kFirstMDIChildId};
  // All child styles: a child keeps the frame its own style gives it.
  FClientHandle = CreateWindowExA(0, "MDICLIENT", nullptr,
                                  WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_VISIBLE | WS_HSCROLL |
                                      WS_VSCROLL | MDIS_ALLCHILDSTYLES,
                                  0, 0, 0, 0, Handle(), nullptr, GetModuleHandleA(nullptr), &create);
  if (FClientHandle == nullptr) RaiseLastOSError();
  Realign();
}

void TCustomForm::DestroyWnd() {
  TWinControl::DestroyWnd();
  FClientHandle = nullptr;  // went with its parent
}

void TCustomForm::DestroyWindowHandle(HWND Window) {
  // The MDI client forgets a child only when told to destroy it.
  HWND client = GetParent(Window);
  if (FFormStyle == fsMDIChild && client != nullptr)
    SendMessageA(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(Window), 0);
  else
    TWinControl::DestroyWindowHandle(Window);
}

void TCustomForm::AlignControls(TControl* AControl, TRect& Rect) {
  TWinControl::AlignControls(AControl, Rect);
  if (FClientHandle == nullptr || AlignDisabled()) return;
  SetWindowPos(FClientHandle, nullptr, Rect.Left, Rect.Top, Rect.Width(), Rect.Height(),
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void TCustomForm::DefaultHandler(TMessage& Message) {
  // The frame procedure would give the MDI client the whole client area on WM_SIZE; the
  // form's alignment places it instead.
  if (FClientHandle != nullptr && HandleAllocated() && Message.Msg != WM_SIZE) {
    Message.Result = DefFrameProcA(Handle(), FClientHandle, Message.Msg, Message.WParam, Message.LParam);
    return;
  }
  TWinControl::DefaultHandler(Message);
}

void TCustomForm::HandleMDIActivate(TMessage& Message) {
  DefaultHandler(Message);
  FActive = HandleAllocated() && reinterpret_cast<HWND>(Message.LParam) == Handle();
  if (FActive && IsWindowVisible(Handle())) SetWindowFocus();
}

void TCustomForm::ActivateMDIChild() {
  if (HandleAllocated() && GetParent(Handle()) != nullptr)
    SendMessageA(GetParent(Handle()), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(Handle()), 0);
}

std::vector<TCustomForm*> TCustomForm::MDIChildList() {
  std::vector<TCustomForm*> children;
  if (FClientHandle == nullptr) return children;
  for (HWND w = GetWindow(FClientHandle, GW_CHILD); w != nullptr; w = GetWindow(w, GW_HWNDNEXT))
    if (auto* form = dynamic_cast<TCustomForm*>(FindControl(w)); form != nullptr && form->FormStyle() == fsMDIChild)
      children.push_back(form);
  return children;
}

int TCustomForm::MDIChildCount() { return static_cast<int>(MDIChildList().size()); }

TCustomForm* TCustomForm::MDIChildren(int Index) {
  const std::vector<TCustomForm*> children = MDIChildList();
  CheckListIndex(Index, static_cast<int>(children.size()));
  return children[static_cast<size_t>(Index)];
}

TCustomForm* TCustomForm::ActiveMDIChild() {
  if (FClientHandle == nullptr) return nullptr;
  auto* form = dynamic_cast<TCustomForm*>(FindControl(reinterpret_cast<HWND>(SendMessageA(FClientHandle, WM_MDIGETACTIVE, 0, 0))));
  return form != nullptr && form->FormStyle() == fsMDIChild ? form : nullptr;
}

void TCustomForm::SetWindowMenu(TMenuItem* Value) { SetReference(FWindowMenu, Value); }

void TCustomForm::Next() {
  if (FClientHandle != nullptr) SendMessageA(FClientHandle, WM_MDINEXT, 0, 0);
}

void TCustomForm::Previous() {
  if (FClientHandle != nullptr) SendMessageA(FClientHandle, WM_MDINEXT, 0, 1);
}
