#pragma once
// TspWindowProcHook: one component's takeover of a control's WindowProc. Takeovers stack
// (the skinned frame, then a tray icon on the same form), and they end in any order:
// whichever link goes, the chain is mended around it, so no procedure is left pointing
// into a component that is gone.

#include "classlib/Control.h"

class TspWindowProcHook {
public:
  TspWindowProcHook() = default;
  ~TspWindowProcHook() { Remove(); }
  TspWindowProcHook(const TspWindowProcHook&) = delete;
  TspWindowProcHook& operator=(const TspWindowProcHook&) = delete;

  // Keeps Control's present procedure as the next link and puts Proc in its place.
  void Install(TControl* Control, TWndMethod Proc);
  // Leaves the chain: Control gets the next link back when this link is first, else the
  // link installed after this one calls the next link instead of this one.
  void Remove();
  // The procedure that was in place before this link.
  void CallNext(TMessage& Message) const {
    if (FNext) FNext(Message);
  }

private:
  TControl* FControl = nullptr;
  TWndMethod FOwn;
  TWndMethod FNext;
};
