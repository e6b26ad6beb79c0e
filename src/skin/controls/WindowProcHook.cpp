// The chain of window-procedure takeovers, mended when a link leaves from its middle, and
// the one subclass of a window's own procedure that carries a window's chain.
#include "WindowProcHook.h"

#include "base/DispatchScope.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace {

// Every installed link, of every procedure (a handful at most).
std::vector<TspWindowProcHook*>& Links() {
  static std::vector<TspWindowProcHook*> links;
  return links;
}

LRESULT CALLBACK ChainWindowProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam);

}  // namespace

// The links on a window's own procedure: Proc is the first link's, or the window's own
// procedure (kept in OwnProcProperty) when no link is left.
struct TspWindowChain {
  HWND Window;
  TWndMethod Proc;
  int Depth = 0;  // messages of the window being handled
  bool ReleaseWanted = false;

  explicit TspWindowChain(HWND AWindow) : Window(AWindow), Proc(Own()) {}
  TWndMethod Own() { return Event(this, &TspWindowChain::CallOwn); }
  void CallOwn(TMessage& Message) {
    auto own = reinterpret_cast<WNDPROC>(GetPropA(Window, TspWindowProcHook::OwnProcProperty));
    Message.Result = own != nullptr ? CallWindowProcA(own, Window, Message.Msg, Message.WParam, Message.LParam)
                                    : DefWindowProcA(Window, Message.Msg, Message.WParam, Message.LParam);
  }
  bool Subclassed() const {
    return GetWindowLongPtrA(Window, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&ChainWindowProc);
  }
  // The window is gone: links still on it drop out.
  void DropLinks() {
    for (TspWindowProcHook* link : std::vector<TspWindowProcHook*>(Links()))
      if (link->FWindow == Window) link->Forget();
  }
};

namespace {

std::vector<std::unique_ptr<TspWindowChain>>& Chains() {
  static std::vector<std::unique_ptr<TspWindowChain>> chains;
  return chains;
}

TspWindowChain* ChainOf(HWND Window) {
  for (const auto& chain : Chains())
    if (chain->Window == Window) return chain.get();
  return nullptr;
}

void EraseChain(TspWindowChain* Chain) {
  RemovePropA(Chain->Window, TspWindowProcHook::OwnProcProperty);
  std::erase_if(Chains(), [Chain](const std::unique_ptr<TspWindowChain>& Each) { return Each.get() == Chain; });
}

// A chain without links gives the window its own procedure back, unless it is handling
// one of the window's messages or another procedure went over it (it forwards then).
void ReleaseIfEmpty(TspWindowChain* Chain) {
  if (!(Chain->Proc == Chain->Own())) return;
  if (Chain->Depth > 0) {
    Chain->ReleaseWanted = true;
    return;
  }
  Chain->ReleaseWanted = false;
  if (!IsWindow(Chain->Window) || !Chain->Subclassed()) return;
  SetWindowLongPtrA(Chain->Window, GWLP_WNDPROC,
                    reinterpret_cast<LONG_PTR>(GetPropA(Chain->Window, TspWindowProcHook::OwnProcProperty)));
  EraseChain(Chain);
}

LRESULT CALLBACK ChainWindowProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
  TspWindowChain* chain = ChainOf(Window);
  if (chain == nullptr) return DefWindowProcA(Window, Msg, WParam, LParam);
  TMessage message{Msg, WParam, LParam, 0};
  const TDispatchScope dispatching;  // what the links' handlers free goes after the message
  ++chain->Depth;
  const TWndMethod proc = chain->Proc;
  proc(message);
  --chain->Depth;
  if (chain->Depth > 0) return message.Result;
  if (Msg == WM_NCDESTROY) {
    chain->DropLinks();
    EraseChain(chain);
  } else if (chain->ReleaseWanted) {
    ReleaseIfEmpty(chain);
  }
  return message.Result;
}

}  // namespace

TspWindowProcHook::TControlWatch::TControlWatch(TspWindowProcHook* Hook, TControl* Control)
    : TComponent(nullptr), FHook(Hook), FControl(Control) {
  Control->FreeNotification(this);
}

TspWindowProcHook::TControlWatch::~TControlWatch() {
  if (FControl != nullptr) FControl->RemoveFreeNotification(this);
}

void TspWindowProcHook::TControlWatch::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation != opRemove || AComponent != FControl) return;
  FControl = nullptr;
  FHook->Forget();
}

TspWindowProcHook::TspWindowProcHook() = default;

TspWindowProcHook::~TspWindowProcHook() { Remove(); }

void TspWindowProcHook::Attach(TWndMethod& Slot, TWndMethod Proc) {
  FSlot = &Slot;
  FOwn = Proc;
  FNext = Slot;
  Slot = Proc;
  Links().push_back(this);
}

void TspWindowProcHook::Install(TControl* Control, TWndMethod Proc) {
  Remove();
  FWatch.emplace(this, Control);
  Attach(Control->WindowProc, Proc);
}

void TspWindowProcHook::Install(HWND Window, TWndMethod Proc) {
  Remove();
  TspWindowChain* chain = ChainOf(Window);
  if (chain == nullptr) {
    Chains().push_back(std::make_unique<TspWindowChain>(Window));
    chain = Chains().back().get();
    const LONG_PTR own = SetWindowLongPtrA(Window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ChainWindowProc));
    SetPropA(Window, OwnProcProperty, reinterpret_cast<HANDLE>(own));
  }
  chain->ReleaseWanted = false;
  FWindow = Window;
  Attach(chain->Proc, Proc);
}

void TspWindowProcHook::Remove() {
  if (FSlot == nullptr) {
    FWatch.reset();
    return;
  }
  std::vector<TspWindowProcHook*>& links = Links();
  std::erase(links, this);
  if (*FSlot == FOwn) {
    *FSlot = FNext;
  } else {
    // A later link calls this one: it calls the next one from now on.
    for (TspWindowProcHook* later : links)
      if (later->FSlot == FSlot && later->FNext == FOwn) later->FNext = FNext;
  }
  HWND window = FWindow;
  Forget();
  FWatch.reset();
  if (window != nullptr)
    if (TspWindowChain* chain = ChainOf(window)) ReleaseIfEmpty(chain);
}

void TspWindowProcHook::Forget() {
  std::erase(Links(), this);
  FSlot = nullptr;
  FOwn = nullptr;
  FNext = nullptr;
  FWindow = nullptr;
}
