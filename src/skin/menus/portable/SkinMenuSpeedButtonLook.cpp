#include "SkinMenuSpeedButtonLook.h"

#include "base/IntMath.h"

#include <algorithm>

using IntMath::Saturated;

TRect TrackStrip(TSize Size, TspTrackPosition Position) {
  if (Position == sptpBottom) return {0, Size.cy - MenuTrackStripSize, Size.cx, Size.cy};
  return {Size.cx - MenuTrackStripSize, 0, Size.cx, Size.cy};
}

TRect ButtonPart(TSize Size, TspTrackPosition Position) {
  if (Position == sptpBottom) return {0, 0, Size.cx, Size.cy - MenuTrackStripSize};
  return {0, 0, Size.cx - MenuTrackStripSize, Size.cy};
}

bool IsPlainToolButtonEntry(const std::string& Name) {
  for (const char* plain : {"toolbutton", "bigtoolbutton", "resizebutton", "resizetoolbutton"})
    if (Name == plain) return true;
  return false;
}

TRect EntryTrackRect(const TRect& TrackButtonRect, const TRect& SkinRect, int32_t ResizeMode, TSize Size) {
  int64_t dx = 0, dy = 0;
  if (ResizeMode == SkinResize::WidthOnly) dx = int64_t{Size.cx} - (int64_t{SkinRect.Right} - SkinRect.Left);
  if (ResizeMode == SkinResize::HeightOnly) dy = int64_t{Size.cy} - (int64_t{SkinRect.Bottom} - SkinRect.Top);
  const TRect& r = TrackButtonRect;
  return {Saturated(r.Left + dx), Saturated(r.Top + dy), Saturated(r.Right + dx), Saturated(r.Bottom + dy)};
}

TspMenuButtonStates MenuButtonStates(bool Tracking, bool TrackMode, TspPartState State) {
  using S = TspPartState;
  if (!Tracking) return {State, State};
  return TrackMode ? TspMenuButtonStates{S::Hot, S::Down} : TspMenuButtonStates{S::Down, S::Down};
}

TspPartGeometry NinePartGeometry(const TspDataSkinCustomControl& Entry) {
  TspPartGeometry geometry;
  geometry.Fit = TspPartFit::NinePart;
  geometry.Cut = {Entry.LTPoint, Entry.RTPoint, Entry.LBPoint, Entry.RBPoint, Entry.ClRect};
  geometry.Sides = {Entry.LeftStretch, Entry.TopStretch, Entry.RightStretch, Entry.BottomStretch};
  geometry.Fill = {Entry.StretchEffect, Entry.StretchType};
  return geometry;
}

const TspDataSkinControl* FirstControlEntry(const TspSkinData* Data, std::initializer_list<const char*> Names) {
  if (Data == nullptr || Data->Empty()) return nullptr;
  for (const char* name : Names) {
    const int index = Data->GetControlIndex(name);
    if (index >= 0) return Data->CtrlList[static_cast<size_t>(index)].get();
  }
  return nullptr;
}
