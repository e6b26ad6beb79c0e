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
  TWindowStyle s;
  switch (BorderStyle) {
    case bsNone: s.Style = WS_POPUP; break;
    case bsSingle: s.Style = WS_CAPTION | WS_BORDER; break;
    case bsSizeable: s.Style = WS_CAPTION | WS_THICKFRAME; break;
    case bsDialog:
      s.Style = WS_POPUP | WS_CAPTION;
      s.ExStyle = WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
      break;
    case bsToolWindow:
      s.Style = WS_CAPTION;
      s.ExStyle = WS_EX_TOOLWINDOW;
      break;
    case bsSizeToolWin:
      s.Style = WS_CAPTION | WS_THICKFRAME;
      s.ExStyle = WS_EX_TOOLWINDOW;
      break;
  }
  if (BorderStyle == bsNone) return s;
  if (BorderIcons.Contains(biSystemMenu)) s.Style |= WS_SYSMENU;
  const bool boxes = BorderStyle == bsSingle || BorderStyle == bsSizeable;
  if (boxes && BorderIcons.Contains(biMinimize)) s.Style |= WS_MINIMIZEBOX;
  if (boxes && BorderIcons.Contains(biMaximize)) s.Style |= WS_MAXIMIZEBOX;
  if (BorderIcons.Contains(biHelp) && BorderIcons.Contains(biSystemMenu) &&
      (s.Style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) == 0)
    s.ExStyle |= WS_EX_CONTEXTHELP;
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
