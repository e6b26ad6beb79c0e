// The main window's geometry and its placement record, without a window.
#include "AppTestSupport.h"

#include "app/MainWindowLayout.h"
#include "app/WindowPlacementState.h"

#include "base/FileUtils.h"

#include <gtest/gtest.h>

namespace {

TEST(MainWindowLayout, RowNumbersStandRightAligned) {
  EXPECT_EQ(RowNumberText(1), "     1");
  EXPECT_EQ(RowNumberText(9), "     9");
  EXPECT_EQ(RowNumberText(10), "   10");
  EXPECT_EQ(RowNumberText(99), "   99");
  EXPECT_EQ(RowNumberText(100), " 100");
  EXPECT_EQ(RowNumberText(999), " 999");
}

TEST(MainWindowLayout, SpeedButtonsShareTheirPanelAndStatusPanelsTheBar) {
  EXPECT_EQ(SpeedButtonSpans(722), (TSpeedButtonSpans{{4, 358}, {364, 354}}));
  EXPECT_EQ(SpeedButtonSpans(723), (TSpeedButtonSpans{{4, 358}, {364, 355}}));  // the odd pixel
  EXPECT_EQ(SpeedButtonSpans(3), (TSpeedButtonSpans{{4, 0}, {6, 0}}));          // never negative
  EXPECT_EQ(StatusPanelSpans(732, 80), (TStatusPanelSpans{{0, 592}, {592, 120}}));
  EXPECT_EQ(StatusPanelSpans(100, 80), (TStatusPanelSpans{{0, 0}, {0, 120}}));
}

// 16-pixel rows in a 320-pixel grid: 20 rows fit, 21 need the scroll bar.
TEST(MainWindowLayout, TheGridGivesWayToItsScrollBarOnlyWhileItsRowsOverflow) {
  const TFileGridBox fits{8, 700, 320, 696, 20, 16, false};
  EXPECT_EQ(FitFileGrid(fits), (TFileGridFit{700, false, 30, 666, 708, 320}));
  TFileGridBox overflows = fits;
  overflows.RowCount = 21;
  EXPECT_TRUE(GridRowsOverflow(overflows));
  EXPECT_EQ(FitFileGrid(overflows), (TFileGridFit{685, true, 30, 651, 693, 320}));
  overflows.Width = 685;  // fitted already: stays
  overflows.ClientWidth = 681;
  overflows.ScrollBarShown = true;
  EXPECT_EQ(FitFileGrid(overflows), (TFileGridFit{685, true, 30, 651, 693, 320}));
  overflows.RowCount = 2;  // the rows went: the room comes back
  EXPECT_EQ(FitFileGrid(overflows), (TFileGridFit{700, false, 30, 666, 708, 320}));
}

TEST(MainWindowLayout, TheTagsPanelGrowsForItsWarningWhileAPreviewIsPending) {
  EXPECT_EQ(TagsPanelBox(false, 513, 19), (TTagsPanelBox{455, 33, false}));
  EXPECT_EQ(TagsPanelBox(true, 513, 19), (TTagsPanelBox{441, 47, true}));
}

TEST(WindowPlacement, AStoredMaximizedWindowOpensMaximizedAndUnchanged) {
  TWindowPlacement placement{true, 0, false, 600, 800};
  std::vector<std::string> steps;
  RestorePlacement(
      placement,
      [&](int32_t width, int32_t height) {
        steps.push_back("size " + std::to_string(width) + "x" + std::to_string(height));
        PlacementResized(placement, swNormal, 740, 540);  // the frame kept its minimum
      },
      [&] {
        steps.push_back("maximize");
        EXPECT_TRUE(PlacementResized(placement, swMaximized, 1024, 768).MoveToOrigin);
      });
  EXPECT_EQ(steps, (std::vector<std::string>{"size 800x600", "maximize"}));
  EXPECT_TRUE(placement.Maximized);
  EXPECT_FALSE(placement.Changed);
  EXPECT_EQ(placement.Width, 740);
}

// Sizes and states as the resize handler sees them, and what the record says after each.
TEST(WindowPlacement, SizesAndTheMaximizedStateCountAsChangesMinimizingDoesNot) {
  TWindowPlacement placement{false, 0, false, 540, 740};
  EXPECT_FALSE(PlacementResized(placement, swNormal, 740, 540).Changed);  // the stored size
  EXPECT_FALSE(PlacementResized(placement, swMinimized, 160, 20).Changed);
  EXPECT_FALSE(PlacementResized(placement, swNormal, 740, 540).Changed);  // restored
  EXPECT_TRUE(PlacementResized(placement, swMaximized, 1024, 768).Changed);
  EXPECT_TRUE(placement.Maximized);
  EXPECT_EQ(placement.Width, 740);  // a maximized size is never stored
  placement.Changed = false;
  EXPECT_TRUE(PlacementResized(placement, swNormal, 740, 540).Changed);  // back from maximized
  EXPECT_FALSE(placement.Maximized);
  placement.Changed = false;
  EXPECT_TRUE(PlacementResized(placement, swNormal, 900, 600).Changed);
  EXPECT_EQ(placement.Height, 600);
  EXPECT_EQ(placement.LastState, swNormal);
}

TEST(WindowPlacement, OnlyAChangedPlacementIsWrittenAndAFailureIsReported) {
  ProgramFolder folder;
  ScriptedPresenter presenter;
  TConfigBase settings(folder.Place());
  settings.ReadSettings();
  settings.Placement[piMainWindow] = {true, 2, false, 600, 900};
  SavePlacement(settings, piMainWindow);
  EXPECT_FALSE(FileExists(settings.SettingsPath()));
  settings.Placement[piMainWindow].Changed = true;
  SavePlacement(settings, piMainWindow);
  EXPECT_EQ(folder.ReadFile("Settings.ini"),
            "[FileEditor]\r\nWindowHeight=600\r\nWindowWidth=900\r\nWindowMaximized=1\r\n");
  settings.Placement[piTagEditor].Changed = true;
  folder.WriteFile("Settings.ini", std::string(1, '\0'));  // no settings file: never written over
  settings.ReadSettings();
  SavePlacement(settings, piTagEditor);
  EXPECT_EQ(folder.ReadFile("Settings.ini"), std::string(1, '\0'));
  EXPECT_EQ(presenter.Texts(), (std::vector<std::string>{"Error / Settings file could not be read !",
                                                         "Error / Settings file could not be made !"}));
}

}  // namespace
