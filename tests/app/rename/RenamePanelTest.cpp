// The rename panel's flows over real files: previews on the selected rows, rename with
// its rescan, undo, and what the window is handed to show.
#include "RenameFixture.h"

#include "app/rename/RebuildPage.h"
#include "app/rename/RenamePanel.h"
#include "app/rename/SwitchPage.h"

#include "base/Exceptions.h"

namespace {

using Texts = std::vector<std::string>;

// Keeps what the flows hand the window.
class RecordingView : public TRenamePanelView {
public:
  void ShowButtons(const TRenameButtons& buttons) override { Buttons.push_back(buttons); }
  void ShowFileNames(const TFileGridContents& contents) override { Grid.push_back(contents); }
  void SelectRows(const std::vector<int32_t>& rows) override { Selected.push_back(rows); }
  std::vector<TRenameButtons> Buttons;
  std::vector<TFileGridContents> Grid;
  std::vector<std::vector<int32_t>> Selected;
};

const TRenameButtons kBusy{false, false, false, true}, kIdle{true, false, false, true},
    kPending{true, true, true, false};
const std::string kNothingChanged = "Warning / No files have been changed.";

class RenamePanelFlows : public RenameFixture {
protected:
  void List(const Names& names, const std::vector<int32_t>& selected) {
    for (const std::string& name : names) Mp3(name);
    Files.ScanFolder();
    Rows = selected;
  }
  Names NewNames() {
    Names names;
    for (int32_t row = 0; row < Files.GetFileCount(); ++row) names.push_back(Files.GetFileInfo(row)->NewName);
    return names;
  }

