#include "TabTracker.h"

#include <algorithm>

namespace {

// Takes the hot and pressed look from the close button of page Index, if it has one.
void ClearCloseButton(std::span<const TspTrackedPage> Pages, int Index) {
  if (Index < 0 || static_cast<size_t>(Index) >= Pages.size()) return;
  if (TspCloseButtonState* close = Pages[static_cast<size_t>(Index)].Close) *close = {close->Rect};
}

}  // namespace

void TspTabTracker::KeepHotWithin(std::span<const TspTrackedPage> Pages) {
  if (FHotPage < 0 || static_cast<size_t>(FHotPage) >= Pages.size() ||
      !Pages[static_cast<size_t>(FHotPage)].TabVisible) {
    FHotPage = -1;
    FHotTab = -1;
    return;
  }
  FHotTab = static_cast<int>(
      std::count_if(Pages.begin(), Pages.begin() + FHotPage, [](const TspTrackedPage& P) { return P.TabVisible; }));
}

TspCloseButtonState* TspTabTracker::HotCloseButton(std::span<const TspTrackedPage> Pages, TPoint P,
                                                   bool CloseButtons, bool& Inside) const {
  if (!CloseButtons || FHotPage == -1) return nullptr;
  const TspTrackedPage& page = Pages[static_cast<size_t>(FHotPage)];
  if (page.Close == nullptr) return nullptr;
  Inside = PtInRect(OffsetRect(page.Close->Rect, page.DrawnAt.X, page.DrawnAt.Y), P);
  return page.Close;
}

TspTabTracker::TResult TspTabTracker::MouseMove(std::span<const TspTrackedPage> Pages, TPoint P, int TabIndex,
                                                bool CloseButtons) {
  const int previousPage = FHotPage;
  const int previousTab = FHotTab;
  FHotPage = -1;
  FHotTab = -1;
  int tab = 0;
  for (size_t i = 0; i < Pages.size(); ++i) {
    if (!Pages[i].TabVisible) continue;
    if (PtInRect(Pages[i].TabRect, P)) {
      FHotPage = static_cast<int>(i);
      FHotTab = tab;
      break;
    }
    ++tab;
  }
  TResult result;
  if (FHotTab != previousTab) {
    // The selected tab looks the same hot or not, and keeps its close button's flags.
    if (previousTab != -1 && previousTab != TabIndex) {
      ClearCloseButton(Pages, previousPage);
      result.Redraw = true;
    }
    if (FHotTab != -1 && FHotTab != TabIndex) result.Redraw = true;
  }
  bool inside = false;
  if (TspCloseButtonState* close = HotCloseButton(Pages, P, CloseButtons, inside)) {
    if (inside && !close->MouseIn) {
      close->MouseIn = true;
      result.Redraw = true;
    } else if (!inside && close->MouseIn) {
      close->MouseIn = false;
      close->Pressed = false;
      result.Redraw = true;
    }
  }
  return result;
}

TspTabTracker::TResult TspTabTracker::Button(std::span<const TspTrackedPage> Pages, TPoint P, int TabIndex,
                                             bool CloseButtons, bool Left, bool Down) {
  KeepHotWithin(Pages);
  TResult result = Left ? MouseMove(Pages, P, TabIndex, CloseButtons) : TResult{};
  bool inside = false;
  if (TspCloseButtonState* close = HotCloseButton(Pages, P, CloseButtons, inside)) {
    // The page whose button was pressed and let go closes, not the active page: closing
    // a page other than the one whose button the user pressed would be plainly wrong.
    if (!Down && inside && close->Pressed) result.ClosePage = FHotPage;
    result.Redraw = result.Redraw || inside || close->Pressed;
    close->MouseIn = inside;
    close->Pressed = Down && inside;
  }
  if (Down) return result;
  // A press the pointer took off its tab (the selected tab keeps its flags) ends here too,
  // so that no later release on that button closes its page.
  for (const TspTrackedPage& page : Pages)
    if (page.Close != nullptr && page.Close->Pressed) {
      page.Close->Pressed = false;
      result.Redraw = true;
    }
  return result;
}

TspTabTracker::TResult TspTabTracker::MouseLeave(std::span<const TspTrackedPage> Pages, int TabIndex) {
  KeepHotWithin(Pages);
  TResult result;
  if (FHotTab != -1 && FHotTab != TabIndex) {
    ClearCloseButton(Pages, FHotPage);
    result.Redraw = true;
  }
  FHotPage = -1;
  FHotTab = -1;
  return result;
}
