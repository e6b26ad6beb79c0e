// The scroll bar's range, parts and dragging without windows: the one clamp for every
// Min, page and range, where the parts lie with and without a skin, and where a drag
// or a press lands.
#include "skin/controls/portable/ScrollBarGeometry.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

constexpr int32_t IntMin = std::numeric_limits<int32_t>::min();
constexpr int32_t IntMax = std::numeric_limits<int32_t>::max();

TspScrollRange Range(int32_t Min, int32_t Max, int32_t PageSize, int32_t Position = 0) {
  return {Min, Max, PageSize, Position};
}

TEST(ScrollRange, EveryPositionIsClampedToMinUpToTheLastWholePage) {
  struct {
    TspScrollRange Range;
    int32_t Value, Clamped;
  } const rows[] = {
      {Range(0, 100, 0), 150, 100},  {Range(0, 100, 0), -5, 0},      {Range(0, 100, 10), 95, 91},
      {Range(10, 50, 5), 49, 46},    {Range(10, 50, 5), 3, 10},      {Range(-20, -10, 0), 0, -10},
      {Range(0, 9, 20), 5, 0},       {Range(5, 9, 20), 7, 5},        {Range(5, 5, 0), 9, 5},
      {Range(5, 5, 1), 9, 5},        {Range(IntMin, IntMax, 0), IntMax, IntMax},
      {Range(IntMin, IntMax, IntMin), 0, 0},  // the last position saturates instead of overflowing
  };
  for (const auto& row : rows)
    EXPECT_EQ(row.Range.Clamp(row.Value), row.Clamped)
        << row.Range.Min << ".." << row.Range.Max << " page " << row.Range.PageSize << " value " << row.Value;
}

TEST(ScrollRange, APageFitsWhenItEndsWithinTheRangeCountedFromMin) {
  const TspScrollRange r = Range(10, 50, 0, 40);  // 41 positions, 30 of them before Position
  EXPECT_TRUE(r.PageFits(11));
  EXPECT_FALSE(r.PageFits(12));
  EXPECT_TRUE(r.PageFits(0));
  EXPECT_FALSE(r.PageFits(-1));
  EXPECT_TRUE(Range(0, 99, 0, 50).PageFits(50));
  EXPECT_FALSE(Range(0, 99, 0, 50).PageFits(51));
  EXPECT_FALSE(Range(IntMin, IntMax, 0, IntMax).PageFits(IntMax));
}

TspScrollBarShape Bar(bool Vertical, int32_t Length, int32_t BothMarkerWidth = 0) {
  TspScrollBarShape shape;
  shape.Vertical = Vertical;
  shape.Width = Vertical ? 19 : Length;
  shape.Height = Vertical ? Length : 19;
  shape.BothMarkerWidth = BothMarkerWidth;
  return shape;
}

using TParts = std::array<TRect, 3>;  // thumb, up button, down button

TEST(ScrollBarRects, WithoutSkinTheButtonsAreSixteenLongAndTheThumbAtLeastSixteen) {
  TspScrollBarRects r = CalcScrollBarRects(Bar(false, 200), Range(0, 100, 0, 0));
  EXPECT_EQ(r.Buttons, (TParts{TRect{17, 1, 33, 18}, {183, 1, 199, 18}, {1, 1, 17, 18}}));
  EXPECT_EQ(r.TrackRect, (TRect{17, 1, 183, 18}));
  EXPECT_EQ(std::make_pair(r.ThumbFirstCentre, r.ThumbLastCentre), std::make_pair(25, 175));
  EXPECT_EQ(CalcScrollBarRects(Bar(false, 200), Range(0, 100, 0, 50)).Buttons[ScrollThumb], (TRect{92, 1, 108, 18}));
  EXPECT_EQ(CalcScrollBarRects(Bar(false, 200), Range(0, 100, 0, 100)).Buttons[ScrollThumb],
            (TRect{167, 1, 183, 18}));

  r = CalcScrollBarRects(Bar(true, 200), Range(0, 100, 0, 100));
  EXPECT_EQ(r.Buttons, (TParts{TRect{1, 167, 18, 183}, {1, 183, 18, 199}, {1, 1, 18, 17}}));
  EXPECT_EQ(r.TrackRect, (TRect{1, 17, 18, 183}));

  // Both: the corner at the right end is left out.
  r = CalcScrollBarRects(Bar(false, 200, 19), Range(0, 100, 0, 100));
  EXPECT_EQ(r.Buttons, (TParts{TRect{148, 1, 164, 18}, {164, 1, 180, 18}, {1, 1, 17, 18}}));
}

