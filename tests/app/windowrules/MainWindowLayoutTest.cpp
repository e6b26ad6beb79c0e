// The main window's geometry and its placement record, without a window.
#include "AppTestSupport.h"

#include "app/rename/FileGridContents.h"
#include "app/windowrules/MainWindowLayout.h"
#include "app/windowrules/WindowPlacementState.h"

#include "base/FileUtils.h"

#include <gtest/gtest.h>

namespace {

TEST(MainWindowLayout, NumbersButtonsAndPanelsFitTheirPlaces) {
  EXPECT_EQ(RowNumberText(9) + RowNumberText(10) + RowNumberText(100), "     9   10 100");
  EXPECT_EQ(SpeedButtonSpans(722), (TSpeedButtonSpans{{4, 358}, {364, 354}}));
  EXPECT_EQ(SpeedButtonSpans(3), (TSpeedButtonSpans{{4, 0}, {6, 0}}));  // never negative
  EXPECT_EQ(StatusPanelSpans(732, 80, 104), (TStatusPanelSpans{{0, 592}, {592, 120}}));
  EXPECT_EQ(StatusPanelSpans(732, 80, 150), (TStatusPanelSpans{{0, 562}, {562, 150}}));  // "…: 999" needs more
  EXPECT_EQ(TagsPanelBox(true, 513, 19), (TTagsPanelBox{441, 47, true}));  // with its warning
  EXPECT_EQ(TagsPanelBox(false, 513, 19), (TTagsPanelBox{455, 33, false}));
}

// 16-pixel rows in a 320-pixel grid: 20 rows fit, 21 need the scroll bar.
TEST(MainWindowLayout, TheGridGivesWayToItsScrollBarOnlyWhileItsRowsOverflow) {
  const TFileGridFit wide{700, false, 30, 666, 708, 320}, narrow{685, true, 30, 651, 693, 320};
  EXPECT_EQ(FitFileGrid({8, 700, 320, 696, 20, 16, false}), wide);
  EXPECT_EQ(FitFileGrid({8, 700, 320, 696, 21, 16, false}), narrow);
  EXPECT_EQ(FitFileGrid({8, 685, 320, 681, 21, 16, true}), narrow);  // fitted already: stays
  EXPECT_EQ(FitFileGrid({8, 685, 320, 681, 2, 16, true}), wide);     // the room comes back
}

// A window stored maximized at 800 x 600; the frame holds it at least 740 x 540.
TEST(WindowPlacement, SizesAndTheMaximizedStateAreChangesMinimizingIsNot) {
  TWindowPlacement placement{true, swNormal, false, 600, 800};
  RestorePlacement(
      placement, [&](int32_t, int32_t) { PlacementResized(placement, swNormal, 740, 540); },
      [&] { EXPECT_TRUE(PlacementResized(placement, swMaximized, 1024, 768).MoveToOrigin); });
  EXPECT_TRUE(placement.Maximized && !placement.Changed);
  EXPECT_TRUE(PlacementResized(placement, swNormal, 740, 540).Changed);  // no longer maximized
  EXPECT_FALSE(placement.Maximized);
  placement.Changed = false;
  EXPECT_FALSE(PlacementResized(placement, swMinimized, 160, 20).Changed);
  EXPECT_FALSE(PlacementResized(placement, swNormal, 740, 540).Changed);  // back at the stored size
  EXPECT_TRUE(PlacementResized(placement, swNormal, 900, 600).Changed);
  PlacementResized(placement, swMaximized, 1024, 768);
  EXPECT_EQ(placement.Width, 900);  // a maximized size is never stored
}

TEST(WindowPlacement, OnlyAChangedPlacementIsWrittenAndAFailureIsReported) {
  ProgramFolder folder;
  ScriptedPresenter presenter;
  TConfigBase settings(folder.Place());
  settings.Placement[piMainWindow] = {true, 2, false, 600, 900};
  SavePlacement(settings, piMainWindow);
  EXPECT_FALSE(FileExists(settings.SettingsPath()));
  settings.Placement[piMainWindow].Changed = settings.Placement[piTagEditor].Changed = true;
  SavePlacement(settings, piMainWindow);
  EXPECT_EQ(folder.ReadFile("Settings.ini"), "[FileEditor]\r\nWindowHeight=600\r\nWindowWidth=900\r\nWindowMaximized=1\r\n");
  folder.WriteFile("Settings.ini", std::string(1, '\0'));  // no settings file: never written over
  settings.ReadSettings();
  SavePlacement(settings, piTagEditor);
  EXPECT_EQ(folder.ReadFile("Settings.ini"), std::string(1, '\0'));
  EXPECT_EQ(presenter.Texts().back(), "Error / Settings file could not be made !");
}

// The tag editor (800 x 569) over the main window moved to (86, 111), as 740 x 540.
TEST(WindowPlacement, CentringMovesANormalWindowAndOnlyTheRestoreBoundsOfAMaximizedOne) {
  const TRect main = Bounds(86, 111, 740, 540);
  const TRect normal = Bounds(0, 0, 800, 569);
  const TCentredWindow shown = CentreWindowOn(main, {normal, std::nullopt});
  EXPECT_EQ(shown.Bounds, Bounds(56, 97, 800, 569));  // 86 + 370 - 400, 111 + 270 - 284
  EXPECT_FALSE(shown.RestoreBounds);
  const TRect screen = Bounds(0, 0, 1278, 1022);  // a maximized window
  const TCentredWindow maximized = CentreWindowOn(main, {screen, normal});
  EXPECT_EQ(maximized.Bounds, screen);
  EXPECT_EQ(maximized.RestoreBounds, Bounds(56, 97, 800, 569));
  // The halves are truncated toward zero, each on its own; the virtual screen from (0, 0).
  EXPECT_EQ(CentreWindowOn(Bounds(-5, 0, 7, 7), {Bounds(0, 0, 3, 3), std::nullopt}).Bounds, Bounds(-3, 2, 3, 3));
  EXPECT_EQ(CentreWindowOn(Bounds(0, 0, 1280, 1024), {Bounds(500, 500, 345, 140), std::nullopt}).Bounds,
            Bounds(468, 442, 345, 140));
}

}  // namespace
