// Check and radio boxes without windows: where the check image and caption go as the
// box widens, the looks a skin gives each check state with their fall-backs, and the
// click cycle.
#include "skin/controls/portable/CheckRadioLayout.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace {

constexpr int32_t IntMin = std::numeric_limits<int32_t>::min();
constexpr int32_t IntMax = std::numeric_limits<int32_t>::max();

TEST(CheckRadioRects, TheTextWidensWithTheBoxAndACheckImageRightOfItMovesAlong) {
  const TRect skin{200, 40, 300, 60};  // 100 x 20
  TspCheckRadioRects r = CheckRadioRects(skin, {22, 0, 98, 20}, {0, 0, 20, 20}, {15, 15}, 150);
  EXPECT_EQ(r.CheckImage, (TRect{3, 3, 18, 18}));
  EXPECT_EQ(r.Text, (TRect{22, 0, 148, 20}));
  r = CheckRadioRects(skin, {0, 0, 78, 20}, {80, 0, 100, 20}, {15, 15}, 150);
  EXPECT_EQ(r.CheckImage, (TRect{133, 3, 148, 18}));
  EXPECT_EQ(r.Text, (TRect{0, 0, 128, 20}));
  r = CheckRadioRects({IntMin, 0, IntMax, 20}, {0, 0, IntMax, 20}, {IntMax - 1, 0, IntMax, 20}, {IntMax, IntMax},
                      IntMax);  // an untrusted skin: values saturate
  EXPECT_LE(r.CheckImage.Left, r.CheckImage.Right);
}

TEST(CheckImageLooks, EachStateHasItsImagesAndALackingLookFallsBackToTheNormalOne) {
  TspDataSkinCheckRadioControl e("checkbox");
  e.CheckImageRect = {0, 0, 15, 15};
  e.GrayedCheckImageRect = {15, 0, 30, 15};
  e.UncheckImageRect = {30, 0, 45, 15};
  e.ActiveCheckImageRect = {0, 15, 15, 30};
  e.UnenabledGrayedCheckImageRect = {15, 30, 30, 45};
  const auto looks = CheckImageLooks(e);
  EXPECT_EQ(PartLook(looks[cbChecked], TspPartState::Hot).Rect, e.ActiveCheckImageRect);
  EXPECT_EQ(PartLook(looks[cbChecked], TspPartState::Disabled).Rect, e.CheckImageRect);
  EXPECT_EQ(PartLook(looks[cbGrayed], TspPartState::Disabled).Rect, e.UnenabledGrayedCheckImageRect);
  EXPECT_EQ(PartLook(looks[cbGrayed], TspPartState::Hot).Rect, e.GrayedCheckImageRect);
  EXPECT_EQ(PartLook(looks[cbUnchecked], TspPartState::Hot).Rect, e.UncheckImageRect);
}

std::vector<TCheckBoxState> Clicks(TCheckBoxState State, bool Radio, bool AllowGrayed) {
  std::vector<TCheckBoxState> states;
  for (int i = 0; i < 4; ++i) states.push_back(State = ClickedCheckState(State, Radio, AllowGrayed));
  return states;
}

TEST(ClickedCheckState, CheckBoxesToggleOrCycleThroughGrayedAndRadioBoxesStayChecked) {
  using V = std::vector<TCheckBoxState>;
  EXPECT_EQ(Clicks(cbUnchecked, false, false), (V{cbChecked, cbUnchecked, cbChecked, cbUnchecked}));
  EXPECT_EQ(Clicks(cbUnchecked, false, true), (V{cbGrayed, cbChecked, cbUnchecked, cbGrayed}));
  EXPECT_EQ(Clicks(cbGrayed, false, false), (V{cbChecked, cbUnchecked, cbChecked, cbUnchecked}));
  EXPECT_EQ(Clicks(cbUnchecked, true, true), (V{cbChecked, cbChecked, cbChecked, cbChecked}));
}

}  // namespace
