#include "SkinImagePlans.h"

#include "SkinRects.h"

#include "base/PixelImage.h"

#include <algorithm>
#include <limits>

namespace {

constexpr int64_t Int32Min = std::numeric_limits<int32_t>::min();
constexpr int64_t Int32Max = std::numeric_limits<int32_t>::max();

int32_t Saturated(int64_t Value) { return static_cast<int32_t>(std::clamp(Value, Int32Min, Int32Max)); }

// One axis of a copy: source Lo .. Hi into destination Lo .. Hi, or, Tiled, the source
// repeated from the destination's Lo on. Worked in 64 bits so that no skin geometry can
// overflow.
struct TSpan {
  int64_t SourceLo, SourceHi, DestLo, DestHi;
  bool Tiled = false;
};
using TSpans = std::vector<TSpan>;

TSpans Span(int64_t SourceLo, int64_t SourceHi, int64_t DestLo, int64_t DestHi) {
  return {{SourceLo, SourceHi, DestLo, DestHi}};
}

// The source SourceLo .. SourceLo + Length tiled from DestLo: (DestHi - DestLo) div Length
// + 1 tiles, which with CutAtEnd end at DestHi and without it may reach past. Only what
// can reach the image part 0 .. Limit is kept: the first tile moves on by whole tiles
// (the pattern stays in place) and the last ends at Limit. What is left of a single
// tile is a plain copy.
TSpans Tiles(int64_t SourceLo, int64_t Length, int64_t DestLo, int64_t DestHi, bool CutAtEnd, int64_t Limit) {
  if (Length < 1) return {};
  const int64_t last = (DestHi - DestLo) / Length;  // truncated, as the tile count is defined
  if (last < 0) return {};
  const int64_t start = DestLo < 0 ? DestLo + -DestLo / Length * Length : DestLo;
  const int64_t end = std::min(CutAtEnd ? DestHi : DestLo + (last + 1) * Length, std::max(Limit, start));
  if (end - start <= Length) return Span(SourceLo, SourceLo + (end - start), start, end);
  return {{SourceLo, SourceLo + Length, start, end, true}};
}

// A strip: the source SourceLo .. SourceHi stretched or tiled into DestLo .. DestHi.
TSpans Strip(bool Stretch, int64_t SourceLo, int64_t SourceHi, int64_t DestLo, int64_t DestHi,
             int64_t Limit) {
  if (Stretch) return Span(SourceLo, SourceHi, DestLo, DestHi);
  return Tiles(SourceLo, SourceHi - SourceLo, DestLo, DestHi, true, Limit);
}

bool Fits(int64_t Value) { return Value >= Int32Min && Value <= Int32Max; }

// Something to copy, and part of it inside 0 .. Limit.
bool Shows(const TSpan& S, int64_t Limit) {
  return S.SourceHi - S.SourceLo >= 1 && S.DestHi - S.DestLo >= 1 && S.DestHi > 0 && S.DestLo < Limit &&
         Fits(S.SourceLo) && Fits(S.SourceHi) && Fits(S.DestLo) && Fits(S.DestHi);
}

// Every combination of a column span and a row span is one copy. Images past the pixel
// image's limits get no copies: no bitmap that large can be made.
class TPlanBuilder {
public:
  TPlanBuilder(TPiecePlan& Plan, int64_t Width, int64_t Height)
      : FPlan(Plan), FWidth(Width), FHeight(Height), FDrawable(IsDrawableImageSize(Width, Height)) {}

