#pragma once
// Where fields and buttons go beside captions whose length depends on the language: a
// field after its caption, a column of fields after the longest of their captions, two
// caption-and-field pairs sharing a row, and buttons sharing a row by what their
// captions need.

#include "MainWindowLayout.h"

#include <array>
#include <cstdint>
#include <vector>

// A field gap pixels after its caption's end: with keepWidth as wide as before,
// otherwise keeping its right edge (never narrower than 0).
TSpan FieldAfterCaption(int32_t captionRight, int32_t gap, const TSpan& field, bool keepWidth);

// Where a column of fields starts: gap pixels after the longest of their captions, and
// never left of where the design put it.
int32_t ColumnAfterCaptions(const std::vector<int32_t>& captionRights, int32_t gap, int32_t designLeft);

// Two captions, each followed by its field, on one row from left to right: each caption
// as wide as its text, its field gap pixels after it, the second caption pairGap pixels
// after the first field. The fields keep fieldWidth, or share what the row leaves them
// where it has less room.
struct TCaptionPair {
  TSpan Caption;
  TSpan Field;
  bool operator==(const TCaptionPair&) const = default;
};
std::array<TCaptionPair, 2> SharedCaptionRow(int32_t left, int32_t right, const std::array<int32_t, 2>& captionWidths,
                                             int32_t fieldWidth, int32_t gap, int32_t pairGap);

// Buttons side by side from left to right, gap pixels apart: equally wide while each
// caption fits that share; otherwise a button gets what its caption needs and the others
// share the rest equally.
std::vector<TSpan> ButtonRow(int32_t left, int32_t right, const std::vector<int32_t>& neededWidths, int32_t gap);