TEST(ScrollBarRects, APageSizesTheThumbByItsShareOfTheRangeWithinTheTrack) {
  // 166 pixels of track, half the range in a page: 83, drawn 82 around its centre.
  EXPECT_EQ(CalcScrollBarRects(Bar(false, 200), Range(0, 99, 50, 0)).Buttons[ScrollThumb], (TRect{17, 1, 99, 18}));
  EXPECT_EQ(CalcScrollBarRects(Bar(false, 200), Range(0, 99, 50, 50)).Buttons[ScrollThumb], (TRect{101, 1, 183, 18}));
  EXPECT_EQ(CalcScrollBarRects(Bar(false, 200), Range(0, 9999, 1, 0)).Buttons[ScrollThumb], (TRect{17, 1, 33, 18}));
  // A page of the whole range or more fills the track, never more.
  for (const TspScrollRange& whole : {Range(0, 9, 10), Range(0, 9, 20), Range(40, 49, 30, 40)}) {
    EXPECT_EQ(CalcScrollBarRects(Bar(false, 200), whole).Buttons[ScrollThumb], (TRect{17, 1, 183, 18}));
    EXPECT_EQ(CalcScrollBarRects(Bar(true, 200), whole).Buttons[ScrollThumb], (TRect{1, 17, 18, 183}));
  }
  // Max = Min: the thumb stays at the start.
  EXPECT_EQ(CalcScrollBarRects(Bar(false, 200), Range(5, 5, 0, 5)).Buttons[ScrollThumb], (TRect{17, 1, 33, 18}));
  // A bar too short for its arrow buttons has a track and thumb of no length.
  EXPECT_TRUE(IsRectEmpty(CalcScrollBarRects(Bar(false, 20), Range(0, 10, 0, 5)).Buttons[ScrollThumb]));
}

// A horizontal entry 100 x 16: arrow buttons of 16 at the ends, a 24 x 10 thumb.
TspScrollBarSkinGeometry HorizontalSkin() {
  TspScrollBarSkinGeometry skin;
  skin.SkinRect = {300, 40, 400, 56};
  skin.TrackArea = {16, 0, 84, 16};
  skin.DownButtonRect = {0, 0, 16, 16};
  skin.UpButtonRect = {84, 0, 100, 16};
  skin.RTPoint = {83, 0};
  skin.ThumbRect = {500, 0, 524, 10};
  return skin;
}

TEST(ScrollBarRects, WithSkinTheFarButtonMovesWithTheBarAndTheThumbIsCentredAcross) {
  TspScrollBarShape shape = Bar(false, 200);
  shape.Height = 16;
  shape.Skin = HorizontalSkin();
  TspScrollBarRects r = CalcScrollBarRects(shape, Range(0, 100, 0, 0));
  EXPECT_EQ(r.Buttons, (TParts{TRect{16, 3, 40, 13}, {184, 0, 200, 16}, {0, 0, 16, 16}}));
  EXPECT_EQ(r.TrackRect, (TRect{16, 0, 184, 16}));
  shape.Skin->ThumbMinPageSize = 30;  // the length without a page
  EXPECT_EQ(CalcScrollBarRects(shape, Range(0, 100, 0, 100)).Buttons[ScrollThumb], (TRect{154, 3, 184, 13}));
  EXPECT_EQ(CalcScrollBarRects(shape, Range(0, 9999, 1, 0)).Buttons[ScrollThumb], (TRect{16, 3, 40, 13}));
  shape.Skin->ThumbMinSize = 40;  // the shortest thumb with a page
  EXPECT_EQ(CalcScrollBarRects(shape, Range(0, 9999, 1, 0)).Buttons[ScrollThumb], (TRect{16, 3, 56, 13}));

  TspScrollBarShape vertical = Bar(true, 150);
  vertical.Width = 16;
  vertical.Skin = TspScrollBarSkinGeometry{{0, 0, 16, 100}, {0, 16, 16, 84}, {0, 84, 16, 100}, {0, 0, 16, 16},
                                           {0, 0, 10, 24}, {}, {0, 83}};
  r = CalcScrollBarRects(vertical, Range(0, 10, 0, 10));
  EXPECT_EQ(r.Buttons, (TParts{TRect{3, 110, 13, 134}, {0, 134, 16, 150}, {0, 0, 16, 16}}));
}

