#include "GridScrollBars.h"

#include "skin/controls/SkinScrollBar.h"

TGridScrollBars::~TGridScrollBars() {
  for (TGridBar which : {gbHorizontal, gbVertical}) Release(which);
}

void TGridScrollBars::Release(TGridBar Which) {
  TspSkinScrollBar* bar = FBars[Which].Bar;
  if (bar == nullptr) return;
  // The bar may outlive the grid: nothing of it may call the grid any more.
  bar->OnChange = nullptr;
  bar->OnLastChange = nullptr;
  bar->OnUpButtonClick = nullptr;
  bar->OnDownButtonClick = nullptr;
  bar->OnPageUp = nullptr;
  bar->OnPageDown = nullptr;
  bar->RemoveFreeNotification(&FGrid);
  FBars[Which] = {};
}

void TGridScrollBars::Bind(TGridBar Which, TspSkinScrollBar* Bar) {
  if (Bar == FBars[Which].Bar) return;
  Release(Which);
  if (Bar == nullptr) return;
  FBars[Which].Bar = Bar;
  Bar->FreeNotification(&FGrid);
  Bar->SetEnabled(true);
  Bar->SetVisible(false);
  Bar->OnChange = Event(this, &TGridScrollBars::ThumbMoved);
  Bar->OnLastChange = Event(this, &TGridScrollBars::ThumbReleased);
  Bar->OnUpButtonClick = Event(this, &TGridScrollBars::UpButton);
  Bar->OnDownButtonClick = Event(this, &TGridScrollBars::DownButton);
  Bar->OnPageUp = Event(this, &TGridScrollBars::PageUp);
  Bar->OnPageDown = Event(this, &TGridScrollBars::PageDown);
}

void TGridScrollBars::Forget(TComponent* Component) {
  for (TBinding& binding : FBars)
    if (binding.Bar != nullptr && binding.Bar == Component) binding = {};
}

void TGridScrollBars::SetPosition(TGridBar Which, int32_t Pos) {
  if (TspSkinScrollBar* bar = FBars[Which].Bar) bar->SetPositionWithoutEvent(Pos);
}

void TGridScrollBars::SetRange(TGridBar Which, const TGridScrollRange& Range) {
  TBinding& binding = FBars[Which];
  TspSkinScrollBar* bar = binding.Bar;
  if (bar == nullptr) return;
  // Every paint asks again: a bar already so is left alone (setting a range repaints it).
  const int32_t max = Range.Visible ? Range.Max : 0;
  if (bar->Min() != 0 || bar->Max() != max || bar->PageSize() != 0)
    bar->SetRange(0, max, 0, Range.Visible ? bar->Position() : 0);
  if (Range.Visible) {
    if (bar->SmallChange() != Range.Step) bar->SetSmallChange(Range.Step);
    if (bar->LargeChange() != Range.Step) bar->SetLargeChange(Range.Step);
  }
  binding.Show = Range.Visible;
  binding.Marked = Range.Visible != bar->Visible();
}

bool TGridScrollBars::ApplyVisibility() {
  bool changed = false;
  for (TBinding& binding : FBars) {
    if (binding.Bar == nullptr || !binding.Marked) continue;
    binding.Marked = false;
    binding.Bar->SetVisible(binding.Show);
    changed = true;
  }
  TspSkinScrollBar* horizontal = FBars[gbHorizontal].Bar;
  TspSkinScrollBar* vertical = FBars[gbVertical].Bar;
  if (horizontal != nullptr && vertical != nullptr) horizontal->SetBoth(vertical->Visible());
  return changed;
}

void TGridScrollBars::FollowGrid(bool Visible) {
  for (TBinding& binding : FBars)
    if (binding.Bar != nullptr) binding.Bar->SetVisible(Visible);
}

TGridBar TGridScrollBars::Which(TObject* Sender) const {
  return Sender == FBars[gbVertical].Bar ? gbVertical : gbHorizontal;
}

bool TGridScrollBars::Tracks(TGridBar Which) const {
  return Which == gbVertical && FModel.Options().Contains(goThumbTracking);
}

void TGridScrollBars::Send(TGridBar Which, int Code, int32_t Pos) {
  if (!FGrid.HandleAllocated()) return;
  SendMessageA(FGrid.Handle(), Which == gbVertical ? WM_VSCROLL : WM_HSCROLL,
               MAKEWPARAM(static_cast<WORD>(Code), static_cast<WORD>(Pos)), 0);
}

void TGridScrollBars::ThumbMoved(TObject* Sender) {
  const TGridBar which = Which(Sender);
  if (Tracks(which)) Send(which, scThumbPosition, FBars[which].Bar->Position());
}

void TGridScrollBars::ThumbReleased(TObject* Sender) {
  const TGridBar which = Which(Sender);
  if (!Tracks(which)) Send(which, scThumbPosition, FBars[which].Bar->Position());
}

// A horizontal bar's arrows step its own thumb; the vertical bar's step the grid by a
// line.
void TGridScrollBars::UpButton(TObject* Sender) {
  const TGridBar which = Which(Sender);
  TspSkinScrollBar* bar = FBars[which].Bar;
  if (which == gbVertical) return Send(which, scLineDown, bar->Position());
  bar->SetPosition(bar->Position() + bar->SmallChange());
  Send(which, scThumbPosition, bar->Position());
}

void TGridScrollBars::DownButton(TObject* Sender) {
  const TGridBar which = Which(Sender);
  TspSkinScrollBar* bar = FBars[which].Bar;
  if (which == gbVertical) return Send(which, scLineUp, bar->Position());
  bar->SetPosition(bar->Position() - bar->SmallChange());
  Send(which, scThumbPosition, bar->Position());
}

void TGridScrollBars::PageUp(TObject* Sender) { Send(Which(Sender), scPageUp, 0); }

void TGridScrollBars::PageDown(TObject* Sender) { Send(Which(Sender), scPageDown, 0); }
