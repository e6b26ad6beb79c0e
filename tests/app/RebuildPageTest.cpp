// The rebuild page's boxes, the chosen format and the start number, without a window.
#include "AppTestSupport.h"

#include "app/RebuildPage.h"
#include "app/Session.h"

#include <gtest/gtest.h>

namespace {

using Texts = std::vector<std::string>;

class RebuildPageOptions : public ::testing::Test {
protected:
  RebuildPageOptions() { Settings.RenameFormats.SetDelimitedText("|<A> - <T>|,|<N> - <T>|"); }

  ProgramFolder Folder;
  TConfigBase Settings{Folder.Place()};
  TConfigSession Session;
  TRebuildPage Page{Settings, Session};
};

TEST(RebuildEnabling, EachBoxEnablesOrExcludesItsNeighbours) {
  TRebuildChecks checks;
  EXPECT_EQ(RebuildEnabling(checks), (TRebuildEnabling{true, true, true, false, false}));
  checks.CutTillNumber = true;
  EXPECT_EQ(RebuildEnabling(checks), (TRebuildEnabling{false, true, true, false, false}));
  checks = {};
  checks.Sections[6] = true;
  EXPECT_EQ(RebuildEnabling(checks), (TRebuildEnabling{true, false, false, false, false}));
  checks = {};
  checks.UseSelectedFormat = checks.UseStartNumber = true;
  EXPECT_EQ(RebuildEnabling(checks), (TRebuildEnabling{true, true, true, true, true}));
}

TEST_F(RebuildPageOptions, ASectionBoxUnchecksTheFormatBoxAndCountsInTheSettings) {
  Page.ReloadFormats();
  Page.SetUseSelectedFormat(true);
  Page.SetSection(3, true);
  Page.SetSection(3, true);  // no change: counted once
  EXPECT_EQ(Settings.RemoveSectionCount(), 1);
  EXPECT_FALSE(Page.Checks().UseSelectedFormat);
  EXPECT_FALSE(Session.UseSelectedFormat);
  Page.SetUseSelectedFormat(true);  // disabled: refused
  Page.SetCutTillNumber(true);
  EXPECT_FALSE(Page.Checks().UseSelectedFormat || Session.CutTillNumber);
  Page.SetSection(3, false);
  Page.SetCutTillNumber(true);
  Page.SetSection(1, true);  // the section boxes are disabled now
  EXPECT_EQ(Settings.RemoveSectionCount(), 0);
  Page.SetCutTillNumber(false);
  Page.SetSection(1, true);
  Page.SetSection(8, true);  // no such box
  Page.ClearSectionBoxes();
  EXPECT_EQ(Page.Checks(), TRebuildChecks{});
  EXPECT_EQ(Settings.RemoveSectionCount(), 0);
}

TEST_F(RebuildPageOptions, AFormatWithATrackNumberHoldsTheStartNumberBoxOnlyWhileItChoseIt) {
  Page.ReloadFormats();
  Page.SetUseSelectedFormat(true);
  Page.SelectFormat(1);  // "<N> - <T>"
  EXPECT_TRUE(Session.UseStartNumber);
  EXPECT_EQ(Settings.NumberPosition, 1);
  Page.SetUseStartNumber(false);  // held by the format
  EXPECT_TRUE(Page.Checks().UseStartNumber);
  EXPECT_TRUE(Page.Enabling().StartNumberEdit);
  Page.SelectFormat(0);  // the format had checked it: unchecked again
  EXPECT_FALSE(Session.UseStartNumber);
  Page.SetUseStartNumber(true);  // the user's own check stays
  Page.SelectFormat(1);
  Page.SelectFormat(0);
  EXPECT_TRUE(Session.UseStartNumber);
  Page.SetUseStartNumber(false);
  Page.SelectFormat(1);
  Page.SetUseSelectedFormat(false);  // leaving the format lets go of the box
  EXPECT_FALSE(Session.UseStartNumber || Session.UseSelectedFormat);
  Page.SelectFormat(1);  // while unchecked the combo has no pull
  EXPECT_FALSE(Session.UseStartNumber);
}

// The builder can empty the list; a stored index may point past it.
TEST_F(RebuildPageOptions, AnEmptyFormatListOrAnIndexPastItNeverParsesOutsideTheList) {
  Settings.PreferredRenameFormat = 7;
  Page.SelectPreferredFormat();
  EXPECT_EQ(Page.FormatIndex(), 1);
  EXPECT_EQ(Page.FormatItems(), (Texts{"Artist - Title.mp3", "Track - Title.mp3"}));
  Page.SetUseSelectedFormat(true);
  EXPECT_TRUE(Page.FormatApplies());
  EXPECT_TRUE(Session.UseStartNumber);
  Settings.RenameFormats.Clear();
  Page.ReloadFormats();
  EXPECT_EQ(Page.FormatIndex(), -1);
  EXPECT_TRUE(Page.FormatItems().empty());
  EXPECT_EQ(Settings.NumberPosition + Settings.PlaceholderCount, 0);
  EXPECT_FALSE(Page.FormatApplies() || Session.UseSelectedFormat || Session.UseStartNumber);
  EXPECT_TRUE(Page.Checks().UseSelectedFormat);  // the box stays, for the builder's button
  EXPECT_TRUE(Page.Enabling().FormatChoice);
  Page.SelectPreferredFormat();
  EXPECT_EQ(Page.FormatIndex(), -1);
}

TEST_F(RebuildPageOptions, TheStartNumberTakesDigitsAndStepsNeverBelowOne) {
  EXPECT_TRUE(TRebuildPage::IsStartNumberKey('7'));
  EXPECT_TRUE(TRebuildPage::IsStartNumberKey('\b'));
  EXPECT_FALSE(TRebuildPage::IsStartNumberKey('a') || TRebuildPage::IsStartNumberKey('-'));
  Page.StepStartNumber(false);
  EXPECT_EQ(Page.StartNumberText(), "1");
  Page.SetStartNumberText("999");
  Page.StepStartNumber(true);
  EXPECT_EQ(Page.StartNumberText(), "1000");
  Page.SetStartNumberText("12a");  // pasted: refused
  EXPECT_EQ(Page.StartNumber(), 1000);
  Page.SetStartNumberText("");
  EXPECT_EQ(Page.StartNumberText(), "1");
  Page.SetStartNumberText("0");
  Page.StepStartNumber(false);
  EXPECT_EQ(Page.StartNumber(), 0);
  Page.SetStartNumberText("99999999999");
  EXPECT_EQ(Page.StartNumber(), 2147483647);
  Page.StepStartNumber(true);
  EXPECT_EQ(Page.StartNumber(), 2147483647);
  Page.SetStartNumberText("007");
  Page.StepStartNumber(true);
  EXPECT_EQ(Page.StartNumberText(), "8");
}

}  // namespace