TEST(ScrollBarRedrawArea, OnlyTheThumbsOldAndNewPlaceWhenNothingElseMoved) {
  const TRect client{0, 0, 19, 400};
  const auto at = [](int32_t Length, const TspScrollRange& R) { return CalcScrollBarRects(Bar(true, Length), R); };
  // 999 positions over 350 pixels of thumb travel: most steps leave the thumb where it
  // was and draw nothing, the others a pixel more than the thumb.
  int still = 0;
  for (int32_t position = 0; position < 999; ++position) {
    const TRect area = ScrollBarRedrawArea(at(400, Range(0, 999, 0, position)), at(400, Range(0, 999, 0, position + 1)), client);
    if (IsRectEmpty(area)) ++still;
    else EXPECT_EQ(area.Height(), 17) << position;
  }
  EXPECT_EQ(still, 999 - 350);
  // A thumb that moved less than its length: one rectangle over both places.
  const TspScrollBarRects before = at(400, Range(0, 127, 0, 64));
  const TspScrollBarRects after = at(400, Range(0, 127, 0, 65));
  ASSERT_NE(before.Buttons[ScrollThumb], after.Buttons[ScrollThumb]);
  EXPECT_EQ(ScrollBarRedrawArea(before, after, client),
            (TRect{1, before.Buttons[ScrollThumb].Top, 18, after.Buttons[ScrollThumb].Bottom}));
  // Far apart, and back: the span between them is drawn too (it is unchanged, and cheap).
  EXPECT_EQ(ScrollBarRedrawArea(at(400, Range(0, 127, 0, 127)), before, client),
            (TRect{1, before.Buttons[ScrollThumb].Top, 18, 383}));
  // A page, a new range or the same position show the same way.
  EXPECT_EQ(ScrollBarRedrawArea(before, at(400, Range(0, 127, 0, 64)), client), TRect{});
  // A thumb that appears or goes: its one place.
  TspScrollBarRects without = before;
  without.Buttons[ScrollThumb] = {};
  EXPECT_EQ(ScrollBarRedrawArea(without, before, client), before.Buttons[ScrollThumb]);
  EXPECT_EQ(ScrollBarRedrawArea(before, without, client), before.Buttons[ScrollThumb]);
  // Buttons or track that moved (the bar's size or Both changed): the whole bar.
  EXPECT_EQ(ScrollBarRedrawArea(before, at(401, Range(0, 127, 0, 64)), client), client);
  EXPECT_EQ(ScrollBarRedrawArea(CalcScrollBarRects(Bar(false, 200), Range(0, 100, 0, 100)),
                                CalcScrollBarRects(Bar(false, 200, 19), Range(0, 100, 0, 100)), client),
            client);
}

