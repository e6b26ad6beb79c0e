#include "skin/data/SkinRects.h"
#include "skin/form/portable/CaptionButtons.h"

#include <gtest/gtest.h>

namespace {

using Look = TspObjectLook;
using Action = TspFrameAction;

// Looks in the active picture: a row of normal ones, a row of restore ones.
const TRect Normal = Rect(0, 0, 16, 14), Hot = Rect(16, 0, 32, 14), Down = Rect(32, 0, 48, 14),
            Inactive = Rect(48, 0, 64, 14), Disabled = Rect(64, 0, 80, 14);
const TRect RestoreNormal = OffsetRect(Normal, 0, 14), RestoreHot = OffsetRect(Hot, 0, 14),
            RestoreDown = OffsetRect(Down, 0, 14), RestoreInactive = OffsetRect(Inactive, 0, 14);

Look Copied(TRect R) { return {Look::Copy, R, true, {}}; }

TEST(CaptionButtons, ACaptionButtonShowsTheLookOfItsStateAndTheWindows) {
  TspStdButtonLookState base;
  base.Command = cmmaximize;
  base.SkinRectInAPicture = true;
  base.SkinRect = Normal;
  base.ActiveSkinRect = Hot;
  base.InActiveSkinRect = Inactive;
  base.DownRect = Down;
  base.DisableSkinRect = Disabled;
  base.RestoreRect = RestoreNormal;
  base.RestoreActiveRect = RestoreHot;
  base.RestoreDownRect = RestoreDown;
  base.RestoreInActiveRect = RestoreInactive;
  const struct {
    bool Active, MouseIn, Down, Grouped, WindowActive, Restore, Enabled, Morph;
    Look Expected;
  } cases[] = {
      {false, false, false, false, true, false, true, false, Copied(Normal)},
      {true, true, false, false, true, false, true, false, Copied(Hot)},
      {true, true, true, false, true, false, true, false, Copied(Down)},
      {true, false, true, false, true, false, true, false, Copied(Hot)},  // pressed shows only under the mouse
      {false, false, true, true, true, false, true, false, Copied(Down)},  // unless grouped
      {true, false, false, false, true, false, true, true, {Look::Morph, Normal, true, Hot}},
      // An inactive window shows the inactive looks even under the mouse.
      {true, true, false, false, false, false, true, false, Copied(Inactive)},
      {true, true, false, false, false, true, true, false, Copied(RestoreInactive)},
      {true, true, false, false, true, true, true, false, Copied(RestoreHot)},
      {true, true, true, false, true, true, true, false, Copied(RestoreDown)},
      {true, true, false, false, true, true, false, false, Copied(Disabled)},
  };
  for (const auto& c : cases) {
    TspStdButtonLookState s = base;
    s.Active = c.Active;
    s.MouseIn = c.MouseIn;
    s.Down = c.Down;
    s.GroupIndex = c.Grouped ? 1 : -1;
    s.WindowActive = c.WindowActive;
    s.RestoreState = c.Restore;
    s.Enabled = c.Enabled;
    s.MorphRunning = c.Morph;
    EXPECT_EQ(StdButtonLook(s), c.Expected) << &c - cases;
  }
  // The frame picture shows the normal look already; a default button draws its own.
  TspObjectLookState inFrame;
  inFrame.SkinRect = Normal;
  EXPECT_EQ(ObjectLook(inFrame), Look{});
  TspStdButtonLookState sys;
  sys.Command = cmsysmenu;
  sys.SkinDataPresent = false;
  EXPECT_EQ(StdButtonLook(sys).Kind, Look::DefaultLook);
  sys.ShowIcon = true;
  EXPECT_EQ(StdButtonLook(sys).Kind, Look::FormIcon);
}

TEST(CaptionButtons, VisibilityGlyphsHintsAndCommandsFollowTheBorderIconsAndState) {
  const TspBorderIcons icons{TspBorderIcon::biMinimize, TspBorderIcon::biRollUp};
  EXPECT_EQ(VisibleCaptionButtons(icons, false), (TSet<TspStdButtonCommand>{cmclose, cmminimize, cmrollup}));
  EXPECT_TRUE(VisibleCaptionButtons(icons, true).Empty());
  EXPECT_EQ(CaptionButtonHint(cmdefault, nullptr), std::nullopt);  // a custom button keeps its own

  TspFrameState s;
  s.WindowState = TspWindowState::Maximized;
  const TspDefaultButtonLook pressed = DefaultCaptionButtonLook(cmmaximize, {17, 17}, true, true, s);
  EXPECT_TRUE(pressed.Colors.Frame == clNavy && pressed.Colors.Fill == DefaultCellDownFill);
  EXPECT_TRUE(pressed.Glyph == TspCaptionGlyph::Restore && pressed.GlyphOrigin == Point(4, 5));
  EXPECT_EQ(DefaultCaptionButtonLook(cmmaximize, {17, 17}, false, true, s).Colors.Frame, clNone);
  EXPECT_EQ(CaptionButtonAction(cmminimize, s, true, true), Action::MinimizeToTray);
  s.WindowState = TspWindowState::Minimized;
  EXPECT_EQ(CaptionButtonAction(cmminimize, s, false, true), Action::Restore);
  EXPECT_EQ(CaptionButtonAction(cmminimize, s, false, false), Action::Minimize);
  EXPECT_TRUE(InRestoreState(cmminimize, s) && !InRestoreState(cmmaximize, s));
}

}  // namespace
