#include "FrameTestSkin.h"

#include "skin/form/portable/FrameObjects.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Kind = TspFrameObjectKind;

TspObjectPlace Object(Kind K, TspStdButtonCommand Command, TRect SkinRect, bool InActivePicture = true) {
  return {K, Command, true, true, false, InActivePicture, SkinRect, SkinRect};
}
TspObjectPlace Button(TspStdButtonCommand Command, TRect SkinRect) {
  return Object(Kind::StdButton, Command, SkinRect);
}
TspObjectPlace Caption(TRect R) { return Object(Kind::Caption, cmdefault, R, false); }

std::vector<TspObjectPlace*> Pointers(std::vector<TspObjectPlace>& Objects) {
  std::vector<TspObjectPlace*> pointers;
  for (TspObjectPlace& o : Objects) pointers.push_back(&o);
  return pointers;
}

TEST(FrameObjects, CaptionButtonsShareTheCaptionRectangleFromTheRight) {
  // Minimize is listed first, yet close takes the row's end; a button drawn in the frame
  // picture stays where it is.
  std::vector<TspObjectPlace> objects{Button(cmminimize, Rect(0, 0, 16, 14)), Caption(Rect(10, 4, 200, 22)),
                                      Button(cmclose, Rect(0, 20, 16, 34)),
                                      Object(Kind::StdButton, cmmaximize, Rect(0, 40, 16, 54), false)};
  PlaceCaptionButtons(Pointers(objects), {NullRect(), Rect(10, 4, 200, 22), 2, false, false, {}});
  EXPECT_EQ(objects[2].ObjectRect, Rect(184, 4, 200, 18));
  EXPECT_EQ(objects[0].ObjectRect, Rect(166, 4, 182, 18));
  EXPECT_EQ(objects[1].ObjectRect, Rect(10, 4, 166, 22));
  EXPECT_EQ(objects[3].ObjectRect, Rect(0, 40, 16, 54));
}

TEST(FrameObjects, TheSystemMenuButtonGoesToTheCaptionsLeftEndOrJoinsALeftRow) {
  std::vector<TspObjectPlace> objects{Caption(Rect(10, 4, 200, 22)), Button(cmclose, Rect(0, 0, 16, 14)),
                                      Button(cmsysmenu, Rect(0, 0, 12, 12)), Button(cmdefault, Rect(0, 0, 10, 10))};
  objects[1].Visible = false;  // hidden buttons take no part
  PlaceCaptionButtons(Pointers(objects), {Rect(150, 2, 190, 20), Rect(10, 4, 140, 22), 1, false, true, {16, 16}});
  EXPECT_EQ(objects[3].ObjectRect, Rect(180, 2, 190, 12));
  EXPECT_EQ(objects[2].ObjectRect, Rect(10, 5, 26, 21));   // the icon's size, centred
  EXPECT_EQ(objects[0].ObjectRect, Rect(26, 4, 200, 22));  // the buttons rectangle is its own
  EXPECT_EQ(objects[1].ObjectRect, Rect(0, 0, 16, 14));

  objects[1].Visible = true;
  PlaceCaptionButtons(Pointers(objects), {NullRect(), Rect(10, 4, 200, 22), 2, true, false, {}});
  EXPECT_EQ(objects[1].ObjectRect, Rect(10, 4, 26, 18));
  EXPECT_EQ(objects[3].ObjectRect, Rect(28, 4, 38, 14));
  EXPECT_EQ(objects[2].ObjectRect, Rect(40, 4, 52, 16));
  EXPECT_EQ(objects[0].ObjectRect, Rect(56, 4, 200, 22));  // two gaps after the last button
}