TEST(ScrollBarRects, ExtremeSkinValuesSaturateWithoutOverflow) {
  TspScrollBarShape shape = Bar(false, IntMax);
  shape.Skin = TspScrollBarSkinGeometry{{IntMin, 0, IntMax, 16}, {IntMin, IntMin, IntMax, IntMax},
                                        {IntMax, 0, IntMax, 16}, {}, {IntMin, IntMin, IntMax, IntMax},
                                        {IntMin, 0}, {}, IntMin, IntMin};
  for (const TspScrollRange& range : {Range(IntMin, IntMax, 0, 0), Range(IntMin, IntMax, IntMax, IntMin)}) {
    const TspScrollBarRects r = CalcScrollBarRects(shape, range);
    EXPECT_LE(r.ThumbFirstCentre, r.ThumbLastCentre);
    const int32_t position = ScrollPositionAt(r, range, IntMax);
    EXPECT_EQ(range.Clamp(position), position);
  }
}

TEST(ScrollPositionAt, PinsAtMinAndAtTheLastPositionPastEitherEnd) {
  const TspScrollBarShape bar = Bar(false, 200);
  for (const TspScrollRange& range :
       {Range(0, 100, 0), Range(0, 99, 10), Range(10, 50, 5), Range(-30, -10, 0), Range(0, 9, 20)}) {
    const TspScrollBarRects r = CalcScrollBarRects(bar, range);
    EXPECT_EQ(ScrollPositionAt(r, range, -500), range.Min);
    EXPECT_EQ(ScrollPositionAt(r, range, 500), range.Clamp(range.LastPosition())) << range.Min << " " << range.PageSize;
  }
  // Between the ends the share of the span: 75 of 150 pixels is the middle of 0..100.
  EXPECT_EQ(ScrollPositionAt(CalcScrollBarRects(bar, Range(0, 100, 0)), Range(0, 100, 0), 75), 50);
  // With a page the positions up to the last page: 0..90 in 0..99 with 10 to a page.
  const TspScrollRange paged = Range(0, 99, 10);
  const TspScrollBarRects r = CalcScrollBarRects(bar, paged);
  EXPECT_EQ(ScrollPositionAt(r, paged, (r.ThumbLastCentre - r.ThumbFirstCentre) / 2), 45);
}

TEST(ScrollBarHits, PartsTrackPagesAndHeldPagingAgreeOnTheThumbsEdges) {
  const TspScrollBarRects r = CalcScrollBarRects(Bar(false, 200), Range(0, 100, 0, 50));  // thumb 92..108
  EXPECT_EQ(ScrollPartAt(r, {100, 5}), ScrollThumb);
  EXPECT_EQ(ScrollPartAt(r, {190, 5}), ScrollUpButton);
  EXPECT_EQ(ScrollPartAt(r, {5, 5}), ScrollDownButton);
  EXPECT_EQ(ScrollPartAt(r, {50, 5}), -1);
  EXPECT_EQ(ScrollPartAt(r, {0, 0}), -1);  // the border
  EXPECT_EQ(TrackPageAt(r, false, {91, 5}), TspScrollPage::Up);
  EXPECT_EQ(TrackPageAt(r, false, {108, 5}), TspScrollPage::Down);
  EXPECT_EQ(TrackPageAt(r, false, {100, 5}), TspScrollPage::None);
  EXPECT_EQ(TrackPageAt(r, false, {190, 5}), TspScrollPage::None);
  EXPECT_TRUE(PageRepeatGoesOn(r, false, TspScrollPage::Up, {91, 5}));
  EXPECT_FALSE(PageRepeatGoesOn(r, false, TspScrollPage::Up, {92, 5}));
  EXPECT_TRUE(PageRepeatGoesOn(r, false, TspScrollPage::Down, {108, 5}));
  EXPECT_FALSE(PageRepeatGoesOn(r, false, TspScrollPage::Down, {107, 5}));

  const TspScrollBarRects v = CalcScrollBarRects(Bar(true, 200), Range(0, 100, 0, 50));
  EXPECT_EQ(TrackPageAt(v, true, {5, 91}), TspScrollPage::Up);
  EXPECT_EQ(TrackPageAt(v, true, {5, 120}), TspScrollPage::Down);
  EXPECT_FALSE(PageRepeatGoesOn(v, true, TspScrollPage::Down, {5, 100}));
}

}  // namespace
