// The rebuild page's boxes, the chosen format and the start number, without a window.
#include "AppTestSupport.h"

#include "app/rename/RebuildPage.h"
#include "app/settings/Session.h"

#include <gtest/gtest.h>

namespace {

class RebuildPageOptions : public ::testing::Test {
protected:
  RebuildPageOptions() { Settings.RenameFormats.SetDelimitedText("|<A> - <T>|,|<N> - <T>|"); }

  ProgramFolder Folder;
  TConfigBase Settings{Folder.Place()};
  TConfigSession Session;
  TRebuildPage Page{Settings, Session};
};

TEST_F(RebuildPageOptions, SectionBoxesExcludeTheCutAndTheFormatAndCountInTheSettings) {
  Page.ReloadFormats();
  Page.SetUseSelectedFormat(true);
  Page.SetSection(3, true);
  Page.SetSection(3, true);  // no change: counted once
  Page.SetUseSelectedFormat(true);  // disabled now: refused, as is the cut
  Page.SetCutTillNumber(true);
  EXPECT_EQ(Settings.RemoveSectionCount(), 1);
  EXPECT_EQ(Page.Enabling(), (TRebuildEnabling{true, false, false, false, false}));
  EXPECT_FALSE(Page.Checks().UseSelectedFormat || Session.UseSelectedFormat || Session.CutTillNumber);
  Page.SetSection(3, false);
  Page.SetCutTillNumber(true);
  Page.SetSection(1, true);  // the section boxes are disabled now
  EXPECT_EQ(Page.Enabling(), (TRebuildEnabling{false, true, true, false, false}));
  Page.ClearSectionBoxes();
  EXPECT_EQ(Page.Checks(), TRebuildChecks{});
}

TEST_F(RebuildPageOptions, AFormatWithATrackNumberHoldsTheStartNumberBoxOnlyWhileItChoseIt) {
  Page.ReloadFormats();
  Page.SetUseSelectedFormat(true);
  Page.SelectFormat(1);  // "<N> - <T>"
  Page.SetUseStartNumber(false);  // held by the format
  EXPECT_EQ(Page.Enabling(), (TRebuildEnabling{true, true, true, true, true}));
  Page.SelectFormat(0);  // the format had checked it: unchecked again
  EXPECT_FALSE(Session.UseStartNumber);
  Page.SetUseStartNumber(true);  // the user's own check stays
  Page.SelectFormat(1);
  Page.SelectFormat(0);
  EXPECT_TRUE(Session.UseStartNumber);
  Page.SetUseStartNumber(false);
  Page.SelectFormat(1);
  Page.SetUseSelectedFormat(false);  // leaving the format lets go of the box
  Page.SelectFormat(1);              // and while unchecked the combo has no pull
  EXPECT_FALSE(Session.UseStartNumber || Session.UseSelectedFormat);
}

// The builder can empty the list; a stored index may point past it.
TEST_F(RebuildPageOptions, AnEmptyFormatListOrAnIndexPastItNeverParsesOutsideTheList) {
  Settings.PreferredRenameFormat = 7;
  Page.SelectPreferredFormat();
  Page.SetUseSelectedFormat(true);
  EXPECT_EQ(Page.FormatIndex(), 1);
  EXPECT_TRUE(Page.FormatApplies() && Session.UseStartNumber);
  Settings.RenameFormats.Clear();
  Page.ReloadFormats();
  EXPECT_EQ(Page.FormatIndex(), -1);
  EXPECT_EQ(Settings.NumberPosition + Settings.PlaceholderCount, 0);
  EXPECT_FALSE(Page.FormatApplies() || Session.UseSelectedFormat || Session.UseStartNumber);
  EXPECT_TRUE(Page.Enabling().FormatChoice);  // the builder's button stays within reach
}

TEST_F(RebuildPageOptions, TheStartNumberTakesDigitsAndDownStopsAtOneOrBelow) {
  EXPECT_TRUE(TRebuildPage::IsStartNumberKey('7') && TRebuildPage::IsStartNumberKey('\b'));
  EXPECT_FALSE(TRebuildPage::IsStartNumberKey('a') || TRebuildPage::IsStartNumberKey('-'));
  Page.StepStartNumber(false);
  EXPECT_EQ(Page.StartNumberText(), "1");
  Page.SetStartNumberText("0");  // typed: Down never makes a negative start
  Page.StepStartNumber(false);
  EXPECT_EQ(Page.StartNumberText(), "0");
  Page.SetStartNumberText("999");
  Page.StepStartNumber(true);
  Page.SetStartNumberText("12a");  // pasted: refused
  EXPECT_EQ(Page.StartNumberText(), "1000");
  Page.SetStartNumberText("99999999999");
  Page.StepStartNumber(true);
  EXPECT_EQ(Page.StartNumber(), 2147483647);
  Page.SetStartNumberText("");
  EXPECT_EQ(Page.StartNumberText(), "1");
}

}  // namespace
