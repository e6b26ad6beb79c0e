// Where a button puts its glyph and caption, which glyph and state picture it shows,
// and how its morph steps.
#include "skin/controls/portable/ButtonLayout.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

using S = TspPartState;
constexpr TRect R{10, 20, 110, 60};  // centre (60, 40)

struct TLayoutCase {
  TspButtonLayout Layout;
  int32_t Margin;
  TPoint Glyph, Text;
};

TEST(CalcButtonLayout, PlacesGlyphAndCaptionByLayoutAndMargin) {
  // A 16 x 12 glyph, a 30 x 10 caption, 2 pixels between them.
  const TLayoutCase cases[] = {
      {blGlyphLeft, 4, {14, 34}, {32, 35}},   {blGlyphRight, 4, {90, 34}, {58, 35}},
      {blGlyphTop, 4, {52, 24}, {45, 38}},    {blGlyphBottom, 4, {52, 44}, {45, 32}},
      {blGlyphLeft, -1, {36, 34}, {54, 35}},  {blGlyphRight, -1, {68, 34}, {36, 35}},
      {blGlyphTop, -1, {52, 28}, {45, 42}},   {blGlyphBottom, -1, {52, 40}, {45, 28}},
  };
  for (const TLayoutCase& c : cases) {
    const TspButtonPlaces p = CalcButtonLayout(c.Layout, R, 16, 12, 30, 10, c.Margin, 2);
    EXPECT_EQ(p.Glyph, c.Glyph) << c.Layout << " " << c.Margin;
    EXPECT_EQ(p.Text, c.Text) << c.Layout << " " << c.Margin;
  }
}

TEST(CalcButtonLayout, ALoneGlyphOrCaptionKeepsTheSpacingOnItsSide) {
  // A 16 x 12 glyph alone, and a 30 x 10 caption alone, centred with 4 pixels of spacing:
  // the spacing still counts, so each sits half of it off the centre.
  const TLayoutCase cases[] = {
      {blGlyphLeft, -1, {50, 34}, {47, 35}},  {blGlyphRight, -1, {54, 34}, {43, 35}},
      {blGlyphTop, -1, {52, 32}, {45, 37}},   {blGlyphBottom, -1, {52, 36}, {45, 33}},
  };
  for (const TLayoutCase& c : cases) {
    EXPECT_EQ(CalcButtonLayout(c.Layout, R, 16, 12, 0, 0, -1, 4).Glyph, c.Glyph) << c.Layout;
    EXPECT_EQ(CalcButtonLayout(c.Layout, R, 0, 0, 30, 10, -1, 4).Text, c.Text) << c.Layout;
  }
  // With a margin the lone caption starts the spacing beyond where the glyph would end.
  EXPECT_EQ(CalcButtonLayout(blGlyphLeft, R, 0, 0, 30, 10, 3, 4).Text, (TPoint{17, 35}));
}

TEST(GetGlyphNum, PicksTheStateGlyphTheStripHas) {
  EXPECT_EQ(GetGlyphNum(true, true, true, 3), 3);
  EXPECT_EQ(GetGlyphNum(true, true, true, 2), 1);  // no down glyph in the strip
  EXPECT_EQ(GetGlyphNum(false, true, true, 4), 4);
  EXPECT_EQ(GetGlyphNum(false, true, true, 3), 1);
  EXPECT_EQ(GetGlyphNum(false, false, false, 2), 2);
  EXPECT_EQ(GetGlyphNum(false, false, false, 1), 1);
}

TEST(ButtonPartState, FollowsThePressTheFocusAndThePointer) {
  const auto state = [](auto change) {
    TspButtonStateFlags f;
    change(f);
    return ButtonPartState(f);
  };
  EXPECT_EQ(state([](auto&) {}), S::Normal);
  EXPECT_EQ(state([](auto& f) { f.MouseIn = true; }), S::Hot);
  EXPECT_EQ(state([](auto& f) { f.MorphedToActive = true; }), S::Hot);
  EXPECT_EQ(state([](auto& f) { f.Down = f.MouseIn = true; }), S::Down);
  // Pressed, then the pointer left: up again until it comes back.
  EXPECT_EQ(state([](auto& f) { f.Down = f.PressedByMouse = true; }), S::Normal);
  // Held by the space bar, by the group.
  EXPECT_EQ(state([](auto& f) { f.Down = f.FocusedAndCanFocus = true; }), S::Down);
  EXPECT_EQ(state([](auto& f) { f.Down = f.Grouped = true; }), S::Down);
  EXPECT_EQ(state([](auto& f) { f.FocusedAndCanFocus = true; }), S::Focused);
  EXPECT_EQ(state([](auto& f) { f.FocusedAndCanFocus = f.Animating = true; }), S::Hot);
  EXPECT_EQ(state([](auto& f) { f.Enabled = false; }), S::Normal);
  EXPECT_EQ(state([](auto& f) { f.Enabled = false, f.HasDisabledLook = true, f.Down = f.Grouped = true; }),
            S::Disabled);
}

TEST(NextMorphFactor, StepsByAFifthAndLandsExactlyOnItsEnds) {
  std::vector<double> up, down;
  bool done = false;
  for (double kf = 0; !done;) up.push_back(kf = NextMorphFactor(kf, true, done));
  done = false;
  for (double kf = 1; !done;) down.push_back(kf = NextMorphFactor(kf, false, done));
  EXPECT_EQ(up, (std::vector<double>{0.2, 0.4, 0.6, 0.8, 1, 1}));
  EXPECT_EQ(down, (std::vector<double>{0.8, 0.6, 0.4, 0.2, 0, 0}));
  EXPECT_EQ(NextMorphFactor(0.5, true, done), 0.8);  // a factor between steps moves on
}

}  // namespace
