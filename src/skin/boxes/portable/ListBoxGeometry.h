#pragma once
// The skinned list box's rules without windows: where its inner list and its two scroll
// bars lie, when a bar is needed and with which range, how high the box is for a number
// of rows, which items a paint covers, the caption band's rectangles, and where the
// caption's up and down buttons step the selection.
//
// Skin rectangles are untrusted: sums of their coordinates saturate, and a division by
// an item height below 1 counts it as 1.

#include "base/Geometry.h"
#include "base/TextStyles.h"
#include "skin/controls/portable/ScrollBarGeometry.h"

#include <array>
#include <cstdint>
#include <optional>

// What decides where the inner list and the bars lie.
struct TspListBoxFrame {
  bool Skinned = false;
  // With a skin: the list area, the entry's client rectangle at the current size.
  TRect ListRect;
  int32_t Width = 0;
  int32_t Height = 0;
  // Without a skin: the top edge of the list area, DefaultCaptionHeight in caption
  // mode, else 1.
  int32_t CaptionHeight = 1;
  // 0: one column; more: columns, and the "vertical" bar lies across the bottom.
  int32_t Columns = 0;
};

// The bars that exist and are visible, with their current sizes (a skinned bar keeps the
// width or height its skin entry gives it).
struct TspListBoxBars {
  std::optional<TSize> Vertical;
  std::optional<TSize> Horizontal;
};

struct TspListBoxPlaces {
  TRect Inner;
  std::optional<TRect> VerticalBar;
  std::optional<TRect> HorizontalBar;
};

// Without a skin the bars have a scroll bar's default thickness, inside the one-pixel
// frame; the list keeps a pixel clear of the frame. The horizontal bar of a list without
// a vertical one lies over the list's lowest strip. A box too small for its parts gets places without
// area, never inverted ones.
TspListBoxPlaces ListBoxPlaces(const TspListBoxFrame& Frame, const TspListBoxBars& Bars);

// The list area of a skinned box: the entry's client rectangle with its right and bottom
// edges moved by what the box is wider and higher than the entry's rectangle.
TRect SkinListRect(const TRect& ClRect, const TRect& SkinRect, int32_t Width, int32_t Height);

// Where R of a skin entry (relative to its SkinRect) lies in the entry's picture.
TRect PictureRect(const TRect& R, const TRect& SkinRect);

// A native scroll bar's range and position as the inner list reports them.
struct TspScrollState {
  int32_t Min = 0;
  int32_t Max = 0;
  int32_t Position = 0;
};

// The range a skinned bar takes; none when the bar is not needed.
struct TspBarRange {
  int32_t Min = 0;
  int32_t Max = 0;
  int32_t PageSize = 0;
  int32_t Position = 0;
  friend bool operator==(const TspBarRange&, const TspBarRange&) = default;
};

// One column: a vertical bar while the native range is real and the items outnumber the
// rows that fit (InnerHeight div ItemHeight, also the page); never when RowCount is set
// and the box holds exactly that many items.
std::optional<TspBarRange> RowsBarRange(const TspScrollState& Native, int32_t RowCount, int32_t Count,
                                        int32_t InnerHeight, int32_t ItemHeight);
// Several columns: the bar across the bottom follows the native horizontal range, a page
// of Columns, while the items outnumber the cells that show.
std::optional<TspBarRange> ColumnsBarRange(const TspScrollState& Native, int32_t Columns, int32_t Count,
                                           int32_t InnerHeight, int32_t ItemHeight);
// Sideways: a bar of range 0 .. WidestText, page Available, while the widest item text
// is wider than the room for it.
std::optional<TspBarRange> TextBarRange(int32_t WidestText, int32_t Available, int32_t Position);
// The room for item text: with a skin the inner width less what the entry's item picture
// keeps around its text rectangle, without one the inner width less 4; an image (Width
// ImageWidth) takes its width and 4 more.
int32_t AvailableTextWidth(bool Skinned, int32_t InnerWidth, const TRect& ItemTextRect, const TRect& ItemRect,
                           std::optional<int32_t> ImageWidth);

// The box's height for Rows rows: the rows plus the skin entry's frame (what SkinRect is
// higher than ClRect), or without a skin plus 4 and the caption band; plus the
// horizontal bar's height when there is one.
struct TspRowsHeightRules {
  bool Skinned = false;
  int32_t SkinFrameHeight = 0;  // RectHeight(SkinRect) - RectHeight(ClRect)
  bool CaptionMode = false;
  int32_t DefaultCaptionHeight = 0;
  int32_t HorizontalBarHeight = 0;  // 0 without the bar
};
int32_t HeightForRows(int32_t Rows, int32_t ItemHeight, const TspRowsHeightRules& Rules);

// The items a paint of a list Height high covers from TopIndex on: as many rows as fit
// (and one more, cut), times Columns in a multi-column list; Last below First when there
// are none.
struct TspItemSpan {
  int32_t First = 0;
  int32_t Last = -1;
};
TspItemSpan VisibleItems(int32_t TopIndex, int32_t Count, int32_t Height, int32_t ItemHeight, int32_t Columns);

// The text rectangle of an item Width x Height drawn from a skin item picture ItemRect:
// ItemTextRect, its right and bottom edges moved by what the item is larger.
TRect SkinItemTextRect(const TRect& ItemTextRect, const TRect& ItemRect, int32_t Width, int32_t Height);

// The caption's buttons, in the order of their index.
enum TspCaptionButton { CaptionUpButton, CaptionDownButton, CaptionCheckButton };
using TspCaptionButtonRects = std::array<TRect, 3>;

// Without a skin: buttons 17 pixels square (smaller when the band is lower), from the
// right edge leftwards up, down, check; the caption left of them.
TspCaptionButtonRects DefaultCaptionButtons(int32_t Width, int32_t CaptionHeight);
TRect DefaultCaptionRect(int32_t Width, int32_t CaptionHeight);

// With a skin, a caption band rectangle R of the entry (relative to its SkinRect) on a
// box DW wider and DH higher than the entry: one below the top-left corner point moves
// down, then right when it lies right of the right-bottom point; one above moves right
// when it lies right of the right-top point.
struct TspCaptionCut {
  TPoint LT, RT, RB;
};
TRect MovedCaptionButton(const TRect& R, const TspCaptionCut& Cut, int32_t DW, int32_t DH);
// The caption rectangle widens with the box when it reaches the right-top point.
TRect MovedCaptionRect(const TRect& R, const TspCaptionCut& Cut, int32_t DW);

// Where a caption CaptionWidth wide starts in R: Margin in from the left, Margin short of
// the right edge, or centred after Margin.
int32_t CaptionTextLeft(TAlignment Alignment, const TRect& R, int32_t CaptionWidth, int32_t Margin);

// The item a caption button's step selects, or none: up while there is an item above,
// down while there is one below (from no selection, the first).
std::optional<int32_t> StepUpIndex(int32_t ItemIndex);
std::optional<int32_t> StepDownIndex(int32_t ItemIndex, int32_t Count);