  void Add(const TSpans& Columns, const TSpans& Rows) {
    if (!FDrawable) return;
    for (const TSpan& y : Rows) {
      if (!Shows(y, FHeight)) continue;
      for (const TSpan& x : Columns) {
        if (!Shows(x, FWidth)) continue;
        FPlan.push_back({TRect{static_cast<int32_t>(x.SourceLo), static_cast<int32_t>(y.SourceLo),
                               static_cast<int32_t>(x.SourceHi), static_cast<int32_t>(y.SourceHi)},
                         TRect{static_cast<int32_t>(x.DestLo), static_cast<int32_t>(y.DestLo),
                               static_cast<int32_t>(x.DestHi), static_cast<int32_t>(y.DestHi)},
                         x.Tiled, y.Tiled});
      }
    }
  }

private:
  TPiecePlan& FPlan;
  int64_t FWidth;
  int64_t FHeight;
  bool FDrawable;
};

// A band of its own size; absent when it has no area or no strip to draw.
template <class Build>
TBandPlan Band(int64_t Width, int64_t Height, bool HasStrip, Build build) {
  TBandPlan band;
  if (!HasStrip || !IsDrawableImageSize(Width, Height)) return band;
  band.Drawn = true;
  band.Image.Width = static_cast<int32_t>(Width);
  band.Image.Height = static_cast<int32_t>(Height);
  TPlanBuilder builder(band.Image.Copies, Width, Height);
  build(builder);
  return band;
}

TRect Transposed(const TRect& R) { return {R.Top, R.Left, R.Bottom, R.Right}; }

// One axis of a copy's tiles: Step long from DestLo on, the last cut at DestHi; tiles
// First .. Last reach into the window they were counted for (none when Last < First).
struct TTileAxis {
  int64_t SourceLo, SourceHi, DestLo, DestHi;
  bool Tiled;
  int64_t First = 1, Last = 0;

  int64_t Step() const { return Tiled ? SourceHi - SourceLo : DestHi - DestLo; }
  int64_t Count() const { return Last - First + 1; }
  TSpan Tile(int64_t I) const {
    if (!Tiled) return {SourceLo, SourceHi, DestLo, DestHi};
    const int64_t lo = DestLo + I * Step(), hi = std::min(lo + Step(), DestHi);
    return {SourceLo, SourceLo + (hi - lo), lo, hi};
  }
};

TTileAxis TileAxis(int32_t SourceLo, int32_t SourceHi, int32_t DestLo, int32_t DestHi, bool Tiled, int32_t WithinLo,
                   int32_t WithinHi) {
  TTileAxis axis{SourceLo, SourceHi, DestLo, DestHi, Tiled};
  const int64_t step = axis.Step();
  const int64_t lo = std::max(DestLo, WithinLo), hi = std::min(DestHi, WithinHi);
  if (step >= 1 && lo < hi) {
    axis.First = (lo - DestLo) / step;
    axis.Last = (hi - 1 - DestLo) / step;
  }
  return axis;
}

TTileAxis Columns(const TPieceCopy& Copy, const TRect& Within) {
  return TileAxis(Copy.Source.Left, Copy.Source.Right, Copy.Dest.Left, Copy.Dest.Right, Copy.TiledAcross,
                  Within.Left, Within.Right);
}

TTileAxis Rows(const TPieceCopy& Copy, const TRect& Within) {
  return TileAxis(Copy.Source.Top, Copy.Source.Bottom, Copy.Dest.Top, Copy.Dest.Bottom, Copy.TiledDown, Within.Top,
                  Within.Bottom);
}

// The plan with each tiled copy replaced by its tiles within (0, 0, Width, Height).
TPiecePlan TileByTile(const TPiecePlan& Plan, int32_t Width, int32_t Height) {
  TPiecePlan tiles;
  for (const TPieceCopy& copy : Plan)
    ForEachTile(copy, {0, 0, Width, Height}, [&](const TPieceCopy& tile) { tiles.push_back(tile); });
  return tiles;
}

}  // namespace

