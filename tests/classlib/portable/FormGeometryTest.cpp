#include "classlib/portable/FormGeometry.h"

#include <gtest/gtest.h>

namespace {

struct StyleCase {
  TFormBorderStyle Border;
  TBorderIcons Icons;
  uint32_t Style;
  uint32_t ExStyle;
};

TEST(FormGeometry, WindowStyleOfEachBorderStyleAndIcons) {
  using namespace FrameStyle;
  const TBorderIcons all{biSystemMenu, biMinimize, biMaximize, biHelp};
  const StyleCase cases[] = {
      {bsNone, all, Popup, 0},
      {bsSingle, all, Caption | Border | SysMenu | MinimizeBox | MaximizeBox, 0},
      {bsSizeable, {biSystemMenu, biMaximize}, Caption | ThickFrame | SysMenu | MaximizeBox, 0},
      {bsSizeable, {}, Caption | ThickFrame, 0},
      {bsDialog, all, Popup | Caption | SysMenu,
       ExDlgModalFrame | ExWindowEdge | ExContextHelp},
      {bsToolWindow, {biSystemMenu, biMinimize}, Caption | SysMenu, ExToolWindow},
      {bsSizeToolWin, {biSystemMenu}, Caption | ThickFrame | SysMenu, ExToolWindow},
      {bsSingle, {biSystemMenu, biHelp}, Caption | Border | SysMenu, ExContextHelp},
  };
  for (const StyleCase& c : cases) {
    const TWindowStyle s = FormWindowStyle(c.Border, c.Icons);
    EXPECT_EQ(s.Style, c.Style) << c.Border;
    EXPECT_EQ(s.ExStyle, c.ExStyle) << c.Border;
    EXPECT_EQ(s.Style & ~FormFrameStyleMask, 0u);
    EXPECT_EQ(s.ExStyle & ~FormFrameExStyleMask, 0u);
  }
}

TEST(FormGeometry, PlacementCentresOnItsTargetWithinTheWorkArea) {
  const TRect main = Bounds(600, 550, 400, 300);
  const TRect owner = Bounds(100, 100, 200, 200);
  TPlacementContext context{Rect(0, 0, 1000, 700), Rect(-1000, 0, 1000, 800), &main, &owner};
  const TRect form = Bounds(5, 6, 200, 100);
  EXPECT_EQ(PlaceForm(poDesigned, form, context), form);
  EXPECT_EQ(PlaceForm(poDefault, form, context), form);
  EXPECT_EQ(PlaceForm(poScreenCenter, form, context), Bounds(400, 300, 200, 100));
  // The desktop's centre (-100, 350) would put the form off the work area: kept inside.
  EXPECT_EQ(PlaceForm(poDesktopCenter, form, context), Bounds(0, 350, 200, 100));
  // Centred on the main form it would end below the work area: moved up into it.
  EXPECT_EQ(PlaceForm(poMainFormCenter, form, context), Bounds(700, 600, 200, 100));
  EXPECT_EQ(PlaceForm(poOwnerFormCenter, form, context), Bounds(100, 150, 200, 100));

  context.OwnerForm = nullptr;
  EXPECT_EQ(PlaceForm(poOwnerFormCenter, form, context), Bounds(700, 600, 200, 100));
  context.MainForm = nullptr;
  EXPECT_EQ(PlaceForm(poMainFormCenter, form, context), Bounds(400, 300, 200, 100));
  // Larger than the work area: the top-left corner stays visible.
  EXPECT_EQ(PlaceForm(poScreenCenter, Bounds(0, 0, 1200, 900), context), Bounds(0, 0, 1200, 900));
}

}  // namespace
