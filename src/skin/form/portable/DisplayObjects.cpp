#include "DisplayObjects.h"

#include "FrameArithmetic.h"

#include "skin/data/SkinRects.h"

#include "base/Strings.h"

using FrameArithmetic::Saturated;

namespace {

TRect RectAt(int64_t Left, int64_t Top, int64_t Width, int64_t Height) {
  return {Saturated(Left), Saturated(Top), Saturated(Left + Width), Saturated(Top + Height)};
}

}  // namespace

TspAnimateLooks AnimateLooksFor(const TspAnimateLooks& Normal, const TspAnimateLooks& Restore, bool RestoreState) {
  return RestoreState && !IsNullRect(Restore.SkinRect) ? Restore : Normal;
}

TRect AnimateFrameRect(const TspAnimateLooks& Looks, int32_t Index) {
  if (IsNullRect(Looks.ActiveSkinRect)) return {};
  const int64_t w = RectWidth(Looks.SkinRect);
  return RectAt(Looks.ActiveSkinRect.Left + (int64_t{Index} - 1) * w, Looks.ActiveSkinRect.Top, w,
                RectHeight(Looks.SkinRect));
}

TspAnimateLook AnimateLook(const TspAnimateLooks& Looks, const TspAnimateLookState& S) {
  const bool downLook = !IsNullRect(Looks.DownSkinRect);
  if (S.MenuTracking) {
    if (downLook) return {Looks.DownSkinRect, S.FrameIndex};
    return {AnimateFrameRect(Looks, S.CountFrames), S.CountFrames};
  }
  if (!S.WindowActive && !IsNullRect(Looks.InActiveSkinRect)) return {Looks.InActiveSkinRect, S.FrameIndex};
  if (S.Down && S.MouseIn && downLook) return {Looks.DownSkinRect, S.FrameIndex};
  return {AnimateFrameRect(Looks, S.FrameIndex), S.FrameIndex};
}

bool AnimateTick(TspAnimatePlay& Play, bool& Playing, int32_t CountFrames, int32_t TimerInterval, bool Cycle) {
  if (Play.TimerCount < TimerInterval) {
    Play.TimerCount += AnimationTick;
    return false;
  }
  if (Play.Increasing) {
    Play.FrameIndex = Play.FrameIndex >= CountFrames ? 1 : Play.FrameIndex + 1;
    if (!Cycle && Play.FrameIndex == CountFrames) Playing = false;
  } else {
    Play.FrameIndex = Play.FrameIndex <= 1 ? CountFrames : Play.FrameIndex - 1;
    if (Play.FrameIndex == 1) Playing = false;
  }
  Play.TimerCount = AnimationTick;
  return true;
}

TPoint LabelTextOrigin(const TRect& R, TSize TextSize, TAlignment Alignment) {
  int64_t x = R.Left;
  if (Alignment == taRightJustify)
    x = int64_t{R.Right} - TextSize.cx;
  else if (Alignment == taCenter)
    x = R.Left + int64_t{RectWidth(R)} / 2 - TextSize.cx / 2;
  return {Saturated(x), Saturated(R.Top + int64_t{RectHeight(R)} / 2 - TextSize.cy / 2)};
}

TspSymbolCells::TspSymbolCells(const TStrings& Symbols) {
  FCells.fill(None);
  for (int row = 0; row < Symbols.Count(); ++row) {
    const std::string& line = Symbols.Strings(row);
    for (size_t column = 0; column < line.size(); ++column) {
      TPoint& cell = FCells[static_cast<unsigned char>(line[column])];
      if (cell == None) cell = {static_cast<int32_t>(column), row};
    }
  }
}

std::optional<TPoint> TspSymbolCells::Of(char C) const {
  const TPoint cell = FCells[static_cast<unsigned char>(C)];
  if (cell == None) return std::nullopt;
  return cell;
}

std::vector<TspSymbolCopy> BitLabelSymbols(const std::string& Text, const TspSymbolCells& Cells, TSize Symbol,
                                           TPoint Origin, int32_t Width) {
  std::vector<TspSymbolCopy> copies;
  if (Symbol.cx < 1 || Symbol.cy < 1) return copies;
  for (size_t i = 0; i < Text.size(); ++i) {
    const int64_t x = static_cast<int64_t>(i) * Symbol.cx;
    if (x >= Width) break;  // no symbol can show any more
    if (const std::optional<TPoint> cell = Cells.Of(Text[i])) {
      // The last symbol that reaches the edge is cut there.
      const int64_t shown = std::min<int64_t>(Symbol.cx, Width - x);
      copies.push_back({RectAt(Origin.X + int64_t{cell->X} * Symbol.cx, Origin.Y + int64_t{cell->Y} * Symbol.cy, shown,
                               Symbol.cy),
                        {static_cast<int32_t>(x), 0}});
    }
    if (x + Symbol.cx > Width) break;
  }
  return copies;
}