void ForEachTile(const TPieceCopy& Copy, const TRect& Within, const std::function<void(const TPieceCopy&)>& Visit) {
  const TTileAxis columns = Columns(Copy, Within), rows = Rows(Copy, Within);
  for (int64_t row = rows.First; row <= rows.Last; ++row) {
    const TSpan y = rows.Tile(row);
    for (int64_t column = columns.First; column <= columns.Last; ++column) {
      const TSpan x = columns.Tile(column);
      Visit({TRect{static_cast<int32_t>(x.SourceLo), static_cast<int32_t>(y.SourceLo),
                   static_cast<int32_t>(x.SourceHi), static_cast<int32_t>(y.SourceHi)},
             TRect{static_cast<int32_t>(x.DestLo), static_cast<int32_t>(y.DestLo), static_cast<int32_t>(x.DestHi),
                   static_cast<int32_t>(y.DestHi)}});
    }
  }
}

int64_t TileCount(const TPieceCopy& Copy, const TRect& Within) {
  const int64_t columns = Columns(Copy, Within).Count(), rows = Rows(Copy, Within).Count();
  if (columns < 1 || rows < 1) return 0;
  // Saturated: a copy over the whole 32-bit plane has more tiles than 64 bits count.
  return columns > std::numeric_limits<int64_t>::max() / rows ? std::numeric_limits<int64_t>::max() : columns * rows;
}

bool IsDrawableImageSize(int64_t Width, int64_t Height) {
  return Width >= 1 && Height >= 1 && Width <= TPixelImage::MaxDimension &&
         Height <= TPixelImage::MaxDimension && Width * Height <= TPixelImage::MaxPixels;
}

TSkinCut CutForSize(const TSkinCut& Cut, const TRect& R, int32_t Width, int32_t Height) {
  const int64_t dw = int64_t{Width} - (int64_t{R.Right} - R.Left);
  const int64_t dh = int64_t{Height} - (int64_t{R.Bottom} - R.Top);
  TSkinCut result = Cut;
  result.RT.X = Saturated(Cut.RT.X + dw);
  result.LB.Y = Saturated(Cut.LB.Y + dh);
  result.RB = {Saturated(Cut.RB.X + dw), Saturated(Cut.RB.Y + dh)};
  result.ClRect.Right = Saturated(Cut.ClRect.Right + dw);
  result.ClRect.Bottom = Saturated(Cut.ClRect.Bottom + dh);
  return result;
}

TSkinCut CutFromClientRect(const TRect& ClRect) {
  return {{ClRect.Left, ClRect.Top},
          {ClRect.Right, ClRect.Top},
          {ClRect.Left, ClRect.Bottom},
          {ClRect.Right, ClRect.Bottom},
          ClRect};
}

