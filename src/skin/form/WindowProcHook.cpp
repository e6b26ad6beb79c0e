// The chain of WindowProc takeovers, mended when a link leaves from its middle.
#include "WindowProcHook.h"

#include <algorithm>
#include <vector>

namespace {

// Every installed link, of every control (a handful at most).
std::vector<TspWindowProcHook*>& Links() {
  static std::vector<TspWindowProcHook*> links;
  return links;
}

}  // namespace

void TspWindowProcHook::Install(TControl* Control, TWndMethod Proc) {
  Remove();
  FControl = Control;
  FOwn = Proc;
  FNext = Control->WindowProc;
  Control->WindowProc = Proc;
  Links().push_back(this);
}

void TspWindowProcHook::Remove() {
  if (FControl == nullptr) return;
  std::vector<TspWindowProcHook*>& links = Links();
  std::erase(links, this);
  if (FControl->WindowProc == FOwn) {
    FControl->WindowProc = FNext;
  } else {
    // A later link calls this one: it calls the next one from now on.
    for (TspWindowProcHook* later : links)
      if (later->FControl == FControl && later->FNext == FOwn) later->FNext = FNext;
  }
  FControl = nullptr;
  FOwn = nullptr;
  FNext = nullptr;
}
