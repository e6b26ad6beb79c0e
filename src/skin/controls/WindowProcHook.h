#pragma once
// TspWindowProcHook: one component's takeover of a window procedure, either a control's
// WindowProc or the procedure of a window that has no control of ours (an MDI client
// window). Takeovers of one procedure stack (the skinned frame, then a tray icon on the
// same form) and end in any order: whichever link goes, the chain is mended around it, so
// no procedure is left pointing into a component that is gone. A link whose control goes
// first simply drops out.
//
// A window's own procedure is subclassed once for all its links and gets its procedure
// back when the last link goes, unless a procedure of someone else's went over it since:
// then the chain stays in place as a plain forwarder until the window goes.

#include "classlib/Control.h"

#include <optional>

class TspWindowProcHook {
public:
  TspWindowProcHook();
  ~TspWindowProcHook();
  TspWindowProcHook(const TspWindowProcHook&) = delete;
  TspWindowProcHook& operator=(const TspWindowProcHook&) = delete;

  // Keeps Control's present procedure as the next link and puts Proc in its place.
  void Install(TControl* Control, TWndMethod Proc);
  // The same for a window's own procedure; the window's messages reach Proc as TMessage
  // with the result in Message.Result.
  void Install(HWND Window, TWndMethod Proc);
  // Leaves the chain: the procedure gets the next link back when this link is first, else
  // the link installed after this one calls the next link instead of this one.
  void Remove();
  bool Installed() const { return FSlot != nullptr; }
  // The procedure that was in place before this link (a copy of it, so that the link may
  // leave while the message goes on).
  TWndMethod Next() const { return FNext; }
  void CallNext(TMessage& Message) const {
    if (const TWndMethod next = FNext) next(Message);
  }

  // The property of a subclassed window that keeps the window's own procedure.
  static constexpr const char* OwnProcProperty = "VqOwnWndProc";

private:
  // Tells a control link that its control goes. Held by value: a watch a link lets go
  // goes at once, also while a message is handled.
  class TControlWatch final : public TComponent {
  public:
    TControlWatch(TspWindowProcHook* Hook, TControl* Control);
    ~TControlWatch() override;
    TControlWatch(const TControlWatch&) = delete;
    TControlWatch& operator=(const TControlWatch&) = delete;
    void Notification(TComponent* AComponent, TOperation Operation) override;

  private:
    TspWindowProcHook* FHook;
    TControl* FControl;
  };
  friend struct TspWindowChain;
  void Attach(TWndMethod& Slot, TWndMethod Proc);
  // The control or window went: the link drops out without touching it.
  void Forget();

  TWndMethod* FSlot = nullptr;  // the procedure this link took over
  TWndMethod FOwn;
  TWndMethod FNext;
  HWND FWindow = nullptr;  // a window link's window
  std::optional<TControlWatch> FWatch;  // a control link's watch over its control
};
