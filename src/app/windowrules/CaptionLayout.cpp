#include "CaptionLayout.h"

#include <algorithm>
#include <numeric>

TSpan FieldAfterCaption(int32_t captionRight, int32_t gap, const TSpan& field, bool keepWidth) {
  const int32_t start = captionRight + gap;
  if (keepWidth) return {start, field.Length};
  return {start, std::max(field.Start + field.Length - start, 0)};
}

int32_t ColumnAfterCaptions(const std::vector<int32_t>& captionRights, int32_t gap, int32_t designLeft) {
  int32_t left = designLeft;
  for (int32_t right : captionRights) left = std::max(left, right + gap);
  return left;
}

std::array<TCaptionPair, 2> SharedCaptionRow(int32_t left, int32_t right, const std::array<int32_t, 2>& captionWidths,
                                             int32_t fieldWidth, int32_t gap, int32_t pairGap) {
  const int32_t fixed = captionWidths[0] + captionWidths[1] + 2 * gap + pairGap;
  const int32_t width = std::clamp((right - left - fixed) / 2, 0, fieldWidth);
  std::array<TCaptionPair, 2> row;
  int32_t x = left;
  for (size_t i = 0; i < row.size(); ++i) {
    row[i].Caption = {x, captionWidths[i]};
    row[i].Field = {x + captionWidths[i] + gap, width};
    x = row[i].Field.Start + width + pairGap;
  }
  return row;
}

std::vector<TSpan> ButtonRow(int32_t left, int32_t right, const std::vector<int32_t>& neededWidths, int32_t gap) {
  const auto count = static_cast<int32_t>(neededWidths.size());
  if (count == 0) return {};
  const int32_t room = std::max(right - left - gap * (count - 1), 0);
  // The buttons whose captions need more than an equal share of what the others leave
  // take what they need, until every other one fits the share.
  std::vector<bool> ownWidth(neededWidths.size(), false);
  int32_t share = room / count;
  for (bool changed = true; changed;) {
    changed = false;
    int32_t taken = 0, sharing = 0;
    for (size_t i = 0; i < neededWidths.size(); ++i)
      if (ownWidth[i]) taken += neededWidths[i]; else ++sharing;
    share = sharing > 0 ? std::max(room - taken, 0) / sharing : 0;
    for (size_t i = 0; i < neededWidths.size(); ++i)
      if (!ownWidth[i] && neededWidths[i] > share) ownWidth[i] = changed = true;
  }
  std::vector<TSpan> spans;
  int32_t x = left;
  for (size_t i = 0; i < neededWidths.size(); ++i) {
    const int32_t width = ownWidth[i] ? neededWidths[i] : share;
    spans.push_back({x, width});
    x += width + gap;
  }
  return spans;
}
