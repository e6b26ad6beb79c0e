#pragma once
// The geometry of child placement, free of windows: size limits, alignment to the
// parent's edges and anchoring to them when the parent's size changes.

#include "base/Geometry.h"
#include "base/Set.h"

#include <vector>

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum TAnchorKind { akLeft, akTop, akRight, akBottom };
using TAnchors = TSet<TAnchorKind>;
inline constexpr TAnchors DefaultAnchors{akLeft, akTop};

// Minimum and maximum width and height; 0 means no limit. A minimum wins over a smaller
// maximum.
struct TSizeLimits {
  int MinWidth = 0;
  int MaxWidth = 0;
  int MinHeight = 0;
  int MaxHeight = 0;
};

TSize ConstrainSize(TSize Size, const TSizeLimits& Limits);

struct TAlignItem {
  TAlign Align = alNone;
  TRect Bounds;
  TSizeLimits Limits;
};

// New bounds for children placed in Client. Top, bottom, left and right children are
// stacked against the remaining space's edges in that order; each keeps its height
// (top, bottom) or width (left, right) and takes the whole other extent; client children
// fill what is left. Children of one alignment go in the order of their current
// position towards the inside (ties keep the list order). Sizes obey each child's
// limits and never go below 0. Children with alNone keep their bounds.
std::vector<TRect> AlignItems(const TRect& Client, const std::vector<TAlignItem>& Items);

// AlignItems with the space the top, bottom, left and right children leave (what client
// children fill; an MDI form's client window takes it).
struct TAlignedItems {
  std::vector<TRect> Placed;
  TRect Remainder;
};
TAlignedItems PlaceAlignedItems(const TRect& Client, const std::vector<TAlignItem>& Items);

// What a child remembers to follow its parent's later size: its bounds and the parent's
// client size at the time.
struct TAnchorRules {
  TRect Bounds;
  TSize ParentSize;
};

// The child's bounds for the parent's new client size. Per axis: anchored to both edges
// the child stretches by the parent's growth; to the far edge only it moves by it; to
// neither its centre keeps its proportional place; to the near edge only it stays.
TRect ApplyAnchors(TAnchors Anchors, const TAnchorRules& Rules, const TRect& Current,
                   TSize ParentSize);