TPiecePlan SkinImagePlan(const TSkinCut& Cut, const TSkinCut& NewCut, const TRect& R, int32_t Width,
                         int32_t Height, TSkinSides Sides, bool DrawClient, TSkinClientFill Fill) {
  TPiecePlan plan;
  if (Cut.RB.X == Cut.LT.X || Cut.RB.Y == Cut.LT.Y) return plan;
  const int64_t rl = R.Left, rt = R.Top, rr = R.Right, rb = R.Bottom;
  const TRect& cl = Cut.ClRect;
  const TRect& ncl = NewCut.ClRect;
  const TSkinCut& n = NewCut;
  const int64_t w = Width, h = Height;
  TPlanBuilder add(plan, w, h);

  // Rows of the top and bottom bands, columns of the left and right bands.
  const TSpans topRows = Span(rt, rt + cl.Top, 0, ncl.Top);
  const TSpans bottomRows = Span(rt + cl.Bottom, rb, ncl.Bottom, h);
  const TSpans leftColumns = Span(rl, rl + cl.Left, 0, ncl.Left);
  const TSpans rightColumns = Span(rl + cl.Right, rr, ncl.Right, w);

  add.Add(Strip(Sides.Top, rl + Cut.LT.X, rl + Cut.RT.X, n.LT.X, n.RT.X, w), topRows);
  add.Add(Strip(Sides.Bottom, rl + Cut.LB.X, rl + Cut.RB.X, n.LB.X, n.RB.X, w), bottomRows);
  add.Add(leftColumns, Strip(Sides.Left, rt + Cut.LT.Y, rt + Cut.LB.Y, n.LT.Y, n.LB.Y, h));
  add.Add(rightColumns, Strip(Sides.Right, rt + Cut.RT.Y, rt + Cut.RB.Y, n.RT.Y, n.RB.Y, h));

  add.Add(Span(rl, rl + Cut.LT.X, 0, n.LT.X), topRows);                            // top-left corner
  add.Add(leftColumns, Span(rt + cl.Top, rt + Cut.LT.Y, ncl.Top, n.LT.Y));         // left, above the strip
  add.Add(Span(rl + Cut.RT.X, rr, n.RT.X, w), topRows);                            // top-right corner
  add.Add(rightColumns, Span(rt + cl.Top, rt + Cut.RT.Y, ncl.Top, n.RT.Y));        // right, above the strip
  add.Add(leftColumns, Span(rt + Cut.LB.Y, rb, n.LB.Y, h));                        // left, below the strip
  add.Add(Span(rl + cl.Left, rl + Cut.LB.X, ncl.Left, n.LB.X), bottomRows);        // bottom-left piece
  add.Add(Span(rl + Cut.RB.X, rr, n.RB.X, w), bottomRows);                         // bottom-right corner
  add.Add(rightColumns, Span(rt + Cut.RB.Y, rt + cl.Bottom, n.RB.Y, ncl.Bottom));  // right, below the strip

  if (DrawClient) {
    const TPiecePlan client = SkinClientPlan(cl, ncl, R, Width, Height, Fill, true);
    plan.insert(plan.end(), client.begin(), client.end());
  }
  return plan;
}

TPiecePlan SkinClientPlan(const TRect& ClRect, const TRect& NewClRect, const TRect& R, int32_t Width,
                          int32_t Height, TSkinClientFill Fill, bool ClipToRect) {
  TPiecePlan plan;
  if (IsNullRect(NewClRect)) return plan;
  const int64_t left = int64_t{R.Left} + ClRect.Left, right = int64_t{R.Left} + ClRect.Right;
  const int64_t top = int64_t{R.Top} + ClRect.Top, bottom = int64_t{R.Top} + ClRect.Bottom;
  const TRect& n = NewClRect;
  const TSpans stretchedColumns = Span(left, right, n.Left, n.Right);
  const TSpans stretchedRows = Span(top, bottom, n.Top, n.Bottom);
  const auto tiledColumns = [&](bool cut) { return Tiles(left, right - left, n.Left, n.Right, cut, Width); };
  const auto tiledRows = [&](bool cut) { return Tiles(top, bottom - top, n.Top, n.Bottom, cut, Height); };

  TPlanBuilder add(plan, Width, Height);
  if (!Fill.StretchEffect)
    add.Add(tiledColumns(true), tiledRows(true));
  else if (Fill.StretchType == sthorz)
    add.Add(tiledColumns(ClipToRect), stretchedRows);
  else if (Fill.StretchType == stvert)
    add.Add(stretchedColumns, tiledRows(ClipToRect));
  else
    add.Add(stretchedColumns, stretchedRows);
  return plan;
}

