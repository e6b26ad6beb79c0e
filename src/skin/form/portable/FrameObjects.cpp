#include "FrameObjects.h"

#include "FrameArithmetic.h"

#include "skin/data/SkinRects.h"

#include <vector>

using FrameArithmetic::Offset;
using FrameArithmetic::Saturated;

namespace {

bool TakesPart(const TspObjectPlace& O, TspStdButtonCommand Command) {
  return IsCaptionButton(O) && O.Visible && O.SkinRectInAPicture && O.Command == Command;
}

TspObjectPlace* FirstTakingPart(std::span<TspObjectPlace* const> Objects, TspStdButtonCommand Command) {
  for (TspObjectPlace* o : Objects)
    if (TakesPart(*o, Command)) return o;
  return nullptr;
}

TSize ButtonSize(const TspObjectPlace& O, const TspButtonRow& Row) {
  if (O.Kind == TspFrameObjectKind::StdButton && O.Command == cmsysmenu && Row.ShowIcon) return Row.IconSize;
  return {RectWidth(O.SkinRect), RectHeight(O.SkinRect)};
}

TRect ButtonAt(int64_t Left, int64_t Top, TSize Size) {
  return {Saturated(Left), Saturated(Top), Saturated(Left + Size.cx), Saturated(Top + Size.cy)};
}

}  // namespace

bool IsCaptionButton(const TspObjectPlace& Object) {
  return Object.Kind == TspFrameObjectKind::StdButton || (Object.Kind == TspFrameObjectKind::Animate && Object.ButtonStyle);
}

void UpdateObjectRects(std::span<TspObjectPlace* const> Objects, const TspFrameCore& Core) {
  const TspSkinFormInfo* skin = Core.Skin().Info;
  const bool skinned = skin != nullptr;
  const int32_t l = skinned ? skin->RollUpLeftPoint.X : 0;
  const int32_t r = skinned ? skin->RollUpRightPoint.X : 0;
  const int64_t rollUpDW = int64_t{Core.LastWidth()} - Core.Skin().RollUpPicture.cx;
  for (TspObjectPlace* o : Objects)
    o->ObjectRect = o->RollUp ? RollUpObjectRect(o->SkinRect, l, r, rollUpDW) : Core.AnchorSkinRect(o->SkinRect);
  if (!skinned) {
    PlaceDefaultButtons(Objects, Core.DefaultLayout());
    return;
  }
  if (!Core.Options.SupportNCArea) return;
  PlaceCaptionButtons(Objects, {Core.Geometry().ButtonsRect, Core.Geometry().CaptionRect, skin->ButtonsOffset,
                                skin->ButtonsInLeft, Core.Options.ShowIcon, Core.IconSize});
}

void PlaceCaptionButtons(std::span<TspObjectPlace* const> Objects, const TspButtonRow& Row) {
  const bool buttonsRect = !IsNullRect(Row.ButtonsRect);
  if (!buttonsRect && IsNullRect(Row.CaptionRect)) return;
  const TRect& row = buttonsRect ? Row.ButtonsRect : Row.CaptionRect;
  const int64_t gap = Row.ButtonsOffset;

  std::vector<TspObjectPlace*> buttons;
  for (TspStdButtonCommand command : {cmclose, cmmaximize, cmminimize, cmrollup, cmminimizetotray})
    if (TspObjectPlace* o = FirstTakingPart(Objects, command)) buttons.push_back(o);
  for (TspObjectPlace* o : Objects)
    if (TakesPart(*o, cmdefault)) buttons.push_back(o);
  TspObjectPlace* sysMenu = FirstTakingPart(Objects, cmsysmenu);
  TspObjectPlace* caption = nullptr;
  for (TspObjectPlace* o : Objects)
    if (o->Kind == TspFrameObjectKind::Caption) {
      caption = o;
      break;
    }

  if (!Row.ButtonsInLeft) {
    int64_t x = row.Right;
    for (TspObjectPlace* b : buttons) {
      const TSize size = ButtonSize(*b, Row);
      b->ObjectRect = ButtonAt(x - size.cx, row.Top, size);
      x -= size.cx + gap;
    }
    if (!buttonsRect && caption != nullptr) caption->ObjectRect.Right = Saturated(x + gap);
    if (sysMenu != nullptr) {
      const TSize size = ButtonSize(*sysMenu, Row);
      const TRect& c = Row.CaptionRect;
      sysMenu->ObjectRect = ButtonAt(c.Left, int64_t{c.Top} + RectHeight(c) / 2 - size.cy / 2, size);
      if (caption != nullptr) caption->ObjectRect.Left = sysMenu->ObjectRect.Right;
    }
    return;
  }

  // Left to right; with the buttons in the caption the system-menu button joins the row.
  if (!buttonsRect && sysMenu != nullptr) buttons.push_back(sysMenu);
  int64_t x = row.Left;
  for (TspObjectPlace* b : buttons) {
    const TSize size = ButtonSize(*b, Row);
    b->ObjectRect = ButtonAt(x, row.Top, size);
    x += size.cx + gap;
  }
  // Two gaps right of the last button, as the row's end already holds one.
  if (!buttonsRect && caption != nullptr) caption->ObjectRect.Left = Saturated(x + gap);
}

void PlaceDefaultButtons(std::span<TspObjectPlace* const> Objects, const TspDefaultFrameLayout& Layout) {
  TSet<TspStdButtonCommand> placed;
  for (TspObjectPlace* o : Objects) {
    if (o->Kind != TspFrameObjectKind::StdButton || !o->Visible || o->Command == cmdefault ||
        placed.Contains(o->Command))
      continue;
    o->ObjectRect = Layout.ButtonRects[o->Command];
    placed.Include(o->Command);
  }
}

TRect RollUpObjectRect(const TRect& SkinRect, int32_t L, int32_t R, int64_t DW) {
  if (R <= L) return SkinRect;  // the roll-up frame keeps its own size
  if (SkinRect.Left >= R) return Offset(SkinRect, DW, 0);
  if (SkinRect.Left <= L && SkinRect.Right >= R)
    return {SkinRect.Left, SkinRect.Top, Saturated(SkinRect.Right + DW), SkinRect.Bottom};
  return SkinRect;
}

bool ObjectShown(const TspObjectPlace& Object, bool SupportNCArea, bool RollUpState) {
  return SupportNCArea ? !Object.RollUp : Object.RollUp == RollUpState;
}

int ObjectAt(std::span<TspObjectPlace* const> Objects, TPoint P, bool SupportNCArea, bool RollUpState) {
  for (size_t i = 0; i < Objects.size(); ++i) {
    const TspObjectPlace& o = *Objects[i];
    if (ObjectShown(o, SupportNCArea, RollUpState) && o.Enabled && o.Visible && PtInRect(o.ObjectRect, P))
      return static_cast<int>(i);
  }
  return -1;
}

bool OverCaptionObject(std::span<TspObjectPlace* const> Objects, TPoint P, bool SupportNCArea, bool RollUpState) {
  for (const TspObjectPlace* o : Objects)
    if (o->Kind == TspFrameObjectKind::Caption && o->Visible && ObjectShown(*o, SupportNCArea, RollUpState) &&
        PtInRect(o->ObjectRect, P))
      return true;
  return false;
}
