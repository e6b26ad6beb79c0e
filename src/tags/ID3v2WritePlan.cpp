#include "ID3v2WritePlan.h"

#include "ID3v1.h"
#include "ID3v2HeaderEx.h"

uint32_t ID3v2Padding(uint32_t framesSize) {
  // Doubles alike in both builds (SSE arithmetic on i686).
  double share = framesSize / 200.0;
  double step = 1, a = 0.95, b = 0.99;
  while (step <= share) {
    step *= 2;
    a *= 0.91;
    b *= b;
  }
  return static_cast<uint32_t>((0.0001 + b) * share * 100 * a) + framesSize / 33;
}

int64_t TID3v2FileLayout::OldTagExtent() const {
  if (!HasTag) return 0;
  return int64_t{ID3v2HeaderSize} + OldTagSize + (OldFooter ? ID3v2FooterSize : 0);
}

int64_t TID3v2FileLayout::AudioLength() const {
  return FileLength - OldTagExtent() - (HasID3v1 ? ID3v1TagSize : 0);
}

TID3v2WritePlan PlanTagWrite(const TID3v2FileLayout& layout, uint32_t framesSize,
                             bool frameListEmpty, bool removeID3v1) {
  TID3v2WritePlan plan;
  uint32_t oldSize = layout.HasTag ? layout.OldTagSize : 0;
  plan.Padding = ID3v2Padding(framesSize);
  if (framesSize < oldSize && oldSize - framesSize > 0.7 * plan.Padding)
    plan.Padding = oldSize - framesSize;
  plan.Total = framesSize + plan.Padding;
  // The padding rule leaves a new tag either exactly the old size or larger than it, so
  // the tag fits the old space only when it takes exactly that space.
  plan.InPlace =
      layout.HasTag && !layout.OldFooter && plan.Total == oldSize && !frameListEmpty && !removeID3v1;
  return plan;
}
