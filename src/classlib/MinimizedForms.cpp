#include "MinimizedForms.h"

#include "Form.h"
#include "Screen.h"

#include <algorithm>
#include <utility>

namespace {

// Shows or hides a window without moving, sizing, restacking or activating anything.
void SetShown(HWND window, bool shown) {
  SetWindowPos(window, nullptr, 0, 0, 0, 0,
               (shown ? SWP_SHOWWINDOW : SWP_HIDEWINDOW) | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER |
                   SWP_NOOWNERZORDER);
}

}  // namespace

void TMinimizedForms::Hide(HWND Owner) {
  HWND active = GetActiveWindow();
  for (int i = 0; i < Screen->FormCount(); ++i) {
    TCustomForm* form = Screen->Forms(i);
    // MDI children go with their main form.
    if (form->FormStyle() == fsMDIChild || !form->HandleAllocated() || !IsWindowVisible(form->Handle())) continue;
    SetShown(form->Handle(), false);
    FWindows.push_back(form->Handle());
  }
  if (std::ranges::find(FWindows, active) != FWindows.end()) SetActiveWindow(Owner);
}

void TMinimizedForms::ShowAgain() {
  const std::vector<HWND> hidden = std::exchange(FWindows, {});
  for (int i = 0; i < Screen->FormCount(); ++i) {
    TCustomForm* form = Screen->Forms(i);
    if (form->HandleAllocated() && form->Visible() && std::ranges::find(hidden, form->Handle()) != hidden.end())
      SetShown(form->Handle(), true);
  }
}