TBorderPlans SkinBorderPlans(const TSkinCut& Cut, const TSkinCut& NewCut, const TRect& R, int32_t Width,
                             int32_t Height, TSkinSides Sides) {
  const int64_t rl = R.Left, rt = R.Top, rr = R.Right, rb = R.Bottom;
  const TRect& cl = Cut.ClRect;
  const TRect& ncl = NewCut.ClRect;
  const TSkinCut& n = NewCut;
  const int64_t w = Width;
  const int64_t topHeight = ncl.Top;
  const int64_t bottomHeight = int64_t{Height} - ncl.Bottom;
  const int64_t sideHeight = int64_t{ncl.Bottom} - ncl.Top;
  const int64_t rightWidth = w - ncl.Right;

  TBorderPlans bands;
  bands.Top = Band(w, topHeight, Cut.RT.X - int64_t{Cut.LT.X} >= 1, [&](TPlanBuilder& add) {
    const TSpans rows = Span(rt, rt + cl.Top, 0, topHeight);
    add.Add(Strip(Sides.Top, rl + Cut.LT.X, rl + Cut.RT.X, n.LT.X, n.RT.X, w), rows);
    add.Add(Span(rl, rl + Cut.LT.X, 0, n.LT.X), rows);
    add.Add(Span(rl + Cut.RT.X, rr, n.RT.X, w), rows);
  });
  bands.Bottom = Band(w, bottomHeight, Cut.RB.X - int64_t{Cut.LB.X} >= 1, [&](TPlanBuilder& add) {
    const TSpans rows = Span(rt + cl.Bottom, rb, 0, bottomHeight);
    add.Add(Strip(Sides.Bottom, rl + Cut.LB.X, rl + Cut.RB.X, n.LB.X, n.RB.X, w), rows);
    add.Add(Span(rl, rl + Cut.LB.X, 0, n.LB.X), rows);
    add.Add(Span(rl + Cut.RB.X, rr, n.RB.X, w), rows);
  });
  // The side bands lie between the top and bottom bands: their rows count from ncl.Top.
  bands.Left = Band(ncl.Left, sideHeight, Cut.LB.Y - int64_t{Cut.LT.Y} >= 1, [&](TPlanBuilder& add) {
    const TSpans columns = Span(rl, rl + cl.Left, 0, ncl.Left);
    const int64_t stripTop = int64_t{n.LT.Y} - ncl.Top, stripBottom = int64_t{n.LB.Y} - ncl.Top;
    add.Add(columns, Strip(Sides.Left, rt + Cut.LT.Y, rt + Cut.LB.Y, stripTop, stripBottom, sideHeight));
    add.Add(columns, Span(rt + cl.Top, rt + Cut.LT.Y, 0, stripTop));
    add.Add(columns, Span(rt + Cut.LB.Y, rt + cl.Bottom, stripBottom, sideHeight));
  });
  bands.Right = Band(rightWidth, sideHeight, Cut.RB.Y - int64_t{Cut.RT.Y} >= 1, [&](TPlanBuilder& add) {
    const TSpans columns = Span(rl + cl.Right, rr, 0, rightWidth);
    const int64_t stripTop = int64_t{n.RT.Y} - ncl.Top, stripBottom = int64_t{n.RB.Y} - ncl.Top;
    add.Add(columns, Strip(Sides.Right, rt + Cut.RT.Y, rt + Cut.RB.Y, stripTop, stripBottom, sideHeight));
    add.Add(columns, Span(rt + cl.Top, rt + Cut.RT.Y, 0, stripTop));
    add.Add(columns, Span(rt + Cut.RB.Y, rt + cl.Bottom, stripBottom, sideHeight));
  });
  return bands;
}