  RecordingView View;
  TRebuildPage Page{Config, Options};
  TRenamePanel Panel{Files, Config, Page, View};
};

TEST_F(RenamePanelFlows, APreviewWithoutSelectedRowsOrOptionsChangesNothing) {
  List({"a - b"}, {});
  EXPECT_FALSE(Panel.RebuildPreview({"a", "x"}));
  EXPECT_FALSE(Panel.SwitchPreview());
  EXPECT_TRUE(View.Buttons.empty() && Presenter.Shown.empty());
  Rows = {0};
  EXPECT_TRUE(Panel.RebuildPreview({"", "x", true, true}));  // "Case sensitive" alone
  EXPECT_EQ(Presenter.Texts(), Texts{kNothingChanged});
  EXPECT_EQ(View.Buttons, (std::vector<TRenameButtons>{kBusy, kIdle}));
  EXPECT_TRUE(View.Grid.empty());
}

// Selected in the order row 1, row 0: the numbers follow the selection.
TEST_F(RenamePanelFlows, ARebuildPreviewAppliesItsRulesInOrderAndUndoTakesThemBack) {
  List({"a_b - x - c", "d - y - e", "untouched"}, {1, 0});
  Page.SetUseStartNumber(true);
  Page.SetStartNumberText("7");
  Page.SetSection(2, true);
  EXPECT_TRUE(Panel.RebuildPreview({"_", " ", false, true}));
  EXPECT_EQ(NewNames(), (Names{"08 - x - c", "07 - y - e", "untouched"}));
  EXPECT_EQ(View.Grid.back().Names, NewNames());
  EXPECT_EQ(View.Buttons, (std::vector<TRenameButtons>{kBusy, kPending}));
  EXPECT_TRUE(Config.RenamePending);
  EXPECT_EQ(Config.RemoveSectionCount(), 0);  // cleared for the next preview
  Panel.Undo();
  EXPECT_EQ(View.Grid.back().Names, (Names{"a_b - x - c", "d - y - e", "untouched"}));
  EXPECT_EQ(View.Buttons.back(), kIdle);
  EXPECT_FALSE(Config.RenamePending);
}

TEST_F(RenamePanelFlows, AChosenFormatAppliesUnlessThereIsNone) {
  List({"the_artist - mr. blue sky"}, {0});
  Config.RenameFormats.SetDelimitedText("|<A> - <T>|");
  Page.ReloadFormats();
  Page.SetUseSelectedFormat(true);
  EXPECT_TRUE(Panel.RebuildPreview({}));
  EXPECT_EQ(NewNames(), Names{"The Artist - Mr blue sky"});
  Config.RenameFormats.Clear();  // the builder erased every format
  Page.ReloadFormats();
  Panel.Undo();
  EXPECT_TRUE(Panel.RebuildPreview({}));
  EXPECT_EQ(NewNames(), Names{"the_artist - mr. blue sky"});
  EXPECT_EQ(Presenter.Texts(), Texts{kNothingChanged});
}

TEST_F(RenamePanelFlows, PreviewsTheEngineRefusesLeavePreviewEnabled) {
  List({"A - B - C - D - E"}, {0});
  for (int section = 1; section <= 5; ++section) Page.SetSection(section, true);
  EXPECT_TRUE(Panel.RebuildPreview({}));
  EXPECT_TRUE(Panel.RebuildPreview({}));  // the section check asks again in the next preview
  Config.SetSwitchItem(1, 2);             // "Section3" before, none after
  EXPECT_TRUE(Panel.SwitchPreview());
  EXPECT_EQ(View.Buttons.back(), kIdle);
  EXPECT_TRUE(View.Grid.empty());
  const std::string tooMany = "Error / Too many checkboxes checked ! Empty filenames will remain !!!";
  EXPECT_EQ(Presenter.Texts(), (Texts{tooMany, tooMany, "Error / Filled fields are wrong !"}));
  for (int preset = 1; preset <= SwitchPresetCount; ++preset) {  // each swaps sections n and n + 1
    SetSwitchItems(Config, SwitchPreset(preset));
    EXPECT_TRUE(Panel.SwitchPreview());
    const std::string swapped = {char('A' + preset), ' ', '-', ' ', char('A' + preset - 1)};
    EXPECT_EQ(NewNames()[0].substr(4 * preset - 4, 5), swapped);
    EXPECT_EQ(View.Buttons.back(), kPending);
    Panel.Undo();
  }
}

// "Overwrite the file" takes a listed file away: the grid follows the new count.
TEST_F(RenamePanelFlows, ARenameShowsTheFolderAsItIsNow) {
  List({"a", "b", "x"}, {1});
  Config.ActionOnExistingFile = aeOverwrite;
  Files.GetFileInfo(1)->NewName = "x";
  Files.GetFileInfo(1)->NewNameSet = true;
  Panel.Rename(true);
  const TFileGridContents& listed = View.Grid.at(0);
  EXPECT_EQ(listed.DataRowCount, 2);
  EXPECT_EQ(listed.Names, (Names{"a", "x"}));
  EXPECT_EQ(listed.Numbers, (Names{"     1", "     2"}));
  EXPECT_EQ(listed.FolderStatus, ExcludeTrailingBackslash(Folder.Path()));
  EXPECT_EQ(View.Buttons, (std::vector<TRenameButtons>{kBusy, kIdle}));
  Files.ClearFiles();
  ASSERT_TRUE(DeleteFile(Folder / "a.mp3") && DeleteFile(Folder / "x.mp3"));
  Panel.Rename(false);  // the folder emptied meanwhile: one placeholder row
  const TFileGridContents& empty = View.Grid.back();
  EXPECT_EQ(empty.Names, Names{"There are no files in the current folder"});
  EXPECT_EQ(empty.FolderStatus, "No files found");
  EXPECT_EQ(empty.DataRowCount, 1);
  EXPECT_FALSE(empty.Enabled);
}

// The list comes back in name order: the selection goes with its files to their new rows,
// a skipped file keeps its own, and an unselected file that moved takes none.
TEST_F(RenamePanelFlows, ARenameKeepsTheSelectedFilesSelectedUnderTheirNewNames) {
  List({"a", "b", "c", "d", "e"}, {3, 0, 1});
  Mp3("taken");
  Config.ActionOnExistingFile = aeSkip;
  SetNewName("a", "z");
  SetNewName("b", "taken");  // skipped: still "b"
  SetNewName("c", "A");      // not selected
  SetNewName("d", "0 - D");
  Panel.Rename(false);
  EXPECT_EQ(View.Grid.back().Names, (Names{"0 - D", "A", "b", "e", "taken", "z"}));
  EXPECT_EQ(View.Selected, (std::vector<std::vector<int32_t>>{{0, 2, 5}}));
  Rows = {0, 7};  // a row the list does not hold is no file
  EXPECT_EQ(SelectedFileNames(Files, Config.MainSelection), Names{"0 - D"});
  EXPECT_EQ(RowsOfFileNames(Files, {"Z", "gone"}), std::vector<int32_t>{5});
}

TEST_F(RenamePanelFlows, AFailingRenameOrPreviewIsReportedAndFreesTheButtons) {
  List({"a"}, {0});
  Config.SaveList = true;
  Config.SetListName("list.mp3");
  ASSERT_TRUE(CreateDir(Folder / "Log.txt"));  // the log cannot be written either
  SetNewName("a", "b");
  Panel.Rename(true);
  const Texts texts = Presenter.Texts();
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0], "Info / An error occurred with the following files: list.mp3a.mp3 -> b.mp3"
                      "This text will be saved in the file Log.txt");
  EXPECT_EQ(texts[1].rfind("Error / ", 0), 0u);
  EXPECT_NE(texts[1].find(Folder / "Log.txt"), std::string::npos);
  EXPECT_EQ(View.Grid.back().Names, Names{"a"});  // listed again all the same
  EXPECT_EQ(View.Buttons.back(), kIdle);
  Rows = {5};  // a row the list does not hold
  Page.SetCutTillNumber(true);
  EXPECT_THROW(Panel.RebuildPreview({}), ERangeError);
  EXPECT_EQ(View.Buttons.back(), kIdle);
}

TEST_F(RenamePanelFlows, AFullListShowsNoExtraRowAndWarnsAtEveryRefresh) {
  Names names;
  for (int i = 0; i < 1000; ++i) names.push_back("song " + std::to_string(1000 + i));
  List(names, {});
  Panel.RefreshFileNames();
  Panel.Undo();
  EXPECT_EQ(View.Grid.back().DataRowCount, 999);
  EXPECT_EQ(View.Grid.back().Numbers.back(), " 999");
  EXPECT_EQ(Presenter.Texts(), (Texts(2, "Warning / Maximum number of 999 files has been reached !")));
}

}  // namespace
