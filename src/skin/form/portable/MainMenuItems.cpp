#include "MainMenuItems.h"

#include "skin/data/SkinRects.h"

#include <algorithm>

void UpdateMenuItemFit(TspMenuItemFit& Fit, bool& Enabled, bool FitsNow) {
  if (FitsNow == Fit.Fits) return;
  Fit.Fits = FitsNow;
  if (FitsNow) {
    Enabled = Fit.SavedEnabled;
  } else {
    Fit.SavedEnabled = Enabled;
    Enabled = false;
  }
}

TspMenuItemLook MenuItemLook(const TspMenuItemLookState& State) {
  TspMenuItemLook look;
  look.FontColor = State.Down     ? TspMenuItemFontColor::Down
                   : State.Active ? TspMenuItemFontColor::Active
                   : State.MenuItemEnabled ? TspMenuItemFontColor::Normal
                                           : TspMenuItemFontColor::Disabled;
  if (State.Down)
    look.Face = TspMenuItemFace::Down;
  else if (State.Animates)
    look.Face = State.Frame < 1                  ? TspMenuItemFace::Normal
                : State.Frame <= State.FrameCount ? TspMenuItemFace::Animation
                                                  : TspMenuItemFace::Active;
  else if (State.MorphRunning)
    look.Face = TspMenuItemFace::Morph;
  else
    look.Face = State.Active ? TspMenuItemFace::Active : TspMenuItemFace::Normal;
  return look;
}

TRect MenuItemDownRect(const TRect& DownRect, const TRect& ActiveSkinRect, const TRect& SkinRect) {
  if (!IsNullRect(DownRect)) return DownRect;
  return IsNullRect(ActiveSkinRect) ? SkinRect : ActiveSkinRect;
}

bool MenuItemStripSideBySide(const TRect& AnimateSkinRect, const TRect& SkinRect) {
  return RectHeight(AnimateSkinRect) <= RectHeight(SkinRect);
}

TspMenuStep StepMenuItems(std::span<const TspMenuStepItem> Items, bool Forward) {
  const int count = static_cast<int>(Items.size());
  TspMenuStep step;
  for (int i = 0; i < count && step.Leave == -1; ++i)
    if (Items[i].Eligible && Items[i].Current) step.Leave = i;
  if (step.Leave == -1) {
    for (int i = 0; i < count && step.Enter == -1; ++i)
      if (Items[i].Eligible) step.Enter = i;
    return step;
  }
  for (int n = 1; n <= count; ++n) {
    const int i = ((Forward ? step.Leave + n : step.Leave - n) % count + count) % count;
    if (Items[i].Eligible) {
      step.Enter = i;
      break;
    }
  }
  return step;
}

std::vector<TspMergedMenuItem> MergedMenuOrder(std::span<const uint8_t> MainGroups,
                                               std::span<const uint8_t> ChildGroups) {
  struct TEntry {
    TspMergedMenuItem Item;
    uint8_t Group;
  };
  std::vector<TEntry> entries;
  for (int i = 0; i < static_cast<int>(MainGroups.size()); ++i)
    if (std::find(ChildGroups.begin(), ChildGroups.end(), MainGroups[i]) == ChildGroups.end())
      entries.push_back({{false, i}, MainGroups[i]});
  for (int i = 0; i < static_cast<int>(ChildGroups.size()); ++i) entries.push_back({{true, i}, ChildGroups[i]});
  std::stable_sort(entries.begin(), entries.end(), [](const TEntry& A, const TEntry& B) { return A.Group < B.Group; });
  std::vector<TspMergedMenuItem> order;
  order.reserve(entries.size());
  for (const TEntry& e : entries) order.push_back(e.Item);
  return order;
}