TBorderPlans SkinBorderMaskPlans(const TSkinCut& Cut, const TSkinCut& NewCut, int32_t MaskWidth,
                                 int32_t MaskHeight, int32_t Width) {
  const TRect& cl = Cut.ClRect;
  const TSkinCut& n = NewCut;
  const int64_t mw = MaskWidth, mh = MaskHeight, w = Width;
  const int64_t sideHeight = int64_t{NewCut.ClRect.Bottom} - NewCut.ClRect.Top;
  // Every band is sized, also to nothing (one without area has no copies); only a band
  // past the pixel image's limits is left alone.
  const auto band = [](int64_t width, int64_t height, auto build) {
    TBandPlan plan = Band(width, height, true, build);
    plan.Image.Copies = TileByTile(plan.Image.Copies, plan.Image.Width, plan.Image.Height);
    if (width < 1 || height < 1) {
      plan.Drawn = true;
      plan.Image.Width = static_cast<int32_t>(std::clamp<int64_t>(width, 0, Int32Max));
      plan.Image.Height = static_cast<int32_t>(std::clamp<int64_t>(height, 0, Int32Max));
    }
    return plan;
  };
  // Along a band: the strip Lo .. Hi of the mask tiled from Start to the band's end, then
  // the pieces First .. Lo and Hi .. Last copied over the band's two ends.
  const auto along = [](int64_t lo, int64_t hi, int64_t start, int64_t first, int64_t last,
                        int64_t bandLength) {
    return std::vector<TSpans>{Tiles(lo, hi - lo, start, bandLength, true, bandLength),
                               Span(first, lo, 0, lo - first),
                               Span(hi, last, bandLength - (last - hi), bandLength)};
  };

  TBorderPlans bands;
  bands.Top = band(w, cl.Top, [&](TPlanBuilder& add) {
    for (const TSpans& columns : along(Cut.LT.X, Cut.RT.X, n.LT.X, 0, mw, w))
      add.Add(columns, Span(0, cl.Top, 0, cl.Top));
  });
  bands.Bottom = band(w, mh - cl.Bottom, [&](TPlanBuilder& add) {
    for (const TSpans& columns : along(Cut.LB.X, Cut.RB.X, n.LB.X, 0, mw, w))
      add.Add(columns, Span(cl.Bottom, mh, 0, mh - cl.Bottom));
  });
  // The side bands' rows count from the new client rectangle's top.
  bands.Left = band(cl.Left, sideHeight, [&](TPlanBuilder& add) {
    for (const TSpans& rows :
         along(Cut.LT.Y, Cut.LB.Y, int64_t{n.LT.Y} - n.ClRect.Top, cl.Top, cl.Bottom, sideHeight))
      add.Add(Span(0, cl.Left, 0, cl.Left), rows);
  });
  bands.Right = band(mw - cl.Right, sideHeight, [&](TPlanBuilder& add) {
    for (const TSpans& rows :
         along(Cut.RT.Y, Cut.RB.Y, int64_t{n.RT.Y} - n.ClRect.Top, cl.Top, cl.Bottom, sideHeight))
      add.Add(Span(cl.Right, mw, 0, mw - cl.Right), rows);
  });
  return bands;
}

TImagePlan HSkinImagePlan(int32_t LeftOffset, int32_t RightOffset, const TRect& R, int32_t NewWidth,
                          bool StretchEffect) {
  TImagePlan image;
  image.Width = std::max(NewWidth, 0);
  image.Height = std::max(RectHeight(R), 0);
  const int64_t w = NewWidth, left = R.Left, right = R.Right;
  const TSpans rows = Span(R.Top, R.Bottom, 0, image.Height);
  TPlanBuilder add(image.Copies, image.Width, image.Height);
  if (LeftOffset != 0) add.Add(Span(left, left + LeftOffset, 0, LeftOffset), rows);
  if (RightOffset != 0) add.Add(Span(right - RightOffset, right, w - RightOffset, w), rows);
  int64_t middle = right - RightOffset - (left + LeftOffset);
  if (middle == 0) middle = 1;
  add.Add(Strip(StretchEffect, left + LeftOffset, left + LeftOffset + middle, LeftOffset, w - RightOffset, w),
          rows);
  return image;
}

TImagePlan VSkinImagePlan(int32_t TopOffset, int32_t BottomOffset, const TRect& R, int32_t NewHeight,
                          bool StretchEffect) {
  TImagePlan image = HSkinImagePlan(TopOffset, BottomOffset, Transposed(R), NewHeight, StretchEffect);
  std::swap(image.Width, image.Height);
  for (TPieceCopy& copy : image.Copies)
    copy = {Transposed(copy.Source), Transposed(copy.Dest), copy.TiledDown, copy.TiledAcross};
  return image;
}
