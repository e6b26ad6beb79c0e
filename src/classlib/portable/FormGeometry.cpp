#include "FormGeometry.h"

#include <algorithm>

namespace {

TRect CentreIn(const TRect& r, const TRect& target) {
  return Bounds(target.Left + (target.Width() - r.Width()) / 2,
                target.Top + (target.Height() - r.Height()) / 2, r.Width(), r.Height());
}

TRect KeepInside(TRect r, const TRect& area) {
  int left = std::min(r.Left, area.Right - r.Width());
  int top = std::min(r.Top, area.Bottom - r.Height());
  left = std::max(left, area.Left);
  top = std::max(top, area.Top);
  return Bounds(left, top, r.Width(), r.Height());
}

}  // namespace

TWindowStyle FormWindowStyle(TFormBorderStyle BorderStyle, TBorderIcons BorderIcons) {
  using namespace FrameStyle;
  TWindowStyle s;
  switch (BorderStyle) {
    case bsNone: s.Style = Popup; break;
    case bsSingle: s.Style = Caption | Border; break;
    case bsSizeable: s.Style = Caption | ThickFrame; break;
    case bsDialog:
      s.Style = Popup | Caption;
      s.ExStyle = ExDlgModalFrame | ExWindowEdge;
      break;
    case bsToolWindow:
      s.Style = Caption;
      s.ExStyle = ExToolWindow;
      break;
    case bsSizeToolWin:
      s.Style = Caption | ThickFrame;
      s.ExStyle = ExToolWindow;
      break;
  }
  if (BorderStyle == bsNone) return s;
  if (BorderIcons.Contains(biSystemMenu)) s.Style |= SysMenu;
  const bool boxes = BorderStyle == bsSingle || BorderStyle == bsSizeable;
  if (boxes && BorderIcons.Contains(biMinimize)) s.Style |= MinimizeBox;
  if (boxes && BorderIcons.Contains(biMaximize)) s.Style |= MaximizeBox;
  if (BorderIcons.Contains(biHelp) && BorderIcons.Contains(biSystemMenu) &&
      (s.Style & (MinimizeBox | MaximizeBox)) == 0)
    s.ExStyle |= ExContextHelp;
  return s;
}

TRect PlaceForm(TPosition Position, const TRect& Current, const TPlacementContext& Context) {
  const TRect* target = nullptr;
  switch (Position) {
    case poScreenCenter: target = &Context.WorkArea; break;
    case poDesktopCenter: target = &Context.Desktop; break;
    case poMainFormCenter: target = Context.MainForm != nullptr ? Context.MainForm : &Context.WorkArea; break;
    case poOwnerFormCenter:
      target = Context.OwnerForm != nullptr  ? Context.OwnerForm
               : Context.MainForm != nullptr ? Context.MainForm
                                             : &Context.WorkArea;
      break;
    default: return Current;  // designed, or left to the system at creation
  }
  return KeepInside(CentreIn(Current, *target), Context.WorkArea);
}