TEST(FrameObjects, AnAnimateObjectIsACaptionButtonOnlyWhenClicksRunItsCommand) {
  // A decoration listed before the close button: its "command" key says close by default,
  // yet it neither takes the close button's place nor moves into the row.
  TspObjectPlace decoration = Object(Kind::Animate, cmclose, Rect(40, 2, 60, 20));
  TspObjectPlace animatedClose = Object(Kind::Animate, cmminimize, Rect(0, 0, 12, 14));
  animatedClose.ButtonStyle = true;
  std::vector<TspObjectPlace> objects{decoration, Button(cmclose, Rect(0, 0, 16, 14)), animatedClose};
  EXPECT_FALSE(IsCaptionButton(objects[0]));
  EXPECT_TRUE(IsCaptionButton(objects[1]) && IsCaptionButton(objects[2]));
  EXPECT_FALSE(IsCaptionButton(Caption(Rect(0, 0, 5, 5))));
  PlaceCaptionButtons(Pointers(objects), {Rect(100, 2, 200, 20), NullRect(), 0, false, false, {}});
  EXPECT_EQ(objects[0].ObjectRect, Rect(40, 2, 60, 20));
  EXPECT_EQ(objects[1].ObjectRect, Rect(184, 2, 200, 16));
  EXPECT_EQ(objects[2].ObjectRect, Rect(172, 2, 184, 16));
}

TEST(FrameObjects, ObjectRectanglesFollowTheWindowAndTheFirstShownObjectGetsTheMouse) {
  TspSkinFormInfo info = FrameTestInfo();
  info.RollUpLeftPoint = {30, 0};
  info.RollUpRightPoint = {150, 0};
  TspFrameCore core;
  core.SetSkin({&info, FrameTestPicture, {180, 20}, nullptr});
  core.UpdateGeometry(300, 150);
  std::vector<TspObjectPlace> objects{Object(Kind::Other, cmdefault, Rect(185, 85, 195, 95)),
                                      Object(Kind::Other, cmdefault, Rect(160, 2, 170, 12)),
                                      Button(cmclose, Rect(0, 0, 16, 14))};
  objects[1].RollUp = true;
  UpdateObjectRects(Pointers(objects), core);
  EXPECT_EQ(objects[0].ObjectRect, Rect(285, 135, 295, 145));
  // The roll-up frame stretches by the window's width less the roll-up picture's.
  EXPECT_EQ(objects[1].ObjectRect, Rect(280, 2, 290, 12));
  EXPECT_EQ(objects[2].ObjectRect, Rect(274, 4, 290, 18));

  objects[2].ObjectRect = Rect(280, 120, 300, 140);  // over the first one
  const auto pointers = Pointers(objects);
  EXPECT_EQ(ObjectAt(pointers, {290, 138}, true, false), 0);
  EXPECT_EQ(ObjectAt(pointers, {285, 5}, true, false), -1);  // a roll-up object
  objects[0].Enabled = false;
  EXPECT_EQ(ObjectAt(pointers, {290, 138}, true, false), 2);
}

TEST(FrameObjects, WithoutASkinTheFirstVisibleButtonOfEachCommandTakesItsDefaultPlace) {
  TspFrameCore core;
  core.Options.BorderIcons = {TspBorderIcon::biSystemMenu, TspBorderIcon::biMaximize};
  core.UpdateGeometry(200, 100);
  std::vector<TspObjectPlace> objects{Button(cmclose, Rect(0, 0, 1, 1)), Button(cmmaximize, Rect(0, 0, 1, 1)),
                                      Button(cmclose, Rect(0, 0, 1, 1)), Button(cmsysmenu, Rect(0, 0, 1, 1)),
                                      Button(cmminimize, Rect(0, 0, 1, 1))};
  objects[4].Visible = false;
  UpdateObjectRects(Pointers(objects), core);
  EXPECT_EQ(objects[0].ObjectRect, Rect(180, 4, 197, 21));
  EXPECT_EQ(objects[1].ObjectRect, Rect(163, 4, 180, 21));
  EXPECT_EQ(objects[2].ObjectRect, Rect(0, 0, 1, 1));  // a second close button has no place
  EXPECT_EQ(objects[3].ObjectRect, Rect(3, 4, 20, 21));
  EXPECT_EQ(objects[4].ObjectRect, Rect(0, 0, 1, 1));
}

}  // namespace
